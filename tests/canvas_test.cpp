// What cannot be drawn is said, never left blank: a canvas that cannot be
// made says how large it was to be and why, a scaled font that has failed is
// never drawn with again, a text that cannot be set is a failure of its own
// (the canvas draws on after it), and glyphs waiting to be shown keep their
// font.
#include "platform/canvas.h"

#include "platform/glyph_placement.h"

namespace {

// A text call at (100, 100), magnified 2 by 2 as the lessons' running text.
platform::DrawCall TextAt100(const std::string& text) {
    platform::DrawCall call;
    call.kind = platform::DrawKind::Text;
    call.points = {{100, 100}};
    call.face = "ゴシック";
    call.magX = call.magY = 2;
    call.text = text;
    return call;
}

// How many pixels of a 1344x756 canvas are dark where TextAt100 draws.
int DarkPixelsAt100(platform::Canvas& canvas) {
    canvas.Flush();
    cairo_surface_t* surface = canvas.Surface();
    const unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    int dark = 0;
    for (int y = 100; y < 150; ++y)
        for (int x = 100; x < 170; ++x) dark += pixels[y * stride + x * 4] < 128;
    return dark;
}

TEST(Canvas, ASizeBeyondWhatCanBeMadeIsRefusedWithItsReason) {
    platform::FontBook fonts;
    try {
        platform::Canvas canvas(fonts, 40000, 30000);
        ADD_FAILURE() << "a 40000x30000 canvas was made";
    } catch (const platform::CanvasFailure& failure) {
        // The reason is cairo's own words for a size it cannot hold.
        const std::string reason = cairo_status_to_string(CAIRO_STATUS_INVALID_SIZE);
        EXPECT_EQ(failure.what(), "cannot make a 40000x30000 canvas: " + reason);
    }
}

// cairo keeps a scaled font's first failure (memory short while it read a
// glyph) for good, and such a font draws nothing more: the cache makes it
// again rather than hand it out.
TEST(Canvas, AScaledFontThatHasFailedIsMadeAgainNotDrawnWith) {
    platform::FontBook fonts;
    const platform::FaceSpec& gothic = platform::FaceFor("ゴシック");
    cairo_scaled_font_t* font = fonts.Scaled(gothic, false, false, 20, 20, 1);
    // A text that is not UTF-8 measured in it fails it as a glyph that
    // could not be read would.
    cairo_text_extents_t extents;
    cairo_scaled_font_text_extents(font, "\xff", &extents);
    ASSERT_NE(cairo_scaled_font_status(font), CAIRO_STATUS_SUCCESS);

    EXPECT_EQ(cairo_scaled_font_status(fonts.Scaled(gothic, false, false, 20, 20, 1)), CAIRO_STATUS_SUCCESS);
}

TEST(Canvas, ATextThatCannotBeSetIsSaidAndTheCanvasDrawsOn) {
    platform::FontBook fonts;
    platform::Canvas canvas(fonts, 1344, 756);
    EXPECT_THROW(canvas.Render(TextAt100("\xff")), platform::FontFailure);
    canvas.Render(TextAt100("12"));
    EXPECT_GT(DarkPixelsAt100(canvas), 50);
}

// Glyphs wait to be shown together; the font book may meanwhile let their
// font go (the fonts of a scale are dropped once two newer scales are asked
// for, as canvases refused at two new sizes do; a font that has failed is
// made again). They are still shown in it.
TEST(Canvas, GlyphsWaitingToBeShownKeepTheirFont) {
    platform::FontBook fonts;
    platform::Canvas canvas(fonts, 1344, 756);
    canvas.Render(TextAt100("12"));
    const platform::FaceSpec& gothic = platform::FaceFor("ゴシック");
    for (double scale : {2.0, 3.0}) fonts.Scaled(gothic, false, false, 16, 16, scale);
    // cairo keeps a few hundred fonts no one holds; more let them go.
    cairo_font_face_t* face = cairo_toy_font_face_create("serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_matrix_t identity;
    cairo_matrix_init_identity(&identity);
    for (int size = 1; size <= 600; ++size) {
        cairo_matrix_t em;
        cairo_matrix_init_scale(&em, size, size);
        cairo_scaled_font_destroy(cairo_scaled_font_create(face, &em, &identity, options));
    }
    cairo_font_options_destroy(options);
    cairo_font_face_destroy(face);

    EXPECT_GT(DarkPixelsAt100(canvas), 50);
}

}  // namespace
