// The pages of endless random elimination examples: 例1 (lesson 2), 例2
// and 例3 (lesson 3). Each example is worked by the solver step by step
// until 1 is typed at the next-step prompt; then the page closes.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowEliminationExample(float titleColour, float column, const char* label) {
    Page page(rt, Clear{0, 0, 1320, 1300}, 40, 30);
    page.text(L, Same, titleColour, "連立方程式を解きなさい。");
    SolveStepByStep(column, label);
}

void KanovelLessons::SolveStepByStep(float column, const std::string& label, const std::string& secondLabel) {
    SolveAfterLabel(column, column, label, secondLabel);
}

void KanovelLessons::SolveBesideExampleTitle(const std::string& secondLabel) {
    // The title "例N　次の連立方程式を解きなさい。" ends its ink at 589 on
    // the brace's row: the blank label at 584, not 560, keeps the brace a
    // full-width character clear of it; the working keeps to 560.
    SolveAfterLabel(560, 584, "　", secondLabel);
}

void KanovelLessons::SolveAfterLabel(float column, float labelX, const std::string& label,
                                     const std::string& secondLabel) {
    // The solver's brace stands where the label ends.
    rt.columnX = column;
    Page page(rt, column + 81, 30);
    page.text(labelX, Same, 3, label);
    solver.Solve(solver.SystemInSlots(), SolveOptions().StepByStep().Labels("", secondLabel));
}

void KanovelLessons::RunExample1Page() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeRandomSystemA();
        ShowEliminationExample(3, 560, "例1　");
    });
    page.key();
    rt.leftMargin = 40;
    rt.cursorY = 180;
    page.text(L, Down(30), 5, "加減法");
    page.text(L, Down(50), 3, "左辺どうし、右辺どうしを");
    page.text(L, Down(50), 3, "それぞれ、たすかひくかして、");
    page.text(L, Down(50), 3, "1つの文字を消去する。").key();
    page.text(44, 610, 7, "教科書P41 問1　をしなさい。");
}

void KanovelLessons::RunExample2Page() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeRandomSystemB();
        ShowEliminationExample(3, 560, "例2　");
    });
    rt.columnX = 40;
    rt.leftMargin = 40;
    rt.cursorY = 180;
    page.text(L, Down(30), 5, "加減法");
    page.text(L, Down(50), 0, "どちらかの文字の係数の絶対値");
    page.text(L, Down(50), 0, "をそろえ、左辺どうし、");
    page.text(L, Down(50), 0, "右辺どうしをそれぞれ、");
    page.text(L, Down(50), 0, "たすかひくかして、");
    page.text(L, Down(50), 0, "1つの文字を消去する方法");
    page.text(L, 610, 3, "教科書P42 問2　をしなさい。");
}

void KanovelLessons::RunExample3Page() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 40, 30);
    RunExamples([this] {
        MakeRandomSystemC();
        ShowEliminationExample(7, 480, "例3　");
    });
    page.key();
    page.text(44, 610, 3, "教科書P43 問3,問4　をしなさい。");
}

}  // namespace kanovel
