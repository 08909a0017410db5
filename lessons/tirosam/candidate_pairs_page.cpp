// Lesson 5, page ①: chapter problem 1 of textbook page 54. Which of the
// pairs ア (8, -2), イ (2, 0) and ウ (4, 1) solves 3x+4y=16, x-2y=2? Each
// pair is put into both left sides; a result equal to the right side is
// marked ○, any other ×. ウ gets ○ twice and is the answer.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowCandidatePairsPage() {
    // The plates are framed in the pen width in force: this page sets none.
    Page page(rt, Clear{0, 0, 1760, 1800}, 36, 30);
    ShowChapterPlates(page, L, Same, "P54 章の問題A", "1", runtime::kChapterNumberPlate.w, 10);
    page.key();

    // Everything else at once. ア and イ stand one under the other, ウ in a
    // second column 76 right of where ア's heading ended, level with ア.
    page.text(L, Down(50), 7, "ア x=8,y=-2 を代入すると");
    pointX(1) = rt.penX;
    pointY(1) = rt.penY;
    page.text(L, Down(50), 0, " 3x+4y=3*8+4*(-2)");
    page.text(L, Down(50), 0, "=24-8=");
    page.text(C, Same, 3, "16 …○");
    page.text(L, Down(50), 0, " x-2y=8-2*(-2)");
    page.text(L, Down(50), 0, "=8+4=");
    page.text(C, Same, 3, "12 …×");
    page.text(L, Down(50), 7, "イ x=2,y=0 を代入すると");
    page.text(L, Down(50), 0, " 3x+4y=3*2+4*0");
    page.text(L, Down(50), 0, "=6+0=");
    page.text(C, Same, 3, "6 …×");
    page.text(L, Down(50), 0, " x-2y=2-2*0");
    page.text(L, Down(50), 0, "=2-0=");
    page.text(C, Same, 3, "2 …○");
    rt.leftMargin = pointX(1) + 76;
    rt.cursorY = pointY(1);
    page.text(L, Same, 7, "ウ x=4,y=1 を代入すると");
    page.text(L, Down(50), 0, " 3x+4y=3*4+4*1");
    page.text(L, Down(50), 0, "=12+4=");
    page.text(C, Same, 3, "16 …○");
    page.text(L, Down(50), 0, " x-2y=4-2*1");
    page.text(L, Down(50), 0, "=4-2=");
    page.text(C, Same, 3, "2 …○");
    page.text(C + 48, Same, 5, "答　ウ");
}

}  // namespace tirosam
