#include "platform/glyph_placement.h"

#include <algorithm>

namespace platform {

namespace {

// The program's text with the script l put in where its face draws one.
std::string FaceText(const FaceSpec& face, const std::string& text) {
    if (!face.scriptL) return text;
    std::string mapped;
    for (char ch : text) mapped += ch == 'l' ? std::string("\u2113") : std::string(1, ch);
    return mapped;
}

// The characters of a UTF-8 text, one per code point.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        characters.push_back(text.substr(i, n));
        i += n;
    }
    return characters;
}

}  // namespace

PlacedGlyphs PlaceGlyphs(FontBook& fonts, const DrawCall& call, double deviceScale) {
    PlacedGlyphs placed;
    if (call.text.empty()) return placed;
    const FaceSpec& face = FaceFor(call.face);
    const int magX = std::max(call.magX, 1), magY = std::max(call.magY, 1);
    // The cells: where each glyph would stand at the full size.
    cairo_scaled_font_t* cellFont = fonts.Scaled(face, call.bold, call.italic, call.size, magX, magY, deviceScale);
    const std::string text = FaceText(face, call.text);
    const double top = call.points[0].y, height = static_cast<double>(call.size) * magY;
    const double baseline = top + face.baselineFactor * height;
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(cellFont, call.points[0].x, baseline, text.c_str(),
                                         static_cast<int>(text.size()), &glyphs, &count, nullptr, nullptr,
                                         nullptr) != CAIRO_STATUS_SUCCESS)
        return placed;
    placed.glyphs.assign(glyphs, glyphs + count);
    cairo_glyph_free(glyphs);
    placed.font = cellFont;
    // Unmagnified text (the prompts) fills its small cells as it is.
    if (magX == 1 && magY == 1) return placed;

    // Magnified: the ink smaller, centred across each cell and scaled down
    // about the anchor.
    placed.font =
        fonts.Scaled(face, call.bold, call.italic, call.size, magX, magY, deviceScale, face.inkX, face.inkY);
    const double anchor = top + face.inkAnchor * height;
    for (cairo_glyph_t& glyph : placed.glyphs) {
        cairo_text_extents_t cell;
        cairo_scaled_font_glyph_extents(cellFont, &glyph, 1, &cell);
        glyph.x += cell.x_advance * (1 - face.inkX) / 2;
        glyph.y = anchor + (glyph.y - anchor) * face.inkY;
    }
    return placed;
}

std::vector<GlyphInk> InkOfGlyphs(FontBook& fonts, const DrawCall& call) {
    std::vector<GlyphInk> inks;
    const PlacedGlyphs placed = PlaceGlyphs(fonts, call, 1.0);
    const std::vector<std::string> characters = Characters(call.text);
    for (size_t i = 0; i < placed.glyphs.size(); ++i) {
        cairo_text_extents_t extents;
        cairo_glyph_t glyph = placed.glyphs[i];
        cairo_scaled_font_glyph_extents(placed.font, &glyph, 1, &extents);
        const std::string character = placed.glyphs.size() == characters.size() ? characters[i] : call.text;
        // A blank leaves no ink, whatever a synthetic bold makes of its
        // empty outline.
        if (extents.width <= 0 || extents.height <= 0 || character == " " || character == "\u3000") continue;
        GlyphInk ink;
        ink.x0 = glyph.x + extents.x_bearing;
        ink.y0 = glyph.y + extents.y_bearing;
        ink.x1 = ink.x0 + extents.width;
        ink.y1 = ink.y0 + extents.height;
        ink.character = character;
        inks.push_back(ink);
    }
    return inks;
}

}  // namespace platform
