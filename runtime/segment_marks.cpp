// Marks along a segment: chevrons beyond a division point, and ticks
// across it.
#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawChevronMarks() {
    const float dx = segmentEndX - segmentStartX, dy = segmentEndY - segmentStartY;
    const platform::Point u = figure::Unit(dx, dy);
    const platform::Point w = {-u.y, u.x};
    const float share = basic::Div(ratioFirst, ratioFirst + ratioSecond);
    const float divideX = segmentStartX + share * dx, divideY = segmentStartY + share * dy;
    if (markCount <= 0 || markCount > 6) markCount = 1;
    const float r = markRadius;
    // Counted like the programs' loops: the bound is tested after the body.
    float k = 1;
    do {
        const float tip = 16 * k, back = 16 * k - r;
        const float tipX = divideX + tip * u.x, tipY = divideY + tip * u.y;
        const float baseX = divideX + back * u.x, baseY = divideY + back * u.y;
        Line(baseX + r / 2 * w.x, baseY + r / 2 * w.y, tipX, tipY, boxColour);
        Line(baseX - r / 2 * w.x, baseY - r / 2 * w.y, tipX, tipY, boxColour);
    } while (++k <= markCount);
}

void Runtime::DrawTickMarks() {
    if (tickSpacing == 0 || tickSpacing > 30) tickSpacing = 8;
    const platform::Point u = figure::Unit(segmentEndX - segmentStartX, segmentEndY - segmentStartY);
    const float baseX = (segmentStartX + segmentEndX) / 2 + tickOffset * u.x;
    const float baseY = (segmentStartY + segmentEndY) / 2 + tickOffset * u.y;
    if (markCount < 0 || markCount > 6) markCount = 1;
    const float spacing = tickSpacing;
    const float r = markRadius;
    // The running distance lives in tickSpacing itself, as callers see it.
    float k = 1;
    do {
        const float cx = baseX + tickSpacing * u.x, cy = baseY + tickSpacing * u.y;
        Line(cx + r * u.y, cy - r * u.x, cx - r * u.y, cy + r * u.x, boxColour);
        tickSpacing += spacing;
    } while (++k <= markCount);
}

}  // namespace runtime
