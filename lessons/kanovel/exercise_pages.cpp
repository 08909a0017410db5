// The textbook exercises of lessons 2 and 3: fixed systems worked whole by
// the solver (no waits inside a system), a key between systems. 問1 (lesson
// 2), 問２, 問３ and 問４ (lesson 3).
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

// Each label just drawn leaves penX and cursorX right after it, where the
// solver puts its brace, and cursorY on its row.
void KanovelLessons::WorkExercisesInTwoColumns(const char* heading, const solver::System (&systems)[3]) {
    rt.columnX = 40;
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 121, /*cursorY*/ 30);
    page.text(40, Same, 7, heading);
    page.text(C, Same, 3, "(1)");
    solver.Solve(systems[0]);
    page.key();
    rt.columnX = 640;
    rt.leftMargin = 721;
    rt.cursorY = 30;
    page.text(640, Same, 3, "(2)");
    solver.Solve(systems[1]);
    page.key();
    // The left half alone: (2) stays at the right, from x 640.
    page.eraseAt(0, 0, 640, 1800);
    rt.columnX = 40;
    rt.leftMargin = 121;
    rt.cursorY = 30;
    page.text(40, Same, 3, "(3)");
    solver.Solve(systems[2]);
}

void KanovelLessons::ShowExercise1Page() {
    rt.columnX = 40;
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 121, /*cursorY*/ 30);
    page.text(40, Same, 7, "問1");
    page.text(C, Same, 3, "(1)");
    solver.Solve({4, -3, 11, 5, 3, 7});
    page.key();
    // leftMargin stays as the solver left it: it only places "解けません",
    // which none of these systems shows.
    rt.columnX = 600;
    rt.cursorY = 30;
    page.text(600, Same, 3, "(2)");
    solver.Solve({2, 4, 18, 2, -3, 4});
    page.key().key();
    page.eraseAt(0, 0, 1600, 1800);
    rt.columnX = 80;
    rt.cursorY = 30;
    page.text(80, Same, 3, "(3)");
    solver.Solve({1, 1, -3, 1, -1, 7});
}

void KanovelLessons::ShowExercise2Page() {
    WorkExercisesInTwoColumns("問2", {{1, 2, 5, 2, 3, 8}, {2, -1, 7, 5, 3, 1}, {6, -7, 12, 3, -2, -3}});
}

void KanovelLessons::ShowEliminationExercise3Page() {
    WorkExercisesInTwoColumns("問3", {{5, 3, 2, 9, -2, 11}, {4, 7, -13, 5, 2, 4}, {-3, 7, -1, 5, -4, -6}});
}

void KanovelLessons::ShowEliminationExercise4Page() {
    WorkExercisesInTwoColumns("問4", {{3, 1, 11, 3, -2, 5}, {2, -3, -4, 4, 5, -8}, {4, -5, 21, 3, -2, 21}});
    rt.WaitAnyKey();
    // (4) is given with every term on the left: the page writes it so as ①
    // and ②, and the solver works it with the constants moved over as ③ and ④.
    rt.columnX = 40;
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 121, /*cursorY*/ 30);
    page.text(40, Same, 3, "(4)");
    page.system(L, Same, 0, "3x-7y-1=0…①", "2x+3y+7=0…②").key();
    rt.columnX = 640;
    rt.leftMargin = 640;
    rt.cursorY = 30;
    page.text(640, Same, 3, "  ");
    solver.Solve({3, -7, 1, 2, 3, -7}, SolveOptions().Labels("③", "④"));
}

}  // namespace kanovel
