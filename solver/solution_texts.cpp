// The numbers and texts of a branch: the receiving equation, the exact
// values of x and y, and every coefficient as the rows write it.
#include "runtime/coefficient_text.h"
#include "solver/elimination_solver.h"

namespace solver {

namespace {

std::string Bracketed(const std::string& text, const Fraction& value) {
    return value.num < 0 ? "(" + text + ")" : text;
}

}  // namespace

void EliminationSolver::WorkOutBranch(const Branch& branch) {
    StoreReceivingEquation(branch);
    // Every slot gets its plain text; the solver's own slots are then
    // written again from their exact numbers (the same text for every whole
    // number below 10^7).
    rt.MakeValueTexts();
    MakeExactTexts();
    MakeSolutionTexts(branch);
    MakeTermTexts(branch);
}

// The equation that receives the value v found first, a*x + b*y = c, its
// known term k*v (k the coefficient of v), the term negated, and what it
// leaves, c - k*v; each in lowest terms, so that a term that is not whole
// is its exact fraction.
void EliminationSolver::StoreReceivingEquation(const Branch& branch) {
    const bool first = rt.solverSubstEq == 1;
    const Fraction a = Work(first ? 21 : 23), b = Work(first ? 22 : 24), c = Aux(first ? 21 : 22);
    const Fraction known = Times((branch.knownSlot == 27 ? a : b).num, FoundFirst(branch));
    SetAux(14, known);
    SetAux(15, Times(-1, known));
    SetAux(16, Minus(c.num, known));
    SetWork(27, a);
    SetWork(28, b);
    SetAux(23, c);
}

// The value found first is the combined right side over the combined
// coefficient.
Fraction EliminationSolver::FoundFirst(const Branch& branch) const {
    return Reduced(Aux(13).num, Work(branch.combinedSlot).num);
}

// The other value is what the known term leaves over its own coefficient.
void EliminationSolver::MakeSolutionTexts(const Branch& branch) {
    const Fraction found = FoundFirst(branch);
    rt.*branch.foundText = ValueText(found);
    rt.*branch.foundParen = Bracketed(ValueText(found), found);
    const Fraction other = Over(Aux(16), Work(branch.unknownSlot).num);
    rt.*branch.otherText = ValueText(other);
    rt.*branch.otherParen = Bracketed(ValueText(other), other);
}

// Coefficients as a pupil writes them: x terms lead their rows, y terms
// follow them, multipliers stand after the labels.
void EliminationSolver::MakeTermTexts(const Branch& branch) {
    using runtime::CoefficientForm;
    using runtime::WriteCoefficient;
    for (int i : {1, 3, 5, 6, 21, 23}) WriteCoefficient(rt, i, CoefficientForm::Leading);
    for (int i : {2, 4, 22, 24}) WriteCoefficient(rt, i, CoefficientForm::Following);
    for (int i : {25, 26}) WriteCoefficient(rt, i, CoefficientForm::Multiplier);
    // In the substitution row the coefficient of the value still to be
    // found is written as a coefficient, the factor of the known value
    // stays a number; the y slot follows the x slot and takes its "+".
    if (branch.unknownSlot == 28) {
        WriteCoefficient(rt, 28, CoefficientForm::Following);
    } else {
        WriteCoefficient(rt, 27, CoefficientForm::Leading);
        WriteCoefficient(rt, 28, CoefficientForm::Signed);
    }

    rt.auxText(1) = rt.auxNum(1) == 1 ? "+" : "-";
    // The signs the lower row's terms take when it is subtracted.
    rt.auxText(2) = rt.workNum(3) > 0 ? "-" : "+";
    rt.auxText(3) = rt.workNum(4) > 0 ? "-" : "+";
    rt.auxText(4) = rt.auxNum(12) > 0 ? "-" : "+";
}

}  // namespace solver
