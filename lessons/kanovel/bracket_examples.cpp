// Lesson 5's page ①かっこ: random systems whose equation ② carries a
// bracket, a2·x + b2·y = c2 written as (a2-k·b2)x + b2(kx+y) = c2. The page
// expands ② back into ③ and the solver works ① and ③ step by step.
// workNum rows: 1 a2-k·b2, 2 b2, 3 k, 4 k·b2, 5 a2, 6 c2, 11 a1, 12 b1, 13 c1.
#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/coefficient_text.h"

namespace kanovel {

using namespace lessons;
using runtime::CoefficientForm;

void KanovelLessons::ShowBracketExamples() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeRandomSystemC();
        BuildBracketFormTexts();
        auto W = [this](int row) { return rt.workText(row); };
        rt.columnX = 40;
        Page half(rt, Clear{0, 0, 1320, 1300}, 40, 30);
        half.text(L, Same, 7, "例1　次の連立方程式を解きなさい。");
        half.system(L, Down(50), 0, W(11) + "x" + W(12) + "y=" + W(13) + "…①",
                     W(1) + "x" + W(2) + "(" + W(3) + "x+y)=" + W(6) + "…②");
        half.key();
        half.text(L, Down(50), 3, "②を整理すると").key();
        half.text(L, Down(50), 0, W(1) + "x" + W(4) + "x" + W(2) + "y=" + W(6)).key();
        half.text(L, Down(50), 0, W(5) + "x" + W(2) + "y=" + W(6) + "…③").key();
        half.text(L, Down(50), 3, "③を使って");
        half.text(L, Down(50), 3, "連立方程式をつくると").key();
        SolveBesideExampleTitle("③");
    });
    // The summary follows the solver's last row, wherever it ended.
    page.key();
    page.text(76, Down(-100), 5, "かっこのある連立方程式は、");
    page.text(76, Down(50), 5, "かっこをはずし、");
    page.text(76, Down(50), 5, "整理してから解く。").key();
    page.text(44, 600, 3, "教科書P47 問1　をしなさい。");
}

void KanovelLessons::BuildBracketFormTexts() {
    rt.workNum(2) = rt.solverCoef(4);
    rt.workNum(3) = PickRandomWhole(3, 1);  // the bracket factor k, after all of the system's draws
    rt.workNum(4) = rt.workNum(3) * rt.workNum(2);
    rt.workNum(5) = rt.solverCoef(3);
    rt.workNum(6) = rt.solverConst(2);
    rt.workNum(1) = rt.workNum(5) - rt.workNum(4);
    rt.workNum(11) = rt.solverCoef(1);
    rt.workNum(12) = rt.solverCoef(2);
    rt.workNum(13) = rt.solverConst(1);
    rt.MakeValueTexts();
    // Only a coefficient 1 loses its digit: -1 and 0 before x stay written.
    for (int row : {1, 3}) runtime::WriteCoefficient(rt, row, CoefficientForm::OneOmitted);
    for (int row : {2, 4, 12}) runtime::WriteCoefficient(rt, row, CoefficientForm::Signed);
}

}  // namespace kanovel
