// Lesson 1 pages ④ and ⑤: a pair of values is put into the left side of
// each equation and compared with the right side, " …○" when equal and
// " …×" when not; a pair solves a system only when every check is ○.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

namespace {

// One equation checked: the substitution, the worked value, and the result
// with its mark.
struct EquationCheck {
    const char* substituted;
    const char* worked;
    const char* result;
};

// Both equations checked, in rows under the pair's heading: each result
// goes on right after its worked value, in colour 3.
void CheckBothEquations(Page& page, const EquationCheck& first, const EquationCheck& second) {
    for (const EquationCheck* check : {&first, &second}) {
        page.text(L, Down(50), 0, check->substituted);
        page.text(L, Down(50), 0, check->worked);
        page.text(C, Same, 3, check->result);
    }
}

}  // namespace

void KanovelLessons::ShowSolutionCheckPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, /*leftMargin*/ 38, /*cursorY*/ 30);
    page.text(L, Same, 0, "課題1　次の連立方程式で、x=1,y=3　を解とするのはどれですか。");
    page.text(L, Down(60), 3, "①");
    page.system(C + 38, Same, 0, "x-y=-2", "2x+y=6");
    page.text(C + 114, Down(-50), 3, "②");
    page.system(C + 38, Same, 0, "-x+3y=8", "5x-2y=-1").key();
    page.text(L, Down(50), 5, "＜解き方＞");
    page.text(C, Same, 3, "それぞれの式の左辺に、x=1,y=3 を代入し、");
    page.text(L + 190, Down(50), 3, "右辺の値と等しいかを調べる。").key();

    page.text(L, Down(50), 7, "① x=1,y=3 を代入すると");
    cellY(1) = rt.penY;
    page.text(L, Down(50), 0, " x-y=1-3=").key();
    page.text(C, Same, 0, "-2 …○").key();
    page.text(L, Down(50), 0, " 2x+y=2*1+3").key();
    page.text(L, Down(50), 0, "=2+3=5 …×").key();
    page.text(L, Down(50), 5, "解ではない").key();

    // The second system's check starts level with the first's heading.
    rt.leftMargin = 646;
    rt.cursorY = cellY(1);
    page.text(L, Same, 7, "② x=1,y=3 を代入すると");
    page.text(L, Down(50), 0, " -x+3y=-1+3*3").key();
    page.text(L, Down(50), 0, "=-1+9=8 …○").key();
    page.text(L, Down(50), 0, " 5x-2y=5*1-2*3").key();
    page.text(L, Down(50), 0, "=5-6=-1 …○").key();
    page.text(L, Down(50), 5, "解である").key();
    page.text(44, 570, 7, "教科書P39 問1　をしなさい。");
}

void KanovelLessons::ShowCandidatePairsPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, /*leftMargin*/ 38, /*cursorY*/ 30);
    page.text(L, Same, 0, "教科書P39 問1　解答");
    page.text(L, Down(50), 5, "＜解き方＞");
    page.text(C, Same, 3, "2つの式の左辺に、代入し、右辺の値と等しいかを調べる。").key();

    page.text(L, Down(50), 7, "ア x=6,y=-1 を代入すると");
    cellX(1) = rt.penX;
    cellY(1) = rt.penY;
    CheckBothEquations(page, {" 2x+y=2*6-1", "=12-1=", "11 …○"}, {" x-2y=6-2*(-1)", "=6+2=", "8 …×"});
    page.text(L, Down(50), 7, "イ x=7,y=2 を代入すると");
    CheckBothEquations(page, {" 2x+y=2*7+2", "=14+2=", "16 …×"}, {" x-2y=7-2*2", "=7-4=", "3 …○"});

    // The second column: level with ア's heading, 76 right of its end.
    rt.leftMargin = cellX(1) + 76;
    rt.cursorY = cellY(1);
    page.text(L, Same, 7, "ウ x=5,y=1 を代入すると");
    CheckBothEquations(page, {" 2x+y=2*5+1", "=10+1=", "11 …○"}, {" x-2y=5-2*1", "=5-2=", "3 …○"});
    page.text(L, Down(50), 7, "エ x=4,y=2 を代入すると");
    CheckBothEquations(page, {" 2x+y=2*4+2", "=8+2=", "10 …×"}, {" x-2y=4-2*2", "=4-4=", "0 …×"});
    page.text(C + 48, Same, 5, "答　ウ");
}

}  // namespace kanovel
