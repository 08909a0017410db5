// Chevrons, ticks, angle marks, angle sizes and right-angle corners.
#include <cmath>

#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class FigureMarksTest : public RuntimeTest {
protected:
    void Segment(float sx, float sy, float ex, float ey) {
        rt.segmentStartX = sx, rt.segmentStartY = sy, rt.segmentEndX = ex, rt.segmentEndY = ey;
    }
    // Vertex (400, 300), ray A to the right, ray B straight up.
    void QuarterAngle() {
        rt.vertexX = 400, rt.vertexY = 300;
        rt.rayAX = 500, rt.rayAY = 300;
        rt.rayBX = 400, rt.rayBY = 200;
    }
    // Rays from (400, 300) in the given directions, in degrees.
    void RaysAt(float degreesA, float degreesB) {
        rt.vertexX = 400, rt.vertexY = 300;
        rt.rayAX = 400 + 100 * std::cos(degreesA * kPi / 180), rt.rayAY = 300 - 100 * std::sin(degreesA * kPi / 180);
        rt.rayBX = 400 + 100 * std::cos(degreesB * kPi / 180), rt.rayBY = 300 - 100 * std::sin(degreesB * kPi / 180);
    }
};

TEST_F(FigureMarksTest, ChevronsPointTowardsTheEndBeyondTheDivisionPoint) {
    Segment(100, 200, 300, 200);
    rt.ratioFirst = 1, rt.ratioSecond = 1, rt.markRadius = 10, rt.markCount = 2, rt.boxColour = 4;
    rt.DrawChevronMarks();
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    ExpectLine(lines[0], 206, 205, 216, 200);
    ExpectLine(lines[1], 206, 195, 216, 200);
    ExpectLine(lines[2], 222, 205, 232, 200);
    ExpectLine(lines[3], 222, 195, 232, 200);
    for (const DrawCall& line : lines) EXPECT_EQ(line.colour, 4);

    // 1:2 puts the division a third of the way along.
    pf.ClearRecord();
    rt.ratioSecond = 2, rt.markCount = 1;
    rt.DrawChevronMarks();
    ExpectLine(CallsOf(DrawKind::Line)[0], 172.6667f, 205, 182.6667f, 200);
}

TEST_F(FigureMarksTest, TicksCrossTheSegmentBeyondItsMidpoint) {
    Segment(100, 200, 300, 200);
    rt.tickSpacing = 8, rt.tickOffset = 0, rt.markCount = 2, rt.markRadius = 10, rt.boxColour = 4;
    rt.DrawTickMarks();
    auto lines = CallsOf(DrawKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    ExpectLine(lines[0], 208, 190, 208, 210);
    ExpectLine(lines[1], 216, 190, 216, 210);
    EXPECT_EQ(rt.tickSpacing, 24);

    // A negative spacing runs towards the start; an offset shifts the group.
    struct Case {
        float spacing, offset, firstX;
    };
    for (const Case& c : {Case{0, 0, 208}, Case{31, 0, 208}, Case{-8, 0, 192}, Case{8, -12, 196}}) {
        pf.ClearRecord();
        rt.tickSpacing = c.spacing, rt.tickOffset = c.offset, rt.markCount = 1;
        rt.DrawTickMarks();
        EXPECT_NEAR(CallsOf(DrawKind::Line)[0].points[0].x, c.firstX, 1e-3) << c.spacing;
    }
}

TEST_F(FigureMarksTest, OutOfRangeCountsDrawOneMark) {
    Segment(100, 200, 300, 200);
    rt.ratioFirst = 1, rt.ratioSecond = 1, rt.markRadius = 10;
    struct Case {
        float count;
        size_t chevronLines, ticks;
        float chevronCountAfter, tickCountAfter;
    };
    const Case cases[] = {{0, 2, 1, 1, 0}, {-1, 2, 1, 1, 1}, {7, 2, 1, 1, 1}, {2.5f, 4, 2, 2.5f, 2.5f}};
    for (const Case& c : cases) {
        pf.ClearRecord();
        rt.markCount = c.count;
        rt.DrawChevronMarks();
        EXPECT_EQ(CallsOf(DrawKind::Line).size(), c.chevronLines) << c.count;
        EXPECT_EQ(rt.markCount, c.chevronCountAfter);
        pf.ClearRecord();
        rt.markCount = c.count;
        rt.tickSpacing = 8;
        rt.DrawTickMarks();
        EXPECT_EQ(CallsOf(DrawKind::Line).size(), c.ticks) << c.count;
        EXPECT_EQ(rt.markCount, c.tickCountAfter);
    }
}

TEST_F(FigureMarksTest, SegmentWithoutLengthOrRatioWithoutSumFailsBeforeDrawing) {
    rt.markCount = 1, rt.markRadius = 10, rt.ratioFirst = 1, rt.ratioSecond = 1, rt.tickSpacing = 8;
    Segment(100, 200, 100, 200);
    EXPECT_EQ(FailureCode([&] { rt.DrawChevronMarks(); }), basic::kDivisionByZero);
    EXPECT_EQ(FailureCode([&] { rt.DrawTickMarks(); }), basic::kDivisionByZero);
    Segment(100, 200, 300, 200);
    rt.ratioFirst = 2, rt.ratioSecond = -2;
    EXPECT_EQ(FailureCode([&] { rt.DrawChevronMarks(); }), basic::kDivisionByZero);
    EXPECT_TRUE(pf.Calls().empty());
}

TEST_F(FigureMarksTest, AngleMarkArcsSectorAndLabel) {
    struct Case {
        float count;
        std::vector<float> radii;  // arcs; empty for the sector
    };
    for (const Case& c : {Case{2, {32, 24}}, Case{9, {32}}, Case{0, {}}, Case{-3, {}}}) {
        pf.ClearRecord();
        QuarterAngle();
        rt.markRadius = 40, rt.markCount = c.count, rt.boxColour = 3, rt.boxFill = 11;
        rt.figureLabel = "a";
        rt.labelFlip = 1;
        rt.DrawAngleMark();
        auto circles = CallsOf(DrawKind::Circle);
        if (c.radii.empty()) {
            ASSERT_EQ(circles.size(), 1u);
            EXPECT_EQ(circles[0].radius, 40);
            EXPECT_TRUE(circles[0].filled);
            EXPECT_EQ(circles[0].colour, 3);
            EXPECT_EQ(circles[0].fill, 11);
        } else {
            ASSERT_EQ(circles.size(), c.radii.size());
            for (size_t i = 0; i < circles.size(); ++i) {
                EXPECT_EQ(circles[i].radius, c.radii[i]);
                EXPECT_FALSE(circles[i].filled);
                EXPECT_EQ(circles[i].colour, 11);
            }
        }
        for (const DrawCall& circle : circles) {
            ExpectAt(circle.points[0], 400, 300);
            EXPECT_NEAR(circle.start, 0.75, 1e-6);
            EXPECT_NEAR(circle.end, 1, 1e-6);
        }
        EXPECT_EQ(DrawnText(), "a");
        EXPECT_EQ(rt.figureLabel, "");
        EXPECT_EQ(rt.labelFlip, 0);
        EXPECT_EQ(rt.markRadius, 0);
    }
    EXPECT_EQ(rt.markCount, -3);

    // Exchanged rays mark the three-quarter side.
    pf.ClearRecord();
    QuarterAngle();
    rt.markRadius = 40, rt.markCount = 1, rt.labelFlip = -1;
    rt.DrawAngleMark();
    auto arc = CallsOf(DrawKind::Circle).at(0);
    EXPECT_NEAR(arc.start, 1, 1e-6);
    EXPECT_NEAR(arc.end, 0.75, 1e-6);
}

TEST_F(FigureMarksTest, AngleSizeInDegrees) {
    struct Case {
        float a, b, flip;
        std::string text;
    };
    const Case cases[] = {
        {0, 90, 0, "90"}, {0, 90, -1, "270"}, {350, 10, 0, "20"}, {30, 30, 0, "0"}, {0, 45.26f, 0, "45.3"}, {0, 45.24f, 0, "45.2"},
    };
    for (const Case& c : cases) {
        RaysAt(c.a, c.b);
        rt.labelFlip = c.flip;
        rt.FormatAngleDegrees();
        EXPECT_EQ(rt.angleText, c.text) << c.a << " " << c.b;
        EXPECT_EQ(rt.strArg, c.text);
        EXPECT_GE(rt.angleDegrees, 0);
        EXPECT_LT(rt.angleDegrees, 360);
    }
    QuarterAngle();
    rt.labelFlip = 0;
    rt.FormatAngleDegrees();
    EXPECT_NEAR(rt.angleDegrees, 90, 1e-3);
}

TEST_F(FigureMarksTest, RightAngleCorner) {
    QuarterAngle();
    rt.markRadius = 20, rt.boxColour = 5;
    for (float flip : {0.0f, -1.0f}) {
        pf.ClearRecord();
        rt.labelFlip = flip;
        rt.DrawRightAngleMark();
        auto polys = CallsOf(DrawKind::Poly);
        ASSERT_EQ(polys.size(), 1u);
        ASSERT_EQ(polys[0].points.size(), 3u);
        EXPECT_EQ(polys[0].colour, 5);
        // The same figure either way round.
        const platform::Point a = polys[0].points[flip == 0 ? 0 : 2], b = polys[0].points[flip == 0 ? 2 : 0];
        ExpectAt(a, 420, 300);
        ExpectAt(polys[0].points[1], 420, 280);
        ExpectAt(b, 400, 280);
    }
}

TEST_F(FigureMarksTest, MarksKeepThePenWidth) {
    rt.SetDrawWidth(2);
    Segment(100, 200, 300, 200);
    rt.ratioFirst = 1, rt.ratioSecond = 1, rt.markRadius = 10, rt.markCount = 1, rt.tickSpacing = 8;
    rt.DrawChevronMarks();
    rt.DrawTickMarks();
    QuarterAngle();
    rt.markRadius = 20;
    rt.DrawRightAngleMark();
    rt.markRadius = 40, rt.figureLabel = "1";
    rt.DrawAngleMark();
    for (const DrawCall& call : pf.Calls()) {
        if (call.kind != DrawKind::Text) {
            EXPECT_EQ(call.width, 2);
        }
    }
    EXPECT_EQ(rt.GetDrawWidth(), 2);
}

}  // namespace
