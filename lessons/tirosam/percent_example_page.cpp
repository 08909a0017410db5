// Lesson 4, page ①: endless random percentage examples. Last month x boys
// and y girls took part; this month the boys rose by p % and the girls by
// q %, and the whole group by N persons: x + y = total (①) and
// p/100·x + q/100·y = N (②), which with the rates reduced and the
// denominators cleared gives ③; the solver works ① and ③.
#include <algorithm>
#include <string>

#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"
#include "runtime/coefficient_text.h"

namespace tirosam {

using namespace lessons;
using runtime::CoefficientForm;

void TirosamLessons::ShowPercentExamplePage() {
    exampleColumnX = 680;
    setupColumnX = 40;
    Page page(rt, rt.leftMargin, rt.cursorY);
    page.penWidth(5);
    page.eraseAt(0, 0, 1600, 1800);
    RunExamples([this] {
        GeneratePercentExampleData();
        DrawPercentExample();
    });
    page.key();
    // The pointer stands at x 484 beside the last answer, 20 below it. A
    // long answer (100 boys or 100 girls) ends less than a full-width
    // character before that x, or past it: the pointer then starts 30 right
    // of the answer instead.
    const float hintX = std::max(484.0f, rt.cursorX + 30);
    page.text(hintX, 600, 7, "教科書P53 問4　をしなさい。");
}

void TirosamLessons::GeneratePercentExampleData() {
    // Four draws in a fixed order: a clock seed fixes the examples shown.
    const float boysRate = 5 * basic::RandomWhole(rt.random, 5, 1);
    float girlsRate = 5 * basic::RandomWhole(rt.random, 5, 1);
    // Equal rates would leave no system to solve: the girls' rate goes up
    // by 5 (30 only when both draws gave 25).
    if (girlsRate == boysRate) girlsRate = girlsRate + 5;
    const float boysLastMonth = 20 * basic::RandomWhole(rt.random, 5, 1);
    const float girlsLastMonth = 20 * basic::RandomWhole(rt.random, 5, 1);

    rt.workNum(1) = boysRate;
    rt.workNum(2) = girlsRate;
    rt.workNum(3) = boysLastMonth + girlsLastMonth;
    // Rates are multiples of 5 and counts of 20: every increase is whole.
    rt.workNum(4) = basic::Div(boysRate * boysLastMonth, 100);
    rt.workNum(5) = basic::Div(girlsRate * girlsLastMonth, 100);
    rt.workNum(6) = rt.workNum(4) + rt.workNum(5);

    // Each rate over 100 in lowest terms.
    rt.fracNum = boysRate;
    rt.fracDen = 100;
    rt.ReduceFraction();
    rt.workNum(7) = rt.fracDen;
    rt.workNum(8) = rt.fracNum;
    rt.fracNum = girlsRate;
    rt.fracDen = 100;
    rt.ReduceFraction();
    rt.workNum(9) = rt.fracDen;
    rt.workNum(10) = rt.fracNum;

    // Their sum over the common denominator gives the multiplier that
    // clears ② and the coefficients of ③.
    rt.fracNum1 = rt.workNum(8);
    rt.fracDen1 = rt.workNum(7);
    rt.fracNum2 = rt.workNum(10);
    rt.fracDen2 = rt.workNum(9);
    rt.AddFractions();
    rt.workNum(11) = rt.fracDen;
    rt.workNum(12) = rt.scaledNum1;
    rt.workNum(13) = rt.scaledNum2;
    rt.workNum(14) = rt.workNum(11) * rt.workNum(6);

    rt.solverCoef(1) = 1;
    rt.solverCoef(2) = 1;
    rt.solverCoef(3) = rt.workNum(12);
    rt.solverCoef(4) = rt.workNum(13);
    rt.solverConst(1) = rt.workNum(3);
    rt.solverConst(2) = rt.workNum(14);
    rt.MakeValueTexts();
    // ③ shows no coefficient 1.
    for (int i = 12; i <= 13; ++i) runtime::WriteCoefficient(rt, i, CoefficientForm::OneOmitted);
}

void TirosamLessons::DrawPercentExample() {
    const std::string boysRate = rt.workText(1), girlsRate = rt.workText(2);
    const std::string total = rt.workText(3), increase = rt.workText(6);
    const std::string boysDen = rt.workText(7), boysNum = rt.workText(8);
    const std::string girlsDen = rt.workText(9), girlsNum = rt.workText(10);
    const std::string lcm = rt.workText(11), boysCoef = rt.workText(12), girlsCoef = rt.workText(13);
    const std::string cleared = rt.workText(14);
    // Nothing is cleared at once: each stage erases its own pane.
    Page page(rt, rt.leftMargin, rt.cursorY);

    // The problem in the left-hand pane; the previous example's working
    // goes, its set-up on the right stays for now.
    rt.Erase(0, 0, 680, 1800);
    rt.columnX = setupColumnX;
    rt.cursorY = 30;
    page.text(40, Same, 3, "例3 ");
    page.text(C, Same, 0, "先月の清掃活動参加者は男女");
    page.text(40, Down(50), 0, "あわせて" + total + "人でした。今月は、");
    page.text(40, Down(50), 0, "先月に比べ、男子が" + boysRate + "％、女子が");
    page.text(40, Down(50), 0, girlsRate + "％それぞれ増えたため全体で");
    page.text(40, Down(50), 0, increase + "人増えました。先月の男子と");
    page.text(40, Down(50), 0, "女子の参加人数を求めなさい。").key();

    // The empty table, then each value cell followed by its key. The row
    // labels and the fractions all but fill their cells, their ink to the
    // left of their middle: they stand a unit right of centre.
    ProblemTable table(rt, page, pointX, pointY,
                       {.labelWidth = 160, .valueWidth = 128, .lastRowHeight = 70,
                        .cornerFill = 13, .headerFill = 13, .labelFill = 13, .labelNudgeX = 1});
    table.place(setupColumnX, 350);
    table.row(1, "", {"男子", "女子", "合計"});
    table.row(2, "先月(人)", {"", "", ""});
    table.row(3, "増加(％)", {"", "", ""});
    table.row(4, "増加(人)", {"", "", ""});
    page.key().key();
    const ProblemTable::Values values = {{
        {"x", "y", total},
        {boysRate, girlsRate, "／"},
        {"ﾀ" + boysRate + "/100ﾀx", "ﾀ" + girlsRate + "/100ﾀy", increase},
    }};
    for (int row = 2; row <= 4; ++row) {
        for (int column = 1; column <= 3; ++column) {
            table.cell(row, column, values[static_cast<size_t>(row - 2)][static_cast<size_t>(column - 1)],
                       row == 4 && column < 3 ? 1 : 0);
            page.key();
        }
    }

    // The set-up in the right-hand pane, over the previous example's.
    rt.columnX = exampleColumnX;
    rt.leftMargin = exampleColumnX;
    rt.cursorY = 30;
    rt.Erase(680, 0, 3200, 1800);
    page.text(L, Same, 7, "先月の男子の参加人数をx人,");
    page.text(L, Down(50), 7, "女子の参加人数をy人とすると、").key();
    page.text(L, Down(50), 0, "先月の参加人数の関係から").key();
    page.text(L, Down(50), 3, "x+y=" + total + "…①").key();
    page.text(L, Down(50), 0, "増えた人数の関係から").key();
    page.text(L, Down(60), 3, "ﾀ" + boysRate + "/100ﾀx+ﾀ" + girlsRate + "/100ﾀy=" + increase + "…②").key();
    page.text(L, Down(60), 0, " ②を整理して").key();
    page.text(L, Down(60), 0, "ﾀ" + boysNum + "/" + boysDen + "ﾀx+ﾀ" + girlsNum + "/" + girlsDen + "ﾀy=" + increase)
        .key();
    page.text(L, Down(70), 0,
              lcm + "(ﾀ" + boysNum + "/" + boysDen + "ﾀx+ﾀ" + girlsNum + "/" + girlsDen + "ﾀy)=" + lcm + "*" + increase)
        .key();
    page.text(L, Down(70), 3, boysCoef + "x+" + girlsCoef + "y=" + cleared + "…③");

    // The problem and the table go; the solver works ① and ③ in the
    // left-hand pane, its system right after "式　", and the page answers
    // in words itself.
    rt.columnX = setupColumnX;
    rt.leftMargin = rt.columnX + 81;
    rt.cursorY = 30;
    rt.Erase(40, 0, 680, 1300);
    page.text(rt.columnX, Same, 3, "式　");
    solver.Solve(solver.SystemInSlots(), SolveOptions().StepByStep().HideAnswer().Labels("", "③"));
    page.key();

    // The check 40 below the solver's last row of working (it stops on an
    // empty row 60 below it), the answer under it.
    page.text(L, Down(-20), 0, "これらは問題に適している。").key();
    page.text(40, Down(50), 5, "答　男子" + rt.xText + "人,女子" + rt.yText + "人");
}

}  // namespace tirosam
