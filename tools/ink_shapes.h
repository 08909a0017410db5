// The ink of a drawing call as simple shapes: axis-parallel rectangles
// (glyphs, level and upright strokes) and segments swept by a disc
// (slanted strokes, dots, pieces of arcs); the gap between two inks, and
// what an opaque box leaves of one.
#pragma once

#include <vector>

namespace layout {

struct Rect {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double Width() const { return x1 - x0; }
    double Height() const { return y1 - y0; }
};

struct Shape {
    // A rectangle of ink, or the segment (x0, y0)-(x1, y1) swept by a
    // disc of `radius`.
    bool segment = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double radius = 0;

    static Shape Area(double x0, double y0, double x1, double y1);
    static Shape Segment(double x0, double y0, double x1, double y1, double radius);
    Rect Bounds() const;
};

// A stroke of pen width `width` from a to b, with the flat ends a
// straight line has: a rectangle when it is level or upright.
Shape Stroke(double ax, double ay, double bx, double by, double width);

// The shortest distance between two inks; 0 when they overlap.
double Gap(const Shape& a, const Shape& b);

// How an opaque box meets an ink.
enum class Coverage { Apart, Fringe, Partly, Whole };
// `depth`: how far the box reaches into a rectangle before it counts as
// more than a fringe of antialiasing.
Coverage CoverageOf(const Rect& box, const Shape& ink, double depth);

// What is left visible of a stroke outside a box: the pieces of a segment
// beyond it, or the bands of a rectangle around it.
std::vector<Shape> OutsideOf(const Rect& box, const Shape& segment);

}  // namespace layout
