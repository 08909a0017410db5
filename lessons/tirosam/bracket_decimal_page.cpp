// Chapter problems B, page 1: a system with brackets, then one with decimals
// and a fraction, each rewritten into the form ax+by=c and solved by a
// written column sum.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowBracketDecimalSystemsPage() {
    Page page(rt, 36, 30);
    // Each screen starts erased, with the plates; the number plate is wide
    // and stands close to the title.
    auto screen = [&](const char* number) {
        page.eraseAt(0, 0, 1760, 1800);
        rt.leftMargin = 36;
        rt.cursorY = 30;
        ShowChapterPlates(page, L, Same, "P55 章の問題B", number, 132, 10);
    };

    screen("1(1)");
    page.system(L, Down(50), 0, "2x-5y=20…①", "-3(x-y)+y=-2…②").key();
    page.text(L, Down(50), 3, "②を整理すると").key();
    page.text(L, Down(50), 0, "-3x+3y+y=-2");
    page.text(L, Down(50), 0, "-3x+4y=-2…③");
    page.text(L, Down(50), 3, "③を使って連立方程式をつくると").key();
    page.system(L, Down(50), 0, "2x-5y=20…①", "-3x+4y=-2…③").key();

    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L, Down(50), 3, "①*3+③*2");
    page.columnSum(L, Down(50), 0, " 6x-15y=60", "+", "-6x+ 8y=-4");
    page.text(rt.resultX, Down(50), 0, "    -7y=56");
    page.text(rt.resultX, Down(50), 0, "      y=-8").key();
    page.text(L, Down(50), 3, "y=-8 を①に代入して");
    page.text(L, Down(50), 0, "2x-5*(-8)=20");
    page.text(L, Down(50), 0, "2x=20-40=-20");
    page.text(L, Down(50), 0, " x=-10");
    page.text(L, Down(50), 5, "答 x=-10,y=-8").key();

    screen("1(2)");
    // A taller brace: its second equation holds a stacked fraction and
    // stands a row of 60 lower.
    rt.penX = rt.leftMargin;
    rt.penY = rt.cursorY + 50;
    rt.boxWidth = 110;
    rt.textColour = 0;
    rt.DrawLeftBrace();
    rt.cursorX = rt.leftMargin + 40;
    rt.cursorY = rt.penY;
    page.textKeepCursor(C, Same, 0, "0.4x-0.1y=1.3…①");
    page.text(C, Down(60), 0, "4x-1=-ﾀ1/3ﾀy…②");
    page.text(L, Down(60), 3, "①の係数を整数になおすと").key();
    page.text(L, Down(50), 0, "10*0.4x-10*0.1y=10*1.3");
    page.text(L, Down(50), 0, "4x-y=13…③").key();
    page.text(L, Down(60), 3, "②の分母をはらい、整理すると").key();
    page.text(L, Down(60), 0, "3*4x-3*1=3*(-ﾀ1/3ﾀy)");
    page.text(L, Down(60), 0, "12x-3=-y");
    page.text(L, Down(50), 0, "12x+y=3…④");
    page.text(L, Down(50), 3, "③,④を使って連立方程式をつくると").key();

    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.system(L, Same, 0, "4x-y=13…③", "12x+y=3…④").key();
    page.text(L, Down(50), 3, "③+④");
    page.columnSum(L, Down(50), 0, " 4x-y=13", "+", "12x+y=3");
    page.text(rt.resultX, Down(50), 0, "16x  =16");
    page.text(rt.resultX, Down(50), 0, "  x  =1").key();
    page.text(L, Down(50), 3, "x=1 を③に代入して");
    page.text(L, Down(50), 0, "4*1-y=13");
    page.text(L, Down(50), 0, "-y=13-4=9");
    page.text(L, Down(50), 0, " y=-9");
    page.text(L, Down(50), 5, "答 x=1,y=-9");
}

}  // namespace tirosam
