// Chapter problems A, pages 3 and 4: coins saved over four weeks, worked by
// a written subtraction, and admission fees, worked by substitution. Each
// sets up its equations on the left and solves them on the right.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowCoinSavingsPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 40, 30);
    ShowChapterPlates(page, L, Same, "P54 章の問題A", "3");
    page.key();
    page.text(L, Down(50), 0, "500円硬貨をx日,100円硬貨をy日");
    page.text(L, Down(50), 0, "入れるとすると、").key();
    page.text(L, Down(50), 0, "4週間は28日だから、合わせて28枚").key();
    page.text(L, Down(50), 3, "x+y=28").key();
    page.text(L, Down(50), 0, "10000円ためるから、").key();
    page.text(L, Down(50), 3, "500x+100y=10000");
    page.text(L, Down(50), 3, "");  // only brings the cursor to the next row
    page.system(C, Same, 0, "x+y=28…①", "500x+100y=10000…②").key();

    rt.leftMargin = 684;
    rt.cursorY = 30;
    page.text(L, Same, 3, "①*100-②");
    page.columnSum(L, Down(50), 0, "100x+100y=2800", "-", "500x+100y=10000");
    page.signRow(L, MarkRow, 3, "+-    -    -");
    page.text(rt.resultX - 27, Down(50), 0, "-400x     =-7200");
    page.text(rt.resultX, Down(50), 0, "   x     =18").key();
    page.text(L, Down(50), 3, "x=18 を①に代入して");
    page.text(L, Down(50), 0, "18+y=28");
    page.text(L, Down(50), 0, "y=28-18=10");
    page.text(L, Down(50), 3, " x=18,y=10").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L - 228, Down(50), 5, "答　500円硬貨18日,100円硬貨10日");
}

void TirosamLessons::ShowAdmissionFeesPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 108, 30);
    ShowChapterPlates(page, L, Same, "P54 章の問題A", "4");
    page.key();
    page.text(L, Down(50), 0, "おとな1人の入館料をx円,");
    page.text(L, Down(50), 0, "中学生1人の入館料をy円とすると").key();
    page.text(L, Down(50), 0, "大人の料金は中学生より150円高い").key();
    page.text(L, Down(50), 3, "x=y+150").key();
    page.text(L, Down(50), 0, "大人4人と中学生6人で2500円").key();
    page.text(L, Down(50), 3, "4x+6y=2500");
    page.system(L, Down(50), 0, "x=y+150…①", "4x+6y=2500…②").key();

    rt.leftMargin = 684;
    rt.cursorY = 30;
    page.text(L, Down(50), 3, "①を②に代入して");
    page.text(L, Down(50), 0, "4(y+150)+6y=2500");
    page.text(L, Down(50), 0, "  4y+600+6y=2500");
    page.text(L, Down(50), 0, "      4y+6y=2500-600");
    page.text(L, Down(50), 0, "        10y=1900");
    page.text(L, Down(50), 0, "          y=190").key();
    page.text(L, Down(50), 3, "y=190 を①に代入して");
    page.text(L, Down(50), 0, "x=190+150=340");
    page.text(L, Down(50), 3, " x=340,y=190").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L - 228, Down(50), 5, "答　大人1人340円,中学生1人190円");
}

}  // namespace tirosam
