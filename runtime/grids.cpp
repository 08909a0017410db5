// The square grid of Tirosam's figures and its origin.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawGrid() {
    const PenWidthScope keepWidth(*this);
    gridFrameLeft = gridLeft;
    gridFrameTop = gridTop;
    gridFrameRight = gridFrameLeft + gridCell * gridColumns;
    gridFrameBottom = gridFrameTop + gridCell * boxHeight;
    // Figures count grid units up and to the right from the bottom-left corner.
    gridOriginX = gridFrameLeft;
    gridOriginY = gridFrameBottom;
    // The background colour asks only for the origin.
    if (boxColour == 15) return;

    // From 2^24 on a single no longer grows by 1, so a loop up to such a
    // count would never end: a bad argument, before anything is drawn.
    constexpr float kEndlessCount = 16777216;
    if (gridColumns >= kEndlessCount || boxHeight >= kEndlessCount) basic::Fail(basic::kBadArgument);

    boxFill = 14;
    // Every fifth line from the left and from the bottom edge is heavy.
    auto gridLine = [&](float x1, float y1, float x2, float y2) {
        const bool heavy = basic::Mod(loopIndex, 5) == 0;
        SetDrawWidth(heavy ? 3 : 1);
        Line(x1, y1, x2, y2, heavy ? boxFill : boxColour);
    };
    for (loopIndex = 0; loopIndex <= gridColumns; ++loopIndex) {
        const float x = gridLeft + gridCell * loopIndex;
        gridLine(x, gridFrameTop, x, gridFrameBottom);
    }
    for (loopIndex = 0; loopIndex <= boxHeight; ++loopIndex) {
        const float y = gridFrameBottom - gridCell * loopIndex;
        gridLine(gridFrameLeft, y, gridFrameRight, y);
    }
}

}  // namespace runtime
