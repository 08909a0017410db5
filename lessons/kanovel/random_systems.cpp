// The random systems of the elimination example pages. Each draws a small
// whole-number solution, builds non-zero whole coefficients by its rule,
// exchanges unknowns or equations at random and computes the right-hand
// sides; an attempt whose right-hand side exceeds 99 starts again. The
// order of random draws is fixed, so a state of the generator fixes the
// systems shown.
#include <cmath>
#include <numeric>

#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

namespace {

float& A1(runtime::Runtime& rt) { return rt.solverCoef(1); }
float& B1(runtime::Runtime& rt) { return rt.solverCoef(2); }
float& A2(runtime::Runtime& rt) { return rt.solverCoef(3); }
float& B2(runtime::Runtime& rt) { return rt.solverCoef(4); }

bool Divides(float a, float b) { return basic::Mod(std::fabs(b), std::fabs(a)) == 0; }

}  // namespace

float KanovelLessons::PickRandomWhole(float count, float low) { return basic::RandomWhole(rt.random, count, low); }

void KanovelLessons::PickRandomSign(float& value) {
    signCoin = PickRandomWhole(2, 0);
    if (signCoin == 0) value = -value;
}

void KanovelLessons::ResetPool() {
    const float pool[] = {2, 3, 5, 7, 6, 8, 9};
    for (int i = 1; i <= 7; ++i) rt.coefPool(i) = pool[i - 1];
}

float KanovelLessons::TakeFromPool(int first, int live) {
    poolIndex = PickRandomWhole(static_cast<float>(first), 1);
    const int taken = static_cast<int>(poolIndex);
    const float value = rt.coefPool(taken);
    for (int i = taken; i < live; ++i) rt.coefPool(i) = rt.coefPool(i + 1);
    return value;
}

void KanovelLessons::PickSolution() {
    solutionX = PickRandomWhole(5, 1);
    solutionY = PickRandomWhole(5, 1);
    PickRandomSign(solutionX);
    PickRandomSign(solutionY);
}

void KanovelLessons::ShuffleSystem() {
    shuffleCase = PickRandomWhole(4, 1);
    if (shuffleCase == 2 || shuffleCase == 3) {
        std::swap(A1(rt), A2(rt));
        std::swap(B1(rt), B2(rt));
    }
    if (shuffleCase == 1 || shuffleCase == 3) {
        std::swap(A1(rt), B1(rt));
        std::swap(A2(rt), B2(rt));
    }
}

bool KanovelLessons::AcceptSystem() {
    rt.solverConst(1) = A1(rt) * solutionX + B1(rt) * solutionY;
    rt.solverConst(2) = A2(rt) * solutionX + B2(rt) * solutionY;
    return std::fabs(rt.solverConst(1)) <= 99 && std::fabs(rt.solverConst(2)) <= 99;
}

void KanovelLessons::MakeRandomSystemA() {
    do {
        PickSolution();
        ResetPool();
        A1(rt) = TakeFromPool(5, 7);
        PickRandomSign(A1(rt));
        B1(rt) = TakeFromPool(4, 6);
        PickRandomSign(B1(rt));
        B2(rt) = TakeFromPool(3, 5);
        PickRandomSign(B2(rt));
        A2(rt) = basic::Mod(exampleCount, 2) == 1 ? -A1(rt) : A1(rt);
        ShuffleSystem();
    } while (!AcceptSystem());
}

void KanovelLessons::MakeRandomSystemB() {
    do {
        PickSolution();
        A1(rt) = PickRandomWhole(2, 1);
        PickRandomSign(A1(rt));
        coefRatio = PickRandomWhole(3, 2);
        A2(rt) = A1(rt) * coefRatio;
        PickRandomSign(A2(rt));
        B1(rt) = PickRandomWhole(3, 3);
        PickRandomSign(B1(rt));
        B2(rt) = B1(rt) * coefRatio - 3;
        PickRandomSign(B2(rt));
        // Keep b2 from being a smaller multiple of b1 than the ratio, which
        // would let another multiplier cancel y first.
        const float b1 = std::fabs(B1(rt)), b2 = std::fabs(B2(rt));
        if (basic::Mod(b2, b1) == 0 && b2 / b1 < coefRatio) B2(rt) = B2(rt) - 1;
        ShuffleSystem();
    } while (!AcceptSystem());
}

void KanovelLessons::MakeRandomSystemC() {
    for (;;) {
        PickSolution();
        ResetPool();
        A1(rt) = TakeFromPool(3, 7);
        PickRandomSign(A1(rt));
        A2(rt) = TakeFromPool(2, 6);
        PickRandomSign(A2(rt));
        B1(rt) = TakeFromPool(3, 5);
        PickRandomSign(B1(rt));
        B2(rt) = TakeFromPool(2, 4);
        PickRandomSign(B2(rt));
        // Multiplying one equation alone must not do: no coefficient of an
        // unknown may divide the other coefficient of the same unknown.
        if (Divides(A1(rt), A2(rt)) || Divides(A2(rt), A1(rt)) || Divides(B1(rt), B2(rt)) ||
            Divides(B2(rt), B1(rt)))
            continue;
        ShuffleSystem();
        if (AcceptSystem()) return;
    }
}

void KanovelLessons::MakeFractionFormSystem() {
    // Sizes 2 and 6, or 3 and 6, would write ② over denominators that a
    // smaller number than their product clears; such a system is drawn
    // again, each time by C's whole order of draws.
    do {
        MakeRandomSystemC();
    } while (std::gcd(static_cast<int>(std::fabs(A2(rt))), static_cast<int>(std::fabs(B2(rt)))) != 1);
}

}  // namespace kanovel
