// Lesson 1, page ②: the cakes and puddings solved with a system, teaching
// the four steps: choose x and y, read two equations off a quantities
// table, solve the system, check the solution against the problem. A
// working screen, then a summary screen.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

namespace {

// The quantities table: a label column 266 wide at x 44 and three value
// columns 152 wide from its right edge; rows 50 high from y 240.
constexpr float kLabelX = 44, kLabelW = 266, kValueX = 310, kValueW = 152;
constexpr float kTableTop = 240, kRowH = 50;

float ValueX(int column) { return kValueX + kValueW * static_cast<float>(column - 1); }
float RowY(int row) { return kTableTop + kRowH * static_cast<float>(row); }

}  // namespace

void TirosamLessons::ShowFourStepProcedure() {
    // A value cell of the table, drawn whole: frame 3, fill 15, text 0.
    auto value = [](Page& page, int column, int row, const char* text) -> Page& {
        return page.cell(ValueX(column), RowY(row), kValueW, kRowH, 3, 15, 0, text);
    };

    // ---- the working screen ----
    Page page(rt, Clear{0, 0, 1320, 1300}, 44, 30);
    page.text(L, Same, 3, "連立方程式で解いてみよう。").key();
    page.text(L, Down(50), 5, "<① x,yを決める>");
    page.text(L, Down(50), 0, "ケーキをx個,プリンをy個買うとすると、").key();
    page.text(L, Down(50), 5, "<②数量をx,yで表し、方程式を2つつくる>");

    // The empty table: the corner, the headers, then each row's label and
    // its three value cells; only the price row's total holds "／".
    page.cell(kLabelX, RowY(0), kLabelW, kRowH, 3, 14, 0, "");
    const char* const headers[] = {"ケーキ", "プリン", "合計"};
    for (int column = 1; column <= 3; ++column)
        page.cell(ValueX(column), RowY(0), kValueW, kRowH, 3, 13, 0, headers[column - 1]);
    const char* const labels[] = {"1個の値段(円)", "個数(個)", "代金(円)"};
    for (int row = 1; row <= 3; ++row) {
        page.cell(kLabelX, RowY(row), kLabelW, kRowH, 3, 13, 0, labels[row - 1]);
        for (int column = 1; column <= 3; ++column) value(page, column, row, row == 1 && column == 3 ? "／" : "");
    }
    page.key().key();
    value(page, 1, 1, "350").key();
    value(page, 2, 1, "250").key();
    value(page, 1, 2, "x").key();
    value(page, 2, 2, "y").key();
    value(page, 3, 2, "10").key();
    value(page, 1, 3, "350x").key();
    value(page, 2, 3, "250y").key();
    value(page, 3, 3, "3200").key();

    rt.cursorY = RowY(3);
    page.text(L, Down(60), 0, "個数の関係から　").key();
    page.text(C, Same, 0, "x+y=10").key();
    page.text(L, Down(60), 0, "代金の関係から　").key();
    page.text(C, Same, 0, "350x+250y=3200").key();

    rt.leftMargin = 760;
    rt.cursorY = 30;
    page.text(L, Same, 5, "<③連立方程式をつくり、解く>");
    page.brace(L, Down(50));
    page.text(L + 40, Down(50), 0, "x+y=10…①");
    page.text(L + 40, Down(50), 0, "350x+250y=3200…②").key();
    rt.leftMargin = 798;
    page.text(L, Down(50), 3, "①*250-②").key();
    page.columnSum(L, Down(50), 0, "250x+250y=2500", "-", "350x+250y=3200");
    page.signRow(L, MarkRow, 3, "+-    -    -").key();
    page.text(rt.resultX - 27, Down(50), 0, "-100x     =-700").key();
    page.text(rt.resultX, Down(50), 0, "   x     =7").key();
    page.text(L, Down(50), 3, "x=7 を①に代入して").key();
    page.text(L, Down(50), 0, "7+y=10").key();
    page.text(L, Down(50), 0, "y=10-7=3").key();
    page.text(L, Down(50), 3, " x=7,y=3").key().key();

    // ---- the summary screen: steps ① to ③ at once, then the check ----
    Page summary(rt, Clear{0, 0, 1320, 1300}, 44, 30);
    summary.text(L, Same, 3, "連立方程式で解いてみよう。");
    summary.text(L, Down(50), 5, "<① x,yを決める>");
    summary.text(L, Down(50), 0, "ケーキをx個,プリンをy個買うとすると、");
    summary.text(L, Down(50), 5, "<②数量をx,yで表し、方程式を2つつくる>");
    summary.text(L, Down(50), 0, "個数の関係から　");
    summary.text(C, Same, 0, "x+y=10");
    summary.text(L, Down(50), 0, "代金の関係から　");
    summary.text(C, Same, 0, "350x+250y=3200");
    summary.text(L, Down(50), 5, "<③連立方程式をつくり、解く>");
    summary.brace(L, Down(50));
    summary.text(L + 40, Down(50), 0, "x+y=10…①");
    summary.text(L + 40, Down(50), 0, "350x+250y=3200…②");
    summary.text(L, Down(50), 3, " x=7,y=3").key();
    summary.text(L, Down(50), 5, "<④解が問題に適しているか確かめる>").key();

    rt.leftMargin = 760;
    rt.cursorY = 30;
    summary.text(L - 38, Down(50), 0, "ケーキとプリンの個数は合わせて").key();
    summary.text(L, Down(50), 0, "7+3=10(個)").key();
    // 19 right of the column: on its row the left column's step ② ends at
    // 747, and a full-width character keeps the two apart.
    summary.text(L + 19, Down(50), 0, "代金の合計は").key();
    summary.text(L, Down(50), 0, " 350*7+250*3").key();
    summary.text(L, Down(50), 0, "=2450+750=3200(円)").key();
    summary.text(L, Down(50), 0, "これらは問題に適している。").key();
    summary.text(L, Down(50), 5, "答　ケーキ7個,プリン3個").key();
    summary.text(L - 72, Down(80), 7, "合計11個を3200円で買えますか。");
}

}  // namespace tirosam
