// The dotted dimension arc over a segment, with its label beyond the apex.
#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

using figure::kPi;

void Runtime::DrawDimensionArc() {
    const FigurePart figure(*this, platform::FigureKind::Labelled);
    // A height between 0 and 16 counts in steps of 16 units.
    float height = rowGap;
    if (height > 0 && height < 16) height *= 16;
    else if (height < 0) height = -height;
    rowGap = height;

    const float px = vertexX, py = vertexY;
    const float qx = rayAX, qy = rayAY;
    const float half = figure::Distance(qx - px, qy - py) / 2;
    const float centreX = px + half, centreY = py;
    ComputeSegmentAngle();
    const float turn = segmentAngle;

    const float first = labelSide > 0 ? 180 : 0;
    const float last = first + 180;
    const float step = boxWidth;
    // A step that never advances would never reach the end of the arc.
    if (!(step > 0)) basic::Fail(basic::kBadArgument);
    // A segment of no length has no arc over it: this fails before any dot.
    const float across = basic::Div(height, half) * half;

    // The point at `degrees` of the half-ellipse laid over the segment as if
    // it ran from P straight to the right, turned about P onto PQ.
    auto arcPoint = [&](float degrees) {
        const float t = degrees * kPi / 180;
        rayAX = centreX + half * std::cos(t);
        rayAY = centreY - across * std::sin(t);
        ComputeSegmentAngle();
        const float reach = figure::Distance(rayAX - px, rayAY - py);
        return figure::Toward(px, py, reach, turn + segmentAngle);
    };

    loopIndex = first;
    do {
        const platform::Point dot = arcPoint(loopIndex);
        Circle(dot.x, dot.y, 0.5f, boxColour, 0, 0, true);
        const float next = loopIndex + step;
        // A step too small to move a single past its angle stalls there.
        if (!(next > loopIndex)) basic::Fail(basic::kBadArgument);
        loopIndex = next;
    } while (loopIndex <= last);

    const platform::Point apex = arcPoint((first + last) / 2);
    vertexX = apex.x;
    vertexY = apex.y;
    rayAX = px;
    rayAY = py;
    rayBX = qx;
    rayBY = qy;
    // The label stands a little beyond the dots at the apex, out along the
    // bisector; below an arc a fraction's numerator rises above the pen, so
    // it goes further down.
    markRadius = 5;
    labelFlip = labelSide;
    if (labelSide > 0 && basic::KInstr(1, figureLabel, "ﾀ") > 0) labelNudgeY += 6;
    PlaceVertexLabel();
    figureLabel.clear();
}

}  // namespace runtime
