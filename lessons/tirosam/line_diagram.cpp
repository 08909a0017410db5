#include "lessons/tirosam/line_diagram.h"

namespace tirosam {

void LineDiagram::place(float x, float y, float first, float second) {
    pointX_(1) = x;
    pointY_(1) = y;
    pointX_(2) = pointX_(1) + first;
    pointX_(3) = pointX_(2) + second;
}

LineDiagram& LineDiagram::line(int from, int to, float colour) {
    // The labels of a part of the trip stand just above or below its line.
    const runtime::Runtime::FigurePart part(rt_, platform::FigureKind::Rule);
    rt_.Line(x(from), y(), x(to), y(), colour);
    return *this;
}

LineDiagram& LineDiagram::dot(float colour) {
    rt_.Circle(x(2), y(), 6, colour, 0, 0, true);
    return *this;
}

LineDiagram& LineDiagram::arc(int from, int to, float side, float height, float step, float dotColour,
                              float labelColour, const std::string& label, float nudgeX, float nudgeY) {
    rt_.vertexX = x(from);
    rt_.vertexY = y();
    rt_.rayAX = x(to);
    rt_.rayAY = y();
    rt_.labelSide = side;
    rt_.rowGap = height;
    rt_.boxWidth = step;
    rt_.boxColour = dotColour;
    rt_.textColour = labelColour;
    rt_.figureLabel = label;
    rt_.labelNudgeX = nudgeX;
    rt_.labelNudgeY = nudgeY;
    rt_.DrawDimensionArc();
    return *this;
}

}  // namespace tirosam
