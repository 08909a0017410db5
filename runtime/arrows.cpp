// Arrows with open heads, and the slope triangle drawn with two of them.
#include <utility>

#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawArrowLine() {
    // The head goes at the tip, kept in (vertexX, vertexY); the tail is in
    // (arrowEndX, arrowEndY).
    auto exchangeEnds = [&] {
        std::swap(vertexX, arrowEndX);
        std::swap(vertexY, arrowEndY);
    };
    if (arrowDirection != -1) exchangeEnds();
    const float r = markRadius;
    for (;;) {
        // An arrow without length has no direction: it fails before drawing.
        const platform::Point u = figure::Unit(vertexX - arrowEndX, vertexY - arrowEndY);
        Line(arrowEndX, arrowEndY, vertexX, vertexY, boxColour);
        const float baseX = vertexX - r * u.x, baseY = vertexY - r * u.y;
        Line(baseX - r / 2 * u.y, baseY + r / 2 * u.x, vertexX, vertexY, boxColour);
        Line(baseX + r / 2 * u.y, baseY - r / 2 * u.x, vertexX, vertexY, boxColour);
        if (arrowHeads != 2) break;
        arrowHeads = 0;
        exchangeEnds();
    }
    arrowDirection = 0;
}

void Runtime::DrawSlopeTriangle() {
    if (slopeX2 < slopeX1) {
        std::swap(slopeX1, slopeX2);
        std::swap(slopeY1, slopeY2);
    }
    SetDrawWidth(4);
    auto arrow = [&](float x1, float y1, float x2, float y2, float colour) {
        vertexX = x1, vertexY = y1, arrowEndX = x2, arrowEndY = y2;
        arrowDirection = 1;
        boxColour = colour;
        markRadius = 16;
        DrawArrowLine();
    };
    arrow(slopeX1, slopeY1, slopeX2, slopeY1, 7);  // the run
    arrow(slopeX2, slopeY1, slopeX2, slopeY2, 3);  // the rise

    strArg = basic::Str(basic::Div(slopeX2 - slopeX1, gridCell));
    StripSpaces();
    runText = strArg;
    // The rise counts upwards on the screen.
    const float rise = basic::Div(slopeY1 - slopeY2, gridCell);
    strArg = basic::Str(rise);
    StripSpaces();
    riseText = strArg;
    // The number text writes no zero before the point of a value below 1.
    if (std::fabs(rise) < 1) riseText = rise < 0 ? "-0" + riseText.substr(1) : "0" + riseText;

    if (!slopeLabels.empty() && slopeLabels[0] == 'y') LabelRun();
    if (slopeLabels.size() > 1 && slopeLabels[1] == 'y') LabelRise();
}

void Runtime::LabelRun() {
    penY = slopeY2 < slopeY1 ? slopeY1 - 44 : slopeY1;
    textColour = 7;
    penX = (slopeX1 + slopeX2) / 2 - 14;
    textArg = runText;
    DrawMarkupText();
}

void Runtime::LabelRise() {
    textColour = 3;
    penX = slopeX2;
    penY = (slopeY1 + slopeY2) / 2 - 16;
    textArg = riseText;
    DrawMarkupText();
}

}  // namespace runtime
