// The solver's entry: default labels, the guard against systems it cannot
// work, the multipliers, the dispatch to one branch, and the exit.
#include <cmath>

#include "solver/elimination_solver.h"

namespace solver {

void EliminationSolver::SolveByElimination() {
    if (rt.eq1Label.empty()) rt.eq1Label = "①";
    if (rt.eq2Label.empty()) rt.eq2Label = "②";

    // A zero coefficient or proportional left sides would make the
    // multiplier choice or the value found first divide by zero: such a
    // system has no single solution to show.
    if (!HasOneSolution()) {
        ShowUnsolvable();
    } else {
        ChooseMultipliers();
        const float a1 = rt.workNum(21), b1 = rt.workNum(22);
        const float a2 = rt.workNum(23), b2 = rt.workNum(24);
        if (rt.workNum(5) == 0 && rt.workNum(6) != 0) {
            // y is found first and goes where its coefficient is smaller.
            rt.solverSubstEq = std::fabs(b2) >= std::fabs(b1) ? 1 : 2;
            ShowSolutionXEliminated();
        } else if (rt.workNum(6) == 0 && rt.workNum(5) != 0) {
            rt.solverSubstEq = std::fabs(a2) >= std::fabs(a1) ? 1 : 2;
            ShowSolutionYEliminated();
        } else {
            // Rounding of coefficients with a fractional part can leave both
            // terms of the combined equation standing.
            ShowUnsolvable();
        }
    }

    rt.eq1Label.clear();
    rt.eq2Label.clear();
    rt.solverContinue = 0;
}

bool EliminationSolver::HasOneSolution() const {
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
