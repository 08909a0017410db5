// The bold label renderer, its measuring and the bold text cells.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class BoldLabelTest : public RuntimeTest {
protected:
    // The font state a following text is drawn in.
    DrawCall NextTextState() {
        pf.ClearRecord();
        pf.Symbol({0, 0}, "Q", 1, 1, 0);
        return CallsOf(DrawKind::Text).at(0);
    }
};

TEST_F(BoldLabelTest, WidthsAreTheSumsOfFixedAdvances) {
    struct Case {
        std::string text;
        float width;
    };
    const Case cases[] = {
        {"(1)", 40}, {"x=4.5,y=6.5", 184}, {"ﾀ3/2ﾀ", 100}, {"メニュー", 120}, {"", 0}, {" ", 20}, {"（）．", 90},
    };
    for (const Case& c : cases) {
        rt.penX = 11, rt.penY = 22;
        rt.strArg = c.text;
        rt.MeasureBoldText();
        EXPECT_EQ(rt.textWidth, c.width) << c.text;
        EXPECT_EQ(rt.penX, 11);
        EXPECT_EQ(rt.penY, 22);
        EXPECT_EQ(rt.textArg, c.text);
        EXPECT_EQ(rt.strArg, c.text.empty() ? "" : basic::KRight(c.text, 1));
    }
    EXPECT_TRUE(pf.Calls().empty());  // measuring draws nothing
}

TEST_F(BoldLabelTest, EachCharacterClassHasItsPlaceAndSize) {
    rt.pf.SetFontName("ｺﾞｼｯｸ");
    rt.penX = 100, rt.penY = 200, rt.textColour = 5;
    rt.textArg = "(x)y.X漢";
    rt.DrawBoldLabel();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 7u);
    struct Expect {
        std::string text;
        float x, y;
        int magX, magY, size;
        std::string face;
        bool italic;
    };
    // Every glyph but the letter's in the face found.
    // clang-format off
    const Expect expected[] = {
        {"(", 92, 200, 3, 2, 15, "ｺﾞｼｯｸ", false},
        {"x", 116, 188, 7, 4, 8, "Times New Roman", true},
        {")", 132, 200, 3, 2, 15, "ｺﾞｼｯｸ", false},
        {"y", 140, 194, 3, 2, 15, "ｺﾞｼｯｸ", false},
        {".", 160, 200, 3, 2, 15, "ｺﾞｼｯｸ", false},
        {"X", 168, 200, 3, 2, 15, "ｺﾞｼｯｸ", false},
        {"漢", 188, 200, 2, 2, 15, "ｺﾞｼｯｸ", false},
    };
    // clang-format on
    for (size_t i = 0; i < texts.size(); ++i) {
        const Expect& e = expected[i];
        EXPECT_EQ(texts[i].text, e.text);
        ExpectAt(texts[i].points[0], e.x, e.y);
        EXPECT_EQ(texts[i].magX, e.magX) << e.text;
        EXPECT_EQ(texts[i].magY, e.magY) << e.text;
        EXPECT_EQ(texts[i].size, e.size) << e.text;
        EXPECT_EQ(texts[i].face, e.face) << e.text;
        EXPECT_EQ(texts[i].italic, e.italic) << e.text;
        EXPECT_TRUE(texts[i].bold);
        EXPECT_EQ(texts[i].colour, 5);
    }
    EXPECT_EQ(rt.penX, 218);
    EXPECT_EQ(rt.penY, 200);
    EXPECT_EQ(rt.textArg, "");
    EXPECT_EQ(rt.strArg, "漢");
    // The font is the one found: the letter's face and italic are gone.
    const DrawCall after = NextTextState();
    EXPECT_FALSE(after.bold);
    EXPECT_EQ(after.size, 16);
    EXPECT_EQ(after.face, "ｺﾞｼｯｸ");
    EXPECT_FALSE(after.italic);
}

TEST_F(BoldLabelTest, EmptyTextLeavesTheFontAsFound) {
    pf.SetFontBold(true);
    pf.SetFontSize(30);
    rt.SetDrawWidth(4);
    rt.penX = 7, rt.penY = 8;
    rt.textArg = "";
    rt.DrawBoldLabel();
    EXPECT_TRUE(pf.Calls().empty());
    EXPECT_EQ(rt.penX, 7);
    EXPECT_EQ(rt.GetDrawWidth(), 4);
    const DrawCall after = NextTextState();
    EXPECT_TRUE(after.bold);
    EXPECT_EQ(after.size, 30);
}

TEST_F(BoldLabelTest, OneRowCellCentresItsText) {
    struct Case {
        float height, textTop;
    };
    for (const Case& c : {Case{50, 212}, Case{45, 209}, Case{20, 197}}) {
        pf.ClearRecord();
        rt.penX = 100, rt.penY = 200, rt.boxWidth = 200, rt.boxHeight = c.height, rt.boxColour = 13, rt.boxFill = 14;
        rt.strArg = "(1)";
        rt.DrawBoldTextCell();
        auto boxes = CallsOf(DrawKind::Box);
        ASSERT_EQ(boxes.size(), 1u);
        ExpectAt(boxes[0].points[0], 100, 200);
        ExpectAt(boxes[0].points[1], 300, 200 + c.height);
        EXPECT_EQ(boxes[0].colour, 13);
        EXPECT_EQ(boxes[0].fill, 14);
        auto texts = CallsOf(DrawKind::Text);
        ASSERT_EQ(texts.size(), 3u);
        ExpectAt(texts[0].points[0], 172, c.textTop);
        ExpectAt(texts[1].points[0], 192, c.textTop);
        ExpectAt(texts[2].points[0], 212, c.textTop);
        EXPECT_EQ(rt.penX, 300);
        EXPECT_EQ(rt.penY, 200);
        EXPECT_EQ(rt.textWidth, 40);
        EXPECT_EQ(rt.textArg, "");
    }
    // Too wide for the cell: the text starts at its left edge.
    pf.ClearRecord();
    rt.penX = 0, rt.penY = 0, rt.boxWidth = 30, rt.boxHeight = 50;
    rt.strArg = "1234";
    rt.DrawBoldTextCell();
    ExpectAt(CallsOf(DrawKind::Text).at(0).points[0], 0, 12);
}

TEST_F(BoldLabelTest, TwoRowCellStacksItsRows) {
    rt.penX = 0, rt.penY = 0, rt.boxWidth = 120, rt.boxHeight = 100;
    rt.upperRow = "x=2";
    rt.lowerRow = "(1)";
    rt.DrawTwoRowBoldTextCell();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 6u);
    ExpectAt(texts[0].points[0], 34, 0);   // "x" from (30, 12)
    ExpectAt(texts[1].points[0], 50, 12);  // "="
    ExpectAt(texts[3].points[0], 32, 42);  // "(" from (40, 42)
    EXPECT_EQ(rt.textWidth, 40);
    EXPECT_EQ(rt.penX, 120);
    EXPECT_EQ(rt.penY, 0);

    pf.ClearRecord();
    rt.penX = 0, rt.penY = 0;
    rt.upperRow = "12";
    rt.lowerRow = "";
    rt.DrawTwoRowBoldTextCell();
    texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    ExpectAt(texts[0].points[0], 40, 27);
    EXPECT_EQ(rt.textWidth, 0);
}

}  // namespace
