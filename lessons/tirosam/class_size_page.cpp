// Chapter problems B, page 3: last year's girls and boys and this year's
// change by a percentage, with a table filled one row at a time.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowClassSizeChangePage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 36, 30);
    page.penWidth(5);
    ShowChapterPlates(page, L, Same, "P55 章の問題B", "3");

    // The table: a label column 266 wide and three value columns (女子,
    // 男子, 合計) 152 wide; rows 50 high, the last 70 for its fractions.
    pointX(11) = rt.leftMargin;
    pointX(12) = pointX(11) + 266;
    pointY(11) = rt.cursorY + 70;
    pointY(12) = pointY(11) + 50;
    pointY(13) = pointY(12) + 50;
    pointY(14) = pointY(13) + 50;
    auto valueRow = [&](float top, float height, float fill, const std::array<float, 3>& nudgeX = {}) {
        DrawValueRow(page, top, height, fill, 152, 152, nudgeX);
    };

    page.cell(pointX(11), pointY(11), 266, 50, 3, 14, 0, "");
    SetRowTexts("女子", "男子", "合計");
    valueRow(pointY(11), 50, 13);
    SetRowTexts("", "", "");
    page.cell(pointX(11), pointY(12), 266, 50, 3, 13, 0, "去年人数(人)");
    valueRow(pointY(12), 50, 15);
    page.cell(pointX(11), pointY(13), 266, 50, 3, 13, 0, "増減割合(％)");
    valueRow(pointY(13), 50, 15);
    page.cell(pointX(11), pointY(14), 266, 70, 3, 13, 0, "増減人数(人)");
    valueRow(pointY(14), 70, 15);
    // The cursor stands at the top of the last row.
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
    page.text(L, Down(80), 0, "去年の女子をx人,男子をy人とすると").key();

    SetRowTexts("x", "y", "35");
    valueRow(pointY(12), 50, 15);
    page.key();
    SetRowTexts("20", "-20", "／ ");
    valueRow(pointY(13), 50, 15);
    page.key();
    SetRowTexts("ﾀ20/100ﾀx", "-ﾀ20/100ﾀy", "-1");
    // The y of the second all but reaches the cell's right-hand frame.
    valueRow(pointY(14), 70, 15, {0, -1, 0});
    page.key();

    page.text(L, Down(50), 0, "去年の人数から ").key();
    page.text(C, Same, 3, "x+y=35…①").key();
    page.text(L, Down(60), 0, "人数の増減から ").key();
    page.text(C, Same, 3, "ﾀ20/100ﾀx-ﾀ20/100ﾀy=-1…②").key();
    page.text(L, Down(50), 0, "②の分母をはらって").key();
    page.text(L, Down(60), 0, "5*ﾀ20/100ﾀx-5*ﾀ20/100ﾀy=5*(-1)");
    page.text(L + 418, Down(63), 3, "x-y=-5…③").key();  // 63, not 70: clear of the prompt bar

    rt.leftMargin = 798;
    rt.cursorY = 30;
    page.system(L, Same, 0, "x+y=35…①", "x-y=-5…③").key();
    page.text(L, Down(50), 3, "これを解いて、");
    page.text(L, Down(50), 3, "x=15,y=20").key();
    page.text(L, Down(50), 0, "今年の女子の人数は ").key();
    page.text(L, Down(60), 0, "15*ﾀ120/100ﾀ=18(人)").key();
    page.text(L, Down(60), 0, "今年の男子の人数は").key();
    page.text(L, Down(60), 0, "20*ﾀ80/100ﾀ=16(人)").key();
    page.text(L, Down(60), 0, "これらは問題に適している。");
    page.text(L, Down(50), 5, "答　女子18人,男子16人");
}

}  // namespace tirosam
