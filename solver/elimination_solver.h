// The elimination solver: works a system a1*x + b1*y = c1 (①) and
// a2*x + b2*y = c2 (②) on the page the way a teacher writes it, from the
// braced system through the multiplied equations and their column sum to
// the value found first, its substitution, the other value and the answer.
//
// Contract (shared fields of runtime::LinearSystem and the page cursor):
// - in: solverCoef(1..4) = a1, b1, a2, b2, solverConst(1..2) = c1, c2;
//   eq1Label, eq2Label (empty: "①", "②"); solverContinue (exactly 1: a key
//   wait after every step); answerHidden (exactly 1: no answer line);
//   penX (the brace), cursorX (the system's columns start 40 further
//   right), cursorY (the first row), columnX (the working below);
//   leftMargin (only for "解けません").
// - out: xText, yText, xTextParen, yTextParen; solverCoef(5..6) = the
//   multipliers; cursorX, cursorY after the last text; leftMargin =
//   columnX; both labels empty and solverContinue 0.
// A system without exactly one solution, or with a zero coefficient, shows
// "解けません" 50 below cursorY at leftMargin and leaves the cursor.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/runtime.h"

namespace solver {

class EliminationSolver {
public:
    explicit EliminationSolver(runtime::Runtime& runtime) : rt(runtime) {}

    void SolveByElimination();
    // The branch in which the y terms cancel: x is found first.
    void ShowSolutionYEliminated();
    // The branch in which the x terms cancel: y is found first.
    void ShowSolutionXEliminated();
    // The written column sum of the two multiplied equations laid out in
    // rowText(1..6) and colX(1..7), from (penX, penY).
    void DrawSolverColumnSum();

    // Which variable a branch finds first, and the slots that follow from
    // it; the two branches are the same steps with x and y exchanged.
    struct Branch {
        const char* found;    // the variable of the combined equation
        const char* other;    // the variable found by substitution
        int combinedSlot;     // workNum slot of the combined coefficient kept
        int resultEdge;       // colX slot where the combined term ends
        int knownSlot;        // workNum slot (27 a, 28 b) of found's coefficient
        int unknownSlot;      // workNum slot of other's coefficient
        std::string runtime::LinearSystem::*foundText;
        std::string runtime::LinearSystem::*foundParen;
        std::string runtime::LinearSystem::*otherText;
        std::string runtime::LinearSystem::*otherParen;
    };

private:
    runtime::Runtime& rt;

    // ---- entry ----
    bool HasOneSolution() const;
    void ShowUnsolvable();
    void ChooseMultipliers();
    bool IsMultiple(float p, float q) const;

    // One branch from its numbers to its answer line.
    void ShowSolution(const Branch& branch);

    // ---- numbers and texts of a branch ----
    void WorkOutBranch(const Branch& branch);
    void StoreReceivingEquation(const Branch& branch);
    void MakeSolutionTexts(const Branch& branch);
    std::string ExactFraction(int64_t num, int64_t den);
    void MakeTermTexts(const Branch& branch);

    // ---- what a branch draws ----
    void LayOutRows(int coefSlot, int constSlot, float left);
    void DrawAlignedRow(float y, int xTerm, int yTerm, const std::string& rest);
    void DrawBracedSystem();
    void DrawElimination(const Branch& branch);
    void DrawBackSubstitution(const Branch& branch);
    void DrawClosingRows(const Branch& branch);

    // A text at (x, y) in a colour; the pen's end becomes the cursor.
    void WriteRow(float colour, float x, float y, const std::string& text);
    // A key wait when the caller asked for steps.
    void Pause();
};

}  // namespace solver
