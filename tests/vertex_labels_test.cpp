// Directions, ray angles, vertex labels and dimension arcs.
#include <cmath>

#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class VertexLabelTest : public RuntimeTest {
protected:
    // Width of a text as the markup renderer lays it out.
    float WidthOf(const std::string& text) {
        rt.strArg = text;
        rt.MeasureText();
        pf.ClearRecord();
        return rt.textWidth;
    }
    void SetRays(float vx, float vy, float ax, float ay, float bx, float by) {
        rt.vertexX = vx, rt.vertexY = vy, rt.rayAX = ax, rt.rayAY = ay, rt.rayBX = bx, rt.rayBY = by;
    }
    // Top-left of the first glyph drawn.
    platform::Point FirstGlyph() const {
        auto texts = CallsOf(DrawKind::Text);
        return texts.empty() ? platform::Point{-1, -1} : texts.front().points[0];
    }
};

TEST_F(VertexLabelTest, DirectionOfAPointSeenFromAnother) {
    struct Case {
        float dx, dy, angle;
    };
    const Case cases[] = {
        {10, 0, 0},        {-10, 0, kPi},          {0, 0, kPi},
        {0, -10, kPi / 2}, {0, 10, 3 * kPi / 2},   {10, 10, 3 * kPi / 2 + kPi / 4},
    };
    for (const Case& c : cases) {
        rt.vertexX = 200, rt.vertexY = 300;
        rt.rayAX = 200 + c.dx, rt.rayAY = 300 + c.dy;
        rt.ComputeSegmentAngle();
        EXPECT_NEAR(rt.segmentAngle, c.angle, 1e-5) << c.dx << "," << c.dy;
        EXPECT_NEAR(rt.angleDegrees, c.angle * 180 / kPi, 1e-3);
    }
    rt.rayAX = 200, rt.rayAY = 200;
    rt.ComputeSegmentAngle();
    EXPECT_NEAR(rt.angleDegrees, 90, 1e-3);
}

TEST_F(VertexLabelTest, RayAnglesAndTheirExchange) {
    SetRays(400, 300, 500, 300, 400, 200);
    for (float flip : {0.0f, 1.0f}) {
        rt.labelFlip = flip;
        rt.ComputeRayAngles();
        EXPECT_NEAR(rt.bisectorAngle, kPi / 4, 1e-5);
        EXPECT_NEAR(rt.arcFractionA, 1, 1e-6);
        EXPECT_NEAR(rt.arcFractionB, 0.75, 1e-6);
        EXPECT_EQ(rt.labelFlip, flip);
    }
    rt.labelFlip = -1;
    rt.ComputeRayAngles();
    EXPECT_NEAR(rt.rayAngleA, kPi / 2, 1e-5);
    EXPECT_NEAR(rt.rayAngleB, 0, 1e-5);
    EXPECT_NEAR(rt.arcFractionA, 0.75, 1e-6);
    EXPECT_NEAR(rt.arcFractionB, 1, 1e-6);
    EXPECT_NEAR(rt.bisectorAngle, 5 * kPi / 4, 1e-5);
    EXPECT_EQ(rt.labelFlip, -1);
}

TEST_F(VertexLabelTest, LabelBoxStandsOutsideTheVertexOnTheBisector) {
    const float w = WidthOf("5");
    struct Case {
        float ax, ay, bx, by;  // offsets of the two ray points from the vertex
        float x, y;            // expected box corner relative to the vertex
    };
    const Case cases[] = {
        {10, 0, -10, 0, -w / 2, -44},  // bisector up
        {-10, 0, 10, 0, -w / 2, 0},    // bisector down
        {10, 0, 10, 0, 0, -22},        // bisector right
        {0, -10, 0, 10, -w, -22},      // bisector left
    };
    for (const Case& c : cases) {
        pf.ClearRecord();
        SetRays(400, 300, 400 + c.ax, 300 + c.ay, 400 + c.bx, 300 + c.by);
        rt.figureLabel = "5";
        rt.PlaceVertexLabel();
        ExpectAt(FirstGlyph(), 400 + c.x, 300 + c.y);
        EXPECT_NEAR(rt.penY, 300 + c.y, 1e-3);
        EXPECT_NEAR(rt.penX, 400 + c.x + w, 1e-3);
    }
    // A stacked fraction is taller: straight up it starts 80 above.
    pf.ClearRecord();
    SetRays(400, 300, 410, 300, 390, 300);
    rt.figureLabel = "ﾀ1/2ﾀ";
    rt.PlaceVertexLabel();
    EXPECT_NEAR(rt.penY, 220, 1e-3);
}

TEST_F(VertexLabelTest, RadiusAndNudgesMoveTheLabelOnceThenRest) {
    SetRays(400, 300, 410, 300, 410, 300);
    rt.figureLabel = "5";
    rt.markRadius = 10;
    rt.labelNudgeX = 40;
    rt.labelNudgeY = 5;
    rt.labelFlip = 1;
    rt.labelStyle = 0;
    rt.PlaceVertexLabel();
    ExpectAt(FirstGlyph(), 450, 283);
    EXPECT_EQ(rt.figureLabel, "");
    EXPECT_EQ(rt.markRadius, 0);
    EXPECT_EQ(rt.labelNudgeX, 0);
    EXPECT_EQ(rt.labelNudgeY, 0);
    EXPECT_EQ(rt.labelFlip, 0);
    EXPECT_EQ(rt.labelStyle, 0);
    EXPECT_EQ(rt.textArg, "");

    // An empty label draws nothing and still rests the parameters.
    pf.ClearRecord();
    rt.markRadius = 10;
    rt.labelNudgeX = 3;
    rt.PlaceVertexLabel();
    EXPECT_TRUE(pf.Calls().empty());
    EXPECT_EQ(rt.textWidth, 0);
    EXPECT_NEAR(rt.penX, 413, 1e-3);
    EXPECT_EQ(rt.markRadius, 0);
    EXPECT_EQ(rt.labelNudgeX, 0);
}

TEST_F(VertexLabelTest, StyleOneDrawsTheLabelBoldButPlacesItByMarkupWidth) {
    const float w = WidthOf("12");
    SetRays(400, 300, 410, 300, 390, 300);
    rt.figureLabel = "12";
    rt.labelStyle = 1;
    rt.PlaceVertexLabel();
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_EQ(texts[0].size, 15);
    ExpectAt(texts[0].points[0], 400 - w / 2, 256);
    EXPECT_NEAR(rt.penX, 400 - w / 2 + 40, 1e-3);  // bold advances of 20
    EXPECT_EQ(rt.labelStyle, 0);
}

class DimensionArcTest : public VertexLabelTest {
protected:
    void Arc(float px, float py, float qx, float qy, float gap, float step, float side, const std::string& label) {
        pf.ClearRecord();
        rt.vertexX = px, rt.vertexY = py, rt.rayAX = qx, rt.rayAY = qy;
        rt.rowGap = gap;
        rt.boxWidth = step;
        rt.labelSide = side;
        rt.boxColour = 3;
        rt.figureLabel = label;
        rt.DrawDimensionArc();
    }
    // Turning the arc point about P with pi as 3.14159 puts it up to about
    // two thousandths of a unit from where the exact pi would.
    static void ExpectArcPoint(const platform::Point& p, float x, float y) { ExpectAt(p, x, y, 3e-3f); }
    std::vector<platform::Point> Dots() const {
        std::vector<platform::Point> dots;
        for (const DrawCall& call : CallsOf(DrawKind::Circle)) dots.push_back(call.points[0]);
        return dots;
    }
};

TEST_F(DimensionArcTest, ArcBelowASegmentWithItsLabelUnderTheApex) {
    const float w = WidthOf("5");
    rt.SetDrawWidth(5);
    Arc(100, 300, 500, 300, 60, 5, 1, "5");
    auto dots = Dots();
    ASSERT_EQ(dots.size(), 37u);
    ExpectArcPoint(dots.front(), 100, 300);
    ExpectArcPoint(dots[18], 300, 360);
    ExpectArcPoint(dots.back(), 500, 300);
    for (const DrawCall& call : CallsOf(DrawKind::Circle)) {
        EXPECT_EQ(call.radius, 0.5f);
        EXPECT_EQ(call.colour, 3);
        EXPECT_TRUE(call.filled);
        EXPECT_EQ(call.start, 0);
        EXPECT_EQ(call.end, 0);
        EXPECT_EQ(call.width, 5);  // the dots take the pen width in force
    }
    // The label stands 5 beyond the apex, clear of its dot.
    ExpectArcPoint(FirstGlyph(), 300 - w / 2, 365);
    EXPECT_EQ(rt.GetDrawWidth(), 5);
    // The fields now describe the label: apex, P and Q.
    ExpectArcPoint({rt.vertexX, rt.vertexY}, 300, 360);
    ExpectArcPoint({rt.rayAX, rt.rayAY}, 100, 300);
    ExpectArcPoint({rt.rayBX, rt.rayBY}, 500, 300);
    EXPECT_EQ(rt.figureLabel, "");
    EXPECT_EQ(rt.labelFlip, 0);

    // A fraction's numerator rises above the pen: it goes 6 further down.
    Arc(100, 300, 500, 300, 60, 5, 1, "ﾀ1/2ﾀ");
    EXPECT_NEAR(CallsOf(DrawKind::Line).front().points[0].y, 365 + 6 + 25, 0.003);  // the bar
}

TEST_F(DimensionArcTest, ArcAboveRunsFromQToP) {
    const float w = WidthOf("5");
    Arc(100, 300, 500, 300, 60, 5, -1, "5");
    auto dots = Dots();
    ASSERT_EQ(dots.size(), 37u);
    ExpectArcPoint(dots.front(), 500, 300);
    ExpectArcPoint(dots[18], 300, 240);
    ExpectArcPoint(dots.back(), 100, 300);
    ExpectArcPoint(FirstGlyph(), 300 - w / 2, 191);
}

TEST_F(DimensionArcTest, DotCountFollowsTheStep) {
    struct Case {
        float step;
        size_t dots;
    };
    for (const Case& c : {Case{3, 61}, Case{4, 46}, Case{6, 31}, Case{8, 23}}) {
        Arc(100, 300, 500, 300, 60, c.step, 1, "");
        EXPECT_EQ(Dots().size(), c.dots) << c.step;
    }
    // A step of 8 stops at 356 degrees, short of Q.
    ExpectArcPoint(Dots().back(), 300 + 200 * std::cos(356 * kPi / 180), 300 - 60 * std::sin(356 * kPi / 180));
}

TEST_F(DimensionArcTest, HeightRule) {
    struct Case {
        float gap, height;
    };
    for (const Case& c : {Case{5, 80}, Case{-20, 20}, Case{16, 16}, Case{60, 60}, Case{0, 0}}) {
        Arc(100, 300, 500, 300, c.gap, 5, 1, "");
        EXPECT_EQ(rt.rowGap, c.height);
        EXPECT_NEAR(Dots()[18].y, 300 + c.height, 1e-3) << c.gap;
    }
    for (const platform::Point& dot : Dots()) EXPECT_NEAR(dot.y, 300, 1e-3);
}

TEST_F(DimensionArcTest, SidesFollowTheWalkFromPToQ) {
    // From right to left, the right-hand side is above on the screen.
    Arc(500, 300, 100, 300, 60, 5, 1, "");
    ExpectArcPoint(Dots()[18], 300, 240);
    // A vertical segment walked downwards: its right-hand side is the left.
    Arc(300, 100, 300, 500, 60, 5, 1, "");
    ExpectArcPoint(Dots()[18], 240, 300);
}

TEST_F(DimensionArcTest, LabelSideZeroHangsTheLabelInsideTheArc) {
    const float w = WidthOf("5");
    Arc(100, 300, 500, 300, 60, 5, 0, "5");
    ExpectArcPoint(Dots()[18], 300, 240);
    // The bisector at the apex points back down to the segment.
    ExpectArcPoint(FirstGlyph(), 300 - w / 2, 245);
}

TEST_F(DimensionArcTest, CallerNudgesAndStyleReachTheLabelButNotTheRadius) {
    const float w = WidthOf("5");
    rt.labelNudgeX = 40;
    rt.labelNudgeY = -10;
    rt.markRadius = 30;
    Arc(100, 300, 500, 300, 60, 5, 1, "5");
    ExpectArcPoint(FirstGlyph(), 340 - w / 2, 355);
    EXPECT_EQ(rt.labelNudgeX, 0);
    EXPECT_EQ(rt.markRadius, 0);

    rt.labelStyle = 1;
    Arc(100, 300, 500, 300, 60, 5, 1, "5");
    EXPECT_TRUE(CallsOf(DrawKind::Text).front().bold);
    EXPECT_EQ(rt.labelStyle, 0);
}

TEST_F(DimensionArcTest, BadStepsAndEmptySegmentsFailBeforeAnyDot) {
    for (float step : {0.0f, -3.0f, 1e-6f}) {
        pf.ClearRecord();
        rt.vertexX = 100, rt.vertexY = 300, rt.rayAX = 500, rt.rayAY = 300, rt.rowGap = 60, rt.boxWidth = step;
        rt.labelSide = 1;
        EXPECT_EQ(FailureCode([&] { rt.DrawDimensionArc(); }), basic::kBadArgument) << step;
        // A step too small to advance stalls after its first dot.
        EXPECT_LE(CallsOf(DrawKind::Circle).size(), step > 0 ? 1u : 0u);
    }
    pf.ClearRecord();
    rt.vertexX = 100, rt.vertexY = 300, rt.rayAX = 100, rt.rayAY = 300, rt.rowGap = 60, rt.boxWidth = 5;
    EXPECT_EQ(FailureCode([&] { rt.DrawDimensionArc(); }), basic::kDivisionByZero);
    EXPECT_TRUE(CallsOf(DrawKind::Circle).empty());
}

}  // namespace
