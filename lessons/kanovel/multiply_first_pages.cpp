// Lesson 3 pages ① and ④: systems where adding or subtracting the
// equations as they stand removes no letter, worked after multiplying one
// equation (①) or both (④), with the question, the hint and the rule in a
// side column.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowMultiplyFirstPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 76, /*cursorY*/ 30, &side);
    side.sideMargin = 608;
    side.sideCursorY = 30;
    page.text(S, SideDown(0), 3, "どうすれば消去できる？");
    page.bracedPair(L, Same, 0, "x+2y=4…①", "4x+3y=1…②").key();
    page.text(S, SideDown(50), 7, "①を 4x+8y=16 にすればいい").key();
    page.text(L, Down(50), 3, "①*4-②");
    page.columnSum(L, Down(50), 0, "4x+8y=16", "-", "4x+3y=1");
    // The lower row's signs flipped, between the two rows.
    page.textKeepCursor(L, Down(-25), 3, "+-  -  -").key();
    page.text(rt.resultX, Down(50), 0, "   5y=15").key();
    page.text(rt.resultX, Down(50), 0, "    y=3").key();
    page.text(L, Down(50), 3, "y=3 を①に代入して").key();
    page.text(L, Down(50), 0, "x+2*3=4").key();
    page.text(L, Down(50), 0, "x=4-6=-2").key();
    page.text(L, Down(50), 5, "答 x=-2,y=3").key();
    page.text(S, SideDown(80), 5, "何倍かして、");
    page.text(S, SideDown(50), 5, "係数の絶対値を同じにすればよい。");
}

void KanovelLessons::ShowTask2Page() {
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 76, /*cursorY*/ 30, &side);
    side.sideMargin = 608;
    side.sideCursorY = 30;
    page.text(S, SideDown(0), 3, "どうすれば消去できる？");
    page.bracedPair(L, Same, 0, "3x-4y=-15…①", "2x+3y=7…②").key();
    page.text(S, SideDown(50), 7, "①も②も xの係数を6 にすればいい").key();
    page.text(L, Down(50), 3, "①*2-②*3");
    page.columnSum(L, Down(50), 0, "6x-8y=-30", "-", "6x+9y=21");
    // The lower row's signs flipped, between the two rows.
    page.textKeepCursor(L, Down(-25), 3, "+-  -  -").key();
    page.text(rt.resultX, Down(50), 0, " -17y=-51").key();
    page.text(rt.resultX, Down(50), 0, "    y=3").key();
    page.text(L, Down(50), 3, "y=3 を①に代入して").key();
    page.text(L, Down(50), 0, "3x-4*3=-15").key();
    page.text(L, Down(50), 0, "3x=-15+12=-3").key();
    page.text(L, Down(50), 0, " x=-1").key();
    page.text(L, Down(50), 5, "答 x=-1,y=3").key();
    page.text(S, SideDown(80), 5, "何倍かして、x,yのどちらかの");
    page.text(S, SideDown(50), 5, "係数の絶対値を同じにすればよい。");
}

}  // namespace kanovel
