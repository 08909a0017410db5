// The faces behind the font names the programs use, found through
// fontconfig once at start-up, and the scaled fonts made from them.
#pragma once

#include <cairo.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

namespace platform {

// A font the programs need is not installed (fontconfig silently offers
// another face instead); the message names the package to install.
struct MissingFont : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How a program's font name is drawn.
struct FaceSpec {
    const char* family;     // the real family
    const char* package;    // the Debian package that provides it
    double widthFactor;     // horizontal em as a share of the magnified size
    double baselineFactor;  // baseline below the cell's top, in ems
    bool scriptL;           // draws "l" as the script l (U+2113)
    // In a magnified cell the ink is drawn smaller than the cell, so that
    // rows 50 units apart leave a band between them for signs and rules:
    // scaled across by inkX and down by inkY about the middle of the cell's
    // width and about inkAnchor (a share of the cell's height) down.
    double inkX, inkY, inkAnchor;
};

// The face for a program's font name; unknown names use the Gothic face.
const FaceSpec& FaceFor(const std::string& programName);

class FontBook {
public:
    // Resolves every face; throws MissingFont when one is not installed.
    FontBook();
    ~FontBook();
    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

    // A scaled font for the face at `size` magnified magX by magY and then
    // by inkX across and inkY down, drawn at deviceScale device units per
    // logical unit. Cached.
    cairo_scaled_font_t* Scaled(const FaceSpec& face, bool bold, bool italic, int size, int magX, int magY,
                                double deviceScale, double inkX = 1, double inkY = 1);

private:
    cairo_font_face_t* Face(const FaceSpec& face, bool bold, bool italic);

    std::map<std::tuple<const FaceSpec*, bool, bool>, cairo_font_face_t*> faces_;
    std::map<std::tuple<const FaceSpec*, bool, bool, int, int, int, double, double, double>, cairo_scaled_font_t*>
        scaled_;
    cairo_font_options_t* options_;
};

}  // namespace platform
