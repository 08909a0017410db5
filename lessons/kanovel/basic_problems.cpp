// Lesson 6's pages, P48 基本の問題: ① four candidate pairs checked against
// 3x-2y=-11, x+y=3; ② four systems worked by the solver, two side by side;
// ③ two systems solved by substitution.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowBasicCandidateChecks() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 36, 30);
    ShowChapterPlates(page, 36, 30, "P48 基本の問題", "1", runtime::kChapterNumberPlate.w, 10);
    page.key();
    page.text(L, Down(50), 7, "ア x=1,y=7 を代入すると");
    // The second column of candidates is placed from where this heading ends.
    const float headingEnd = rt.cursorX, headingY = rt.cursorY;
    page.text(L, Down(50), 0, " 3x-2y=3*1-2*7");
    page.text(L, Down(50), 0, "=3-14=");
    page.text(C, Same, 3, "-11 …○");
    page.text(L, Down(50), 0, " x+y=1+7");
    page.text(L, Down(50), 0, "=");
    page.text(C, Same, 3, "8 …×");
    page.text(L, Down(50), 7, "イ x=2,y=-1 を代入すると");
    page.text(L, Down(50), 0, " 3x-2y=3*2-2*(-1)");
    page.text(L, Down(50), 0, "=6+2=");
    page.text(C, Same, 3, "8 …×");
    page.text(L, Down(50), 0, " x+y=2-1");
    page.text(L, Down(50), 0, "=");
    page.text(C, Same, 3, "1 …×");
    rt.leftMargin = headingEnd + 76;
    rt.cursorY = headingY;
    page.text(L, Same, 7, "ウ x=-1,y=4 を代入すると");
    page.text(L, Down(50), 0, " 3x-2y=3*(-1)-2*4");
    page.text(L, Down(50), 0, "=-3-8=");
    page.text(C, Same, 3, "-11 …○");
    page.text(L, Down(50), 0, " x+y=-1+4");
    page.text(L, Down(50), 0, "=");
    page.text(C, Same, 3, "3 …○");
    page.text(L, Down(50), 7, "エ x=2,y=1 を代入すると");
    page.text(L, Down(50), 0, " 3x-2y=3*2-2*1");
    page.text(L, Down(50), 0, "=6-2=");
    page.text(C, Same, 3, "4 …×");
    page.text(L, Down(50), 0, " x+y=2+1");
    page.text(L, Down(50), 0, "=");
    page.text(C, Same, 3, "3 …○");
    page.text(C + 48, 530, 5, "答　ウ");
}

void KanovelLessons::ShowBasicEliminationProblems() {
    // Left column: the plates, then the label 58 below them (so that the
    // answer, 520 further down, keeps clear of the key-wait plate); the
    // solver's brace stands where the label ends.
    auto leftColumn = [this](Page& page, const char* label) {
        rt.columnX = 38;
        rt.leftMargin = 76;
        rt.cursorY = 30;
        ShowChapterPlates(page, 76, 30, "P48 基本の問題", "2");
        page.text(38, Down(58), 3, label);
    };
    // Right column: the label on the plate row.
    auto rightColumn = [this](Page& page, const char* label) {
        rt.columnX = 684;
        rt.leftMargin = 722;
        rt.cursorY = 30;
        page.text(684, Same, 3, label);
    };
    Page page(rt, Clear{0, 0, 1760, 1800}, 76, 30);
    leftColumn(page, "(1)");
    solver.Solve({2, 1, 1, 3, -1, 9});
    rightColumn(page, "(2)");
    solver.Solve({5, -2, -1, 7, -6, 5});
    page.key();
    page.eraseAt(0, 0, 684, 1800);
    leftColumn(page, "(3)");
    solver.Solve({5, -4, 9, 2, -3, 5});
    page.key();
    page.eraseAt(684, 0, 1760, 1800);
    rightColumn(page, "(4)");
    solver.Solve({3, -2, -20, 4, 3, 13});
}

void KanovelLessons::ShowBasicSubstitutionProblems() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 108, 30);
    ShowChapterPlates(page, 108, 30, "P48 基本の問題", "3");
    // Each system's brace stands where its label ends.
    page.text(L - 38, Down(50), 3, "(1)");
    page.system(C, Same, 0, "y=x-2…①", "3x+y=14…②");
    page.text(L, Down(50), 3, "①を②に代入して");
    page.text(L, Down(50), 0, "3x+x-2=14");
    page.text(L, Down(50), 0, "  3x+x=14+2");
    page.text(L, Down(50), 0, "    4x=16");
    page.text(L, Down(50), 0, "     x=4");
    page.text(L, Down(50), 3, "x=4 を①に代入して");
    page.text(L, Down(50), 0, "y=4-2=2");
    page.text(L, Down(50), 5, "答 x=4,y=2");

    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L - 38, Same, 3, "(2)");
    page.system(C, Same, 0, "-5x+y=9…①", "x=3y+1…②");
    page.text(L, Down(50), 3, "②を①に代入して");
    page.text(L, Down(50), 0, "-5(3y+1)+y=9");
    page.text(L, Down(50), 0, "  -15y-5+y=9");
    page.text(L, Down(50), 0, "    -15y+y=9+5");
    page.text(L, Down(50), 0, "      -14y=14");
    page.text(L, Down(50), 0, "         y=-1");
    page.text(L, Down(50), 3, "y=-1 を②に代入して");
    page.text(L, Down(50), 0, "x=3*(-1)+1=-3+1");
    page.text(L, Down(50), 0, "x=-2");
    page.text(L, Down(50), 5, "答 x=-2,y=-1");
}

}  // namespace kanovel
