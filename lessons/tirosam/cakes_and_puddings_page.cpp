// Lesson 1, page ①: cakes at 350 yen and puddings at 250 yen, ten for 3200
// yen, worked without an unknown (left) and with one unknown (right).
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowCakesAndPuddingsProblem() {
    Page page(rt, Clear{0, 0, 1320, 1300}, 36, 15);
    page.text(L, Same, 3, "1個350円のケーキと1個250円のプリンを合わせて10個買うと、");
    page.text(L, Down(50), 3, "代金の合計が3200円です。買うのはそれぞれ何個ですか。");
    page.text(L, Down(70), 7, "<鶴亀算>").key();
    page.text(L, Down(50), 0, "ケーキを10個買うと、代金は　").key();
    page.text(L, Down(50), 0, "350*10=3500(円）で、");
    page.text(L, Down(50), 0, "代金の合計が3200円だから").key();
    page.text(L, Down(50), 0, "300円不足する。").key();
    page.text(L, Down(50), 0, "ケーキ1個をプリン1個に");
    page.text(L, Down(50), 0, "かえると、100円安くなるから").key();
    page.text(L, Down(50), 0, "300/100=3").key();
    page.text(L, Down(50), 0, "プリンを3個にすればよい").key();
    page.text(L, Down(50), 5, "答　ケーキ7個,プリン3個").key();

    // The right column starts level with the left column's heading.
    rt.leftMargin = 570;
    rt.cursorY = 65;
    page.text(L, Down(70), 3, "<1年生での解き方>").key();
    page.text(L, Down(50), 0, "ケーキをx個買うとすると、プリンは　").key();
    page.text(L, Down(50), 0, "(10-x)個、代金の合計が3200円だから").key();
    page.text(L, Down(50), 0, "350x+250(10-x)=3200").key();
    page.text(L, Down(50), 0, "350x+2500-250x=3200").key();
    page.text(L, Down(50), 0, "     350x-250x=3200-2500").key();
    page.text(L, Down(50), 0, "          100x=700").key();
    page.text(L, Down(50), 0, "             x=7").key();
    page.text(L, Down(50), 0, "プリンは 10-7=3").key();
    page.text(L, Down(60), 5, "答　ケーキ7個,プリン3個");
}

}  // namespace tirosam
