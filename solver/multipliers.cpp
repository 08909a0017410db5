// The multipliers that make one pair of coefficients equal in magnitude,
// whether the multiplied equations are added or subtracted, and the
// combined equation, all in exact whole numbers.
#include <cstdint>
#include <limits>

#include "solver/elimination_solver.h"

namespace solver {

namespace {

// Whether the magnitude p is a whole multiple of the magnitude q, tested on
// 32-bit whole numbers: a magnitude beyond 32 bits is never tested, and the
// rule then does not hold.
bool IsMultiple(int64_t p, int64_t q) {
    constexpr int64_t kLargest = std::numeric_limits<int32_t>::max();
    if (p > kLargest || q > kLargest || q == 0) return false;
    return p % q == 0;
}

// Whether a + b is 0, without forming a sum that could overflow.
bool Opposite(int64_t a, int64_t b) { return b != std::numeric_limits<int64_t>::min() && a == -b; }

}  // namespace

void EliminationSolver::ChooseMultipliers() {
    const int64_t a1 = WholeOf(rt.solverCoef(1)), b1 = WholeOf(rt.solverCoef(2));
    const int64_t a2 = WholeOf(rt.solverCoef(3)), b2 = WholeOf(rt.solverCoef(4));
    const int64_t c1 = WholeOf(rt.solverConst(1)), c2 = WholeOf(rt.solverConst(2));
    const int64_t ma1 = Magnitude(a1), mb1 = Magnitude(b1);
    const int64_t ma2 = Magnitude(a2), mb2 = Magnitude(b2);

    const int64_t lcmX = LeastCommonMultiple(ma1, ma2), lcmY = LeastCommonMultiple(mb1, mb2);
    rt.lcmX = Single(Whole(lcmX));
    rt.lcmY = Single(Whole(lcmY));

    // The first rule that holds: a pair already equal, then one coefficient
    // dividing its partner (x before y), then the smaller common multiple.
    // Every quotient is exact: the divisor divides.
    int64_t m1 = 1, m2 = 1;
    if (ma1 == ma2 || mb1 == mb2) {
        m1 = 1, m2 = 1;
    } else if (IsMultiple(ma2, ma1)) {
        m1 = ma2 / ma1, m2 = 1;
    } else if (IsMultiple(ma1, ma2)) {
        m1 = 1, m2 = ma1 / ma2;
    } else if (IsMultiple(mb2, mb1)) {
        m1 = mb2 / mb1, m2 = 1;
    } else if (IsMultiple(mb1, mb2)) {
        m1 = 1, m2 = mb1 / mb2;
    } else if (lcmY >= lcmX) {
        m1 = lcmX / ma1, m2 = lcmX / ma2;
    } else {
        m1 = lcmY / mb1, m2 = lcmY / mb2;
    }
    rt.solverCoef(5) = Single(Whole(m1));
    rt.solverCoef(6) = Single(Whole(m2));

    SetWork(21, Whole(a1)), SetWork(22, Whole(b1)), SetAux(21, Whole(c1));
    SetWork(23, Whole(a2)), SetWork(24, Whole(b2)), SetAux(22, Whole(c2));
    SetWork(25, Whole(m1)), SetWork(26, Whole(m2));

    const int64_t x1 = Times(m1, a1), y1 = Times(m1, b1), r1 = Times(m1, c1);
    const int64_t x2 = Times(m2, a2), y2 = Times(m2, b2), r2 = Times(m2, c2);
    SetWork(1, Whole(x1)), SetWork(2, Whole(y1)), SetAux(11, Whole(r1));
    SetWork(3, Whole(x2)), SetWork(4, Whole(y2)), SetAux(12, Whole(r2));

    // The y pair is tested first; x cancelling by addition is the default.
    int64_t s;
    if (y1 == y2) s = -1;
    else if (Opposite(y1, y2)) s = 1;
    else if (x1 == x2) s = -1;
    else s = 1;
    SetAux(1, Whole(s));

    SetWork(5, Whole(Plus(x1, Times(s, x2))));
    SetWork(6, Whole(Plus(y1, Times(s, y2))));
    SetAux(13, Whole(Plus(r1, Times(s, r2))));
}

}  // namespace solver
