// Lesson 1 page ①: 9 shots of 3 or 2 points make 21 points. One pupil
// fills a guess table column by column, the other writes one equation in x.
#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/number_text.h"

namespace kanovel {

using namespace lessons;
using runtime::NumberText;

void KanovelLessons::ShowShotProblemPage() {
    Page page(rt, Clear{0, 0, 1320, 1300}, /*leftMargin*/ 36, /*cursorY*/ 15);
    // The table's frames are drawn 5 wide; the width stays so after the page.
    page.penWidth(5);
    page.text(L, Same, 7, "3点シュート,2点シュートの本数は？").key();
    page.text(C, Same, 3, "(シュート9本で21点)").key();

    // The guess table: the label column, then columns k = 0 to 9 of 76;
    // column 6 holds the trial, column 3 the answer.
    cellX(1) = rt.leftMargin;
    cellY(1) = rt.cursorY + 180;
    cellY(2) = cellY(1) + 50;
    cellY(3) = cellY(2) + 50;
    cellX(2) = cellX(1) + 342 + 456;
    cellX(3) = cellX(1) + 342;
    cellX(4) = cellX(1) + 342 + 228;
    page.cell(cellX(1), cellY(1), 342, 50, 3, 13, 0, "3点シュートの本数");
    for (float k = 0; k <= 9; ++k) page.cell(378 + 76 * k, 195, 76, 50, 3, 15, 0, NumberText(rt, k));
    page.cell(cellX(1), cellY(2), 342, 50, 3, 13, 0, "2点シュートの本数");
    for (float k = 0; k <= 9; ++k) page.cell(378 + 76 * k, 245, 76, 50, 3, 15, 0, "");
    page.cell(cellX(1), cellY(3), 342, 50, 3, 13, 0, "得点の合計");
    for (float k = 0; k <= 9; ++k) page.cell(378 + 76 * k, 295, 76, 50, 3, 15, 0, "");

    page.text(L, Down(50), 3, "ロッカさん");
    cellX(11) = rt.penX;
    cellY(11) = rt.penY;
    page.text(L, Down(50), 3, "　　の考え").key();
    page.text(C + 30, cellY(11), 0, "3点シュートが6本のとき、2点シュートは　").key();
    page.text(C, Same, 0, "9-6=3(本)");
    page.cell(cellX(2), cellY(2), 76, 50, 3, 15, 0, "3").key();
    page.text(cellX(11) + 30, Down(50), 0, "得点の合計は ").key();
    page.text(C, Same, 0, "3*6+2*3=18+6=24(点)");
    page.cell(cellX(2), cellY(3), 76, 50, 3, 15, 0, "24").key();
    for (float k = 0; k <= 9; ++k)
        page.key().cell(cellX(3) + 76 * k, cellY(2), 76, 50, 3, 15, 0, NumberText(rt, 9 - k));
    page.key();
    for (float k = 0; k <= 9; ++k)
        page.key().cell(cellX(3) + 76 * k, cellY(3), 76, 50, 3, 15, 0, NumberText(rt, 3 * k + 2 * (9 - k)));
    page.key();
    page.cell(cellX(4), cellY(1), 76, 50, 3, 11, 5, "3");
    page.cell(cellX(4), cellY(2), 76, 50, 3, 11, 5, "6");
    page.cell(cellX(4), cellY(3), 76, 50, 3, 11, 5, "21");
    rt.cursorY = rt.penY;
    page.key();

    page.text(L, Down(70), 3, "ミルテさんの考え").key();
    page.text(C + 30, Same, 0, "3点シュートをx本決めたとすると、2点シュートは　").key();
    page.text(L, Down(50), 0, "(9-x)本で、得点の合計が21点だから").key();
    page.text(L, Down(60), 0, "3x+2(9-x)=21");
    cellX(1) = rt.penX;
    cellY(1) = rt.penY;
    page.key();
    page.text(L, Down(60), 0, "3x+18-2x=21").key();
    page.text(L, Down(60), 0, "3x-2x=21-18");
    // The solving goes on in a column right of the equation, from its row.
    rt.leftMargin = cellX(1) + 30;
    rt.cursorY = cellY(1);
    page.key();
    page.text(L, Same, 0, "x=3").key();
    page.text(L, Down(60), 0, "2点シュートは 9-3=6").key();
    page.text(L, Down(60), 5, "答　3点シュート 3本　　2点シュート 6本");
}

}  // namespace kanovel
