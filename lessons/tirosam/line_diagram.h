// The line diagram of a trip in two parts (walk then run, expressway then
// ordinary road): three points on one horizontal line, P1 the start, P3 the
// end and P2 where the pace changes, with dotted dimension arcs above and
// below for the distances and times. The page keeps the points in
// pointX(1) to pointX(3) and their common y in pointY(1).
#pragma once

#include <string>

#include "platform/basic.h"
#include "runtime/runtime.h"

namespace tirosam {

class LineDiagram {
public:
    LineDiagram(runtime::Runtime& rt, basic::Array<float>& pointX, basic::Array<float>& pointY)
        : rt_(rt), pointX_(pointX), pointY_(pointY) {}

    // P1 = (x, y), P2 `first` to the right of P1, P3 `second` to the right
    // of P2.
    void place(float x, float y, float first, float second);
    float x(int point) const { return pointX_(point); }
    float y() const { return pointY_(1); }
    // The row of a label just under the line: a unit below it, so that its
    // ink stands 3 clear of the 5-wide line it belongs to.
    float below() const { return y() + 1; }

    // The straight line from one point to another, in the pen width in force.
    LineDiagram& line(int from, int to, float colour);
    // The mark at the point where the pace changes: a dot of radius 6 at
    // P2, drawn like the cursor dot of the number field.
    LineDiagram& dot(float colour);
    // A dotted dimension arc from one point to another: `side` -1 above the
    // line, 1 below; `height` of the arc, dots every `step` degrees in
    // `dotColour`, `label` at the apex in `labelColour`, moved `nudgeX`
    // to the right and `nudgeY` down. An empty label draws the dots alone.
    LineDiagram& arc(int from, int to, float side, float height, float step, float dotColour, float labelColour,
                     const std::string& label, float nudgeX = 0, float nudgeY = 0);

private:
    runtime::Runtime& rt_;
    basic::Array<float>& pointX_;
    basic::Array<float>& pointY_;
};

}  // namespace tirosam
