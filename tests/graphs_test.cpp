// Points and function graphs on the plane.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class GraphTest : public RuntimeTest {
protected:
    GraphTest() {
        // A plane with its origin at (600, 400), 40 units a cell, x and y
        // from -5 to 5, dots kept between y 200 and 600.
        rt.gridOriginX = 600, rt.gridOriginY = 400, rt.gridCell = 40;
        rt.gridStepX = 1, rt.gridStepY = 1;
        rt.gridMinX = -5, rt.gridMaxX = 5, rt.gridMinY = -5, rt.gridMaxY = 5;
        rt.gridFrameTop = 200, rt.gridFrameBottom = 600;
        rt.boxFill = 5;
    }
    std::vector<platform::Point> Dots() const {
        std::vector<platform::Point> dots;
        for (const DrawCall& call : CallsOf(DrawKind::Circle)) dots.push_back(call.points[0]);
        return dots;
    }
    void Graph(float kind, float a, float b, float c = 0) {
        rt.graphKind = kind, rt.graphCoefA = a, rt.graphCoefB = b, rt.graphCoefC = c;
        rt.PlotFunctionGraph();
    }
};

TEST_F(GraphTest, LabelledPoint) {
    rt.gridStepX = 0;
    rt.plotPointX = 2, rt.plotPointY = 3, rt.plotPointRadius = 6;
    rt.plotLabelNudgeX = 5, rt.plotLabelNudgeY = -5;
    rt.figureLabel = "P";
    rt.PlotLabelledPoint();
    auto circles = CallsOf(DrawKind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    ExpectAt(circles[0].points[0], 680, 280);
    EXPECT_EQ(circles[0].radius, 6);
    EXPECT_EQ(circles[0].colour, 5);
    EXPECT_TRUE(circles[0].filled);
    ExpectAt(CallsOf(DrawKind::Text).at(0).points[0], 665, 235);
    EXPECT_EQ(rt.textColour, 5);
    EXPECT_EQ(rt.gridStepX, 1);
    EXPECT_EQ(rt.plotLabelNudgeX, 0);
    EXPECT_EQ(rt.plotLabelNudgeY, 0);
    EXPECT_EQ(rt.figureLabel, "P");
}

TEST_F(GraphTest, StraightLineIs5001DotsWithinTheBand) {
    rt.SetDrawWidth(2);
    rt.gridStepX = 0, rt.gridStepY = 0;
    // The running x may end a hair past the range: keep the band wide.
    rt.gridFrameTop = 199, rt.gridFrameBottom = 601;
    rt.figureLabel = "y=x";
    Graph(3, 1, 0);
    auto dots = Dots();
    ASSERT_EQ(dots.size(), 5001u);
    ExpectAt(dots.front(), 400, 600);
    ExpectAt(dots.back(), 800, 200, 0.05f);
    for (const DrawCall& dot : CallsOf(DrawKind::Circle)) EXPECT_EQ(dot.radius, 1);
    // The label at the last dot.
    ExpectAt(CallsOf(DrawKind::Text).at(0).points[0], dots.back().x, dots.back().y);
    EXPECT_EQ(rt.boxWidth, 5000);
    EXPECT_EQ(rt.loopIndex, 5001);
    EXPECT_EQ(rt.gridStepX, 1);
    EXPECT_EQ(rt.gridStepY, 1);
    EXPECT_EQ(rt.textArg, "");
    EXPECT_EQ(rt.textColour, 5);
    EXPECT_EQ(rt.figureLabel, "y=x");
    EXPECT_EQ(rt.GetDrawWidth(), 2);
}

TEST_F(GraphTest, FamiliesOtherThanTheLineStepOverZero) {
    // Family 1 from x = 0 starts at 0.002; the line starts at 0.
    rt.gridMinX = 0;
    rt.gridFrameTop = -1e6f, rt.gridFrameBottom = 1e6f;
    Graph(1, 1, 0);
    ExpectAt(Dots().front(), 600 + 40 * 0.002f, 400 - 40 / 0.002f, 0.5f);
    pf.ClearRecord();
    Graph(3, 1, 0);
    ExpectAt(Dots().front(), 600, 400);

    // A running x that lands on 0 exactly: that dot and every later one
    // stand one step further on, the last a step beyond the range.
    const float step = 1.0f / 1024;
    rt.gridMinX = -2500 * step, rt.gridMaxX = 2500 * step;
    for (float kind : {2.0f, 0.0f}) {
        pf.ClearRecord();
        Graph(kind, 1, 0);
        auto dots = Dots();
        ASSERT_EQ(dots.size(), 5001u);
        EXPECT_NEAR(dots[2500].x, 600 + 40 * step, 1e-3) << kind;
        EXPECT_NEAR(dots.back().x, 600 + 40 * (2500 * step + step), 1e-3);
    }
}

TEST_F(GraphTest, DotsOutsideTheBandNeitherDrawNorMoveThePen) {
    rt.gridMinX = -5, rt.gridMaxX = 5;
    rt.penX = 10, rt.penY = 20;
    rt.plotLabelNudgeX = 3;
    rt.figureLabel = "L";
    Graph(3, 0, 100);  // y = 100, far above the band
    EXPECT_TRUE(Dots().empty());
    ExpectAt(CallsOf(DrawKind::Text).at(0).points[0], 13, 20);

    pf.ClearRecord();
    Graph(2, 1, 0);  // y = x^2: only |x| <= sqrt(5) lies in the band
    for (const platform::Point& dot : Dots()) {
        EXPECT_GE(dot.y, 200);
        EXPECT_LE(dot.y, 600);
    }
    EXPECT_LT(Dots().size(), 5001u);
}

TEST_F(GraphTest, GeneralLinearEquation) {
    rt.SetDrawWidth(2);
    rt.figureLabel = "L";
    Graph(4, 2, 0, 6);
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 1u);
    ExpectLine(lines[0], 720, 600, 720, 200);
    EXPECT_EQ(lines[0].width, 5);
    EXPECT_EQ(lines[0].colour, 5);
    EXPECT_EQ(rt.graphCoefC, 3);
    ExpectAt(CallsOf(DrawKind::Text).at(0).points[0], 730, 200);
    EXPECT_EQ(rt.GetDrawWidth(), 2);
    // Steps other than 1 hold for one plot only.
    rt.gridStepX = 2, rt.gridStepY = 3;
    Graph(4, 2, 0, 6);
    EXPECT_EQ(rt.gridStepX, 1);
    EXPECT_EQ(rt.gridStepY, 1);

    pf.ClearRecord();
    Graph(4, 1, 2, 4);
    EXPECT_EQ(rt.graphKind, 3);
    EXPECT_EQ(rt.graphCoefA, -0.5f);
    EXPECT_EQ(rt.graphCoefB, 2);
    EXPECT_EQ(rt.graphCoefC, 4);
    ExpectAt(Dots().front(), 400, 400 - 40 * 4.5f);

    pf.ClearRecord();
    EXPECT_EQ(FailureCode([&] { Graph(4, 0, 0, 4); }), basic::kDivisionByZero);
    EXPECT_TRUE(pf.Calls().empty());
}

}  // namespace
