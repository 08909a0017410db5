// Lesson 3 pages ① and ④: systems where adding or subtracting the
// equations as they stand removes no letter, worked after multiplying one
// equation (①) or both (④), with the question, the hint and the rule in a
// side column.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowMultiplyFirstWorking(const MultiplyFirstTexts& texts) {
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 76, /*cursorY*/ 30, &side);
    side = SideColumn{.sideMargin = 608, .sideCursorY = 30};
    page.text(S, SideDown(0), 3, "どうすれば消去できる？");
    page.system(L, Same, 0, texts.equation1, texts.equation2).key();
    page.text(S, SideDown(50), 7, texts.hint).key();
    page.text(L, Down(50), 3, texts.caption);
    page.columnSum(L, Down(50), 0, texts.upperRow, "-", texts.lowerRow);
    // The lower row's signs flipped, between the two rows.
    page.signRow(L, MarkRow, 3, "+-  -  -").key();
    page.text(rt.resultX, Down(50), 0, texts.combined).key();
    page.text(rt.resultX, Down(50), 0, "    y=3").key();
    page.text(L, Down(50), 3, "y=3 を①に代入して").key();
    for (const char* row : texts.substitution) page.text(L, Down(50), 0, row).key();
    page.text(L, Down(50), 5, texts.answer).key();
    page.text(S, SideDown(80), 5, texts.rule);
    page.text(S, SideDown(50), 5, "係数の絶対値を同じにすればよい。");
}

void KanovelLessons::ShowMultiplyFirstPage() {
    ShowMultiplyFirstWorking({
        .equation1 = "x+2y=4…①",
        .equation2 = "4x+3y=1…②",
        .hint = "①を 4x+8y=16 にすればいい",
        .caption = "①*4-②",
        .upperRow = "4x+8y=16",
        .lowerRow = "4x+3y=1",
        .combined = "   5y=15",
        .substitution = {"x+2*3=4", "x=4-6=-2"},
        .answer = "答 x=-2,y=3",
        .rule = "何倍かして、",
    });
}

void KanovelLessons::ShowTask2Page() {
    ShowMultiplyFirstWorking({
        .equation1 = "3x-4y=-15…①",
        .equation2 = "2x+3y=7…②",
        .hint = "①も②も xの係数を6 にすればいい",
        .caption = "①*2-②*3",
        .upperRow = "6x-8y=-30",
        .lowerRow = "6x+9y=21",
        .combined = " -17y=-51",
        .substitution = {"3x-4*3=-15", "3x=-15+12=-3", " x=-1"},
        .answer = "答 x=-1,y=3",
        .rule = "何倍かして、x,yのどちらかの",
    });
}

}  // namespace kanovel
