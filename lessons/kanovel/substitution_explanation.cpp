// Lesson 4 page ② "説明": the substitution method on 2x+5y=600, x=2y+30.
// The working grows in the left column; the notes column at the right names
// each of the four steps once the working has carried it out, then defines
// 代入法.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowSubstitutionExplanationPage() {
    SideColumn notes{.sideMargin = 608, .sideCursorY = 30};
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30, &notes);
    page.text(S, SideDown(0), 3, "解き方を確認しよう。");
    page.system(L, Same, 0, "2x+5y=600…①", "x=2y+30…②").key();
    page.text(L, Down(50), 3, "②を①に代入して");
    // The "=" of this row and the next four stand in one column.
    page.text(L, Down(50), 0, "2(2y+30)+5y=600").key();
    page.text(S, SideDown(60), 7, "(1)");
    page.text(SC, SideDown(0), 0, "式を代入してxを消去する。").key();
    page.text(L, Down(50), 0, "   4y+60+5y=600").key();
    page.text(L, Down(50), 0, "      4y+5y=600-60").key();
    page.text(L, Down(50), 0, "         9y=540").key();
    page.text(L, Down(50), 0, "          y=60").key();
    page.text(S, SideDown(60), 7, "(2)");
    page.text(SC, SideDown(0), 0, "yの値を求める。").key();
    page.text(L, Down(50), 3, "y=60 を②に代入して").key();
    page.text(S, SideDown(60), 7, "(3)");
    page.text(SC, SideDown(0), 0, "yの値を代入し、xの値を求める。").key();
    page.text(L, Down(50), 0, "x=2*60+30=120+30").key();
    page.text(L, Down(50), 0, "x=150").key();
    page.text(L + 30, Down(50), 5, "答 x=150,y=60").key();
    page.text(S, SideDown(60), 7, "(4)");
    page.text(SC, SideDown(0), 0, "答を書く。").key();
    page.text(S, SideDown(60), 5, "代入法");
    page.text(S, SideDown(50), 3, "一方の式を他方の式に代入して");
    page.text(S, SideDown(50), 3, "1つの文字を消去する方法");
}

}  // namespace kanovel
