// Lesson 2 pages ① and ②: apples and oranges bought twice, worked as a
// pictogram beside the same working in letters, then the plain working with
// the steps of elimination named beside it.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::ShowPictogramEliminationPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 38, /*cursorY*/ 30);
    // The width stays 5 after the page.
    page.penWidth(5);
    // A "●" in colour 5 is an apple, in colour 7 an orange.
    page.text(L, Same, 3, "教科書P40 Qをやってみよう。");
    page.text(L, Down(50), 5, "●");
    page.text(C, Same, 0, "をりんご、");
    page.text(C, Same, 7, "●");
    page.text(C, Same, 0, "をオレンジとすると").key();
    page.text(L, Down(70), 5, "●●");
    page.text(C + 30, Same, 7, "●●●●●");
    page.text(C + 30, Same, 0, "→600円…①").key();
    page.text(L, Down(70), 5, "●●");
    page.text(C + 30, Same, 7, "●●●");
    page.text(C + 102, Same, 0, "→480円…②").key();
    page.text(L + 210, Down(70), 7, "●●");
    page.text(C + 30, Same, 0, "→").key();
    page.text(C, Same, 0, "120円…③").key();
    page.text(L + 246, Down(70), 7, "●");
    page.text(C + 30, Same, 0, "→").key();
    page.text(C, Same, 0, "60円…④").key();
    page.text(L, Down(70), 5, "●●");
    page.text(C + 30, Same, 0, "180円");
    page.text(C + 30, Same, 0, "→").key();
    page.text(C, Same, 0, "480円…⑤").key();
    page.text(L, Down(70), 5, "●●");
    page.text(C + 30, Same, 0, "→").key();
    page.text(C, Same, 0, "480円-180円=300円…⑥").key();
    page.text(L, Down(70), 5, "●");
    page.text(C + 30, Same, 0, "→").key();
    page.text(C, Same, 0, "150円…⑦");
    // The closing sentence goes under the pictogram's last row.
    const float keptX = rt.leftMargin, keptY = rt.penY;
    page.key();

    // The letters: the system and its results first, in their final rows,
    // then the working between them.
    rt.leftMargin = 760;
    rt.cursorY = 30;
    page.text(L - 190, Same, 7, "りんご1個x円、オレンジ1個y円とすると").key();
    page.system(L, 80, 0, "2x+5y=600…①", "2x+3y=480…②").key();
    page.text(L + 54, 280, 0, "   2y=120…③").key();
    page.text(L + 54, Down(50), 0, "    y=60…④").key();
    page.text(L, 480, 0, "2x+180=480…⑤").key();
    page.text(L, 530, 0, "2x=480-180=300…⑥").key();
    page.text(L, Down(50), 0, " x=150…⑦").key();
    page.text(L - 114, 180, 3, "①-②");
    page.columnSum(L, 180, 0, "2x+5y=600", "-", "2x+3y=480").key();
    page.text(L, 430, 0, "2x+3*60=480").key();
    page.text(L, 380, 3, "y=60 を②に代入して").key();
    // 43 below the last row rather than 50, clear of the prompt bar.
    page.text(keptX, keptY + 43, 5, "文字を1つだけにすれば解ける。");
}

void KanovelLessons::ShowEliminationExplanationPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, /*leftMargin*/ 76, /*cursorY*/ 30, &side);
    side = SideColumn{.sideMargin = 608, .sideCursorY = 30};
    page.text(S, SideDown(0), 3, "解き方を確認しよう。");
    page.system(L, Same, 0, "2x+5y=600…①", "2x+3y=480…②").key();
    page.text(L, Down(50), 3, "①-②");
    page.columnSum(L, Down(50), 0, "2x+5y=600", "-", "2x+3y=480").key();
    page.text(L + 70, Down(50), 0, "   2y=120").key();
    page.text(S, SideDown(60), 7, "(1)");
    page.text(SC, SideDown(0), 0, "①-②でyだけの式に変形する。");
    // The free row under this caption gets a remark at the end.
    side.sideAnchorY = rt.penY;
    page.key();
    page.text(L + 70, Down(50), 0, "    y=60").key();
    page.text(S, SideDown(120), 7, "(2)");
    page.text(SC, SideDown(0), 0, "yの値を求める。").key();
    page.text(L, Down(50), 3, "y=60 を②に代入して").key();
    page.text(S, SideDown(60), 7, "(3)");
    page.text(SC, SideDown(0), 0, "代入し、xの値を求める。").key();
    page.text(L, Down(50), 0, "2x+3*60=480").key();
    page.text(L, Down(50), 0, "2x+180=480").key();
    page.text(L, Down(50), 0, "2x=480-180=300").key();
    page.text(L, Down(50), 0, " x=150").key();
    page.text(C + 30, Same, 5, "答 x=150,y=60").key();
    page.text(S, SideDown(60), 7, "(4)");
    page.text(SC, SideDown(0), 0, "答を書く。").key();
    page.text(S + 114, side.sideAnchorY + 60, 5, "xを消去する");
}

}  // namespace kanovel
