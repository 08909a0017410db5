// Lesson 5's page ⑤A=B=C: ten stored systems A=B=C shown in turn, each in
// one of four arrangements drawn at random, split into A=C (①) and B=C (②)
// and worked by the solver step by step.
// workNum rows: 1 a1, 2 b1, 3 C, 11 a2, 12 b2, 13 C.
#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/coefficient_text.h"

namespace kanovel {

using namespace lessons;
using runtime::CoefficientForm;

namespace {

// A = ax·x + ay·y, B = bx·x + by·y, and C.
struct AbcSystem {
    float ax, ay, bx, by, c;
};

constexpr AbcSystem kAbcSystems[10] = {
    {4, 1, 3, -1, 7},    {3, -4, -1, 4, 2}, {3, -7, -3, 5, -2}, {1, 4, -3, 2, 7},  {3, -7, 13, -5, 38},
    {1, 1, 4, 3, 1},     {1, -1, 5, 1, 3},  {2, 3, -1, -4, 5},  {5, 2, -1, -2, 4}, {-3, -1, 3, 2, -1},
};

}  // namespace

void KanovelLessons::ShowAbcFormExamples() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeAbcFormExample();
        auto W = [this](int row) { return rt.workText(row); };
        rt.columnX = 40;
        Page half(rt, Clear{0, 0, 1320, 1300}, 40, 30);
        half.text(L, Same, 7, "例3　次の連立方程式を解きなさい。");
        half.text(L + 80, Down(60), 3, W(1) + "x" + W(2) + "y=" + W(11) + "x" + W(12) + "y=" + W(13)).key();
        half.text(L, Down(60), 0, W(13) + "を2回使って");
        half.text(L, Down(60), 0, "連立方程式をつくると").key();
        SolveBesideExampleTitle();
    });
    // The rule stands above the solver's last row.
    page.key();
    page.text(40, Down(-150), 5, "A=B=C の形の連立方程式");
    page.text(40, Down(50), 5, "は、A,B,Cのうち");
    page.text(40, Down(50), 5, "一番簡単な式を2回使う。").key();
    // 42, not 44: a full-width character clear of the solver's last row,
    // which starts at 560 on the line above.
    page.text(42, 570, 3, "教科書P47 問3　をしなさい。");
}

void KanovelLessons::MakeAbcFormExample() {
    // The eleventh example of a visit starts the list again.
    if (exampleCount == 10) exampleCount = 0;
    const int index = static_cast<int>(exampleCount);
    if (index < 0 || index > 9) basic::Fail(basic::kSubscriptOutOfRange);
    const AbcSystem& row = kAbcSystems[index];
    rt.solverCoef(1) = row.ax;
    rt.solverCoef(2) = row.ay;
    rt.solverCoef(3) = row.bx;
    rt.solverCoef(4) = row.by;
    // One draw: x and y trade coefficients, A and B trade places, both, or
    // neither. C stays the right side of both equations.
    ShuffleSystem();
    rt.solverConst(1) = row.c;
    rt.solverConst(2) = row.c;
    rt.workNum(1) = rt.solverCoef(1);
    rt.workNum(2) = rt.solverCoef(2);
    rt.workNum(3) = row.c;
    rt.workNum(11) = rt.solverCoef(3);
    rt.workNum(12) = rt.solverCoef(4);
    rt.workNum(13) = row.c;
    rt.MakeValueTexts();
    for (int term : {1, 11}) runtime::WriteCoefficient(rt, term, CoefficientForm::Leading);
    for (int term : {2, 12}) runtime::WriteCoefficient(rt, term, CoefficientForm::Following);
}

}  // namespace kanovel
