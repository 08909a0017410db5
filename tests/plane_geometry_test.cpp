// Feet of perpendiculars, crossings, edges and points on a half-ellipse.
#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

class PlaneGeometryTest : public RuntimeTest {
protected:
    void LineAB(float ax, float ay, float bx, float by) {
        rt.pointAX = ax, rt.pointAY = ay, rt.pointBX = bx, rt.pointBY = by;
    }
    void PointC(float x, float y) { rt.pointCX = x, rt.pointCY = y; }
    void LineCD(float cx, float cy, float dx, float dy) {
        PointC(cx, cy);
        rt.pointDX = dx, rt.pointDY = dy;
    }
};

TEST_F(PlaneGeometryTest, FootOfThePerpendicular) {
    struct Case {
        float ax, ay, bx, by, cx, cy, footX, footY;
    };
    const Case cases[] = {
        {100, 300, 500, 300, 250, 100, 250, 300},  // horizontal line
        {400, 0, 400, 500, 250, 100, 400, 100},    // vertical line
        {0, 0, 100, 100, 50, 50, 50, 50},          // C on the line
        {0, 0, 100, 100, 100, 0, 50, 50},          // oblique
        {30, 40, 30, 40, 250, 100, 30, 100},       // A = B counts as vertical
    };
    for (const Case& c : cases) {
        pf.ClearRecord();
        LineAB(c.ax, c.ay, c.bx, c.by);
        PointC(c.cx, c.cy);
        rt.MarkFootOfPerpendicular();
        ExpectAt({rt.footX, rt.footY}, c.footX, c.footY);
        auto dots = CallsOf(DrawKind::Circle);
        ASSERT_EQ(dots.size(), 1u);
        ExpectAt(dots[0].points[0], c.footX, c.footY);
        EXPECT_EQ(dots[0].radius, 2);
        EXPECT_EQ(dots[0].colour, 15);
        EXPECT_TRUE(dots[0].filled);
    }
}

TEST_F(PlaneGeometryTest, CrossingOfTwoLines) {
    struct Case {
        float ab[4], cd[4];
        float x, y;
    };
    const Case cases[] = {
        {{200, 0, 200, 100}, {0, 50, 100, 50}, 200, 50},
        {{0, 50, 100, 50}, {200, 0, 200, 100}, 200, 50},
        {{0, 0, 100, 100}, {0, 100, 100, 0}, 50, 50},
        // A slope of 1000 is an ordinary slope.
        {{0, 0, 1, 1000}, {0, 500, 10, 500}, 0.5f, 500},
    };
    for (const Case& c : cases) {
        LineAB(c.ab[0], c.ab[1], c.ab[2], c.ab[3]);
        LineCD(c.cd[0], c.cd[1], c.cd[2], c.cd[3]);
        rt.IntersectLines();
        EXPECT_EQ(rt.linesParallel, 0);
        ExpectAt({rt.intersectX, rt.intersectY}, c.x, c.y);
    }
    // Parallel lines report so and leave the last crossing whole.
    const float parallel[][8] = {
        {0, 0, 100, 100, 0, 50, 100, 150}, {10, 0, 10, 100, 20, 0, 20, 100}, {0, 10, 100, 10, 0, 20, 50, 20}};
    for (const auto& p : parallel) {
        rt.intersectX = 7, rt.intersectY = 8;
        LineAB(p[0], p[1], p[2], p[3]);
        LineCD(p[4], p[5], p[6], p[7]);
        rt.IntersectLines();
        EXPECT_EQ(rt.linesParallel, 1);
        EXPECT_EQ(rt.intersectX, 7);
        EXPECT_EQ(rt.intersectY, 8);
    }
}

TEST_F(PlaneGeometryTest, WhereALineMeetsAnEdge) {
    struct Case {
        float ab[4], cx, cy, x, y;
    };
    const float kept = 99;
    const Case cases[] = {
        {{0, 0, 100, 50}, -1, 25, 50, 25},
        {{0, 0, 100, 50}, 60, -1, 60, 30},
        {{0, 0, 100, 50}, 60, 25, kept, kept},    // no edge given
        {{0, 0, 100, 50}, -1, -1, -1, -0.5f},     // the vertical edge wins
        {{40, 0, 40, 100}, -1, 25, 40, 25},       // vertical line, horizontal edge
        {{40, 0, 40, 100}, 60, -1, kept, kept},   // vertical line, vertical edge
        {{0, 30, 100, 30}, 60, -1, 60, 30},       // horizontal line, vertical edge
        {{0, 30, 100, 30}, -1, 25, kept, kept},   // horizontal line, horizontal edge
        {{0, 30, 100, 30}, -1, -1, -1, 30},
    };
    for (const Case& c : cases) {
        rt.clipX = kept, rt.clipY = kept;
        LineAB(c.ab[0], c.ab[1], c.ab[2], c.ab[3]);
        PointC(c.cx, c.cy);
        rt.ClipLineToAxes();
        ExpectAt({rt.clipX, rt.clipY}, c.x, c.y);
    }
}

TEST_F(PlaneGeometryTest, PointOnTheHalfEllipseOverASegment) {
    struct Case {
        float ax, ay, angle, x, y;
    };
    const Case cases[] = {
        {100, 0, 90, 50, -50}, {100, 0, 0, 100, 0}, {100, 0, 180, 0, 0}, {0, -100, 90, -50, -50},
    };
    for (const Case& c : cases) {
        rt.vertexX = 0, rt.vertexY = 0, rt.rayAX = c.ax, rt.rayAY = c.ay;
        rt.rowGap = 50;
        rt.arcAngle = c.angle;
        rt.ConstructAngle();
        ExpectAt({rt.anglePointX, rt.anglePointY}, c.x, c.y, 3e-3f);
    }
    rt.vertexX = 0, rt.vertexY = 0, rt.rayAX = 100, rt.rayAY = 0, rt.arcAngle = 90;
    rt.ConstructAngle();
    ExpectAt({rt.rayAX, rt.rayAY}, 50, -50, 3e-3f);
    ExpectAt({rt.rayBX, rt.rayBY}, 50, 0);
    EXPECT_EQ(rt.vertexX, 0);

    rt.rayAX = 0, rt.rayAY = 0;
    EXPECT_EQ(FailureCode([&] { rt.ConstructAngle(); }), basic::kDivisionByZero);
}

}  // namespace
