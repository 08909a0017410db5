// Lesson 3, page ③: question 3 of textbook page 52. A trip of 200 km in 3
// hours, first on the expressway at 80 km an hour, then on the ordinary
// road at 40 km an hour; x and y are the distances on each. The diagram
// and the table stand on the left, the equations and the braced system in
// a right-hand column, and the subtraction ① - ③ with the answer on the
// left once the diagram has gone.
#include "lessons/tirosam/line_diagram.h"
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowExpresswayQuestionPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 38, 30);
    page.penWidth(5);
    page.text(L, Same, 3, "教科書P52 問3").key();

    // The line diagram; its texts leave the cursor on the title row.
    LineDiagram diagram(rt, pointX, pointY);
    diagram.place(76, rt.cursorY + 200, 266, 228);
    page.textKeepCursor(L, Down(50), 0, "高速道路");
    page.textKeepCursor(L + 380, Down(50), 0, "ふつうの道路");
    diagram.line(1, 3, 0);
    page.key();
    // 40 in from the start, where the outer arc below has come down clear
    // of the speed's first character.
    page.textKeepCursor(diagram.x(1) + 40, diagram.below(), 0, "毎時80㎞").key();
    diagram.dot(0).line(1, 2, 0).line(2, 3, 3);
    page.textKeepCursor(diagram.x(2) + 38, diagram.below(), 3, "毎時40㎞").key();
    diagram.arc(1, 3, 1, 90, 3, 0, 0, "3時間", -8);  // A, 8 left: a full-width character clear of "y/40時間"
    diagram.arc(1, 3, -1, 90, 3, 0, 0, "200km");  // B
    page.key();
    diagram.arc(1, 2, -1, 20, 5, 0, 5, "x㎞");  // C
    diagram.arc(2, 3, -1, 20, 5, 0, 5, "y㎞", 0, 1);  // D, a unit lower: clear of the outer arc
    page.key();
    // The inner arcs below reach 68 deep, clear of the speeds, and their
    // fractions stand below the outer arc, apart from its label.
    diagram.arc(1, 2, 1, 68, 5, 7, 0, "");  // E
    diagram.arc(2, 3, 1, 68, 5, 7, 0, "");  // F
    page.key();
    diagram.arc(1, 2, 1, 68, 5, 7, 5, "ﾀx/80ﾀ時間", -34, 16);  // G
    page.key();
    diagram.arc(2, 3, 1, 68, 5, 7, 5, "ﾀy/40ﾀ時間", 0, 16);  // H
    page.key();

    // The empty table, then its nine values one per key.
    ProblemTable table(rt, page, pointX, pointY,
                       {.labelWidth = 266, .valueWidth = 114, .lastRowHeight = 70,
                        .cornerFill = 14, .headerFill = 15, .labelFill = 14});
    table.place(rt.leftMargin, 400);
    table.row(1, "", {"高速", "ふつう", "全体"});
    table.row(2, "道のり(㎞)", {"", "", ""});
    table.row(3, "速さ(㎞／h)", {"", "", " "});
    table.row(4, "時間", {"", "", " "});
    page.key();
    table.revealAfterKeys({{{"x", "y", "200"}, {"80", "40", "／"}, {"ﾀx/80ﾀ", "ﾀy/40ﾀ", "3"}}});
    page.key();

    // The equations and the braced system in the right-hand column.
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L, Same, 0, "高速道路をxkm,");
    page.text(L, Down(50), 0, "ふつうの道路をykmとすると、").key();
    page.text(L, Down(50), 0, "道のりの関係から").key();
    page.text(L, Down(50), 3, "x+y=200…①").key();
    page.text(L, Down(50), 0, "時間の関係から").key();
    page.text(L, Down(50), 3, "ﾀx/80ﾀ+ﾀy/40ﾀ=3…②").key();
    page.text(L, Down(60), 0, "②の分母をはらって").key();
    page.text(L, Down(50), 0, "80*ﾀx/80ﾀ+80*ﾀy/40ﾀ=80*3").key();
    page.text(L, Down(70), 3, "x+2y=240…③").key();
    // 19 right of the column: the answer written later on its row at the
    // left ends at 712, a full-width character before the brace.
    page.system(L + 19, Down(50), 0, "x+y=200…①", "x+2y=240…③").key().key();

    // The left part goes; the subtraction and the answer take its place.
    page.eraseAt(0, 0, 646, 1800);
    rt.leftMargin = 38;
    rt.cursorY = 30;
    page.text(L, Same, 3, "①-③").key();
    page.columnSum(L, Down(50), 0, "x +y=200", "-", "x+2y=240").key();
    page.signRow(L, MarkRow, 3, "+- -  -").key();
    page.text(rt.resultX, Down(50), 0, "  -y=-40").key();
    page.text(rt.resultX, Down(50), 0, "   y=40").key();
    page.text(L, Down(50), 3, "y=40 を①に代入して").key();
    page.text(L, Down(50), 0, "x+40=200").key();
    page.text(L, Down(50), 0, "x=200-40=160").key();
    page.text(L, Down(50), 3, " x=160,y=40").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L, Down(50), 5, "答　高速道路160km,ふつうの道路40km");
}

}  // namespace tirosam
