// Lesson 2, page ①: endless random examples of museum admission fees. Two
// groups of adults and pupils pay their totals; the pupil finds the fee of
// one adult and of one pupil. The problem is stated on the right, set up
// on the left, worked by the solver on the right and answered on the left.
#include "lessons/tirosam/tirosam_lessons.h"
#include "runtime/coefficient_text.h"

namespace tirosam {

using namespace lessons;
using runtime::CoefficientForm;

void TirosamLessons::GenerateAdmissionFeeData() {
    // Six draws in a fixed order, none repeated: a clock seed fixes the
    // examples shown.
    adultFee = basic::RandomWhole(rt.random, 5, 2) * 100;
    feeRatio = basic::RandomWhole(rt.random, 3, 5);
    studentFee = adultFee * feeRatio / 10;
    rt.workNum(1) = basic::RandomWhole(rt.random, 4, 3);
    rt.workNum(2) = basic::RandomWhole(rt.random, 2, 1);
    rt.workNum(3) = basic::RandomWhole(rt.random, 2, 1);
    rt.workNum(4) = basic::RandomWhole(rt.random, 4, 3);
    rt.auxNum(1) = rt.workNum(1) * adultFee + rt.workNum(2) * studentFee;
    rt.auxNum(2) = rt.workNum(3) * adultFee + rt.workNum(4) * studentFee;
    for (int i = 1; i <= 4; ++i) rt.solverCoef(i) = rt.workNum(i);
    rt.solverConst(1) = rt.auxNum(1);
    rt.solverConst(2) = rt.auxNum(2);
    rt.MakeValueTexts();
    // A count of 1 is written in the sentences but leaves no coefficient.
    for (int i = 1; i <= 4; ++i)
        rt.workText(10 + i) = runtime::CoefficientText(rt.workNum(i), rt.workText(i), CoefficientForm::OneOmitted);
}

void TirosamLessons::RunAdmissionFeeExamples() {
    // The set-up's longest line ends at 604: the problem and the working on
    // the right start a full character beyond it, so that the two columns
    // do not read as one line.
    exampleColumnX = 640;
    setupColumnX = 40;
    Page page(rt, Clear{0, 0, 1600, 1800}, setupColumnX, 30);
    RunExamples([this, &page] {
        GenerateAdmissionFeeData();

        // The problem, on the right.
        rt.columnX = exampleColumnX;
        rt.cursorY = 30;
        page.eraseAt(exampleColumnX, 0, 1600, 1800);
        page.text(exampleColumnX, Same, 3, "例1 ");
        page.text(C, Same, 0, "ある美術館の入館料は、おとな" + rt.workText(1) + "人");
        page.text(exampleColumnX, Down(50), 0,
                  "と中学生" + rt.workText(2) + "人で" + rt.auxText(1) + "円、おとな" + rt.workText(3) + "人");
        page.text(exampleColumnX, Down(50), 0, "と中学生" + rt.workText(4) + "人で" + rt.auxText(2) + "円です。おとな");
        page.text(exampleColumnX, Down(50), 0, "1人と中学生1人の入館料を求めなさい。").key();

        // The set-up, on the left.
        rt.leftMargin = setupColumnX;
        rt.cursorY = 30;
        page.eraseAt(0, 0, exampleColumnX, 1800);
        page.text(L, Same, 7, "おとな1人の入館料をx円,");
        page.text(L, Down(50), 7, "中学生1人の入館料をy円とすると、").key();
        page.text(L, Down(50), 0,
                  "おとな" + rt.workText(1) + "人と中学生" + rt.workText(2) + "人で" + rt.auxText(1) + "円")
            .key();
        page.text(L, Down(50), 3, rt.workText(11) + "x+" + rt.workText(12) + "y=" + rt.auxText(1)).key();
        page.text(L, Down(50), 0,
                  "おとな" + rt.workText(3) + "人と中学生" + rt.workText(4) + "人で" + rt.auxText(2) + "円")
            .key();
        page.text(L, Down(50), 3, rt.workText(13) + "x+" + rt.workText(14) + "y=" + rt.auxText(2));
        lastEquationY = rt.cursorY;

        // The solver's working, on the right in place of the problem.
        rt.columnX = exampleColumnX;
        rt.leftMargin = exampleColumnX + 81;
        rt.cursorY = 30;
        page.eraseAt(exampleColumnX, 0, 1320, 1300);
        page.text(exampleColumnX, Same, 3, "式　");
        solver.Solve(solver.SystemInSlots(), SolveOptions().StepByStep().HideAnswer());

        // The answer, on the left under the set-up.
        rt.leftMargin = setupColumnX;
        rt.cursorY = lastEquationY + 50;
        page.key();
        page.text(L, Down(50), 0, "これらは問題に適している。").key();
        page.text(L, Down(50), 5, "答　おとな1人" + rt.xText + "円");
        page.text(L + 76, Down(50), 5, "中学生1人" + rt.yText + "円");
    });
    page.text(44, 570, 7, "教科書P51 問1　をしなさい。");
}

}  // namespace tirosam
