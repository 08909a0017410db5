// How a glyph's ink sits in its cell, drawn on the canvas and reported to
// the layout check alike.
#include <cairo.h>

#include "platform/canvas.h"
#include "platform/glyph_placement.h"
#include "tests/test_support.h"

namespace {

using platform::DrawCall;
using platform::DrawKind;

constexpr int kScale = 2;  // device pixels per logical unit

DrawCall Text(const std::string& text, int magX, int magY, int size = 16, const char* face = "ゴシック",
              float y = 100) {
    DrawCall call;
    call.kind = DrawKind::Text;
    call.points = {{100, y}};
    call.text = text;
    call.face = face;
    call.size = size;
    call.magX = magX;
    call.magY = magY;
    call.bold = true;
    return call;
}

// The canvas of one call, read back pixel by pixel in logical units.
class Drawn {
public:
    Drawn(platform::FontBook& fonts, const DrawCall& call)
        : canvas_(fonts, static_cast<int>(platform::kViewWidth) * kScale,
                  static_cast<int>(platform::kViewHeight) * kScale) {
        canvas_.Render(call);
        canvas_.Flush();
    }
    // Whether the pixel at (x, y) carries ink (is darker than mid-grey).
    bool Inked(double x, double y) {
        cairo_surface_t* s = canvas_.Surface();
        const unsigned char* row = cairo_image_surface_get_data(s) +
                                   static_cast<long>(y * kScale) * cairo_image_surface_get_stride(s);
        return row[static_cast<long>(x * kScale) * 4 + 1] < 128;
    }
    // The box of every inked pixel.
    platform::GlyphInk InkedBox() {
        platform::GlyphInk box{1e9, 1e9, -1e9, -1e9, ""};
        for (int py = 0; py < canvas_.Height(); ++py)
            for (int px = 0; px < canvas_.Width(); ++px) {
                const double x = static_cast<double>(px) / kScale, y = static_cast<double>(py) / kScale;
                if (!Inked(x, y)) continue;
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x + 1.0 / kScale);
                box.y1 = std::max(box.y1, y + 1.0 / kScale);
            }
        return box;
    }

private:
    platform::Canvas canvas_;
};

TEST(GlyphInk, HalfWidthZeroIsPlainAndLiesWhereItsInkIsReported) {
    platform::FontBook fonts;
    // Running text, fraction parts, the prompts' small cells.
    for (auto [magX, magY] : {std::pair{3, 3}, {4, 2}, {1, 1}}) {
        SCOPED_TRACE(std::to_string(magX) + "x" + std::to_string(magY));
        const DrawCall call = Text("0", magX, magY);
        const std::vector<platform::GlyphInk> inks = platform::InkOfGlyphs(fonts, call);
        ASSERT_EQ(inks.size(), 1u);
        const platform::GlyphInk& ink = inks[0];
        Drawn drawn(fonts, call);
        const platform::GlyphInk seen = drawn.InkedBox();
        // No slash or dot: the middle of the zero is empty, its sides are not.
        const double midX = (seen.x0 + seen.x1) / 2, midY = (seen.y0 + seen.y1) / 2, h = seen.y1 - seen.y0;
        for (double y : {midY - 0.2 * h, midY, midY + 0.2 * h}) EXPECT_FALSE(drawn.Inked(midX, y)) << y;
        EXPECT_TRUE(drawn.Inked(seen.x0 + 0.5, midY));
        EXPECT_TRUE(drawn.Inked(seen.x1 - 0.5, midY));
        // The canvas draws it where the layout check sees it (whose box may
        // be a little generous).
        EXPECT_GE(seen.x0, ink.x0 - 0.5);
        EXPECT_GE(seen.y0, ink.y0 - 0.5);
        EXPECT_LE(seen.x1, ink.x1 + 0.5);
        EXPECT_LE(seen.y1, ink.y1 + 0.5);
        EXPECT_LE(ink.x1 - ink.x0, seen.x1 - seen.x0 + 2);
        EXPECT_LE(ink.y1 - ink.y0, seen.y1 - seen.y0 + 2);
    }
}

TEST(GlyphInk, PlainZeroMatchesTheOtherDigits) {
    platform::FontBook fonts;
    // In a number the zero stands on the line of its neighbours, as tall,
    // and about as wide, in the cell the face's own zero would fill.
    const std::vector<platform::GlyphInk> inks = platform::InkOfGlyphs(fonts, Text("809", 3, 3));
    ASSERT_EQ(inks.size(), 3u);
    const platform::GlyphInk &eight = inks[0], &zero = inks[1], &nine = inks[2];
    EXPECT_NEAR(zero.y0, eight.y0, 0.5);
    EXPECT_NEAR(zero.y1, eight.y1, 0.5);
    EXPECT_GT(zero.x1 - zero.x0, 0.9 * (nine.x1 - nine.x0));
    EXPECT_LT(zero.x1 - zero.x0, 1.1 * (nine.x1 - nine.x0));
    EXPECT_GT(zero.x0, eight.x1);
    EXPECT_LT(zero.x1, nine.x0);
}

double Ratio(const platform::GlyphInk& ink) { return (ink.y1 - ink.y0) / (ink.x1 - ink.x0); }

platform::GlyphInk InkOf(platform::FontBook& fonts, const DrawCall& call) {
    const auto inks = platform::InkOfGlyphs(fonts, call);
    return inks.empty() ? platform::GlyphInk{} : inks[0];
}

TEST(GlyphInk, FractionPartsKeepNearTheBodysProportionsCentredInTheirCells) {
    platform::FontBook fonts;
    // A fraction part's cell at y 100 is 32 by 32 (4 by 2 at size 16); the
    // serif letter is drawn 16 higher in a cell 12 by 5 at size 8, the body's
    // 22 higher at 10 by 7.
    for (const char* digit : {"0", "2", "8"}) {
        SCOPED_TRACE(digit);
        const platform::GlyphInk body = InkOf(fonts, Text(digit, 3, 3)), part = InkOf(fonts, Text(digit, 4, 2));
        EXPECT_GE(Ratio(part), 0.75 * Ratio(body));
        EXPECT_NEAR((part.y0 + part.y1) / 2, 116, 1);
        EXPECT_NEAR((part.x0 + part.x1) / 2, 116, 1.5);
    }
    const platform::GlyphInk body = InkOf(fonts, Text("x", 10, 7, 8, "Times New Roman", 78));
    const platform::GlyphInk part = InkOf(fonts, Text("x", 12, 5, 8, "Times New Roman", 84));
    EXPECT_GE(Ratio(part), 0.75 * Ratio(body));
    // ...standing on the line of the digits beside it.
    EXPECT_NEAR(part.y1, InkOf(fonts, Text("8", 4, 2)).y1, 0.5);
}

// A decimal point as the walker draws it in "2.4": the "2" at 100, the
// point in a cell 3 by 2 at 124 (3 before the pen) and 14 lower, the "4"
// at 135. It is a round dot on the digits' foot, about as heavy as their
// strokes, with room on both sides: never a dash on the foot of the line.
TEST(GlyphInk, DecimalPointIsARoundDotOnTheDigitsFoot) {
    platform::FontBook fonts;
    const DrawCall point = Text(".", 3, 2, 16, "ゴシック", 114);
    DrawCall placed = point;
    placed.points = {{124, 114}};
    const platform::GlyphInk two = InkOf(fonts, Text("2", 3, 3)), dot = InkOf(fonts, placed);
    DrawCall four = Text("4", 3, 3);
    four.points = {{135, 100}};
    const platform::GlyphInk fourInk = InkOf(fonts, four);
    EXPECT_NEAR(dot.x1 - dot.x0, dot.y1 - dot.y0, 0.1 * (dot.y1 - dot.y0));
    EXPECT_GE(dot.y1 - dot.y0, 4.6);
    EXPECT_LE(dot.y1 - dot.y0, 6.5);
    EXPECT_NEAR(dot.y1, two.y1, 0.75);
    EXPECT_GE(dot.x0 - two.x1, 3);
    EXPECT_GE(fourInk.x0 - dot.x1, 3);
    // The canvas draws it round where the layout check sees it.
    Drawn drawn(fonts, point);
    const platform::GlyphInk seen = drawn.InkedBox();
    const platform::GlyphInk reported = InkOf(fonts, point);
    EXPECT_NEAR(seen.x1 - seen.x0, seen.y1 - seen.y0, 1);
    EXPECT_NEAR((seen.x0 + seen.x1) / 2, (reported.x0 + reported.x1) / 2, 0.5);
    EXPECT_NEAR((seen.y0 + seen.y1) / 2, (reported.y0 + reported.y1) / 2, 0.5);
}

class NumberInkTest : public testing_support::RuntimeTest {};

// Numerators of three digits drawn by the runtime, a digit a call in cells
// 32 apart: set as one number, its digits about as close as the body's
// (scaled to the part's smaller ink), the number still centred on its bar;
// a lone digit stays in the middle of its cell; the log says which digit
// each is.
TEST_F(NumberInkTest, FractionPartDigitsStandCloseAsOneNumber) {
    platform::FontBook fonts;
    for (const char* numerator : {"250", "100"}) {
        SCOPED_TRACE(numerator);
        pf.ClearRecord();
        rt.penX = 100;
        rt.penY = 300;
        rt.textArg = std::string("ﾀ") + numerator + "/7ﾀ";
        rt.DrawMarkupText();
        std::vector<platform::GlyphInk> upper, lower;
        for (const DrawCall& call : CallsOf(DrawKind::Text))
            for (const platform::GlyphInk& ink : platform::InkOfGlyphs(fonts, call))
                (ink.y1 < 325 ? upper : lower).push_back(ink);
        ASSERT_EQ(upper.size(), 3u);
        ASSERT_EQ(lower.size(), 1u);
        // (A "1" is narrower than its cell, as in running text.)
        for (size_t i = upper[0].character == "1" ? 2 : 1; i < upper.size(); ++i) {
            EXPECT_GE(upper[i].x0 - upper[i - 1].x1, 3) << i;
            EXPECT_LE(upper[i].x0 - upper[i - 1].x1, 6) << i;
        }
        const DrawCall bar = CallsOf(DrawKind::Line).front();
        const double barMiddle = (bar.points[0].x + bar.points[1].x) / 2;
        if (upper[0].character != "1") {
            EXPECT_NEAR((upper.front().x0 + upper.back().x1) / 2, barMiddle, 1);
        }
        EXPECT_NEAR((lower[0].x0 + lower[0].x1) / 2, barMiddle, 1);
        // The log tells the digits apart as the ink does: the denominator,
        // drawn first, a lone digit, then each numerator digit's place.
        const std::vector<std::string> lines = LogLines("text ");
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_TRUE(lines[0].ends_with(" \"7\"")) << lines[0];
        for (size_t i = 0; i < 3; ++i)
            EXPECT_TRUE(lines[i + 1].ends_with(" place " + std::to_string(i) + "/3")) << lines[i + 1];
    }
}

}  // namespace
