// Lesson 5's answer pages to the textbook exercises: ②問1 (brackets), ④問2
// (fractions and decimals) and ⑥問３ (the form A=B=C). Each shows its two
// answers on two screens, drawn whole, with one key between them; the
// working column starts at x 722 beside the rearranged system.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowBracketExercise() {
    {
        Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
        page.textKeepCursor(76, 30, 3, "問1　解答(1)");
        page.system(76, 80, 0, "5x+2y=1…①", "3x-4(x+y)=7…②");
        page.text(76, 180, 3, "②を整理すると");
        page.text(76, 230, 0, "3x-4x-4y=7");
        page.text(76, 280, 0, "-x-4y=7…③");
        page.text(76, 330, 3, "③を使って連立方程式をつくると");
        page.system(76, 380, 0, "5x+2y=1…①", "-x-4y=7…③");
        rt.leftMargin = 722;
        rt.cursorY = 30;
        page.text(722, 80, 3, "①*2+③");
        page.columnSum(722, 130, 0, "10x+4y=2", "+", " -x-4y=7");
        page.text(776, 230, 0, " 9x   =9");
        page.text(776, 280, 0, "  x   =1");
        page.text(722, 330, 3, "x=1 を①に代入して");
        page.text(722, 380, 0, "5*1+2y=1");
        page.text(722, 430, 0, "2y=1-5=-4");
        page.text(722, 480, 0, " y=-2");
        page.text(722, 530, 5, "答 x=1,y=-2").key();
    }
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.textKeepCursor(76, 30, 3, "問1　解答(2)");
    page.system(76, 80, 0, "x+2y=-1…①", "x=2(3y-5)+1…②");
    page.text(76, 180, 3, "②を整理すると");
    page.text(76, 230, 0, "x=6y-10+1");
    page.text(76, 280, 0, "x=6y-9…③");
    page.text(76, 330, 3, "③を使って連立方程式をつくると");
    page.system(76, 380, 0, "x+2y=-1…①", "x=6y-9…③");
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(722, 80, 3, "③を①に代入して");
    page.text(722, 130, 0, "6y-9+2y=-1");
    page.text(722, 180, 0, "  6y+2y=-1+9");
    page.text(722, 230, 0, "     8y=8");
    page.text(722, 280, 0, "      y=1");
    page.text(722, 330, 3, "y=1 を③に代入して");
    page.text(722, 380, 0, "x=6*1-9=6-9=-3");
    page.text(722, 430, 5, "答 x=-3,y=1");
}

void KanovelLessons::ShowFractionDecimalExercises() {
    {
        // The fraction rows need more room: 70 below ①, then 60 apart.
        Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
        page.textKeepCursor(76, 30, 3, "問2　解答(1)");
        // ② stands 70 below ① and reaches further down with its
        // denominators: the brace embraces both rows whole.
        page.brace(76, 80, 0, 130);
        page.text(116, 80, 0, "3x+2y=6…①");
        page.text(116, 150, 0, "ﾀ1/4ﾀx+ﾀ2/3ﾀy=-1…②");
        page.text(76, 210, 3, "②の分母をはらうと");
        page.text(76, 270, 0, "12*ﾀ1/4ﾀx+12*ﾀ2/3ﾀy=12*(-1)");
        page.text(76, 330, 0, "3x+8y=-12…③");
        page.text(76, 380, 3, "③を使って連立方程式をつくると");
        page.system(76, 430, 0, "3x+2y=6…①", "3x+8y=-12…③");
        rt.leftMargin = 722;
        rt.cursorY = 30;
        page.text(722, 80, 3, "①-③");
        page.columnSum(722, 130, 0, "3x+2y=6", "-", "3x+8y=-12");
        // The signs the lower row's terms take when it is subtracted.
        page.signRow(722, MarkRow, 3, "+-  -   +");
        page.text(776, 230, 0, "  -6y=18");
        page.text(776, 280, 0, "    y=-3");
        page.text(722, 330, 3, "y=-3 を①に代入して");
        page.text(722, 380, 0, "3x+2*(-3)=6");
        page.text(722, 430, 0, "3x=6+6=12");
        page.text(722, 480, 0, " x=4");
        page.text(722, 530, 5, "答 x=4,y=-3").key();
    }
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.textKeepCursor(76, 30, 3, "問2　解答(2)");
    page.system(76, 80, 0, "0.2x+0.3y=-0.2…①", "5x+2y=17…②");
    page.text(76, 180, 3, "①の係数を整数になおすと");
    page.text(76, 230, 0, "10*0.2x+10*0.3y=10*(-0.2)");
    page.text(76, 280, 0, "2x+3y=-2…③");
    page.text(76, 330, 3, "③を使って連立方程式をつくると");
    page.system(76, 380, 0, "2x+3y=-2…③", "5x+2y=17…②");
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(722, 80, 3, "③*2-②*3");
    page.columnSum(722, 130, 0, " 4x+6y=-4", "-", "15x+6y=51");
    page.signRow(722, MarkRow, 3, "+-   -   -");
    page.text(749, 230, 0, "-11x   =-55");
    page.text(776, 280, 0, "  x   =5");
    page.text(722, 330, 3, "x=5 を③に代入して");
    page.text(722, 380, 0, "2*5+3y=-2");
    page.text(722, 430, 0, "3y=-2-10=-12");
    page.text(722, 480, 0, " y=-4");
    page.text(722, 530, 5, "答 x=5,y=-4");
}

void KanovelLessons::ShowAbcFormExercises() {
    {
        Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
        page.textKeepCursor(76, 30, 3, "問3　解答(1)");
        page.text(76, 80, 3, "5を2回使って連立方程式をつくると");
        page.system(76, 130, 0, "2x+y=5…①", "x+3y=5…②");
        rt.leftMargin = 722;
        rt.cursorY = 30;
        page.text(722, 80, 3, "①-②*2");
        page.columnSum(722, 130, 0, "2x+ y=5", "-", "2x+6y=10");
        page.signRow(722, MarkRow, 3, "+-  -   -");
        page.text(776, 230, 0, "  -5y=-5");
        page.text(776, 280, 0, "    y=1");
        page.text(722, 330, 3, "y=1 を②に代入して");
        page.text(722, 380, 0, "x+3*1=5");
        page.text(722, 430, 0, "x=5-3=2");
        page.text(722, 480, 5, "答 x=2,y=1").key();
    }
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.textKeepCursor(76, 30, 3, "問3　解答(2)");
    page.text(76, 80, 3, "5x+yを2回使うと");
    page.text(76, 130, 0, "x+y+8=5x+y");
    page.text(76, 180, 0, "x+y+8-5x-y=0");
    page.text(76, 230, 0, "x-5x+y-y=-8");
    page.text(76, 280, 0, "-4x=-8");
    page.text(76, 330, 0, "x=2…①");
    page.text(76, 380, 0, "3x-y=5x+y");
    page.text(76, 430, 0, "3x-y-5x-y=0");
    page.text(76, 480, 0, "3x-5x-y-y=0");
    page.text(76, 530, 0, "-2x-2y=0");
    page.text(76, 580, 0, "-x-y=0…②");
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(722, 80, 3, "①を②に代入して");
    page.text(722, 130, 0, "-2-y=0");
    page.text(722, 180, 0, "-y=2");
    page.text(722, 230, 0, " y=-2");
    page.text(722, 280, 5, "答 x=2,y=-2");
}

}  // namespace kanovel
