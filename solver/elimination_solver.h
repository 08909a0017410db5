// The elimination solver: works a system a1*x + b1*y = c1 (①) and
// a2*x + b2*y = c2 (②) on the page the way a teacher writes it, from the
// braced system through the multiplied equations and their column sum to
// the value found first, its substitution, the other value and the answer.
//
// Pages hand a system over through Solve, the typed entry below, which
// sets the shared fields and calls SolveByElimination. Its contract
// (shared fields of runtime::LinearSystem and the page cursor):
// - in: solverCoef(1..4) = a1, b1, a2, b2, solverConst(1..2) = c1, c2;
//   eq1Label, eq2Label (empty: "①", "②"); solverContinue (exactly 1: a key
//   wait after every step); answerHidden (exactly 1: no answer line);
//   penX (the brace), cursorX (the system's columns start 40 further
//   right), cursorY (the first row), columnX (the working below);
//   leftMargin (only for "解けません").
// - out: xText, yText, xTextParen, yTextParen; solverCoef(5..6) = the
//   multipliers; cursorX, cursorY after the last text; leftMargin =
//   columnX; both labels empty and solverContinue 0.
// A system without exactly one solution, with a zero coefficient, or with a
// coefficient or right side that is not whole shows "解けません" 50 below
// cursorY at leftMargin and leaves the cursor.
//
// Every number of the working is exact: it is worked out in 64-bit whole
// numbers and written from them, so the texts never round. The shared
// slots get the nearest singles. Working that 64 bits cannot hold (far
// beyond kLargestWhole) is the overflow runtime error, raised before
// anything is drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "runtime/runtime.h"
#include "solver/exact_numbers.h"

namespace solver {

// a1*x + b1*y = c1 (①) and a2*x + b2*y = c2 (②).
struct System {
    float a1, b1, c1, a2, b2, c2;
};

// How a page wants a system worked: by default whole, with its answer
// line, the equations named ① and ②.
struct SolveOptions {
    bool stepByStep = false;    // a key wait after every step
    bool answerHidden = false;  // no answer line: the page answers in words
    std::string firstLabel;     // the labels of the two equations; empty:
    std::string secondLabel;    // "①" and "②"

    SolveOptions& StepByStep() { return stepByStep = true, *this; }
    SolveOptions& HideAnswer() { return answerHidden = true, *this; }
    SolveOptions& Labels(std::string first, std::string second) {
        firstLabel = std::move(first);
        secondLabel = std::move(second);
        return *this;
    }
};

class EliminationSolver {
public:
    // The largest magnitude of a coefficient or right side for which the
    // working is checked exact (every system of up to 4 digits, in the
    // solver's property test) and still fits the page.
    static constexpr int64_t kLargestWhole = 9999;

    explicit EliminationSolver(runtime::Runtime& runtime) : rt(runtime) {}

    // The entry of every page: the system and the options into the shared
    // fields, SolveByElimination, and the options (solverContinue,
    // answerHidden, the labels) as they were before once it returns. The
    // page cursor, penX and columnX are the caller's to set, as above.
    void Solve(const System& system, const SolveOptions& options = {});
    // The system a page's generator left in solverCoef and solverConst.
    System SystemInSlots() const;

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

    // The working numbers exactly, slot by slot as in workNum and auxNum.
    std::array<Fraction, 29> exactWork{};
    std::array<Fraction, 24> exactAux{};

    // ---- entry ----
    bool CanWork() const;
    void ShowUnsolvable();
    void ChooseMultipliers();

    // One branch from its numbers to its answer line.
    void ShowSolution(const Branch& branch);

    // ---- the exact working slots ----
    // A number into its slot: exactly here, its nearest single in the
    // shared slot.
    void SetWork(int slot, const Fraction& value);
    void SetAux(int slot, const Fraction& value);
    const Fraction& Work(int slot) const { return exactWork.at(static_cast<size_t>(slot)); }
    const Fraction& Aux(int slot) const { return exactAux.at(static_cast<size_t>(slot)); }
    // The texts of the solver's slots, written from the exact numbers.
    void MakeExactTexts();

    // ---- numbers and texts of a branch ----
    void WorkOutBranch(const Branch& branch);
    void StoreReceivingEquation(const Branch& branch);
    Fraction FoundFirst(const Branch& branch) const;
    void MakeSolutionTexts(const Branch& branch);
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
