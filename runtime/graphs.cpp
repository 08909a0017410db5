// Points and function graphs on the coordinate plane, plotted as dots.
#include "runtime/runtime.h"

namespace runtime {

namespace {

// The screen point of the value pair (u, v) on the plane.
platform::Point OnPlane(const Runtime& rt, float u, float v) {
    return {rt.gridOriginX + rt.gridCell * basic::Div(u, rt.gridStepX),
            rt.gridOriginY - rt.gridCell * basic::Div(v, rt.gridStepY)};
}

void DefaultSteps(Runtime& rt) {
    if (rt.gridStepX == 0) rt.gridStepX = 1;
    if (rt.gridStepY == 0) rt.gridStepY = 1;
}

}  // namespace

void Runtime::PlotLabelledPoint() {
    DefaultSteps(*this);
    const platform::Point centre = OnPlane(*this, plotPointX, plotPointY);
    Circle(centre.x, centre.y, plotPointRadius, boxFill, 0, 0, true);
    textColour = boxFill;
    penX = centre.x - 20 + plotLabelNudgeX;
    penY = centre.y - 40 + plotLabelNudgeY;
    textArg = figureLabel;
    DrawMarkupText();
    plotLabelNudgeX = 0;
    plotLabelNudgeY = 0;
}

void Runtime::PlotFunctionGraph() {
    const PenWidthScope keepWidth(*this);
    DefaultSteps(*this);
    if (graphKind == 4 && graphCoefB == 0) {
        // a*x = c: the vertical line at x = c/a.
        graphCoefC = basic::Div(graphCoefC, graphCoefA);
        DrawVerticalGraphLine();
    } else {
        if (graphKind == 4) {
            // a*x + b*y = c as y = (-a/b)*x + c/b.
            graphCoefA = basic::Div(-graphCoefA, graphCoefB);
            graphCoefB = basic::Div(graphCoefC, graphCoefB);
            graphKind = 3;
        }
        PlotCurveDots();
    }
    // The label goes where the plot left the pen.
    textColour = boxFill;
    penX += plotLabelNudgeX;
    penY += plotLabelNudgeY;
    textArg = figureLabel;
    DrawMarkupText();
    plotLabelNudgeX = 0;
    plotLabelNudgeY = 0;
    gridStepX = 1;
    gridStepY = 1;
}

void Runtime::PlotCurveDots() {
    auto f = [&](float x) {
        if (graphKind == 1) return basic::Div(graphCoefA, x);
        if (graphKind == 2) return graphCoefA * basic::Power(x, 2);
        return graphCoefA * x + graphCoefB;
    };
    // Only the straight line is defined at x = 0; the others step over it.
    const bool skipsZero = graphKind != 3;
    boxWidth = 5000;
    float x = gridMinX;
    if (skipsZero && x == 0) x = 0.002f;
    float y = f(x);
    const float step = (gridMaxX - gridMinX) / boxWidth;
    for (loopIndex = 0; loopIndex <= 5000; ++loopIndex) {
        const platform::Point dot = OnPlane(*this, x, y);
        if (gridFrameTop <= dot.y && dot.y <= gridFrameBottom) {
            penX = dot.x;
            penY = dot.y;
            Circle(dot.x, dot.y, 1, boxFill, 0, 0, true);
        }
        x += step;
        if (skipsZero && x == 0) x += step;
        y = f(x);
    }
}

void Runtime::DrawVerticalGraphLine() {
    SetDrawWidth(5);
    const platform::Point bottom = OnPlane(*this, graphCoefC, gridMinY);
    const platform::Point top = OnPlane(*this, graphCoefC, gridMaxY);
    Line(bottom.x, bottom.y, top.x, top.y, boxFill);
    penX = bottom.x + 10;
    penY = top.y;
}

}  // namespace runtime
