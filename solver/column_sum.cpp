// The solver's written column sum: the two multiplied equations term under
// term, the operator with ")" before the lower one, and the rule.
#include "solver/elimination_solver.h"

namespace solver {

void EliminationSolver::DrawSolverColumnSum() {
    const float left = rt.penX, top = rt.penY;
    const runtime::Runtime::PenWidthScope keepWidth(rt);

    // The rule runs under the wider whole row, however its pieces are spread.
    rt.upperRow = rt.rowText(1) + rt.rowText(2) + rt.rowText(5);
    rt.lowerRow = rt.rowText(3) + rt.rowText(4) + rt.rowText(6);
    rt.strArg = rt.upperRow;
    rt.MeasureText();
    const float upperWidth = rt.textWidth;
    rt.strArg = rt.lowerRow;
    rt.MeasureText();
    const float lowerWidth = rt.textWidth;
    const float widest = upperWidth > lowerWidth ? upperWidth : lowerWidth;

    // The columns were laid out from left + 40; the terms stand 14 further
    // right, clear of the operator and its ")".
    for (int i = 5; i <= 7; ++i) rt.colX(i) = rt.colX(i) - 40 + runtime::kColumnSumIndent;

    DrawAlignedRow(top, 1, 2, rt.rowText(5));
    Pause();
    DrawAlignedRow(top + rt.rowGap, 3, 4, rt.rowText(6));
    Pause();

    rt.penX = left;
    rt.penY = top + rt.rowGap + runtime::kColumnSumBracketDrop;
    rt.textArg = rt.rowOperator;
    rt.DrawMarkupText();
    rt.textArg = std::string(")");
    rt.DrawMarkupText();

    const runtime::Runtime::FigurePart rule(rt, platform::FigureKind::Rule);
    rt.SetDrawWidth(3);
    const float ruleY = top + 2 * rt.rowGap;
    rt.Line(left + runtime::kHalfWidthAdvance, ruleY, left + runtime::kHalfWidthAdvance + widest + 60, ruleY,
            rt.boxColour);
    keepWidth.Restore();

    rt.cursorY = top + rt.rowGap;
    rt.sumResultX = left + runtime::kHalfWidthAdvance + widest + 40 + 30;
}

}  // namespace solver
