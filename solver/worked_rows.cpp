// The two branches of the solver and the rows they draw. Both are the same
// steps with x and y exchanged: the variable of the combined equation is
// found first, substituted into the receiving equation, and the other one
// follows from it.
#include <string>

#include "solver/elimination_solver.h"

namespace solver {

namespace {

using runtime::LinearSystem;
using Branch = EliminationSolver::Branch;

// y cancels: x is found first, its term ends on the x column's edge, and
// the receiving equation's a multiplies the known x.
const Branch kYEliminated{"x", "y", 5, 6, 27, 28,
                          &LinearSystem::xText, &LinearSystem::xTextParen,
                          &LinearSystem::yText, &LinearSystem::yTextParen};
// x cancels: y is found first, its term ends on the y column's edge, and
// the receiving equation's b multiplies the known y.
const Branch kXEliminated{"y", "x", 6, 7, 28, 27,
                          &LinearSystem::yText, &LinearSystem::yTextParen,
                          &LinearSystem::xText, &LinearSystem::xTextParen};

}  // namespace

void EliminationSolver::ShowSolutionYEliminated() { ShowSolution(kYEliminated); }

void EliminationSolver::ShowSolutionXEliminated() { ShowSolution(kXEliminated); }

void EliminationSolver::ShowSolution(const Branch& branch) {
    WorkOutBranch(branch);
    DrawBracedSystem();
    DrawElimination(branch);
    DrawBackSubstitution(branch);
    DrawClosingRows(branch);
}

// The given system beside its brace, then the multiplied system laid out
// (not drawn) for the column sum.
void EliminationSolver::DrawBracedSystem() {
    LayOutRows(21, 21, rt.cursorX + 40);
    rt.textColour = 0;
    rt.penY = rt.cursorY;
    rt.boxWidth = 100;
    rt.DrawLeftBrace();  // at the caller's penX
    rt.cursorY = rt.penY;
    DrawAlignedRow(rt.cursorY, 1, 2, rt.rowText(5) + "…" + rt.eq1Label);
    rt.cursorY = rt.penY;
    DrawAlignedRow(rt.cursorY + 50, 3, 4, rt.rowText(6) + "…" + rt.eq2Label);
    rt.cursorY = rt.penY;
    LayOutRows(1, 11, rt.columnX + 40);
}

// The caption, the column sum, the flipped signs of a subtraction, the
// combined equation and the value found first beside it.
void EliminationSolver::DrawElimination(const Branch& branch) {
    Pause();
    rt.leftMargin = rt.columnX;
    WriteRow(3, rt.leftMargin + 64, rt.cursorY + 50,
             rt.eq1Label + rt.workText(25) + rt.auxText(1) + rt.eq2Label + rt.workText(26));
    Pause();

    rt.textColour = 0;
    rt.rowOperator = rt.auxText(1);
    rt.penX = rt.leftMargin;
    rt.penY = rt.cursorY + 50;
    rt.rowGap = 50;
    rt.boxColour = 0;
    DrawSolverColumnSum();
    Pause();

    if (rt.auxText(1) == "-") {
        // The subtraction as the addition of the lower row with its signs
        // turned: a mark for the operator and for each term of the lower
        // row, the known term after "=" included. The x and y terms end on
        // their columns' edges.
        rt.textColour = 3;
        const struct {
            float x;
            std::string mark, term;
        } marks[] = {{rt.leftMargin, "+", rt.auxText(1)},
                     {rt.colX(6) - rt.colX(3), rt.auxText(2), rt.rowText(3)},
                     {rt.colX(7) - rt.colX(4), rt.auxText(3), rt.rowText(4)},
                     {rt.colX(7) + runtime::kEqualsAdvance, rt.auxText(4), rt.rowText(6).substr(1)}};
        for (const auto& mark : marks) {
            rt.penX = mark.x;
            rt.penY = rt.cursorY - runtime::kSignMarkRowRise;
            rt.textArg = mark.mark;
            rt.strArg = mark.term;
            rt.DrawSignMark();
        }
    }

    // A coefficient 1 already states the value: the row is the answer's colour.
    const float colour = rt.workNum(branch.combinedSlot) == 1 ? 3 : 0;
    const std::string term = rt.workText(branch.combinedSlot) + branch.found;
    rt.strArg = term;
    rt.MeasureText();
    rt.colX(8) = rt.colX(branch.resultEdge) - rt.textWidth;
    Pause();
    rt.textColour = colour;
    rt.penX = rt.colX(8);
    rt.penY = rt.cursorY + 50;
    rt.textArg = term;
    rt.DrawMarkupText();
    WriteRow(colour, rt.colX(7), rt.penY, "=" + rt.auxText(13));
    Pause();

    // The value stands beside the column sum, and half a blank beyond the
    // combined row where that row's right side would reach it.
    if (rt.sumResultX < rt.cursorX + 13) rt.sumResultX = rt.cursorX + 13;
    rt.upperRow = rt.workNum(branch.combinedSlot) == 1 ? "" : branch.found + std::string("=") + rt.*branch.foundText;
    WriteRow(3, rt.sumResultX, rt.cursorY, rt.upperRow);
    Pause();
}

// "この値を①に代入して", the receiving equation with the value put in, and
// the same with the known term worked out.
void EliminationSolver::DrawBackSubstitution(const Branch& branch) {
    rt.substLabel = rt.solverSubstEq == 1 ? rt.eq1Label : rt.eq2Label;
    WriteRow(7, rt.leftMargin, rt.cursorY + 60, "この値を" + rt.substLabel + "に代入して");
    Pause();

    // The x part of a row comes first, whichever variable is known.
    const bool xKnown = branch.knownSlot == 27;
    const std::string unknown = rt.workText(branch.unknownSlot) + branch.other;
    const std::string substituted = rt.workText(branch.knownSlot) + "*" + rt.*branch.foundParen;
    WriteRow(0, rt.leftMargin, rt.cursorY + 50,
             (xKnown ? substituted + unknown : unknown + substituted) + "=" + rt.auxText(23));
    Pause();

    // Following the x term, the product keeps its sign: a zero reads +0.
    if (!xKnown && rt.auxNum(14) >= 0) rt.auxText(14) = "+" + rt.auxText(14);
    const std::string product = rt.auxText(14);
    WriteRow(0, rt.leftMargin, rt.cursorY + 50,
             (xKnown ? product + unknown : unknown + product) + "=" + rt.auxText(23));
    Pause();
}

// The unknown term alone with the known term moved over, the value on a
// row of its own unless the row already ends with it, and the answer.
void EliminationSolver::DrawClosingRows(const Branch& branch) {
    const int unknown = branch.unknownSlot;
    if (unknown == 28 && rt.workNum(28) > 0) {
        // The y term, which followed the x term, now leads its row.
        rt.strArg = rt.workText(28);
        rt.StripLeadingPlus();
        rt.workText(28) = rt.strArg;
    }
    rt.boxFill = rt.workNum(unknown) == 1 ? 3 : 0;
    if (rt.auxNum(15) >= 0) rt.auxText(15) = "+" + rt.auxText(15);

    WriteRow(rt.boxFill, rt.leftMargin, rt.cursorY + 50, rt.workText(unknown) + branch.other + "=");
    Pause();
    WriteRow(0, rt.cursorX, rt.cursorY, rt.auxText(23) + rt.auxText(15) + "=");
    Pause();
    WriteRow(rt.boxFill, rt.cursorX, rt.cursorY, rt.auxText(16));
    Pause();
    WriteRow(3, rt.leftMargin, rt.cursorY + 60,
             rt.workNum(unknown) == 1 ? "" : branch.other + std::string("=") + rt.*branch.otherText);
    Pause();
    if (rt.answerHidden != 1) WriteRow(5, rt.cursorX + 30, rt.cursorY, "答 x=" + rt.xText + ",y=" + rt.yText);
}

// The pieces of two rows and their widths, x terms right-aligned on
// colX(6), y terms on colX(7), from a left edge.
void EliminationSolver::LayOutRows(int coefSlot, int constSlot, float left) {
    const char* const letters[] = {"x", "y", "x", "y"};
    for (int i = 1; i <= 4; ++i) {
        rt.rowText(i) = rt.workText(coefSlot + i - 1) + letters[i - 1];
        rt.strArg = rt.rowText(i);
        rt.MeasureText();
        rt.colX(i) = rt.textWidth;
    }
    rt.rowText(5) = "=" + rt.auxText(constSlot);
    rt.rowText(6) = "=" + rt.auxText(constSlot + 1);
    rt.colX(5) = left;
    rt.colX(6) = rt.colX(5) + (rt.colX(1) > rt.colX(3) ? rt.colX(1) : rt.colX(3));
    rt.colX(7) = rt.colX(6) + (rt.colX(2) > rt.colX(4) ? rt.colX(2) : rt.colX(4));
}

// One row of a laid-out system at y: its x term ending on colX(6), its y
// term ending on colX(7), and the rest straight after.
void EliminationSolver::DrawAlignedRow(float y, int xTerm, int yTerm, const std::string& rest) {
    rt.penX = rt.colX(6) - rt.colX(xTerm);
    rt.penY = y;
    rt.textArg = rt.rowText(xTerm);
    rt.DrawMarkupText();
    rt.penX = rt.colX(7) - rt.colX(yTerm);
    rt.textArg = rt.rowText(yTerm);
    rt.DrawMarkupText();
    rt.textArg = rest;
    rt.DrawMarkupText();
}

void EliminationSolver::WriteRow(float colour, float x, float y, const std::string& text) {
    rt.textColour = colour;
    rt.penX = x;
    rt.penY = y;
    rt.textArg = text;
    rt.DrawMarkupText();
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
}

void EliminationSolver::Pause() {
    if (rt.solverContinue == 1) rt.WaitAnyKey();
}

}  // namespace solver
