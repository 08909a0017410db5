// Chapter problems A, page 2: six systems worked two to a screen, (1), (2),
// (3) and (6) by a written column sum, (4) and (5) by substitution.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

namespace {

// Each system stands in a column whose edge is leftMargin; its label row is
// `label` (50 below the plates on the left, level with them on the right).
// The brace stands right at the end of the label.

void System1(Page& page, runtime::Runtime& rt, Y label) {
    page.text(L - 38, label, 3, "(1)");
    page.system(C, Same, 0, "3x+2y=5…①", "x-2y=7…②");
    page.text(L, Down(50), 3, "①+②");
    page.columnSum(L, Down(50), 0, "3x+2y=5", "+", " x-2y=7");
    page.text(rt.resultX, Down(50), 0, "4x   =12");
    page.text(rt.resultX, Down(50), 0, " x   =3");
    page.text(L, Down(50), 3, "x=3 を①に代入して");
    page.text(L, Down(50), 0, "3*3+2y=5");
    page.text(L, Down(50), 0, "2y=5-9=-4");
    page.text(L, Down(50), 0, " y=-2");
    page.text(C + 30, Same, 5, "答 x=3,y=-2");
}

void System2(Page& page, runtime::Runtime& rt, Y label) {
    page.text(L - 38, label, 3, "(2)");
    page.system(C, Same, 0, "6x-y=1…①", "3x-2y=-7…②");
    page.text(L, Down(50), 3, "①*2-②");
    page.columnSum(L, Down(50), 0, "12x-2y=2", "-", " 3x-2y=-7");
    page.signRow(L, MarkRow, 3, "+-   +   +");
    page.text(rt.resultX, Down(50), 0, " 9x   =9");
    page.text(rt.resultX, Down(50), 0, "  x   =1");
    page.text(L, Down(50), 3, "x=1 を①に代入して");
    page.text(L, Down(50), 0, "6*1-y=1");
    page.text(L, Down(60), 0, "-y=1-6=-5");
    page.text(L, Down(60), 0, " y=5");
    page.text(L, Down(50), 5, "答 x=1,y=5");
}

void System3(Page& page, runtime::Runtime& rt, Y label) {
    page.text(L - 38, label, 3, "(3)");
    page.system(C, Same, 0, "4x-7y=-6…①", "6x+2y=-9…②");
    page.text(L, Down(50), 3, "①*3-②*2");
    page.columnSum(L, Down(50), 0, "12x-21y=-18", "-", "12x+ 4y=-18");
    page.signRow(L, MarkRow, 3, "+-   -    +");
    page.text(rt.resultX, Down(50), 0, "   -25y=0");
    page.text(rt.resultX, Down(50), 0, "      y=0");
    page.text(L, Down(50), 3, "y=0 を①に代入して");
    page.text(L, Down(50), 0, "4x-7*0=-6");
    page.text(L, Down(50), 0, "4x=-6");
    // 65 down, not 70: the denominators keep 6 clear of the key-wait
    // plate's frame at y 657.
    page.text(L, Down(65), 0, " x=-ﾀ6/4ﾀ=-ﾀ3/2ﾀ  ");
    page.text(C, Same, 5, "答 x=-ﾀ3/2ﾀ,y=0");
}

void System4(Page& page, runtime::Runtime&, Y label) {
    page.text(L - 38, label, 3, "(4)");
    page.system(C, Same, 0, "y=5+x…①", "5x-2y=2…②");
    page.text(L, Down(50), 3, "①を②に代入して");
    page.text(L, Down(50), 0, "5x-2(5+x)=2");
    page.text(L, Down(50), 0, " 5x-10-2x=2");
    page.text(L, Down(50), 0, "    5x-2x=2+10");
    page.text(L, Down(50), 0, "       3x=12");
    page.text(L, Down(50), 0, "        x=4");
    page.text(L, Down(50), 3, "x=4 を①に代入して");
    page.text(L, Down(50), 0, "y=5+4=9");
    page.text(L, Down(50), 5, "答 x=4,y=9");
}

void System5(Page& page, runtime::Runtime&, Y label) {
    page.text(L - 38, label, 3, "(5)");
    page.system(C, Same, 0, "y=4x-2…①", "y=x+4…②");
    page.text(L, Down(50), 3, "①を②に代入して");
    page.text(L, Down(50), 0, "4x-2=x+4");
    page.text(L, Down(50), 0, "4x-x=4+2");
    page.text(L, Down(50), 0, "  3x=6");
    page.text(L, Down(50), 0, "   x=2");
    page.text(L, Down(50), 3, "x=2 を②に代入して");
    page.text(L, Down(50), 0, "y=2+4=6");
    page.text(L, Down(50), 5, "答 x=2,y=6");
}

void System6(Page& page, runtime::Runtime& rt, Y label) {
    page.text(L - 38, label, 3, "(6)");
    page.system(C, Same, 0, "x-y=3…①", "5x+y=3…②");
    page.text(L, Down(50), 3, "①+②");
    page.columnSum(L, Down(50), 0, " x-y=3", "+", "5x+y=3");
    page.text(rt.resultX, Down(50), 0, "6x  =6");
    page.text(rt.resultX, Down(50), 0, " x  =1");
    page.text(L, Down(50), 3, "x=1 を①に代入して");
    page.text(L, Down(50), 0, "1-y=3");
    page.text(L, Down(60), 0, "-y=3-1=2");
    page.text(L, Down(60), 0, " y=-2");
    page.text(L, Down(50), 5, "答 x=1,y=-2");
}

}  // namespace

void TirosamLessons::ShowDrillSystemsPage() {
    Page page(rt, 76, 30);
    // Every screen starts erased, with the plates; its left-hand system has
    // the column edge 76 and its label row 50 below the plates.
    auto screen = [&] {
        page.eraseAt(0, 0, 1760, 1800);
        rt.leftMargin = 76;
        rt.cursorY = 30;
        ShowChapterPlates(page, L, Same, "P54 章の問題A", "2");
    };
    // The right-hand system's label stands level with the plates.
    auto rightColumn = [&] {
        rt.leftMargin = 722;
        rt.cursorY = 30;
    };

    screen();
    System1(page, rt, Down(50));
    rightColumn();
    System2(page, rt, Same);
    page.key();

    screen();
    System3(page, rt, Down(50));
    rightColumn();
    System4(page, rt, Same);
    page.key();

    screen();
    System5(page, rt, Down(50));
    rightColumn();
    System6(page, rt, Same);
}

}  // namespace tirosam
