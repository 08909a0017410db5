// A written column addition or subtraction of two equations: the upper
// row, the operator and a bracket before the lower row, and a rule under
// both on which the caller writes the result.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawColumnSum() {
    const float left = penX, top = penY;
    const PenWidthScope keepWidth(*this);

    strArg = upperRow;
    MeasureText();
    const float upperWidth = textWidth;
    strArg = lowerRow;
    MeasureText();
    const float lowerWidth = textWidth;
    const float wider = upperWidth > lowerWidth ? upperWidth : lowerWidth;

    penX = left + kColumnSumIndent;
    penY = top;
    textArg = upperRow;
    DrawMarkupText();

    // "+" or "-" and ")" take 27 each, so the bracket closes where both
    // equations begin.
    penX = left;
    penY = top + rowGap + kColumnSumBracketDrop;
    textArg = rowOperator;
    DrawMarkupText();
    textArg = std::string(")");  // (a plain literal trips a false -Wrestrict of GCC 12 here)
    DrawMarkupText();

    penX = left + kColumnSumIndent;
    penY = top + rowGap;
    textArg = lowerRow;
    DrawMarkupText();

    const float ruleY = top + 2 * rowGap;
    const FigurePart rule(*this, platform::FigureKind::Rule);
    SetDrawWidth(3);
    Line(left + kHalfWidthAdvance, ruleY, left + kHalfWidthAdvance + wider + 30, ruleY, boxColour);
    keepWidth.Restore();

    cursorY = top + rowGap;
    resultX = left + kColumnSumIndent;
}

}  // namespace runtime
