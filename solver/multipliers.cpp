// The multipliers that make one pair of coefficients equal in magnitude,
// whether the multiplied equations are added or subtracted, and the
// combined equation.
#include <cmath>

#include "solver/elimination_solver.h"

namespace solver {

using basic::Div;

void EliminationSolver::ChooseMultipliers() {
    const float a1 = rt.solverCoef(1), b1 = rt.solverCoef(2);
    const float a2 = rt.solverCoef(3), b2 = rt.solverCoef(4);
    const float c1 = rt.solverConst(1), c2 = rt.solverConst(2);
    const float ma1 = std::fabs(a1), mb1 = std::fabs(b1);
    const float ma2 = std::fabs(a2), mb2 = std::fabs(b2);

    rt.fracDen = ma2;
    rt.fracNum = ma1;
    rt.ReduceFraction();
    rt.lcmX = rt.fracLcm;
    rt.fracDen = mb2;
    rt.fracNum = mb1;
    rt.ReduceFraction();
    rt.lcmY = rt.fracLcm;

    // The first rule that holds: a pair already equal, then one coefficient
    // dividing its partner (x before y), then the smaller common multiple.
    float m1 = 1, m2 = 1;
    if (ma1 == ma2 || mb1 == mb2) {
        m1 = 1, m2 = 1;
    } else if (IsMultiple(ma2, ma1)) {
        m1 = Div(ma2, ma1), m2 = 1;
    } else if (IsMultiple(ma1, ma2)) {
        m1 = 1, m2 = Div(ma1, ma2);
    } else if (IsMultiple(mb2, mb1)) {
        m1 = Div(mb2, mb1), m2 = 1;
    } else if (IsMultiple(mb1, mb2)) {
        m1 = 1, m2 = Div(mb1, mb2);
    } else if (rt.lcmY >= rt.lcmX) {
        m1 = Div(rt.lcmX, ma1), m2 = Div(rt.lcmX, ma2);
    } else {
        m1 = Div(rt.lcmY, mb1), m2 = Div(rt.lcmY, mb2);
    }
    rt.solverCoef(5) = m1;
    rt.solverCoef(6) = m2;

    rt.workNum(21) = a1, rt.workNum(22) = b1, rt.auxNum(21) = c1;
    rt.workNum(23) = a2, rt.workNum(24) = b2, rt.auxNum(22) = c2;
    rt.workNum(25) = m1, rt.workNum(26) = m2;

    rt.workNum(1) = m1 * a1, rt.workNum(2) = m1 * b1, rt.auxNum(11) = m1 * c1;
    rt.workNum(3) = m2 * a2, rt.workNum(4) = m2 * b2, rt.auxNum(12) = m2 * c2;

    // The y pair is tested first; x cancelling by addition is the default.
    float s;
    if (rt.workNum(2) - rt.workNum(4) == 0) s = -1;
    else if (rt.workNum(2) + rt.workNum(4) == 0) s = 1;
    else if (rt.workNum(1) - rt.workNum(3) == 0) s = -1;
    else s = 1;
    rt.auxNum(1) = s;

    rt.workNum(5) = rt.workNum(1) + s * rt.workNum(3);
    rt.workNum(6) = rt.workNum(2) + s * rt.workNum(4);
    rt.auxNum(13) = rt.auxNum(11) + s * rt.auxNum(12);
}

// Whether the magnitude p is a whole multiple of the magnitude q, tested on
// their 32-bit whole numbers.
bool EliminationSolver::IsMultiple(float p, float q) const {
    // A magnitude that has no 32-bit whole number, or a divisor that
    // becomes 0, cannot be tested: the rule then does not hold.
    const float wholeP = std::nearbyint(p), wholeQ = std::nearbyint(q);
    const float limit = 2147483648.0f;
    if (!(wholeP < limit) || !(wholeQ < limit) || wholeQ == 0) return false;
    return basic::Mod(p, q) == 0;
}

}  // namespace solver
