// Lesson 4, page ②: question 4 of textbook page 53. A lunch box and a tea
// listed at 600 yen together are bought 10 % and 20 % off for 528 yen; x and
// y are their list prices. The table and the equations stand on the left,
// ② cleared of its denominators and the braced system in a right-hand
// column, and the subtraction ①×8 - ③ with the answer on the left once the
// table has gone.
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowDiscountQuestionPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 38, 30);
    page.penWidth(5);
    page.text(L, Same, 3, "教科書P53 問4").key();

    // The whole grid, the cursor left on the top of its last row.
    ProblemTable table(rt, page, pointX, pointY,
                       {.labelWidth = 266, .valueWidth = 152, .lastRowHeight = 70,
                        .cornerFill = 14, .headerFill = 15, .labelFill = 14});
    table.place(rt.leftMargin, rt.cursorY + 70);
    table.row(1, "", {"弁当", "お茶", "合計"});
    table.row(2, "定価(円)", {"", "", ""});
    table.row(3, "割引割合(％)", {"", "", ""});
    table.row(4, "代金(円)", {"", "", ""});
    rt.cursorY = pointY(14);
    page.text(L, Down(80), 0, "弁当の定価をx円,お茶の定価をy円とすると、").key();
    page.text(L, Down(50), 0, "定価は、はらった代金528円より72円");
    page.text(L, Down(50), 0, "高いから600円").key().key();

    // The values, one per key; the cursor stays under the table.
    table.cell(2, 1, "x").key();
    table.cell(2, 2, "y").key();
    table.cell(2, 3, "600").key().key();
    table.cell(3, 1, "10").key();
    table.cell(3, 2, "20").key();
    table.cell(3, 3, "／").key();
    table.cell(4, 1, "ﾀ90/100ﾀx").key();
    table.cell(4, 2, "ﾀ80/100ﾀy").key();
    table.cell(4, 3, "528").key();

    page.text(L, Down(50), 0, "定価の関係から　").key();
    page.text(C, Same, 3, "x+y=600…①").key();
    page.text(L, Down(70), 0, "代金の関係から").key();
    page.text(C, Same, 3, "ﾀ90/100ﾀx+ﾀ80/100ﾀy=528…②").key();

    // ② cleared of its denominators, and the system, in the right-hand
    // column.
    rt.leftMargin = 798;
    rt.cursorY = 30;
    page.key();
    page.text(L, Same, 0, "②の分母をはらって").key();
    page.text(L, Down(60), 0, "10*ﾀ90/100ﾀx+");
    page.text(L, Down(80), 0, " 10*ﾀ80/100ﾀy=10*528").key();
    page.text(L, Down(70), 3, "9x+8y=5280…③").key();
    page.system(L, Down(50), 0, "x+y=600…①", "9x+8y=5280…③").key().key();

    // The table and the left column go; the subtraction and the answer take
    // their place.
    rt.Erase(0, 0, 760, 1800);
    rt.leftMargin = 38;
    rt.cursorY = 30;
    page.text(L, Same, 3, "①*8-③").key();
    page.columnSum(L, Down(50), 0, "8x+8y=4800", "-", "9x+8y=5280").key();
    page.signRow(L, MarkRow, 3, "+-  -  -").key();
    page.text(rt.resultX - 27, Down(50), 0, " -x   =-480").key();
    page.text(rt.resultX, Down(50), 0, " x   =480").key();
    page.text(L, Down(50), 3, "x=480 を①に代入して").key();
    page.text(L, Down(50), 0, "480+y=600").key();
    page.text(L, Down(50), 0, "y=600-480=120").key();
    page.text(L, Down(50), 3, " x=480,y=120").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L, Down(50), 5, "答　お弁当の定価480円");
    page.text(L + 76, Down(50), 5, "お茶の定価120円");
}

}  // namespace tirosam
