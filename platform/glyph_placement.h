// Where the glyphs of a text call land: the scaled font each is drawn in,
// its origin, and the ink it leaves. The canvas draws from this and the
// layout check measures from it, so both see the same glyphs.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "platform/draw_call.h"
#include "platform/fonts.h"

namespace platform {

struct PlacedGlyph {
    cairo_scaled_font_t* font = nullptr;
    cairo_glyph_t glyph{};  // origin in logical units
};

// The glyphs of a Text call, one per character. deviceScale (device pixels
// per logical unit) selects the cached fonts; the origins do not depend on
// it.
std::vector<PlacedGlyph> PlaceGlyphs(FontBook& fonts, const DrawCall& call, double deviceScale);

// The ink of one glyph, in logical units, and the character it draws.
struct GlyphInk {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::string character;
};
// The ink of every glyph of a Text call that leaves any (a space leaves none).
std::vector<GlyphInk> InkOfGlyphs(FontBook& fonts, const DrawCall& call);

}  // namespace platform
