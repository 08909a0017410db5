// The solver's working numbers: exact in the solver, their nearest singles
// in the shared slots that lessons and tests read, and their texts written
// from the exact numbers.
#include "solver/elimination_solver.h"

namespace solver {

namespace {

// The slots a solve fills: the multiplied and combined coefficients, the
// given system, the multipliers and the receiving equation; the operation,
// the multiplied and combined right sides, the known term, its negation
// and what it leaves, and the given right sides.
constexpr int kWorkSlots[] = {1, 2, 3, 4, 5, 6, 21, 22, 23, 24, 25, 26, 27, 28};
constexpr int kAuxSlots[] = {1, 11, 12, 13, 14, 15, 16, 21, 22, 23};

}  // namespace

void EliminationSolver::SetWork(int slot, const Fraction& value) {
    exactWork.at(static_cast<size_t>(slot)) = value;
    rt.workNum(slot) = Single(value);
}

void EliminationSolver::SetAux(int slot, const Fraction& value) {
    exactAux.at(static_cast<size_t>(slot)) = value;
    rt.auxNum(slot) = Single(value);
}

void EliminationSolver::MakeExactTexts() {
    for (int slot : kWorkSlots) rt.workText(slot) = ValueText(Work(slot));
    for (int slot : kAuxSlots) rt.auxText(slot) = ValueText(Aux(slot));
}

}  // namespace solver
