#include "platform/glyph_placement.h"

#include <algorithm>

#include "platform/basic.h"

namespace platform {

namespace {

// The program's text with the script l put in where its face draws one.
std::string FaceText(const FaceSpec& face, const std::string& text) {
    if (!face.scriptL) return text;
    std::string mapped;
    for (char ch : text) mapped += ch == 'l' ? std::string("\u2113") : std::string(1, ch);
    return mapped;
}

cairo_text_extents_t ExtentsOf(const PlacedGlyph& placed) {
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(placed.font, &placed.glyph, 1, &extents);
    return extents;
}

// One character in a scaled font, with its origin at (0, 0); false when
// the font does not make it one glyph.
bool GlyphOf(cairo_scaled_font_t* font, const char* character, PlacedGlyph& placed) {
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    const bool one = cairo_scaled_font_text_to_glyphs(font, 0, 0, character,
                                                      static_cast<int>(std::char_traits<char>::length(character)),
                                                      &glyphs, &count, nullptr, nullptr,
                                                      nullptr) == CAIRO_STATUS_SUCCESS &&
                     count == 1;
    if (one) placed = {font, glyphs[0]};
    cairo_glyph_free(glyphs);
    return one;
}

// The face's own glyph `own` drawn by a stand-in face's `font` instead: its
// ink centred on the ink of the glyph it replaces.
PlacedGlyph StandInFor(cairo_scaled_font_t* font, const StandIn& standIn, const PlacedGlyph& own) {
    PlacedGlyph placed;
    if (!GlyphOf(font, standIn.character, placed)) return own;
    const cairo_text_extents_t mine = ExtentsOf(own), theirs = ExtentsOf(placed);
    placed.glyph.x = own.glyph.x + mine.x_bearing + mine.width / 2 - theirs.x_bearing - theirs.width / 2;
    placed.glyph.y = own.glyph.y + mine.y_bearing + mine.height / 2 - theirs.y_bearing - theirs.height / 2;
    return placed;
}

// The round point of a cell whose top-left corner is (left, top): its ink
// centred on the point's place across and standing on its foot.
PlacedGlyph RoundPointAt(cairo_scaled_font_t* font, const RoundPoint& point, const PlacedGlyph& own, double left,
                         double top, double cellX, double height) {
    PlacedGlyph placed;
    if (!GlyphOf(font, ".", placed)) return own;
    const cairo_text_extents_t ink = ExtentsOf(placed);
    placed.glyph.x = left + point.middle * cellX - ink.x_bearing - ink.width / 2;
    placed.glyph.y = top + point.foot * height - ink.y_bearing - ink.height;
    return placed;
}

}  // namespace

std::vector<PlacedGlyph> PlaceGlyphs(FontBook& fonts, const DrawCall& call, double deviceScale) {
    std::vector<PlacedGlyph> placed;
    if (call.text.empty()) return placed;
    const FaceSpec& face = FaceFor(call.face);
    const int magX = std::max(call.magX, 1), magY = std::max(call.magY, 1);
    // The cells: where each glyph would stand at the full size.
    const double cellX = static_cast<double>(call.size) * magX * face.widthFactor;
    const double height = static_cast<double>(call.size) * magY;
    cairo_scaled_font_t* cellFont = fonts.Scaled(face, call.bold, call.italic, cellX, height, deviceScale);
    const std::string text = FaceText(face, call.text);
    const double top = call.points[0].y;
    const double baseline = top + face.baselineFactor * height;
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    // A text that cannot be set (the font failed since it was made) would
    // leave its place blank: the failure is said instead.
    if (const cairo_status_t status =
            cairo_scaled_font_text_to_glyphs(cellFont, call.points[0].x, baseline, text.c_str(),
                                             static_cast<int>(text.size()), &glyphs, &count, nullptr, nullptr, nullptr);
        status != CAIRO_STATUS_SUCCESS)
        throw FontFailure(std::string("cannot set text in the font \"") + face.family +
                          "\": " + cairo_status_to_string(status));
    placed.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) placed.push_back({cellFont, glyphs[i]});
    cairo_glyph_free(glyphs);
    std::vector<double> cellLefts;
    for (const PlacedGlyph& glyph : placed) cellLefts.push_back(glyph.glyph.x);

    // Magnified: the ink smaller, centred across each cell and scaled down
    // about the anchor. Unmagnified text (the prompts) fills its small
    // cells as it is.
    double emX = cellX, emY = height;
    if (magX != 1 || magY != 1) {
        const InkShape& ink = InkFor(face, magX, magY);
        emX *= ink.x;
        emY *= ink.y;
        cairo_scaled_font_t* inkFont = fonts.Scaled(face, call.bold, call.italic, emX, emY, deviceScale);
        const double from = top + ink.from * height, to = top + ink.to * height;
        for (PlacedGlyph& glyph : placed) {
            const double advance = ExtentsOf(glyph).x_advance;
            glyph.glyph.x += advance * (1 - ink.x) / 2;
            if (placed.size() == 1 && call.number.digits > 1)
                glyph.glyph.x += ((call.number.digits - 1) / 2.0 - call.number.place) * ink.closeUp * advance;
            glyph.glyph.y = to + (glyph.glyph.y - from) * ink.y;
            glyph.font = inkFont;
        }
    }

    // A font is asked of the book once a call: one asked again could be
    // made anew, and the glyphs placed in it before would lose their font.
    for (const StandIn& standIn : face.standIns) {
        if (call.text.find(standIn.character) == std::string::npos) continue;
        const std::vector<std::string> characters = basic::Chars(call.text);
        if (characters.size() != placed.size()) break;
        cairo_scaled_font_t* font =
            fonts.Scaled(*standIn.face, call.bold, call.italic, emX * standIn.x, emY * standIn.y, deviceScale);
        for (size_t i = 0; i < placed.size(); ++i)
            if (characters[i] == standIn.character) placed[i] = StandInFor(font, standIn, placed[i]);
    }
    for (const RoundPoint& point : face.points) {
        if (point.magX != magX || point.magY != magY || call.text.find('.') == std::string::npos) continue;
        const std::vector<std::string> characters = basic::Chars(call.text);
        if (characters.size() != placed.size()) break;
        const double em = point.size * height;
        cairo_scaled_font_t* font = fonts.Scaled(*point.face, call.bold, false, em, em, deviceScale);
        for (size_t i = 0; i < placed.size(); ++i)
            if (characters[i] == ".")
                placed[i] = RoundPointAt(font, point, placed[i], cellLefts[i], top, cellX / 2, height);
    }
    return placed;
}

std::vector<GlyphInk> InkOfGlyphs(FontBook& fonts, const DrawCall& call) {
    std::vector<GlyphInk> inks;
    const std::vector<PlacedGlyph> placed = PlaceGlyphs(fonts, call, 1.0);
    const std::vector<std::string> characters = basic::Chars(call.text);
    for (size_t i = 0; i < placed.size(); ++i) {
        const cairo_text_extents_t extents = ExtentsOf(placed[i]);
        const std::string character = placed.size() == characters.size() ? characters[i] : call.text;
        // A blank leaves no ink, whatever a synthetic bold makes of its
        // empty outline.
        if (extents.width <= 0 || extents.height <= 0 || character == " " || character == "\u3000") continue;
        GlyphInk ink;
        ink.x0 = placed[i].glyph.x + extents.x_bearing;
        ink.y0 = placed[i].glyph.y + extents.y_bearing;
        ink.x1 = ink.x0 + extents.width;
        ink.y1 = ink.y0 + extents.height;
        ink.character = character;
        inks.push_back(ink);
    }
    return inks;
}

}  // namespace platform
