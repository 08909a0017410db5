// The faces behind the font names the programs use, found through
// fontconfig once at start-up, and the scaled fonts made from them.
#pragma once

#include <cairo.h>

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"

namespace platform {

// A face the programs need cannot be drawn: it is not installed (fontconfig
// silently offers another face instead; the message names the package to
// install), fontconfig cannot read its configuration, or the face's file
// cannot be loaded (memory short). A face in error draws nothing at all,
// so a page would be shown without its text.
struct FontFailure : ShowFailure {
    using ShowFailure::ShowFailure;
};

// In a magnified cell the ink is drawn smaller than the cell: scaled
// across by x about the middle of the glyph's advance, and down by y so
// that the point `from` of the cell's height (a share, from its top) comes
// to `to`.
// The digits of one number, drawn a call each with its place in the number
// (DrawCall::number), come `closeUp` of their cell's width nearer each other
// per place, about the number's middle: a cell much wider than its ink would
// otherwise set "100" as "1 0 0".
struct InkShape {
    double x, y, from, to;
    double closeUp = 0;
};

// Cells of one magnification whose ink has a shape of its own.
struct CellInk {
    int magX, magY;
    InkShape ink;
};

struct FaceSpec;

// A face that draws one character in place of another face's own glyph:
// at x by y of that glyph's scale, its ink centred across on the place of
// that glyph's ink, on the same baseline.
struct StandIn {
    const char* character;
    const FaceSpec* face;
    double x, y;
};

// The decimal point in cells of one magnification, drawn as the round
// point of another face: the face's own point is square, and a cell wider
// than tall stretches it into a dash on the foot of the line. Its em is
// `size` of the cell's height both ways; its ink is centred across on
// `middle` of the cell's width and stands on `foot` of its height, both
// from the cell's top-left corner.
struct RoundPoint {
    int magX, magY;
    const FaceSpec* face;
    double size, middle, foot;
};

// How a program's font name is drawn.
struct FaceSpec {
    const char* family;     // the real family
    const char* package;    // the Debian package that provides it
    double widthFactor;     // horizontal em as a share of the magnified size
    double baselineFactor;  // baseline below the cell's top, in ems
    bool scriptL;           // draws "l" as the script l (U+2113)
    InkShape ink;           // in magnified cells, but for those of cellInks
    std::span<const CellInk> cellInks;
    std::span<const StandIn> standIns;
    std::span<const RoundPoint> points;
};

// The face for a program's font name; unknown names use the Gothic face.
const FaceSpec& FaceFor(const std::string& programName);

// The ink shape of the face's cells magnified magX by magY.
const InkShape& InkFor(const FaceSpec& face, int magX, int magY);

class FontBook {
public:
    // Resolves and loads every face in every style; throws FontFailure when
    // one cannot be found or loaded, so that it stops the program before
    // anything is shown.
    FontBook();
    ~FontBook();
    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

    // A scaled font for the face with an em of emX across and emY down, in
    // logical units, drawn at deviceScale device units per logical unit.
    // Cached for the latest kKeptScales device scales: a font stays valid
    // until fonts at that many other scales have been asked for. Throws
    // FontFailure when the font cannot be made (a cached font that has
    // failed since is made again first).
    cairo_scaled_font_t* Scaled(const FaceSpec& face, bool bold, bool italic, double emX, double emY,
                                double deviceScale);
    static constexpr size_t kKeptScales = 2;
    size_t ScaledFonts() const { return scaled_.size(); }

private:
    struct LoadedFace {
        cairo_font_face_t* face = nullptr;
        std::string file;  // what fontconfig found, for the messages
    };
    const LoadedFace& Face(const FaceSpec& face, bool bold, bool italic);
    cairo_scaled_font_t* Make(const FaceSpec& face, const LoadedFace& loaded, double emX, double emY,
                              double deviceScale);
    void KeepScale(double deviceScale);

    std::map<std::tuple<const FaceSpec*, bool, bool>, LoadedFace> faces_;
    // A scaled font of every face, made at start-up and kept: making one
    // reads the face's file, which must not first happen in a lesson.
    std::vector<cairo_scaled_font_t*> loaded_;
    std::map<std::tuple<const FaceSpec*, bool, bool, double, double, double>, cairo_scaled_font_t*> scaled_;
    std::vector<double> scales_;  // the device scales kept, the latest first
    cairo_font_options_t* options_;
};

}  // namespace platform
