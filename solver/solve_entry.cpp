// The solver's entries: the typed hand-over of a page, and under it the
// default labels, the guard against systems it cannot work, the
// multipliers, the dispatch to one branch, and the exit.
#include <cstdint>

#include "solver/elimination_solver.h"

namespace solver {

void EliminationSolver::Solve(const System& system, const SolveOptions& options) {
    const float keptContinue = rt.solverContinue, keptHidden = rt.answerHidden;
    const std::string keptFirst = rt.eq1Label, keptSecond = rt.eq2Label;
    rt.solverCoef(1) = system.a1;
    rt.solverCoef(2) = system.b1;
    rt.solverConst(1) = system.c1;
    rt.solverCoef(3) = system.a2;
    rt.solverCoef(4) = system.b2;
    rt.solverConst(2) = system.c2;
    rt.eq1Label = options.firstLabel;
    rt.eq2Label = options.secondLabel;
    rt.solverContinue = options.stepByStep ? 1 : 0;
    rt.answerHidden = options.answerHidden ? 1 : 0;
    SolveByElimination();
    rt.solverContinue = keptContinue;
    rt.answerHidden = keptHidden;
    rt.eq1Label = keptFirst;
    rt.eq2Label = keptSecond;
}

System EliminationSolver::SystemInSlots() const {
    return {rt.solverCoef(1), rt.solverCoef(2), rt.solverConst(1), rt.solverCoef(3), rt.solverCoef(4),
            rt.solverConst(2)};
}

void EliminationSolver::SolveByElimination() {
    if (rt.eq1Label.empty()) rt.eq1Label = "①";
    if (rt.eq2Label.empty()) rt.eq2Label = "②";

    // A zero coefficient or proportional left sides would make the
    // multiplier choice or the value found first divide by zero: such a
    // system has no single solution to show. A number with a fractional
    // part cannot be worked exactly in whole numbers.
    if (!CanWork()) {
        ShowUnsolvable();
    } else {
        ChooseMultipliers();
        const int64_t x = Work(5).num, y = Work(6).num;
        const int64_t a1 = Work(21).num, b1 = Work(22).num;
        const int64_t a2 = Work(23).num, b2 = Work(24).num;
        if (x == 0 && y != 0) {
            // y is found first and goes where its coefficient is smaller.
            rt.solverSubstEq = Magnitude(b2) >= Magnitude(b1) ? 1 : 2;
            ShowSolutionXEliminated();
        } else if (y == 0 && x != 0) {
            rt.solverSubstEq = Magnitude(a2) >= Magnitude(a1) ? 1 : 2;
            ShowSolutionYEliminated();
        } else {
            // Whole coefficients always cancel one pair; no branch is run
            // that would divide by zero.
            ShowUnsolvable();
        }
    }

    rt.eq1Label.clear();
    rt.eq2Label.clear();
    rt.solverContinue = 0;
}

bool EliminationSolver::CanWork() const {
    for (int i = 1; i <= 4; ++i)
        if (!IsWhole(rt.solverCoef(i))) return false;
    if (!IsWhole(rt.solverConst(1)) || !IsWhole(rt.solverConst(2))) return false;
    const double a1 = rt.solverCoef(1), b1 = rt.solverCoef(2);
    const double a2 = rt.solverCoef(3), b2 = rt.solverCoef(4);
    if (a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0) return false;
    // Products of two singles are exact in double precision.
    return a1 * b2 != a2 * b1;
}

void EliminationSolver::ShowUnsolvable() {
    rt.textColour = 3;
    rt.penX = rt.leftMargin;
    rt.penY = rt.cursorY + 50;
    rt.textArg = "解けません";
    rt.DrawMarkupText();
}

}  // namespace solver
