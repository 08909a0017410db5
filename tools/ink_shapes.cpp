#include "tools/ink_shapes.h"

#include <algorithm>
#include <cmath>

namespace layout {

namespace {

struct Vec {
    double x, y;
};

double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

double PointToSegment(Vec p, Vec a, Vec b) {
    const Vec ab{b.x - a.x, b.y - a.y}, ap{p.x - a.x, p.y - a.y};
    const double length2 = Dot(ab, ab);
    const double t = length2 > 0 ? std::clamp(Dot(ap, ab) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * ab.x), p.y - (a.y + t * ab.y));
}

double Cross(Vec o, Vec a, Vec b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool SegmentsCross(Vec a, Vec b, Vec c, Vec d) {
    const double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

double SegmentToSegment(Vec a, Vec b, Vec c, Vec d) {
    if (SegmentsCross(a, b, c, d)) return 0;
    return std::min({PointToSegment(a, c, d), PointToSegment(b, c, d), PointToSegment(c, a, b),
                     PointToSegment(d, a, b)});
}

bool Inside(Vec p, const Rect& r) { return p.x >= r.x0 && p.x <= r.x1 && p.y >= r.y0 && p.y <= r.y1; }

double RectToRect(const Rect& a, const Rect& b) {
    const double dx = std::max({0.0, a.x0 - b.x1, b.x0 - a.x1});
    const double dy = std::max({0.0, a.y0 - b.y1, b.y0 - a.y1});
    return std::hypot(dx, dy);
}

double SegmentToRect(Vec a, Vec b, const Rect& r) {
    if (Inside(a, r) || Inside(b, r)) return 0;
    const Vec corners[4] = {{r.x0, r.y0}, {r.x1, r.y0}, {r.x1, r.y1}, {r.x0, r.y1}};
    double best = 1e300;
    for (int i = 0; i < 4; ++i) best = std::min(best, SegmentToSegment(a, b, corners[i], corners[(i + 1) % 4]));
    return best;
}

// The parameter range [t0, t1] of a -> b that lies inside the box; false
// when none does (Liang and Barsky's clipping).
bool ClipToBox(Vec a, Vec b, const Rect& box, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.x0, box.x1 - a.x, a.y - box.y0, box.y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

Shape Shape::Area(double x0, double y0, double x1, double y1) {
    Shape s;
    s.x0 = std::min(x0, x1);
    s.y0 = std::min(y0, y1);
    s.x1 = std::max(x0, x1);
    s.y1 = std::max(y0, y1);
    return s;
}

Shape Shape::Segment(double x0, double y0, double x1, double y1, double radius) {
    Shape s;
    s.segment = true;
    s.x0 = x0;
    s.y0 = y0;
    s.x1 = x1;
    s.y1 = y1;
    s.radius = radius;
    return s;
}

Rect Shape::Bounds() const {
    const double r = segment ? radius : 0;
    return {std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r};
}

Shape Stroke(double ax, double ay, double bx, double by, double width) {
    const double half = width / 2;
    if (ay == by) return Shape::Area(ax, ay - half, bx, ay + half);
    if (ax == bx) return Shape::Area(ax - half, ay, ax + half, by);
    return Shape::Segment(ax, ay, bx, by, half);
}

double Gap(const Shape& a, const Shape& b) {
    if (!a.segment && !b.segment) return RectToRect(a.Bounds(), b.Bounds());
    if (a.segment && b.segment)
        return std::max(0.0, SegmentToSegment({a.x0, a.y0}, {a.x1, a.y1}, {b.x0, b.y0}, {b.x1, b.y1}) - a.radius -
                                 b.radius);
    const Shape& seg = a.segment ? a : b;
    const Shape& area = a.segment ? b : a;
    return std::max(0.0, SegmentToRect({seg.x0, seg.y0}, {seg.x1, seg.y1}, area.Bounds()) - seg.radius);
}

Coverage CoverageOf(const Rect& box, const Shape& ink, double depth) {
    const Rect r = ink.Bounds();
    const double overlapX = std::min(box.x1, r.x1) - std::max(box.x0, r.x0);
    const double overlapY = std::min(box.y1, r.y1) - std::max(box.y0, r.y0);
    if (overlapX <= 0 || overlapY <= 0) return Coverage::Apart;
    if (r.x0 >= box.x0 && r.x1 <= box.x1 && r.y0 >= box.y0 && r.y1 <= box.y1) return Coverage::Whole;
    if (ink.segment) {
        // A slanted stroke's bounds overstate it: clip the stroke itself.
        double t0, t1;
        const Rect grown{box.x0 - ink.radius, box.y0 - ink.radius, box.x1 + ink.radius, box.y1 + ink.radius};
        if (!ClipToBox({ink.x0, ink.y0}, {ink.x1, ink.y1}, grown, t0, t1)) return Coverage::Apart;
    }
    if (std::min(overlapX, overlapY) <= depth) return Coverage::Fringe;
    return Coverage::Partly;
}

std::vector<Shape> OutsideOf(const Rect& box, const Shape& s) {
    if (!s.segment) {
        // Up to four bands around the box: left and right full height,
        // above and below between them.
        const Rect r = s.Bounds();
        if (box.x1 <= r.x0 || box.x0 >= r.x1 || box.y1 <= r.y0 || box.y0 >= r.y1) return {s};
        std::vector<Shape> rest;
        const double midX0 = std::max(r.x0, box.x0), midX1 = std::min(r.x1, box.x1);
        if (box.x0 > r.x0) rest.push_back(Shape::Area(r.x0, r.y0, box.x0, r.y1));
        if (box.x1 < r.x1) rest.push_back(Shape::Area(box.x1, r.y0, r.x1, r.y1));
        if (box.y0 > r.y0) rest.push_back(Shape::Area(midX0, r.y0, midX1, box.y0));
        if (box.y1 < r.y1) rest.push_back(Shape::Area(midX0, box.y1, midX1, r.y1));
        return rest;
    }
    double t0, t1;
    if (!ClipToBox({s.x0, s.y0}, {s.x1, s.y1}, box, t0, t1)) return {s};
    std::vector<Shape> rest;
    const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    auto piece = [&](double from, double to) {
        if (to - from <= 1e-9) return;
        rest.push_back(
            Shape::Segment(s.x0 + from * dx, s.y0 + from * dy, s.x0 + to * dx, s.y0 + to * dy, s.radius));
    };
    piece(0, t0);
    piece(t1, 1);
    return rest;
}

}  // namespace layout
