// Lesson 1, page ③: eleven cakes and puddings for 3200 yen. The system has
// the solution x=4.5, y=6.5, which does not suit the problem.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowUnsuitableSolution() {
    Page page(rt, Clear{0, 0, 1320, 1300}, 44, 30);
    page.text(L, Same, 3, "合計11個を3200円で買えますか。");
    page.text(L, Down(50), 0, "ケーキをx個,プリンをy個買うとすると、").key();
    page.text(L, Down(60), 0, "個数の関係から　").key();
    page.text(C, Same, 0, "x+y=11").key();
    page.text(L, Down(60), 0, "代金の関係から　").key();
    page.text(C, Same, 0, "350x+250y=3200").key();
    page.brace(L, Down(50));
    page.text(L + 40, Down(50), 0, "x+y=11…①");
    page.text(L + 40, Down(50), 0, "350x+250y=3200…②").key();
    page.text(L, Down(50), 3, "①*250-②").key();
    page.columnSum(L, Down(50), 0, "250x+250y=2750", "-", "350x+250y=3200");
    page.signRow(L, MarkRow, 3, "+-    -    -").key();
    page.text(rt.resultX - 27, Down(50), 0, "-100x     =-450").key();
    page.text(rt.resultX, Down(50), 0, "   x     =4.5").key();

    rt.leftMargin = 760;
    rt.cursorY = 30;
    page.text(L, Down(50), 3, "x=4.5 を①に代入して").key();
    page.text(L, Down(50), 0, "4.5+y=11").key();
    page.text(L, Down(50), 0, "y=11-4.5=6.5").key();
    page.text(L, Down(50), 3, " x=4.5,y=6.5").key();
    page.text(L, Down(50), 0, "これらは問題に適していない。");
    page.text(L, Down(50), 5, "答　合計11個を3200円で");
    page.text(L + 76, Down(50), 5, "買うことはできない。");
}

}  // namespace tirosam
