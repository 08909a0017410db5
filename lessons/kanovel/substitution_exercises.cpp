// Lesson 4 pages ④ "問5" and ⑥ "問6": four textbook exercises each, in two
// half-screen columns. (1) on the left, (2) on the right; then the left
// half is erased for (3) beside the finished (2), then the right half for
// (4) beside the finished (3). Worked lines begin with blanks so that
// their "=" signs stand in one column.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowSubstitutionExercise5Page() {
    {
        Page page(rt, Clear{0, 0, 1600, 1800}, 190, 30);
        page.textKeepCursor(L - 152, Same, 7, "問5");
        page.text(L - 38, Same, 3, "(1)");
        page.system(C, Same, 0, "y=2x…①", "x+y=6…②").key();
        page.text(L, Down(50), 3, "①を②に代入して").key();
        page.text(L, Down(50), 0, "x+2x=6").key();
        page.text(L, Down(50), 0, "  3x=6");
        page.text(L, Down(50), 0, "   x=2");
        page.text(L, Down(50), 3, "x=2 を①に代入して").key();
        page.text(L, Down(50), 0, "y=2*2").key();
        page.text(L, Down(50), 0, "y=4");
        page.text(L, Down(50), 5, "答 x=2,y=4");
    }
    {
        Page page(rt, 722, 30);
        page.text(L - 38, Same, 3, "(2)");
        page.system(C, Same, 0, "2x-3y=-8…①", "x=4y+1…②").key();
        page.text(L, Down(50), 3, "②を①に代入して").key();
        page.text(L, Down(50), 0, "2(4y+1)-3y=-8").key();
        page.text(L, Down(50), 0, "   8y+2-3y=-8");
        page.text(L, Down(50), 0, "     8y-3y=-8-2");
        page.text(L, Down(50), 0, "        5y=-10");
        page.text(L, Down(50), 0, "         y=-2").key();
        page.text(L, Down(50), 3, "y=-2 を②に代入して").key();
        page.text(L, Down(50), 0, "x=4*(-2)+1=-8+1");
        page.text(L, Down(50), 0, "x=-7");
        page.text(L, Down(50), 5, "答 x=-7,y=-2").key().key();
    }
    {
        Page page(rt, Clear{0, 0, 684, 1800}, 190, 30);
        page.textKeepCursor(L - 152, Same, 7, "問5");
        page.text(L - 38, Same, 3, "(3)");
        page.system(C, Same, 0, "3x-y=8…①", "x=5-2y…②").key();
        page.text(L, Down(50), 3, "②を①に代入して").key();
        page.text(L, Down(50), 0, "3(5-2y)-y=8").key();
        page.text(L, Down(50), 0, "  15-6y-y=8");
        page.text(L, Down(50), 0, "    -6y-y=8-15");
        page.text(L, Down(50), 0, "      -7y=-7");
        page.text(L, Down(50), 0, "        y=1").key();
        page.text(L, Down(50), 3, "y=1 を②に代入して").key();
        page.text(L, Down(50), 0, "x=5-2*1=5-2");
        page.text(L, Down(50), 0, "x=3");
        page.text(L, Down(50), 5, "答 x=3,y=1").key();
    }
    {
        Page page(rt, Clear{684, 0, 684, 1800}, 722, 30);
        page.text(L - 38, Same, 3, "(4)");
        page.system(C, Same, 0, "y=-2x+11…①", "7x-9y=1…②").key();
        page.text(L, Down(50), 3, "①を②に代入して").key();
        page.text(L, Down(50), 0, "7x-9(-2x+11)=1").key();
        page.text(L, Down(50), 0, "   7x+18x-99=1");
        page.text(L, Down(50), 0, "      7x+18x=1+99");
        page.text(L, Down(50), 0, "         25x=100");
        page.text(L, Down(50), 0, "           x=4").key();
        page.text(L, Down(50), 3, "x=4 を①に代入して").key();
        page.text(L, Down(50), 0, "y=-2*4+11=-8+11");
        page.text(L, Down(50), 0, "y=3");
        page.text(L, Down(50), 5, "答 x=4,y=3");
    }
}

// Each exercise is shown whole; the only waits follow the answers of (1),
// (2) and (3). (2) is worked by the elimination solver.
void KanovelLessons::ShowSubstitutionExercise6Page() {
    {
        Page page(rt, Clear{0, 0, 1600, 1800}, 190, 30);
        page.textKeepCursor(L - 152, Same, 7, "問6");
        page.text(L - 38, Same, 3, "(1)");
        page.system(C, Same, 0, "y=x+1…①", "y=-2x+13…②");
        page.text(L, Down(50), 3, "①を②に代入して");
        page.text(L, Down(50), 0, "x+1=-2x+13");
        page.text(L, Down(50), 0, "x+2x=13-1");
        page.text(L, Down(50), 0, "  3x=12");
        page.text(L, Down(50), 0, "   x=4   ");
        page.text(L, Down(50), 3, "x=4 を①に代入して");
        page.text(L, Down(50), 0, "y=4+1=5");
        page.text(L, Down(50), 5, "答 x=4,y=5").key();
    }
    {
        // The solver's brace follows the label; its working stands below
        // from x 684, all at once.
        Page page(rt, 722, 30);
        rt.columnX = 684;
        page.text(rt.columnX, Same, 3, "(2)");
        solver.Solve({-3, 4, 6, 9, -8, -18});
        page.key();
    }
    {
        Page page(rt, Clear{0, 0, 684, 1800}, 190, 30);
        page.textKeepCursor(L - 152, Same, 7, "問6");
        page.text(L - 38, Same, 3, "(3)");
        page.system(C, Same, 0, "y=3x-1…①", "x-2y=12…②");
        page.text(L, Down(50), 3, "①を②に代入して");
        page.text(L, Down(50), 0, "x-2(3x-1)=12");
        page.text(L, Down(50), 0, "   x-6x+2=12");
        page.text(L, Down(50), 0, "     x-6x=12-2");
        page.text(L, Down(50), 0, "      -5x=10");
        page.text(L, Down(50), 0, "        x=-2");
        page.text(L, Down(50), 3, "x=-2 を①に代入して");
        page.text(L, Down(50), 0, "y=3*(-2)-1=-6-1");
        page.text(L, Down(50), 0, "y=-7");
        page.text(L, Down(50), 5, "答 x=-2,y=-7").key();
    }
    {
        Page page(rt, Clear{684, 0, 684, 1800}, 722, 30);
        page.text(L - 38, Same, 3, "(4)");
        page.system(C, Same, 0, "3x-2y=12…①", "2y=x-8…②");
        page.text(L, Down(50), 3, "②を①に代入して");
        page.text(L, Down(50), 0, "3x-(x-8)=12");
        page.text(L, Down(50), 0, "  3x-x+8=12");
        page.text(L, Down(50), 0, "    3x-x=12-8");
        page.text(L, Down(50), 0, "      2x=4");
        page.text(L, Down(50), 0, "       x=2");
        page.text(L, Down(50), 3, "x=2 を②に代入して");
        page.text(L, Down(50), 0, "2y=2-8=-6");
        page.text(L, Down(50), 0, "y=-3");
        page.text(L, Down(50), 5, "答 x=2,y=-3");
    }
}

}  // namespace kanovel
