// The numbers and texts of a branch: the receiving equation, the exact
// values of x and y, and every coefficient as the rows write it.
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>

#include "solver/elimination_solver.h"

namespace solver {

namespace {

// The whole number a single holds, when it is one within 64 bits.
std::optional<int64_t> Whole(float value) {
    if (value != std::floor(value) || !(std::fabs(value) < 4611686018427387904.0f)) return std::nullopt;
    return static_cast<int64_t>(value);
}

// a*b - c*d in 64 bits, or nothing when it would not fit.
std::optional<int64_t> Difference(int64_t a, int64_t b, int64_t c, int64_t d) {
    int64_t ab, cd, result;
    if (__builtin_mul_overflow(a, b, &ab) || __builtin_mul_overflow(c, d, &cd) ||
        __builtin_sub_overflow(ab, cd, &result) || result == INT64_MIN || cd == INT64_MIN)
        return std::nullopt;
    return result;
}

std::string Bracketed(const std::string& text, float sign) { return sign == -1 ? "(" + text + ")" : text; }

}  // namespace

void EliminationSolver::WorkOutBranch(const Branch& branch) {
    StoreReceivingEquation(branch);
    rt.MakeValueTexts();
    MakeSolutionTexts(branch);
    MakeTermTexts(branch);
}

// The equation that receives the value found first, a*x + b*y = c, and
// its known term k*v (k the coefficient of the value v found first).
void EliminationSolver::StoreReceivingEquation(const Branch& branch) {
    float a, b, c;
    if (rt.solverSubstEq == 1) {
        a = rt.workNum(21), b = rt.workNum(22), c = rt.auxNum(21);
    } else {
        a = rt.workNum(23), b = rt.workNum(24), c = rt.auxNum(22);
    }
    const float known = branch.knownSlot == 27 ? a : b;
    // The product first, then the division: exact whenever the combined
    // coefficient divides it.
    rt.auxNum(14) = basic::Div(known * rt.auxNum(13), rt.workNum(branch.combinedSlot));
    rt.auxNum(15) = -rt.auxNum(14);
    rt.auxNum(16) = c + rt.auxNum(15);
    rt.workNum(27) = a;
    rt.workNum(28) = b;
    rt.auxNum(23) = c;
}

void EliminationSolver::MakeSolutionTexts(const Branch& branch) {
    const float p = rt.workNum(branch.combinedSlot), q = rt.auxNum(13);
    rt.fracNum = q;
    rt.fracDen = p;
    rt.ReduceFraction();
    rt.*branch.foundText = rt.fracResult;
    rt.*branch.foundParen = Bracketed(rt.fracResult, rt.fracSign);

    // The other value is (c - k*q/p) / m. With whole numbers it is reduced
    // from (c*p - k*q) / (m*p), so that a value that is not whole is shown
    // as its exact fraction and never from a rounded quotient; so are the
    // known term k*q/p and what it leaves, when p does not divide k*q.
    const float c = rt.auxNum(23), k = rt.workNum(branch.knownSlot), m = rt.workNum(branch.unknownSlot);
    const auto wc = Whole(c), wk = Whole(k), wm = Whole(m), wp = Whole(p), wq = Whole(q);
    std::optional<int64_t> known, rest, den;
    if (wc && wk && wm && wp && wq) {
        known = Difference(*wk, *wq, 0, 0);
        rest = Difference(*wc, *wp, *wk, *wq);
        den = Difference(*wm, *wp, 0, 0);
    }
    if (known && rest && den) {
        if (*known % *wp != 0) {
            rt.auxText(14) = ExactFraction(*known, *wp);
            rt.auxText(15) = ExactFraction(-*known, *wp);
            rt.auxText(16) = ExactFraction(*rest, *wp);
        }
        ExactFraction(*rest, *den);
    } else {
        rt.fracNum = rt.auxNum(16);
        rt.fracDen = m;
        rt.ReduceFraction();
    }
    rt.*branch.otherText = rt.fracResult;
    rt.*branch.otherParen = Bracketed(rt.fracResult, rt.fracSign);
}

// The value text of num/den (den not 0), reduced first so that the
// single-precision numbers handed to ReduceFraction stay exact.
std::string EliminationSolver::ExactFraction(int64_t num, int64_t den) {
    const int64_t divisor = std::gcd(num, den);
    if (divisor > 1) num /= divisor, den /= divisor;
    rt.fracNum = static_cast<float>(num);
    rt.fracDen = static_cast<float>(den);
    rt.ReduceFraction();
    return rt.fracResult;
}

// Coefficients as a pupil writes them: 1 left out, -1 a bare "-", "+" in
// front of a positive term that follows another, "*" before a multiplier.
void EliminationSolver::MakeTermTexts(const Branch& branch) {
    auto coefficient = [&](int i) {
        if (rt.workNum(i) == 1) rt.workText(i) = "";
        else if (rt.workNum(i) == -1) rt.workText(i) = "-";
    };
    auto plus = [&](int i) {
        if (rt.workNum(i) > 0) rt.workText(i) = "+" + rt.workText(i);
    };
    for (int i = 1; i <= 6; ++i) {
        coefficient(i);
        coefficient(i + 20);
    }
    for (int i : {25, 26}) rt.workText(i) = rt.workNum(i) == 1 ? "" : "*" + rt.workText(i);
    // In the substitution row the coefficient of the value still to be
    // found is written as a coefficient, the factor of the known value
    // stays a number; the y slot follows the x slot and takes its "+".
    coefficient(branch.unknownSlot);
    plus(28);
    for (int i : {2, 4}) {
        plus(i);
        plus(i + 20);
    }

    rt.auxText(1) = rt.auxNum(1) == 1 ? "+" : "-";
    // The signs the lower row's terms take when it is subtracted.
    rt.auxText(2) = rt.workNum(3) > 0 ? "-" : "+";
    rt.auxText(3) = rt.workNum(4) > 0 ? "-" : "+";
    rt.auxText(4) = rt.auxNum(12) > 0 ? "-" : "+";
}

}  // namespace solver
