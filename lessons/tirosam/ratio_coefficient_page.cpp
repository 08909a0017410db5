// Chapter problems B, page 2: the coefficient a of a system whose solution
// is in the ratio x:y = 3:2, found in three columns on one screen.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowRatioCoefficientPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 76, 30);
    ShowChapterPlates(page, L, Same, "P55 章の問題B", "2");
    page.system(L, Down(50), 0, "5x-3y=18…①", "ax-6y=-6…②").key();
    page.text(L, Down(50), 0, "x:y=3:2 だから").key();
    page.text(L, Down(50), 0, "2x=3y").key();
    page.text(L, Down(50), 0, "2x-3y=0…③");
    page.text(L, Down(50), 3, "①,③を使って");
    page.text(L, Down(50), 3, "連立方程式をつくると").key();
    page.system(L, Down(50), 0, "5x-3y=18…①", "2x-3y=0…③").key();

    rt.leftMargin = 494;
    rt.cursorY = 30;
    page.text(L, Down(50), 3, "①-③");
    page.columnSum(L, Down(50), 0, "5x-3y=18", "-", "2x-3y=0");
    page.signRow(L, MarkRow, 3, "+-  +  -");
    page.text(rt.resultX, Down(50), 0, "3x   =18");
    page.text(rt.resultX, Down(50), 0, " x   =6").key();
    page.text(L, Down(50), 3, "x=6 を③に代入して");
    page.text(L, Down(50), 0, "2*6-3y=0");
    page.text(L, Down(50), 0, "-3y=-12");
    page.text(L, Down(50), 0, "  y=4").key();
    page.text(L, Down(50), 3, "x=6,y=4 を②に代入して").key();

    rt.leftMargin = 874;
    rt.cursorY = 30;
    page.text(L, Same, 0, "a*6-6*4=-6");
    page.text(L, Down(50), 0, "6a-24=-6");
    page.text(L, Down(50), 0, "6a=-6+24=18");
    page.text(L, Down(50), 0, " a=3");
    page.text(L, Down(50), 5, "答 a=3");
}

}  // namespace tirosam
