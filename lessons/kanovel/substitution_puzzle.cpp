// Lesson 4 page ① "Q見いだし": two apples and five oranges cost 600 yen,
// an apple costs 30 yen more than two oranges. The left column solves it
// with pictures (each fruit a dot: apples colour 5, oranges colour 7), the
// right column with x and y by substitution; the results ① to ⑥ of both
// sides match. The right column is revealed out of reading order, so its
// rows are placed from the row table rowY.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

namespace {

// An arrow row: "↓" drawn straight by the platform in the renderer's font,
// stretched into a broad arrow across the picture rows (20 cells wide, 2
// high); the next row comes 85 below the row above the arrow.
void DrawArrowRow(runtime::Runtime& rt) {
    rt.Symbol(rt.leftMargin, rt.cursorY + 50, "↓", 20, 2, 3);
    rt.cursorY = rt.cursorY + 35;
}

}  // namespace

void KanovelLessons::ShowSubstitutionPuzzlePage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 38, 30);
    page.penWidth(5);  // stays 5 after the page

    // The puzzle: in the first row a dot after each fruit's name, in the
    // second the dots stand for the fruits themselves.
    page.text(L, Same, 3, "りんご");
    page.text(C, Same, 5, "●");
    page.text(C, Same, 3, "2個と、オレンジ");
    page.text(C, Same, 7, "●");
    page.text(C, Same, 3, "5個で");
    page.text(L, Down(50), 3, "600円、");
    page.text(C, Same, 5, "●は");
    page.text(C, Same, 7, "●●");
    page.text(C, Same, 3, "より30円高い。");
    page.text(L, Down(50), 3, "それぞれの単価は？").key();

    // The pictures ① to ⑥.
    page.text(L, Down(70), 5, "●●");
    page.text(C + 30, Same, 0, "+");
    page.text(C + 30, Same, 7, "●●●●●");
    page.text(C + 30, Same, 0, "=600…①").key();
    page.text(L, Down(50), 5, "●");
    page.text(C + 30, Same, 0, "=");
    page.text(C + 30, Same, 7, "●●");
    page.text(C + 30, Same, 0, "+30…②");
    DrawArrowRow(rt);
    page.key();
    page.text(L, Down(50), 7, "●● ●●");
    page.text(C + 30, Same, 0, "+60 ");
    page.text(L, Down(50), 0, "+");
    page.text(C + 30, Same, 7, "●●●●●");
    page.text(C + 30, Same, 0, " =600…③");
    DrawArrowRow(rt);
    page.key();
    page.text(L, Down(50), 7, "●●●●● ●●●●");
    page.text(C + 30, Same, 0, "=540…④");
    DrawArrowRow(rt);
    page.key();
    page.text(L, Down(50), 7, "●");
    page.text(C + 30, Same, 0, "=60…⑤").key();
    page.text(L, Down(50), 5, "●");
    page.text(C + 30, Same, 0, "=150…⑥").key();

    // The algebra column: row k stands at rowY(k) + 50.
    rt.leftMargin = 760;
    rt.cursorY = 30;
    rt.rowY(1) = 30;
    rt.rowY(2) = rt.rowY(1) + 100;
    for (rt.loopIndex = 3; rt.loopIndex <= 10; rt.loopIndex = rt.loopIndex + 1) {
        const int k = static_cast<int>(rt.loopIndex);
        rt.rowY(k) = rt.rowY(k - 1) + 50;
    }
    page.text(L - 152, Same, 0, "りんご1個x円、オレンジ1個y円とすると").key();
    page.system(L, rt.rowY(1) + 50, 0, "2x+5y=600…①", "x=2y+30…②").key();
    // First the results beside their pictures, then the rows between them
    // from the bottom up, last the back-substitution.
    page.text(L, rt.rowY(4) + 50, 0, "4y+60+5y=600…③").key();
    page.text(L, rt.rowY(6) + 50, 0, "      9y=540…④").key();
    page.text(L, rt.rowY(7) + 50, 0, "       y=60…⑤").key();
    page.text(L, rt.rowY(10) + 50, 0, "x=150…⑥").key();
    page.text(L, rt.rowY(5) + 50, 0, "   4y+5y=600-60").key();
    page.text(L, rt.rowY(3) + 50, 0, "2(2y+30)+5y=600").key();
    page.text(L, rt.rowY(2) + 50, 3, "②を①に代入して").key();
    page.text(L, rt.rowY(8) + 50, 3, "y=60 を②に代入して");
    page.text(L, rt.rowY(9) + 50, 0, "x=2*60+30=120+30");
}

}  // namespace kanovel
