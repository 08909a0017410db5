// Closed outlines through a list of corners, with a letter or a name at
// every corner.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawPolygon() {
    const PenWidthScope keepWidth(*this);
    for (loopIndex = 1; loopIndex <= polygonCount; ++loopIndex) {
        const int i = static_cast<int>(loopIndex);
        const int j = loopIndex == polygonCount ? 1 : i + 1;
        SetDrawWidth(polygonPenWidth);
        Line(polygonPoints(i, 1), polygonPoints(i, 2), polygonPoints(j, 1), polygonPoints(j, 2), boxColour);
    }
    // Every corner label resets markRadius, so the distance is kept for all.
    polygonLabelDistance = markRadius;
    if (figureLabel == "1") LabelPolygonNames();
    else if (!figureLabel.empty()) LabelPolygonLetters();
    figureLabel.clear();
}

namespace {

// The corner `steps` places on from corner i, counted around the outline.
int CornerAfter(int i, int steps, float count) {
    int j = i + steps;
    if (static_cast<float>(j) > count) j -= static_cast<int>(count);
    return j;
}

// Sets up the label of corner i: it sits on the bisector between the rays
// towards the next corner and the one after it, exchanged, at the distance
// the outline kept.
void AimAtCorner(Runtime& rt, int i) {
    const int j = CornerAfter(i, 1, rt.polygonCount), k = CornerAfter(i, 2, rt.polygonCount);
    rt.vertexX = rt.polygonPoints(i, 1);
    rt.vertexY = rt.polygonPoints(i, 2);
    rt.rayAX = rt.polygonPoints(j, 1);
    rt.rayAY = rt.polygonPoints(j, 2);
    rt.rayBX = rt.polygonPoints(k, 1);
    rt.rayBY = rt.polygonPoints(k, 2);
    rt.labelFlip = -1;
    rt.markRadius = rt.polygonLabelDistance;
}

}  // namespace

void Runtime::LabelPolygonLetters() {
    const int code = basic::Asc(figureLabel);
    for (int i = 1; static_cast<float>(i) <= polygonCount; ++i) {
        AimAtCorner(*this, i);
        figureLabel = basic::Chr(code + i - 1);
        PlaceVertexLabel();
    }
}

void Runtime::LabelPolygonNames() {
    for (int i = 1; static_cast<float>(i) <= polygonCount; ++i) {
        AimAtCorner(*this, i);
        figureLabel = vertexNames(i);
        PlaceVertexLabel();
    }
}

}  // namespace runtime
