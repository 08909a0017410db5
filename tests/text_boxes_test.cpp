// Framed boxes with centred texts.
#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;
using platform::DrawKind;

class TextBoxes : public RuntimeTest {
protected:
    void Cell(float x, float y, float width, float height, const std::string& text) {
        rt.penX = x;
        rt.penY = y;
        rt.boxWidth = width;
        rt.boxHeight = height;
        rt.boxColour = 3;
        rt.boxFill = 14;
        rt.textColour = 0;
        rt.strArg = text;
        rt.DrawTextBox();
    }
    platform::DrawCall FirstText() const { return CallsOf(DrawKind::Text).at(0); }
};

TEST_F(TextBoxes, TextIsCentredWithoutRoundingAndPenEndsTopRight) {
    Cell(100, 200, 76, 50, "5");
    EXPECT_EQ(pf.Log()[0], "box 100 200 176 250 3 14 3");
    EXPECT_EQ(FirstText().points[0].x, 124.5f);
    EXPECT_EQ(rt.penX, 176);
    EXPECT_EQ(rt.penY, 200);
    EXPECT_TRUE(rt.textArg.empty());
    // The next cell of the row starts where this one ended.
    pf.ClearRecord();
    rt.strArg = "";
    rt.DrawTextBox();
    EXPECT_EQ(pf.Log(), std::vector<std::string>{"box 176 200 252 250 3 14 3"});
    // A text wider than its box starts at the left edge.
    pf.ClearRecord();
    Cell(0, 0, 50, 50, "12345");
    EXPECT_EQ(FirstText().points[0].x, 0);
    EXPECT_EQ(rt.penX, 50);
}

TEST_F(TextBoxes, VerticalOffsetsForEachHeight) {
    struct Case {
        float height;
        const char* text;
        float offset;
    } cases[] = {{44, "7", 0}, {44, "ﾀ1/2ﾀ", -3}, {50, "7", 3}, {50, "ﾀ1/2ﾀ", 0}, {70, "7", 13}, {70, "ﾀ1/2ﾀ", 10},
                 {50, "安", 3}};
    for (const Case& c : cases) {
        pf.ClearRecord();
        Cell(0, 100, 200, c.height, c.text);
        float y = CallsOf(DrawKind::Line).empty() ? FirstText().points[0].y : CallsOf(DrawKind::Line)[0].points[0].y - 25;
        EXPECT_EQ(y - 100, c.offset) << c.height << " " << c.text;
    }
}

TEST_F(TextBoxes, BaselineBoxSurroundsTheTextWhereThePenStands) {
    rt.penX = 10;
    rt.penY = 300;
    rt.boxWidth = 100;
    rt.boxHeight = 70;
    rt.boxColour = 5;
    rt.boxFill = 4;
    rt.strArg = "9";
    rt.DrawTextBoxOnBaseline();
    EXPECT_EQ(pf.Log()[0], "box 10 287 110 357 5 4 3");
    EXPECT_EQ(FirstText().points[0].y, 300);
    EXPECT_EQ(rt.penX, 110);
    EXPECT_EQ(rt.penY, 300);
}

TEST_F(TextBoxes, TwoLineBox) {
    rt.penX = 0;
    rt.penY = 100;
    rt.boxWidth = 200;
    rt.boxHeight = 100;
    rt.upperRow = "1";
    rt.lowerRow = "2";
    rt.DrawTwoLineTextBox();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0].y, 103);
    EXPECT_EQ(texts[1].points[0].y, 147);
    EXPECT_EQ(rt.penX, 200);
    EXPECT_EQ(rt.penY, 100);
    pf.ClearRecord();
    rt.penX = 0;
    rt.lowerRow = "";
    rt.DrawTwoLineTextBox();
    EXPECT_EQ(CallsOf(DrawKind::Text).size(), 1u);
    EXPECT_EQ(CallsOf(DrawKind::Text)[0].points[0].y, 128);
}

}  // namespace
