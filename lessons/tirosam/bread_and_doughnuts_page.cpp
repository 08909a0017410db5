// Lesson 2, page ②: the worked answer of the textbook exercise on bread
// rolls and doughnuts: the system set up on the left, eliminated by
// ①×3−②×4 and answered on the right.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowBreadAndDoughnutAnswer() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 38, 30);
    page.penWidth(5);
    page.text(L, Same, 3, "教科書P51 問1　解答").key();
    page.text(L, Down(50), 0, "パン1個の値段をx円,");
    page.text(L, Down(50), 0, "ドーナツ1個の値段をy円とすると、").key();
    page.text(L, Down(50), 0, "パン5個とドーナツ4個で890円").key();
    page.text(L, Down(50), 3, "5x+4y=890").key();
    page.text(L, Down(50), 0, "パン6個とドーナツ3個で870円").key();
    page.text(L, Down(50), 3, "6x+3y=870").key();
    page.brace(L, Down(50));
    page.text(L + 40, Down(50), 0, "5x+4y=890…①");
    page.text(L + 40, Down(50), 0, "6x+3y=870…②").key();

    rt.leftMargin = 684;
    rt.cursorY = 30;
    page.text(L, Same, 3, "①*3-②*4").key();
    page.columnSum(L, Down(50), 0, "15x+12y=2670", "-", "24x+12y=3480").key();
    page.signRow(L, MarkRow, 3, "+-   -   -").key();
    page.text(rt.resultX, Down(50), 0, "-9x    =-810").key();
    page.text(rt.resultX - 27, Down(50), 0, "   x    =90").key();
    page.text(L, Down(50), 3, "x=90 を①に代入して").key();
    page.text(L, Down(50), 0, "5*90+4y=890").key();
    page.text(L, Down(50), 0, "     4y=890-450=440");
    page.text(L, Down(50), 0, "      y=110");
    page.text(L, Down(50), 3, " x=90,y=110").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L - 152, Down(50), 5, "答　パン1個90円,ドーナツ1個110円");
}

}  // namespace tirosam
