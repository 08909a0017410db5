// Arrows with open heads, and the slope triangle.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class ArrowTest : public RuntimeTest {
protected:
    void Arrow(float x1, float y1, float x2, float y2, float direction, float heads) {
        pf.ClearRecord();
        rt.vertexX = x1, rt.vertexY = y1, rt.arrowEndX = x2, rt.arrowEndY = y2;
        rt.arrowDirection = direction;
        rt.arrowHeads = heads;
        rt.markRadius = 16, rt.boxColour = 3;
        rt.DrawArrowLine();
    }
    void Slope(float x1, float y1, float x2, float y2, const std::string& labels) {
        pf.ClearRecord();
        rt.slopeX1 = x1, rt.slopeY1 = y1, rt.slopeX2 = x2, rt.slopeY2 = y2;
        rt.gridCell = 40;
        rt.slopeLabels = labels;
        rt.DrawSlopeTriangle();
    }
};

TEST_F(ArrowTest, HeadsAtEitherOrBothEnds) {
    Arrow(100, 200, 300, 200, 0, 0);
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 3u);
    ExpectLine(lines[0], 100, 200, 300, 200);
    ExpectLine(lines[1], 284, 208, 300, 200);
    ExpectLine(lines[2], 284, 192, 300, 200);
    for (const DrawCall& line : lines) EXPECT_EQ(line.colour, 3);
    ExpectAt({rt.vertexX, rt.vertexY}, 300, 200);
    ExpectAt({rt.arrowEndX, rt.arrowEndY}, 100, 200);

    Arrow(100, 200, 300, 200, -1, 0);
    lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 3u);
    ExpectLine(lines[1], 116, 192, 100, 200);
    ExpectLine(lines[2], 116, 208, 100, 200);
    ExpectAt({rt.vertexX, rt.vertexY}, 100, 200);
    EXPECT_EQ(rt.arrowDirection, 0);

    Arrow(300, 200, 300, 100, 0, 0);
    lines = CallsOf(DrawKind::Line);
    ExpectLine(lines[1], 308, 116, 300, 100);
    ExpectLine(lines[2], 292, 116, 300, 100);

    for (float direction : {0.0f, -1.0f}) {
        Arrow(100, 200, 300, 200, direction, 2);
        lines = CallsOf(DrawKind::Line);
        ASSERT_EQ(lines.size(), 6u);
        // Whichever end comes first, the other end gets the second head.
        const float first = direction == -1 ? 100 : 300, second = direction == -1 ? 300 : 100;
        EXPECT_EQ(lines[1].points[1].x, first);
        EXPECT_EQ(lines[4].points[1].x, second);
        EXPECT_EQ(rt.arrowHeads, 0);
        EXPECT_EQ(rt.arrowDirection, 0);
    }
    Arrow(100, 200, 300, 200, 0, 2);
    lines = CallsOf(DrawKind::Line);
    ExpectLine(lines[4], 116, 192, 100, 200);
    ExpectLine(lines[5], 116, 208, 100, 200);
    ExpectAt({rt.vertexX, rt.vertexY}, 100, 200);

    // Any other count stays, with one head.
    Arrow(100, 200, 300, 200, 0, 3);
    EXPECT_EQ(CallsOf(DrawKind::Line).size(), 3u);
    EXPECT_EQ(rt.arrowHeads, 3);
}

TEST_F(ArrowTest, ArrowWithoutLengthFailsBeforeDrawing) {
    EXPECT_EQ(FailureCode([&] { Arrow(100, 200, 100, 200, 0, 0); }), basic::kDivisionByZero);
    EXPECT_TRUE(pf.Calls().empty());
}

TEST_F(ArrowTest, SlopeTriangleWithRunAndRise) {
    rt.SetDrawWidth(2);
    for (bool swapped : {false, true}) {
        if (swapped) Slope(260, 180, 100, 300, "yy");
        else Slope(100, 300, 260, 180, "yy");
        auto lines = CallsOf(DrawKind::Line);
        ASSERT_EQ(lines.size(), 6u);
        ExpectLine(lines[0], 100, 300, 260, 300);
        EXPECT_EQ(lines[0].colour, 7);
        ExpectLine(lines[3], 260, 300, 260, 180);
        EXPECT_EQ(lines[3].colour, 3);
        ExpectLine(lines[4], 268, 196, 260, 180);  // the rise head points up
        for (const DrawCall& line : lines) EXPECT_EQ(line.width, 4);
        EXPECT_EQ(rt.runText, "4");
        EXPECT_EQ(rt.riseText, "3");
        auto texts = CallsOf(DrawKind::Text);
        ASSERT_EQ(texts.size(), 2u);
        ExpectAt(texts[0].points[0], 166, 256);
        EXPECT_EQ(texts[0].colour, 7);
        ExpectAt(texts[1].points[0], 260, 224);
        EXPECT_EQ(texts[1].colour, 3);
        EXPECT_EQ(rt.GetDrawWidth(), 4);
        EXPECT_EQ(rt.slopeX1, 100);
        EXPECT_EQ(rt.slopeY1, 300);
        EXPECT_EQ(rt.boxColour, 3);
        EXPECT_EQ(rt.markRadius, 16);
        ExpectAt({rt.vertexX, rt.vertexY}, 260, 180);
        ExpectAt({rt.arrowEndX, rt.arrowEndY}, 260, 300);
    }

    // A falling line: the run label hangs below its leg.
    Slope(100, 180, 260, 300, "yy");
    EXPECT_EQ(rt.riseText, "-3");
    ExpectLine(CallsOf(DrawKind::Line)[4], 252, 284, 260, 300);
    auto texts = CallsOf(DrawKind::Text);
    EXPECT_EQ(texts.at(0).points[0].y, 180);
    EXPECT_EQ(texts.at(1).points[0].y, 224);
}

TEST_F(ArrowTest, RiseTextGetsAZeroBeforeItsPoint) {
    struct Case {
        float dx, dy;  // in cells; dy up the screen
        std::string run, rise;
    };
    const Case cases[] = {
        {1, 0.5f, "1", "0.5"}, {1, -0.5f, "1", "-0.5"}, {0.5f, 1, ".5", "1"}, {2, -1, "2", "-1"}, {3, 2.5f, "3", "2.5"},
    };
    for (const Case& c : cases) {
        Slope(100, 300, 100 + 40 * c.dx, 300 - 40 * c.dy, "");
        EXPECT_EQ(rt.runText, c.run);
        EXPECT_EQ(rt.riseText, c.rise);
        EXPECT_TRUE(CallsOf(DrawKind::Text).empty());
    }
}

TEST_F(ArrowTest, LabelOptionsAreReadByteByByte) {
    struct Case {
        std::string labels;
        std::vector<int> colours;
    };
    for (const Case& c : {Case{"", {}}, Case{"y", {7}}, Case{"ny", {3}}, Case{"yn", {7}}, Case{"Yy", {3}}}) {
        Slope(100, 300, 260, 180, c.labels);
        std::vector<int> colours;
        for (const DrawCall& text : CallsOf(DrawKind::Text)) colours.push_back(text.colour);
        EXPECT_EQ(colours, c.colours) << c.labels;
    }
}

TEST_F(ArrowTest, FlatOrUprightTriangleHasALegWithoutLength) {
    rt.slopeLabels = "";
    EXPECT_EQ(FailureCode([&] { Slope(100, 300, 260, 300, ""); }), basic::kDivisionByZero);
    EXPECT_EQ(FailureCode([&] { Slope(100, 300, 100, 180, ""); }), basic::kDivisionByZero);
}

}  // namespace
