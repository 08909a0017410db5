#include "platform/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// Every name a program uses for a font, and what stands behind it. The
// Gothic face has half-width glyphs of 0.5 em and full-width ones of 1 em,
// so its glyphs fill the cells the programs count with. The serif draws
// the italic letters a, x, c narrower than a Gothic cell and lower in it, so
// that they sit on the line of the Gothic digits beside them.
//
// Magnified cells are 48 high in running text, on rows 50 apart: ink that
// filled them would leave no room for the signs written between two rows,
// for a rule under one, or inside a plate 44 high. So their ink is drawn at
// 0.76 of the cell's height and 0.92 of its width, centred across the cell
// and scaled about a point 0.386 of a Gothic cell down, which puts the
// middle of Japanese text in the middle of the cell's top 44 units and the
// middle of the digits 21 units down. The serif letter's cell starts 22
// higher and is 56 high, so the same point lies 0.724 of it down.
//
// The Gothic face's half-width zero has a slash through it, which no school
// book prints and which after "=" reads as the empty set. Its proportional
// sister in the same package draws a plain zero of the same design: at the
// same height and about three quarters of the width it matches the weight
// and width of the other bold digits.
const FaceSpec kPlainZero{"IPAPGothic", "fonts-ipafont-gothic", 1.0, 0.88, false, {1, 1, 0, 0}, {}, {}, {}};
const StandIn kGothicStandIns[] = {{"0", &kPlainZero, 0.771, 0.995}};

// Fraction parts have cells magnified 4 by 2 (the serif's letters 12 by 5),
// twice as wide as tall where the body's are square. Ink that kept its
// share of such a cell came out half as tall for its width as the body's,
// squat and heavy: a digit 28 wide and 19 high against 21 by 28 in running
// text. So it is drawn at 0.60 of the cell's width and 0.82 of its height,
// 18 by 20.5, centred in the cell: the middle of the digits (0.458 of the
// cell down) comes to the cell's middle, 6.7 units clear of the bar on
// either side. The serif letters, scaled alike, stand on the line of the
// digits beside them.
//
// Those cells stand 32 apart where the ink is 17 wide: the digits of "100"
// would stand 15 apart, twice the body's 7 to 8 between digits 1.4 times as
// tall, and read as three numbers. So the digits of one number come 0.31 of a cell
// nearer each other per place, about the number's middle, which leaves
// about 5 between them and keeps the part centred on its bar.
const CellInk kGothicCells[] = {{4, 2, {0.60, 0.82, 0.458, 0.5, 0.31}}};
const CellInk kSerifCells[] = {{12, 5, {0.652, 0.766, 1.12, 1.0565}}};

const FaceSpec kSerif{"Liberation Serif", "fonts-liberation2", 0.5, 1.12, false, {0.9, 0.76, 0.724, 0.724},
                      kSerifCells, {}, {}};

// A decimal point of running text has a cell 3 by 2 (24 by 32) whose top
// stands 14 below the digits' cells and whose left 3 before the pen, which
// it moves on by 8. The Gothic face's point is square; stretched by that
// cell it came out a flat dash on the foot of the line. So it is the
// serif's round point, 5.5 across, about as heavy as the digits' strokes
// (4.6 to 4.9), standing on the digits' foot (20.8 into the cell) in the
// middle of the gap between the digits on either side (6.6 into it).
const RoundPoint kGothicPoints[] = {{3, 2, &kSerif, 1.09, 0.275, 0.65}};

const FaceSpec kGothic{"IPAGothic", "fonts-ipafont-gothic", 1.0, 0.88, false, {0.92, 0.76, 0.386, 0.386},
                       kGothicCells, kGothicStandIns, kGothicPoints};
const FaceSpec kScript{"Liberation Serif", "fonts-liberation2", 0.5, 0.88, true, {0.9, 0.76, 0.386, 0.386}, {}, {}, {}};

struct Alias {
    const char* name;
    const FaceSpec* face;
};
const Alias kAliases[] = {
    {"ゴシック", &kGothic},
    {"ｺﾞｼｯｸ", &kGothic},
    {"Times New Roman", &kSerif},
    {"MT Extra", &kScript},
};

// Why fontconfig could not read its own configuration file, or "" when it
// read it. Without it fontconfig falls back to a few built-in folders and
// may find no fonts at all; saying then that a font is not installed would
// send a teacher to install a package that is there (the usual causes are
// too few file handles, or a FONTCONFIG_FILE that cannot be read).
std::string UnreadConfiguration() {
    const char* named = std::getenv("FONTCONFIG_FILE");
    const bool byVariable = named && *named;
    FcChar8* found = FcConfigGetFilename(nullptr, nullptr);
    const std::string file = found ? reinterpret_cast<const char*>(found) : byVariable ? named : "fonts.conf";
    if (found) FcStrFree(found);
    bool read = false;
    if (FcStrList* files = FcConfigGetConfigFiles(nullptr)) {
        while (FcChar8* each = FcStrListNext(files)) read |= file == reinterpret_cast<const char*>(each);
        FcStrListDone(files);
    }
    if (read) return "";
    std::string why;
    errno = 0;
    if (std::FILE* opened = std::fopen(file.c_str(), "r"))
        std::fclose(opened);
    else
        why = std::string(": ") + std::strerror(errno);
    return "fontconfig cannot read its configuration \"" + file + "\"" + (byVariable ? " (FONTCONFIG_FILE)" : "") + why;
}

// A face whose file the font engine could not load.
FontFailure LoadFailure(const char* family, const std::string& file, cairo_status_t status) {
    return FontFailure(std::string("cannot load the font \"") + family + "\" (" + file +
                       "): " + cairo_status_to_string(status));
}

std::string StyleName(bool bold, bool italic) {
    return bold && italic ? "bold italic" : bold ? "bold" : italic ? "italic" : "regular";
}

bool FamilyMatches(FcPattern* pattern, const char* family) {
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        if (std::strcmp(reinterpret_cast<const char*>(value), family) == 0) return true;
    return false;
}

}  // namespace

const FaceSpec& FaceFor(const std::string& programName) {
    for (const Alias& alias : kAliases)
        if (programName == alias.name) return *alias.face;
    return kGothic;
}

const InkShape& InkFor(const FaceSpec& face, int magX, int magY) {
    for (const CellInk& cell : face.cellInks)
        if (cell.magX == magX && cell.magY == magY) return cell.ink;
    return face.ink;
}

FontBook::FontBook() : options_(cairo_font_options_create()) {
    cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);
    // Every face in every style a program can select, found and loaded
    // here, so that a missing or unreadable font stops the program before
    // it shows anything, never in the middle of a lesson. The font engine
    // reads a face's file only when a scaled font is made of it, and a face
    // it cannot read draws nothing at all: so one is made of each, and kept.
    for (const FaceSpec* face : {&kGothic, &kSerif, &kScript, &kPlainZero})
        for (bool bold : {false, true})
            for (bool italic : {false, true}) {
                const LoadedFace& loaded = Face(*face, bold, italic);
                loaded_.push_back(Make(*face, loaded, 16, 16, 1));
            }
}

FontBook::~FontBook() {
    for (auto& [key, font] : scaled_) cairo_scaled_font_destroy(font);
    for (cairo_scaled_font_t* font : loaded_) cairo_scaled_font_destroy(font);
    for (auto& [key, loaded] : faces_) cairo_font_face_destroy(loaded.face);
    cairo_font_options_destroy(options_);
}

const FontBook::LoadedFace& FontBook::Face(const FaceSpec& face, bool bold, bool italic) {
    auto key = std::make_tuple(&face, bold, italic);
    if (auto found = faces_.find(key); found != faces_.end()) return found->second;

    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match || !FamilyMatches(match, face.family)) {
        if (match) FcPatternDestroy(match);
        const std::string unread = UnreadConfiguration();
        if (!unread.empty()) throw FontFailure(unread + ", so the font \"" + face.family + "\" cannot be found");
        throw FontFailure(std::string("the font \"") + face.family + "\" is not installed (Debian package " +
                          face.package + ")");
    }
    FcChar8* file = nullptr;
    LoadedFace loaded;
    loaded.file = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch ? reinterpret_cast<const char*>(file)
                                                                                : StyleName(bold, italic);
    loaded.face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    if (const cairo_status_t status = cairo_font_face_status(loaded.face); status != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(loaded.face);
        throw LoadFailure(face.family, loaded.file, status);
    }
    return faces_[key] = loaded;
}

// A window asks for its fonts at a new device scale after every resize:
// only the fonts of the latest kKeptScales scales stay, so a long session
// of resizes does not grow the cache.
void FontBook::KeepScale(double deviceScale) {
    if (!scales_.empty() && scales_.front() == deviceScale) return;
    std::erase(scales_, deviceScale);
    scales_.insert(scales_.begin(), deviceScale);
    if (scales_.size() <= kKeptScales) return;
    const double dropped = scales_.back();
    scales_.pop_back();
    std::erase_if(scaled_, [dropped](const auto& entry) {
        if (std::get<5>(entry.first) != dropped) return false;  // the device scale
        cairo_scaled_font_destroy(entry.second);
        return true;
    });
}

cairo_scaled_font_t* FontBook::Make(const FaceSpec& face, const LoadedFace& loaded, double emX, double emY,
                                    double deviceScale) {
    cairo_matrix_t fontMatrix, ctm;
    cairo_matrix_init_scale(&fontMatrix, emX, emY);
    cairo_matrix_init_scale(&ctm, deviceScale, deviceScale);
    cairo_scaled_font_t* font = cairo_scaled_font_create(loaded.face, &fontMatrix, &ctm, options_);
    if (const cairo_status_t status = cairo_scaled_font_status(font); status != CAIRO_STATUS_SUCCESS) {
        cairo_scaled_font_destroy(font);
        throw LoadFailure(face.family, loaded.file, status);
    }
    return font;
}

cairo_scaled_font_t* FontBook::Scaled(const FaceSpec& face, bool bold, bool italic, double emX, double emY,
                                      double deviceScale) {
    KeepScale(deviceScale);
    auto key = std::make_tuple(&face, bold, italic, emX, emY, deviceScale);
    if (auto found = scaled_.find(key); found != scaled_.end()) {
        // A font that failed since (memory short while it read a glyph)
        // draws nothing more: it is made again, or the failure said.
        if (cairo_scaled_font_status(found->second) == CAIRO_STATUS_SUCCESS) return found->second;
        cairo_scaled_font_destroy(found->second);
        scaled_.erase(found);
    }
    cairo_scaled_font_t* font = Make(face, Face(face, bold, italic), emX, emY, deviceScale);
    scaled_[key] = font;
    return font;
}

}  // namespace platform
