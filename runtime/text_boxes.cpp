// Measuring texts, and framed boxes with centred text.
#include "runtime/runtime.h"

namespace runtime {

namespace {

bool HoldsFraction(const std::string& text) { return basic::KInstr(1, text, "ﾀ") > 0; }

}  // namespace

void Runtime::MeasureText() {
    const float keptX = penX, keptY = penY;
    const std::string keptText = strArg;
    penX = 0;
    penY = 1800;
    textArg = strArg;
    // The walk runs exactly as when drawing, below the page; none of it
    // reaches the screen.
    ++measuringDepth_;
    try {
        DrawMarkupText();
    } catch (...) {
        --measuringDepth_;
        throw;
    }
    --measuringDepth_;
    textWidth = penX;
    penX = keptX;
    penY = keptY;
    strArg = keptText;
}

Point Runtime::TextBoxTextAt(float x0, float y0, const std::string& text) {
    const bool fraction = HoldsFraction(text);
    strArg = text;
    MeasureText();
    float pad = (boxWidth - textWidth) / 2;
    if (pad < 0) pad = 0;
    return {x0 + pad, y0 + basic::Int((boxHeight - (fraction ? 50 : 44)) / 2)};
}

void Runtime::DrawTextBox() {
    const float x0 = penX, y0 = penY;
    const std::string text = strArg;
    const Point at = TextBoxTextAt(x0, y0, text);
    BoxFromTo(x0, y0, x0 + boxWidth, y0 + boxHeight, boxColour, boxFill);
    penX = at.x;
    penY = at.y;
    textArg = text;
    DrawMarkupText();
    penX = x0 + boxWidth;
    penY = y0;
}

void Runtime::DrawTextBoxOnBaseline() {
    const float x0 = penX, y0 = penY;
    const std::string text = strArg;
    MeasureText();
    float pad = (boxWidth - textWidth) / 2;
    if (pad < 0) pad = 0;
    const float offset = basic::Int((boxHeight - 44) / 2);
    BoxFromTo(x0, y0 - offset, x0 + boxWidth, y0 + boxHeight - offset, boxColour, boxFill);
    penX = x0 + pad;
    penY = y0;
    textArg = text;
    DrawMarkupText();
    penX = x0 + boxWidth;
    penY = y0;
}

void Runtime::DrawTwoLineTextBox() {
    const float x0 = penX, y0 = penY;
    const float half = boxHeight / 2;
    // Each line's pad and y, measured before anything is drawn for it.
    auto place = [&](const std::string& line, float baseWithout, float baseWith, float& pad, float& y) {
        const bool fraction = HoldsFraction(line);
        strArg = line;
        MeasureText();
        pad = (boxWidth - textWidth) / 2;
        if (pad < 0) pad = 0;
        y = y0 + (fraction ? baseWith + basic::Int((half - 50) / 2) : baseWithout + basic::Int((half - 44) / 2));
    };
    float upperPad, upperY;
    place(upperRow, 0, 0, upperPad, upperY);
    if (lowerRow.empty()) upperY += 25;
    BoxFromTo(x0, y0, x0 + boxWidth, y0 + boxHeight, boxColour, boxFill);
    penX = x0 + upperPad;
    penY = upperY;
    textArg = upperRow;
    DrawMarkupText();

    float lowerPad, lowerY;
    place(lowerRow, 44, 50, lowerPad, lowerY);
    penX = x0 + lowerPad;
    penY = lowerY;
    textArg = lowerRow;
    DrawMarkupText();
    penX = x0 + boxWidth;
    penY = y0;
}

}  // namespace runtime
