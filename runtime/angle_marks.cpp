// Marks at the vertex of an angle: arcs or a sector with a label, the
// angle's size in degrees, and the right-angle corner.
#include "runtime/figure_math.h"
#include "runtime/runtime.h"

namespace runtime {

using figure::kPi;

void Runtime::DrawAngleMark() {
    ComputeRayAngles();
    if (markCount > 6) markCount = 1;
    if (markCount > 0) {
        // Concentric arcs inside markRadius, 8 apart, none at markRadius.
        float radius = markRadius;
        float k = 1;
        do {
            radius -= 8;
            Circle(vertexX, vertexY, radius, boxFill, arcFractionB, arcFractionA, false);
        } while (++k <= markCount);
    } else {
        Circle(vertexX, vertexY, markRadius, boxColour, arcFractionB, arcFractionA, true, boxFill);
    }
    PlaceVertexLabel();
}

void Runtime::FormatAngleDegrees() {
    ComputeRayAngles();
    if (rayAngleA > rayAngleB) rayAngleB += 2 * kPi;
    const float sweep = rayAngleB - rayAngleA;
    angleDegrees = sweep * 180 / kPi;
    const float tenths = static_cast<float>(basic::Cint(angleDegrees * 10));
    strArg = basic::Str(tenths / 10);
    StripSpaces();
    angleText = strArg;
}

void Runtime::DrawRightAngleMark() {
    ComputeRayAngles();
    const float r = markRadius;
    const platform::Point onA = figure::Toward(vertexX, vertexY, r, rayAngleA);
    const platform::Point onB = figure::Toward(vertexX, vertexY, r, rayAngleB);
    const platform::Point corner = figure::Toward(onA.x, onA.y, r, rayAngleB);
    Poly(boxColour, {onA, corner, onB});
}

}  // namespace runtime
