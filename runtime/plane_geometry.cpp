// Feet of perpendiculars, crossings of lines, where a line meets an edge,
// and points on the half-ellipse over a segment.
#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

using figure::kPi;

namespace {

// A line through two points: vertical at x, or y = slope * x + intercept.
// Slopes are taken in screen coordinates.
struct LineThrough {
    bool vertical = false;
    float x = 0;
    float slope = 0, intercept = 0;
};

// Equal y is tested first, so two equal points make a horizontal line.
LineThrough Through(float x1, float y1, float x2, float y2) {
    LineThrough line;
    if (y1 == y2) {
        line.intercept = y1;
    } else if (x1 == x2) {
        line.vertical = true;
        line.x = x1;
    } else {
        line.slope = (y2 - y1) / (x2 - x1);
        line.intercept = y1 - line.slope * x1;
    }
    return line;
}

}  // namespace

void Runtime::MarkFootOfPerpendicular() {
    // A vertical line comes first, so two equal points count as one.
    if (pointAX == pointBX) {
        footX = pointAX;
        footY = pointCY;
    } else if (pointAY == pointBY) {
        footX = pointCX;
        footY = pointAY;
    } else {
        const float m = (pointBY - pointAY) / (pointBX - pointAX);
        const float b = pointAY - m * pointAX;
        const float p = -1 / m;
        const float q = pointCY - p * pointCX;
        footX = basic::Div(-(b - q), m - p);
        footY = basic::Div(m * q - p * b, m - p);
    }
    Circle(footX, footY, 2, 15, 0, 0, true);
}

void Runtime::IntersectLines() {
    const LineThrough ab = Through(pointAX, pointAY, pointBX, pointBY);
    const LineThrough cd = Through(pointCX, pointCY, pointDX, pointDY);
    // Parallel lines (two vertical ones among them) have no crossing: the
    // last crossing found stays as it was.
    if (ab.vertical ? cd.vertical : !cd.vertical && ab.slope == cd.slope) {
        linesParallel = 1;
        return;
    }
    linesParallel = 0;
    if (ab.vertical) {
        intersectX = ab.x;
        intersectY = cd.slope * intersectX + cd.intercept;
    } else if (cd.vertical) {
        intersectX = cd.x;
        intersectY = ab.slope * intersectX + ab.intercept;
    } else {
        const float rise = cd.intercept - ab.intercept, turn = cd.slope - ab.slope;
        intersectX = basic::Div(-rise, turn);
        intersectY = basic::Div(-ab.slope * rise + turn * ab.intercept, turn);
    }
}

void Runtime::ClipLineToAxes() {
    // A negative coordinate of C says which edge it gives: x < 0 the
    // horizontal edge y = yC, y < 0 the vertical edge x = xC (which wins when
    // both are). A line parallel to its edge never meets it.
    const bool horizontalEdge = pointCX < 0, verticalEdge = pointCY < 0;
    if (pointAX == pointBX) {
        if (horizontalEdge) {
            clipX = pointAX;
            clipY = pointCY;
        }
        return;
    }
    if (pointAY == pointBY) {
        if (verticalEdge) {
            clipX = pointCX;
            clipY = pointAY;
        }
        return;
    }
    const float m = (pointBY - pointAY) / (pointBX - pointAX);
    const float b = pointAY - m * pointAX;
    if (horizontalEdge) {
        clipX = basic::Div(pointCY - b, m);
        clipY = pointCY;
    }
    if (verticalEdge) {
        clipY = m * pointCX + b;
        clipX = pointCX;
    }
}

void Runtime::ConstructAngle() {
    const float half = figure::Distance(rayAX - vertexX, rayAY - vertexY) / 2;
    rayBX = vertexX + half;
    rayBY = vertexY;
    ComputeSegmentAngle();
    const float turn = segmentAngle;
    const float a = arcAngle * kPi / 180;
    // A segment without length has no half-ellipse over it.
    const float across = basic::Div(rowGap, half) * half;
    rayAX = rayBX + half * std::cos(a);
    rayAY = rayBY - across * std::sin(a);
    ComputeSegmentAngle();
    const float reach = figure::Distance(rayAX - vertexX, rayAY - vertexY);
    const platform::Point point = figure::Toward(vertexX, vertexY, reach, turn + segmentAngle);
    anglePointX = point.x;
    anglePointY = point.y;
}

}  // namespace runtime
