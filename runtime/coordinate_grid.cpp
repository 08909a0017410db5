// The numbered coordinate plane: thin lines on every cell, heavy numbered
// lines on every fifth, the axes and the letters x, 0 and y.
// Its routines put back the font they found.
#include <cmath>

#include "runtime/runtime.h"

namespace runtime {

namespace {

// A step of 0 stands for 1, a negative one for its size.
float NormalStep(float step) { return step == 0 ? 1 : std::fabs(step); }

bool MultipleOfFive(float index) { return basic::Mod(index, 5) == 0; }

// Visits every index from `low` in steps of 1 up to the last one not above
// `high`, counted in loopIndex; the first pass comes before the bound test.
template <typename Body>
void EachIndex(Runtime& rt, float low, float high, Body body) {
    rt.loopIndex = low;
    do {
        body(rt.loopIndex);
        // Past 2^24 a single no longer grows by 1: such extents never end.
        const float next = rt.loopIndex + 1;
        if (next == rt.loopIndex) basic::Fail(basic::kBadArgument);
        rt.loopIndex = next;
    } while (rt.loopIndex <= high);
}

}  // namespace

void Runtime::DrawCoordinateGrid() {
    const PenWidthScope keepWidth(*this);
    const FontScope keepFont(*this);
    gridStepX = NormalStep(gridStepX);
    gridStepY = NormalStep(gridStepY);
    gridMinX = basic::Div(gridMinX, gridStepX);
    gridMaxX = basic::Div(gridMaxX, gridStepX);
    gridMinY = basic::Div(gridMinY, gridStepY);
    gridMaxY = basic::Div(gridMaxY, gridStepY);
    if (gridLeft == 0 && gridTop == 0) {
        gridLeft = 640;
        gridTop = 180;
    }
    gridOriginX = gridLeft + gridCell * std::fabs(gridMinX);
    gridOriginY = gridTop + gridCell * gridMaxY;
    gridFrameLeft = gridLeft;
    gridFrameTop = gridTop;
    gridFrameRight = gridOriginX + gridCell * gridMaxX;
    gridFrameBottom = gridOriginY + gridCell * std::fabs(gridMinY);
    tickLabelSize = gridCell < 40 ? 26 : 30;
    pf.SetFontSize(basic::Cint(tickLabelSize));

    if (boxColour != 0) {
        // Thin lines sit half a unit off the cell edges.
        SetDrawWidth(1);
        EachIndex(*this, gridMinX, gridMaxX, [&](float i) {
            const float x = gridOriginX + gridCell * i - 0.5f;
            Line(x, gridFrameTop, x, gridFrameBottom, 0);
        });
        EachIndex(*this, gridMinY, gridMaxY, [&](float j) {
            const float y = gridOriginY - gridCell * j - 0.5f;
            Line(gridFrameLeft, y, gridFrameRight, y, 0);
        });
        // The number of a heavy line; none at the origin or when hidden.
        auto tickNumber = [&](float index) {
            strArg = basic::Str(index);
            StripSpaces();
            textArg = strArg;
            if (index == 0 || tickLabelsHidden == -1) textArg.clear();
            textColour = 0;
        };
        auto drawNumber = [&] {
            if (!textArg.empty()) Symbol(penX, penY, textArg, 2, 1, textColour);
        };
        EachIndex(*this, gridMinX, gridMaxX, [&](float i) {
            if (!MultipleOfFive(i)) return;
            const float x = gridOriginX + gridCell * i;
            SetDrawWidth(3);
            Line(x, gridFrameTop, x, gridFrameBottom, 1);
            tickNumber(i);
            penX = x - static_cast<float>(basic::KLen(textArg)) / 2 * tickLabelSize;
            penY = gridOriginY;
            drawNumber();
        });
        EachIndex(*this, gridMinY, gridMaxY, [&](float j) {
            if (!MultipleOfFive(j)) return;
            const float y = gridOriginY - gridCell * j;
            SetDrawWidth(3);
            Line(gridFrameLeft, y, gridFrameRight, y, 1);
            tickNumber(j);
            penX = gridOriginX - static_cast<float>(basic::KLen(textArg)) * tickLabelSize;
            penY = y - tickLabelSize / 2 - 4;
            drawNumber();
        });
    }

    // The axes, drawn last so that they lie over the heavy lines.
    SetDrawWidth(4);
    Line(gridOriginX, gridFrameTop, gridOriginX, gridFrameBottom, 0);
    SetDrawWidth(4);
    Line(gridFrameLeft, gridOriginY, gridFrameRight, gridOriginY, 0);

    // The letters and the 0 in bold; the x in the serif face, italic and a
    // little smaller.
    pf.SetFontBold(true);
    {
        const FontScope letterFont(*this);
        pf.SetFontName("Times New Roman");
        pf.SetFontSize(basic::Cint(0.8f * tickLabelSize));
        pf.SetFontItalic(true);
        textColour = 0;
        penX = gridFrameRight - 0.8f * tickLabelSize;
        penY = gridOriginY - 1.5f * tickLabelSize;
        Symbol(penX, penY, "x", 3, 2, 0);
    }

    textColour = 0;
    penX = gridOriginX - tickLabelSize;
    penY = gridOriginY;
    textArg = "0";
    Symbol(penX, penY, textArg, 2, 1, 0);

    textColour = 0;
    penX = gridOriginX;
    penY = gridFrameTop - tickLabelSize / 2;
    textArg = "y";
    Symbol(penX, penY, textArg, 2, 1, 0);

    tickLabelsHidden = 0;
}

void Runtime::DrawDecimalAxisLabels() {
    const FontScope keepFont(*this);
    pf.SetFontSize(basic::Cint(tickLabelSize));
    // The value of line `index` as its whole part and first decimal digit,
    // truncated; the point is a glyph of its own, 6 left of where the whole
    // part ends and 4 lower.
    auto label = [&](float index, float step, auto place) {
        const float value = index * step;
        const float size = std::fabs(value);
        const float whole = basic::Int(size);
        const float tenths = basic::Int(10 * size) - 10 * whole;
        strArg = basic::Str(whole);
        StripSpaces();
        const std::string wholeText = (value < 0 ? "-" : "") + strArg;
        strArg = basic::Str(tenths);
        StripSpaces();
        const std::string tenthsText = strArg;
        if (index == 0 || !MultipleOfFive(index)) return;
        textArg = tenths == 0 ? wholeText : wholeText + tenthsText;
        textColour = 0;
        place(static_cast<float>(basic::KLen(textArg)));
        Symbol(penX, penY, textArg, 2, 1, textColour);
        if (tenths != 0) {
            textColour = 0;
            const float pointY = penY + 4;
            penX = penX + static_cast<float>(basic::KLen(wholeText)) * tickLabelSize - 6;
            penY = pointY;
            Symbol(penX, penY, ".", 2, 1, textColour);
        }
    };
    EachIndex(*this, gridMinX, gridMaxX, [&](float i) {
        label(i, gridStepX, [&](float length) {
            penX = gridOriginX + gridCell * i - length / 2 * tickLabelSize;
            penY = gridOriginY + 4;
        });
    });
    EachIndex(*this, gridMinY, gridMaxY, [&](float j) {
        label(j, gridStepY, [&](float length) {
            penX = gridOriginX - length * tickLabelSize;
            penY = gridOriginY - gridCell * j - tickLabelSize / 2;
        });
    });
}

}  // namespace runtime
