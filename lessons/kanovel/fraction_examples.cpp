// Lesson 5's page ③分数: random systems whose equation ② is written with
// fraction coefficients, a2·x + b2·y = c2 divided through by M = |a2|·|b2|:
// x gets 1/|b2| with the sign of a2, y gets 1/|a2| with the sign of b2.
// The page draws only sizes without a common factor, so M is the least
// common denominator of ②; it multiplies ② by M into ③ and the solver
// works ① and ③.
// fracText 1..3: ②'s x coefficient, y coefficient (signed), constant;
// workNum rows: 1 a2, 2 b2, 3 c2, 5 M, 11 a1, 12 b1, 13 c1.
#include <cmath>

#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/coefficient_text.h"

namespace kanovel {

using namespace lessons;
using runtime::CoefficientForm;

void KanovelLessons::ShowFractionExamples() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeFractionFormSystem();
        BuildFractionFormTexts();
        DrawFractionFormExample();
    });
    // The rule stands in the left column, above and on the solver's last row.
    page.key();
    page.text(40, Down(-100), 5, "係数が分数や小数の場合は、");
    page.text(40, Down(50), 5, "係数が全部整数になるように");
    page.text(40, Down(50), 5, "変形してから解く。").key();
    // 613, not 620: lower, it would reach into the prompt bar.
    page.text(44, 613, 3, "教科書P47 問2　をしなさい。");
}

void KanovelLessons::BuildFractionFormTexts() {
    const float a2 = rt.solverCoef(3), b2 = rt.solverCoef(4), c2 = rt.solverConst(2);
    rt.fracNum = 1;
    rt.fracDen = std::fabs(b2);
    rt.ReduceFraction();
    rt.fracText(1) = (a2 < 0 ? "-" : "") + rt.fracResult;
    rt.fracNum = 1;
    rt.fracDen = std::fabs(a2);
    rt.ReduceFraction();
    rt.fracText(2) = (b2 > 0 ? "+" : "-") + rt.fracResult;
    // The multiplier is the product of the two sizes: only the product turns
    // 1/|b2| and 1/|a2| back into a2 and b2. For the sizes the page draws,
    // which share no factor, it is also their least common multiple.
    rt.workNum(5) = std::fabs(a2) * std::fabs(b2);
    if (c2 == 0) {
        rt.fracText(3) = "0";
    } else {
        rt.fracNum = c2;
        rt.fracDen = rt.workNum(5);
        rt.ReduceFraction();
        rt.fracText(3) = rt.fracResult;
    }
    rt.workNum(1) = a2;
    rt.workNum(2) = b2;
    rt.workNum(3) = c2;
    rt.workNum(11) = rt.solverCoef(1);
    rt.workNum(12) = rt.solverCoef(2);
    rt.workNum(13) = rt.solverConst(1);
    rt.MakeValueTexts();
    for (int row : {2, 12}) runtime::WriteCoefficient(rt, row, CoefficientForm::Signed);
}

void KanovelLessons::DrawFractionFormExample() {
    auto W = [this](int row) { return rt.workText(row); };
    auto F = [this](int i) { return rt.fracText(i); };
    rt.columnX = 40;
    Page page(rt, Clear{0, 0, 1320, 1300}, 40, 30);
    page.text(L, Same, 7, "例2　次の連立方程式を解きなさい。");
    page.system(L, Down(50), 0, W(11) + "x" + W(12) + "y=" + W(13) + "…①",
                 F(1) + "x" + F(2) + "y=" + F(3) + "…②");
    page.key();
    page.text(L, Down(70), 3, "②の両辺に" + W(5) + "をかけて").key();
    // A long multiplied row reaches under the operator of the solver's sum
    // at 560: it stands one band lower, below the operator's, so that the
    // sign does not read as its exponent.
    page.text(L, Down(86), 0, F(1) + "x*" + W(5) + F(2) + "y*" + W(5) + "=" + F(3) + "*" + W(5)).key();
    page.text(L, Down(70), 0, W(1) + "x" + W(2) + "y=" + W(3) + "…③").key();
    page.text(L, Down(50), 3, "①,③を使うと").key();
    SolveBesideExampleTitle("③");
}

}  // namespace kanovel
