// Directions of segments and rays, and labels set outside a vertex on the
// bisector of its angle.
#include <utility>

#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

using figure::kPi;

void Runtime::ComputeSegmentAngle() {
    segmentAngle = figure::Direction(rayAX - vertexX, rayAY - vertexY);
    angleDegrees = segmentAngle * 180 / kPi;
}

void Runtime::ComputeRayAngles() {
    rayAngleA = figure::Direction(rayAX - vertexX, rayAY - vertexY);
    arcFractionA = 1 - rayAngleA / (2 * kPi);
    rayAngleB = figure::Direction(rayBX - vertexX, rayBY - vertexY);
    arcFractionB = 1 - rayAngleB / (2 * kPi);
    if (labelFlip == -1) {
        std::swap(arcFractionA, arcFractionB);
        std::swap(rayAngleA, rayAngleB);
    }
    // The middle of the sweep counter-clockwise from ray A to ray B.
    bisectorAngle = (rayAngleA + rayAngleB) / 2;
    if (rayAngleA > rayAngleB) bisectorAngle += kPi;
}

void Runtime::PlaceVertexLabel() {
    // The width comes from the markup renderer even for a bold label.
    strArg = figureLabel;
    MeasureText();
    const float width = textWidth;
    ComputeRayAngles();
    const float m = bisectorAngle;
    const float height = basic::KInstr(1, figureLabel, "ﾀ") > 0 ? 40 : 22;
    // A box `width` by 2 * `height` centred on the bisector, just outside
    // the circle of markRadius about the vertex.
    penX = vertexX + markRadius * std::cos(m) - (width / 2) * (1 - std::cos(m)) + labelNudgeX;
    penY = vertexY - markRadius * std::sin(m) - height * (1 + std::sin(m)) + labelNudgeY;
    textArg = figureLabel;
    if (labelStyle == 1) DrawBoldLabel();
    else DrawMarkupText();

    labelFlip = 0;
    figureLabel.clear();
    labelNudgeX = 0;
    labelNudgeY = 0;
    markRadius = 0;
    labelStyle = 0;
}

}  // namespace runtime
