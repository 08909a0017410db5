// Lesson 3, page ②: question 2 of textbook page 52. Home to station is
// 1200 m, walked at 50 m a minute and run at 80 m a minute, from 10:00 to
// 10:18; x and y are the minutes walked and run. The diagram and the table
// stand on the left, the equations and the subtraction ① - ②×50 in a
// right-hand column, and the back-substitution and the answer on the left
// once the diagram has gone.
#include "lessons/tirosam/line_diagram.h"
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowWalkRunQuestionPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 38, 30);
    page.penWidth(5);
    page.text(L, Same, 3, "教科書P52 問2").key();

    // The line diagram; its texts leave the cursor on the title row.
    LineDiagram diagram(rt, pointX, pointY);
    diagram.place(76, rt.cursorY + 200, 190, 304);
    page.textKeepCursor(L, Down(50), 0, "10時");
    page.textKeepCursor(diagram.x(1) - 40, diagram.y() - 24, 0, "家");
    // 8 right of the end of the line, clear of the arcs' last dots.
    page.textKeepCursor(diagram.x(3) + 8, diagram.y() - 24, 0, "駅");
    diagram.line(1, 3, 0);
    diagram.arc(1, 3, -1, 90, 3, 0, 0, "1200m");  // A
    page.key();
    page.textKeepCursor(diagram.x(1) + 27, diagram.below(), 0, "毎分50m").key();
    diagram.dot(0).line(1, 2, 0).line(2, 3, 3);
    page.textKeepCursor(diagram.x(2) + 38, diagram.below(), 3, "毎分80m").key();
    page.textKeepCursor(L + 418, Down(50), 0, "10時18分").key();
    diagram.arc(1, 3, 1, 108, 3, 0, 0, "18分");  // B
    page.key();
    // The arcs below reach 108, 86 and 76 deep: the walking speed fills
    // its part of the line, and the outer arc and the walking part's arc
    // pass 6 clear of its ends. The inner arcs' labels stand on one row
    // below the outer arc.
    diagram.arc(1, 2, 1, 86, 5, 7, 5, "x分", 0, 11);  // C
    diagram.arc(2, 3, 1, 76, 5, 7, 5, "y分", 7, 21);  // D, 7 right: a full-width character clear of "18分"
    page.key();
    diagram.arc(1, 2, -1, 20, 5, 5, 5, "");  // E
    diagram.arc(2, 3, -1, 20, 5, 5, 5, "");  // F
    page.key();
    diagram.arc(1, 2, -1, 20, 5, 5, 5, "50xm", 30, 7);  // G, right of where the outer arc comes down
    page.key();
    diagram.arc(2, 3, -1, 20, 5, 5, 5, "80ym");  // H
    page.key();

    // The empty table, then its nine values one per key.
    ProblemTable table(rt, page, pointX, pointY,
                       {.labelWidth = 266, .valueWidth = 114, .lastRowHeight = 50,
                        .cornerFill = 14, .headerFill = 15, .labelFill = 14});
    table.place(rt.leftMargin, 400);
    table.row(1, "", {"歩き", "走り", "全体"});
    table.row(2, "道のり(m)", {"", "", ""});
    table.row(3, "速さ(m／分)", {"", "", " "});
    table.row(4, "時間(分)", {"", "", " "});
    page.key();
    table.revealAfterKeys({{{"50x", "80y", "1200"}, {"50", "80", "／"}, {"x", "y", "18"}}});
    page.key();

    // The equations and the subtraction in the right-hand column.
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L, Same, 0, "歩いた時間をx分,");
    page.text(L, Down(50), 0, "走った時間をy分とすると、").key();
    page.text(L, Down(50), 0, "道のりの関係から").key();
    page.text(L, Down(50), 3, "50x+80y=1200…①").key();
    page.text(L, Down(50), 0, "時間の関係から").key();
    page.text(L, Down(50), 3, "x+y=18…②").key();
    page.system(L, Down(50), 0, "50x+80y=1200…①", "x+y=18…②").key();
    page.text(L, Down(50), 3, "①-②*50").key();
    page.columnSum(L, Down(50), 0, "50x+80y=1200", "-", "50x+50y=900").key();
    page.signRow(L, MarkRow, 3, "+-   -   -").key();
    page.text(rt.resultX, Down(50), 0, "    30y=300").key().key();

    // The left part goes; the working ends there.
    page.eraseAt(0, 0, 646, 1800);
    rt.leftMargin = 38;
    rt.cursorY = 30;
    page.text(L, Same, 0, "    30y=300").key();
    page.text(L, Down(50), 0, "      y=10").key();
    page.text(L, Down(50), 3, "y=10 を②に代入して").key();
    page.text(L, Down(50), 0, "x+10=18").key();
    page.text(L, Down(50), 0, "x=18-10=8").key();
    page.text(L, Down(50), 3, " x=8,y=10").key();
    page.text(L, Down(50), 0, "これらは問題に適している。").key();
    page.text(L, Down(50), 3, "歩いた道のりは、50*8=400(m)").key();
    page.text(L, Down(50), 3, "走った道のりは、80*10=800(m)").key();
    page.text(L, Down(50), 5, "答　歩いた道のり400m");
    page.text(L + 76, Down(50), 5, "走った道のり800m").key();
    page.text(44, 600, 7, "教科書P52 問3　をしなさい。");
}

}  // namespace tirosam
