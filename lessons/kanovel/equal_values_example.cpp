// Lesson 4 page ⑤ "等値法例": y=4x+1, y=-2x+7 solved twice side by side,
// by subtracting the equations in a written column ("(加)", left) and by
// substituting ① into ②, which sets the right-hand sides equal ("(代)",
// right); two conclusions and the textbook pointer close the page.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowEqualValuesExamplePage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.text(L, Same, 3, "次の連立方程式を解きなさい。");
    // A blank as wide as "(加)" keeps the label's place left of the brace
    // until the label is shown.
    const float methodLabelX = page.x(L - 38), methodLabelY = page.y(Down(50));
    page.text(methodLabelX, methodLabelY, 3, "  　");
    page.system(C, Same, 0, "y=4x+1…①", "y=-2x+7…②").key();
    page.textKeepCursor(methodLabelX, methodLabelY, 3, "(加)").key();

    page.text(L, Down(50), 3, "①-②");
    // The blank in "y= 4x+1" stands where the lower row has its minus, so
    // the terms of the three rows line up.
    page.columnSum(L, Down(50), 0, "y= 4x+1", "-", "y=-2x+7");
    // Subtracting as adding the reversed lower row: the signs above it.
    page.signRow(L, MarkRow, 3, "+-  +  -").key();
    page.text(rt.resultX, Down(50), 0, "0= 6x-6");
    page.text(rt.resultX, Down(50), 0, "6x=6");
    page.text(rt.resultX, Down(50), 0, " x=1").key();
    page.text(L, Down(50), 3, "x=1 を①に代入して");
    page.text(L, Down(50), 0, "y=4*1+1=4+1=5");
    page.text(L, Down(50), 5, "答 x=1,y=5").key();

    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L - 38, Same, 3, "(代)");
    page.text(L, Down(50), 3, "①を②に代入して");
    page.text(L, Down(50), 0, "4x+1=-2x+7").key();
    page.text(L, Down(50), 0, "4x+2x=7-1");
    page.text(L, Down(50), 0, "   6x=6");
    page.text(L, Down(50), 0, "    x=1").key();
    page.text(L, Down(50), 3, "x=1 を①に代入して");
    page.text(L, Down(50), 0, "y=4*1+1=4+1=5");
    page.text(L, Down(50), 5, "答 x=1,y=5").key();

    // The conclusions continue under the substitution column.
    rt.leftMargin = 494;
    page.text(L, Down(50), 7, "○解は同じになる。").key();
    page.text(L, Down(50), 7, "○どちらも1つの文字を消去して解いている。").key();
    page.text(440, 600, 3, "教科書P45 問6　をしなさい。");
}

}  // namespace kanovel
