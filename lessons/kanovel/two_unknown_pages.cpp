// Lesson 1 pages ② and ③: the shot problem's conditions as equations in x
// and y, their solutions, and the system whose solution both share.
#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/number_text.h"

namespace kanovel {

using namespace lessons;
using runtime::NumberText;

void KanovelLessons::ShowTwoUnknownEquationPage() {
    Page page(rt, Clear{0, 0, 1320, 1300}, /*leftMargin*/ 40, /*cursorY*/ 30);
    page.text(L, Same, 0, "Q1 3点シュートx本,2点シュートy本決めたとして方程式をつくると、").key();
    page.text(L + 64, Down(50), 0, "合計9本だから　").key();
    page.text(C, Same, 3, "x+y=9…①").key();
    page.text(L, Down(60), 3, "<2元1次方程式、解>");
    page.text(L, Down(60), 0, "1 ");
    page.text(C, Same, 5, "2元1次方程式");
    page.text(C, Same, 0, "…2つの文字をふくむ1次方程式");
    page.text(L + 64, Down(50), 0, "例　x+y=9 ").key();
    page.text(L, Down(60), 0, "2 ");
    page.text(C, Same, 5, "解");
    page.text(C, Same, 0, "…2元1次方程式を成り立たせる");
    page.text(C, Same, 3, "文字の値の組");
    page.text(L + 64, Down(50), 3, "例　x=3,y=6 (代入すると、左辺＝右辺となる)").key();
    page.text(L + 64, Down(60), 0, "x+y=9の 左辺にx=3,y=6を代入すると");
    page.text(L + 64, Down(50), 0, "x+y=3+6=9 で 左辺＝右辺　となり、方程式が成り立つ").key();
    page.text(L, Down(80), 0, "3 x=-1,y=10 やx=0.3,y=8.7 、x=ﾀ7/2ﾀ,y=ﾀ11/2ﾀ も解である。");
}

void KanovelLessons::RevealSolutionTable(Page& page, int highlight, float columns, float yRowHeight,
                                         const std::function<std::string(float)>& yText) {
    // cellX(1), cellY(1): the label cells' x and the x row's y; cellX(2),
    // cellY(2): the first value column and the y row.
    cellX(1) = page.x(L + 76);
    cellY(1) = rt.cursorY + 70;
    cellY(2) = cellY(1) + 50;
    cellX(2) = cellX(1) + 76;
    cellX(highlight) = cellX(1) + 304;
    cellY(highlight) = cellY(1);
    cellX(highlight + 1) = cellX(1) + 304;
    cellY(highlight + 1) = cellY(2);
    page.cell(cellX(1), cellY(1), 76, 50, 3, 13, 0, "x");
    for (float i = 0; i < columns; ++i) page.cell(cellX(2) + 76 * i, cellY(1), 76, 50, 3, 15, 0, NumberText(rt, i));
    page.cell(cellX(1), cellY(2), 76, yRowHeight, 3, 13, 0, "y");
    for (float i = 0; i < columns; ++i) page.cell(cellX(2) + 76 * i, cellY(2), 76, yRowHeight, 3, 15, 0, "");
    page.key();
    for (float i = 0; i < columns; ++i) {
        page.key().cell(cellX(2) + 76 * i, cellY(2), 76, yRowHeight, 3, 15, 0, yText(i));
        rt.cursorX = rt.penX;
        rt.cursorY = rt.penY;
    }
    page.key();
}

void KanovelLessons::ShowSolutionTablesPage() {
    Page page(rt, Clear{0, 0, 1320, 1300}, /*leftMargin*/ 44, /*cursorY*/ 30);
    // The tables' frames are drawn 5 wide; the width stays so after the page.
    page.penWidth(5);
    page.text(L, Same, 0, "Q1 3点シュートx本,2点シュートy本決めたときの2元1次方程式は、");
    page.text(L + 64, Down(50), 0, "合計9本だから　").key();
    page.text(C, Same, 3, "x+y=9…①").key();
    page.text(C, Same, 7, " 解を求めなさい。");
    RevealSolutionTable(page, 3, 10, 50, [this](float x) { return NumberText(rt, 9 - x); });

    page.text(L, Down(60), 0, "Q2 得点の合計が21点から2元1次方程式をつくりなさい。").key();
    page.text(L + 64, Down(50), 3, "3x+2y=21…②").key();
    page.text(C, Same, 7, " 解を求めなさい。");
    // The y values of 3x+2y=21 for x = 0 to 7; the halves stand as fractions
    // in cells 70 high.
    const char* const halves[] = {"ﾀ21/2ﾀ", "9", "ﾀ15/2ﾀ", "6", "ﾀ9/2ﾀ", "3", "ﾀ3/2ﾀ", "0"};
    for (int i = 0; i <= 7; ++i) rt.workText(i) = halves[i];
    RevealSolutionTable(page, 5, 8, 70, [this](float x) { return rt.workText(static_cast<int>(x)); });

    // The column x = 3 in both tables: the common solution.
    page.cell(cellX(3), cellY(3), 76, 50, 3, 11, 5, "3");
    page.cell(cellX(4), cellY(4), 76, 50, 3, 11, 5, "6");
    page.cell(cellX(5), cellY(5), 76, 50, 3, 11, 5, "3");
    page.cell(cellX(6), cellY(6), 76, 70, 3, 11, 5, "6");
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
    page.key();
    page.text(L, Down(80), 3, "x=3,y=6 は①と②の共通な解になっている。");
    page.text(L, Down(50), 5, "2元1次方程式の解は、組み合わせると1つに決まる。").key().key();

    page.eraseAt(0, 0, 1320, 1300);
    rt.leftMargin = 44;
    rt.cursorY = 30;
    page.text(L, Same, 3, "<連立方程式、解>").key();
    page.text(L, Down(60), 0, "1 ");
    page.text(C, Same, 5, "連立方程式");
    page.text(C, Same, 0, "…2つの方程式を組にしたもの");
    page.text(L + 64, Down(50), 0, "例　");
    page.system(C, Same, 3, "x+y=9…①", "3x+2y=21…②").key();
    page.text(L, Down(60), 0, "2 ");
    page.text(C, Same, 5, "解");
    page.text(C, Same, 0, "…２つの方程式のどちらにもあてはまる");
    page.text(C, Same, 3, "文字の値の組");
    page.text(L + 64, Down(50), 0, "例　");
    page.text(C, Same, 3, "x=3,y=6 ").key();
    page.text(L, Down(60), 0, "3 ");
    page.text(C, Same, 5, "連立方程式を解く");
    page.text(C, Same, 0, "…解を求めること");
}

}  // namespace kanovel
