// The numbered coordinate plane and its decimal axis labels.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class CoordinateGridTest : public RuntimeTest {
protected:
    void Plane(float minX, float maxX, float stepX, float minY, float maxY, float stepY, float cell = 40) {
        rt.gridLeft = 0, rt.gridTop = 0, rt.gridCell = cell;
        rt.gridMinX = minX, rt.gridMaxX = maxX, rt.gridStepX = stepX;
        rt.gridMinY = minY, rt.gridMaxY = maxY, rt.gridStepY = stepY;
    }
    // Lines of one pen width and colour.
    std::vector<DrawCall> Lines(int width, int colour) const {
        std::vector<DrawCall> out;
        for (const DrawCall& call : CallsOf(DrawKind::Line))
            if (call.width == width && call.colour == colour) out.push_back(call);
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const DrawCall& call : CallsOf(DrawKind::Text)) out.push_back(call.text);
        return out;
    }
};

TEST_F(CoordinateGridTest, WholeGridWithHeavyNumberedLines) {
    rt.SetDrawWidth(2);
    Plane(-10, 10, 1, -5, 5, 1);
    rt.boxColour = 7;
    rt.DrawCoordinateGrid();
    EXPECT_EQ(rt.gridLeft, 640);
    EXPECT_EQ(rt.gridTop, 180);
    EXPECT_EQ(rt.gridOriginX, 1040);
    EXPECT_EQ(rt.gridOriginY, 380);
    EXPECT_EQ(rt.gridFrameLeft, 640);
    EXPECT_EQ(rt.gridFrameTop, 180);
    EXPECT_EQ(rt.gridFrameRight, 1440);
    EXPECT_EQ(rt.gridFrameBottom, 580);
    EXPECT_EQ(rt.tickLabelSize, 30);

    auto thin = Lines(1, 0);
    ASSERT_EQ(thin.size(), 21u + 11u);
    ExpectLine(thin[0], 639.5f, 180, 639.5f, 580);
    ExpectLine(thin[21], 640, 579.5f, 1440, 579.5f);
    auto heavy = Lines(3, 1);
    ASSERT_EQ(heavy.size(), 5u + 3u);
    ExpectLine(heavy[0], 640, 180, 640, 580);
    ExpectLine(heavy[2], 1040, 180, 1040, 580);
    ExpectLine(heavy[5], 640, 580, 1440, 580);
    auto axes = Lines(4, 0);
    ASSERT_EQ(axes.size(), 2u);
    ExpectLine(axes[0], 1040, 180, 1040, 580);
    ExpectLine(axes[1], 640, 380, 1440, 380);

    const std::vector<std::string> numbers = {"-10", "-5", "5", "10", "-5", "5", "x", "0", "y"};
    EXPECT_EQ(Texts(), numbers);
    auto texts = CallsOf(DrawKind::Text);
    ExpectAt(texts[0].points[0], 640 - 1.5f * 30, 380);        // "-10" centred under its line
    ExpectAt(texts[4].points[0], 1040 - 2 * 30, 580 - 15 - 4);  // "-5" left of the y axis
    EXPECT_EQ(texts[0].size, 30);
    EXPECT_EQ(texts[6].face, "Times New Roman");
    EXPECT_TRUE(texts[6].italic && texts[6].bold);
    EXPECT_EQ(texts[6].size, 24);
    ExpectAt(texts[6].points[0], 1440 - 24, 380 - 45);
    ExpectAt(texts[7].points[0], 1010, 380);
    ExpectAt(texts[8].points[0], 1040, 165);
    EXPECT_EQ(texts[8].face, "ｺﾞｼｯｸ");  // the face in force, after the letter's own
    EXPECT_FALSE(texts[8].italic);

    EXPECT_EQ(rt.GetDrawWidth(), 2);
    EXPECT_EQ(rt.textArg, "y");
    EXPECT_EQ(rt.textColour, 0);
    EXPECT_EQ(rt.penX, 1040);
    EXPECT_EQ(rt.penY, 165);
    EXPECT_EQ(rt.strArg, "5");
}

TEST_F(CoordinateGridTest, AxesOnlyLeaveTheSharedCountersAlone) {
    Plane(-5, 5, 1, -5, 5, 1, 39.5f);
    rt.boxColour = 0;
    rt.loopIndex = 77;
    rt.strArg = "keep";
    rt.DrawCoordinateGrid();
    EXPECT_EQ(CallsOf(DrawKind::Line).size(), 2u);
    const std::vector<std::string> letters = {"x", "0", "y"};
    EXPECT_EQ(Texts(), letters);
    EXPECT_EQ(rt.loopIndex, 77);
    EXPECT_EQ(rt.strArg, "keep");
    EXPECT_EQ(rt.tickLabelSize, 26);
    EXPECT_EQ(CallsOf(DrawKind::Text).at(0).size, 21);  // 0.8 of 26, as a whole size
}

TEST_F(CoordinateGridTest, TheNumbersAndLettersLeaveTheFontAsFound) {
    pf.SetFontName("Times New Roman");
    pf.SetFontSize(20);
    pf.SetFontBold(true);
    pf.SetFontItalic(true);
    auto expectFontFound = [&](const char* routine) {
        const platform::Font font = pf.GetFont();
        EXPECT_EQ(font.name, "Times New Roman") << routine;
        EXPECT_EQ(font.size, 20) << routine;
        EXPECT_TRUE(font.bold && font.italic) << routine;
    };
    Plane(-10, 10, 1, -5, 5, 0.5f);
    rt.boxColour = 7;
    rt.DrawCoordinateGrid();
    expectFontFound("DrawCoordinateGrid");
    rt.DrawDecimalAxisLabels();
    expectFontFound("DrawDecimalAxisLabels");
}

TEST_F(CoordinateGridTest, StepsAndCornersAreNormalised) {
    struct Case {
        float step, stepAfter, maxAfter;
    };
    for (const Case& c : {Case{-2, 2, 5}, Case{0, 1, 10}, Case{2, 2, 5}}) {
        Plane(-10, 10, c.step, -10, 10, c.step);
        rt.boxColour = 0;
        rt.DrawCoordinateGrid();
        EXPECT_EQ(rt.gridStepX, c.stepAfter);
        EXPECT_EQ(rt.gridStepY, c.stepAfter);
        EXPECT_EQ(rt.gridMaxX, c.maxAfter);
        EXPECT_EQ(rt.gridMinY, -c.maxAfter);
    }
    Plane(-1, 1, 1, -1, 1, 1);
    rt.gridTop = 100;
    rt.boxColour = 0;
    rt.DrawCoordinateGrid();
    EXPECT_EQ(rt.gridLeft, 0);
    EXPECT_EQ(rt.gridTop, 100);
}

TEST_F(CoordinateGridTest, HiddenNumbersAreHiddenOnce) {
    Plane(-5, 5, 1, 0, 5, 1);
    rt.boxColour = 7;
    rt.tickLabelsHidden = -1;
    rt.DrawCoordinateGrid();
    const std::vector<std::string> letters = {"x", "0", "y"};
    EXPECT_EQ(Texts(), letters);
    EXPECT_EQ(rt.tickLabelsHidden, 0);
    pf.ClearRecord();
    Plane(-5, 5, 1, 0, 5, 1);
    rt.tickLabelsHidden = 1;
    rt.DrawCoordinateGrid();
    EXPECT_EQ(Texts().size(), 3u + 3u);
}

TEST_F(CoordinateGridTest, ExtentsOffTheStepPutLinesBetweenCells) {
    Plane(-7, 5, 2, 0, 0, 1);
    rt.boxColour = 7;
    rt.DrawCoordinateGrid();
    auto thin = Lines(1, 0);
    ASSERT_GE(thin.size(), 7u);
    // Vertical lines at cells -3.5 .. 2.5 from the origin.
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(thin[k].points[0].x, rt.gridOriginX + 40 * (-3.5f + k) - 0.5f, 1e-3);
    EXPECT_EQ(rt.gridOriginX, 640 + 140);
}

TEST_F(CoordinateGridTest, DecimalLabelsShowOneDecimalWithAPointOfTheirOwn) {
    struct Case {
        float extent, step;
        std::vector<std::string> xTexts;
    };
    const Case cases[] = {
        {5, 0.5f, {"-5", "-25", ".", "25", ".", "5"}},
        {1, 0.1f, {"-1", "-05", ".", "05", ".", "1"}},
    };
    for (const Case& c : cases) {
        Plane(-c.extent, c.extent, c.step, 0, 0, 1);
        rt.tickLabelsHidden = -1;
        rt.boxColour = 0;
        rt.DrawCoordinateGrid();
        pf.ClearRecord();
        rt.DrawDecimalAxisLabels();
        EXPECT_EQ(Texts(), c.xTexts);
        auto texts = CallsOf(DrawKind::Text);
        ASSERT_EQ(texts.size(), 6u);
        // "-25" centred on cell -5 and 4 below the axis; its point 6 left of
        // where "-2" ends, 4 lower again.
        ExpectAt(texts[1].points[0], rt.gridOriginX - 200 - 1.5f * 30, rt.gridOriginY + 4);
        ExpectAt(texts[2].points[0], rt.gridOriginX - 200 - 1.5f * 30 + 2 * 30 - 6, rt.gridOriginY + 8);
        EXPECT_EQ(texts[1].size, 30);
    }
    // The y axis: values left of the axis, the point 4 below the digits.
    pf.ClearRecord();
    Plane(0, 0, 1, -5, 5, 0.5f);
    rt.boxColour = 0;
    rt.DrawCoordinateGrid();
    pf.ClearRecord();
    rt.DrawDecimalAxisLabels();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 6u);
    ExpectAt(texts[1].points[0], rt.gridOriginX - 3 * 30, rt.gridOriginY + 200 - 15);
    ExpectAt(texts[2].points[0], rt.gridOriginX - 3 * 30 + 2 * 30 - 6, rt.gridOriginY + 200 - 15 + 4);
}

}  // namespace
