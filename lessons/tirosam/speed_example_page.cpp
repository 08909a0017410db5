// One pass of the speed example page and its closing hint. The page's
// entry, loop and random data are in speed_examples.cpp: a walks a m a
// minute, then runs b m a minute, and reaches the station D m away T
// minutes after 10 o'clock; x and y are the distances walked and run.
#include <string>

#include "lessons/tirosam/line_diagram.h"
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

namespace {

// A row of the set-up, drawn twice: revealed in the right-hand pane, then
// copied at a stroke to the left-hand pane beside the solver's working.
struct SetupRow {
    float step;  // below the row before; the first row stands on the cursor's row
    float colour;
    std::string text;
};

}  // namespace

// The problem, its line diagram and table, the set-up and the solver's
// working of one example, up to the answer rows.
void TirosamLessons::DrawSpeedExample() {
    const std::string walk = rt.workText(1), run = rt.workText(2);
    const std::string minutes = rt.workText(5), distance = rt.workText(6);
    const std::string lcm = rt.workText(7), walkCoef = rt.workText(8), runCoef = rt.workText(9);
    const std::string cleared = rt.workText(10);
    // Nothing is cleared at once: each stage erases its own pane.
    Page page(rt, rt.leftMargin, rt.cursorY);

    // The problem in the right-hand pane; the previous example's working
    // goes.
    rt.columnX = exampleColumnX;
    rt.cursorY = 30;
    page.eraseAt(680, 0, 1600, 1800);
    page.text(rt.columnX, Same, 3, "例2 ");
    page.text(C, Same, 0, "Aさんは10時に家を出発して、");
    page.text(rt.columnX, Down(50), 0, distance + "mはなれた駅に向かいました。");
    page.text(rt.columnX, Down(50), 0, "はじめは分速" + walk + "mで歩き、途中から");
    page.text(rt.columnX, Down(50), 0, "分速" + run + "mで走りました。駅に10時");
    page.text(rt.columnX, Down(50), 0, minutes + "分に着いたとき、歩いた道のりと");
    page.text(rt.columnX, Down(50), 0, "走った道のりは何mですか。").key();

    // The left-hand pane: the previous example's set-up and answer go.
    rt.columnX = setupColumnX;
    rt.leftMargin = setupColumnX;
    rt.cursorY = 30;
    rt.Erase(0, 0, 680, 1800);
    page.key();

    // The line diagram; its texts leave the cursor on row 30.
    LineDiagram diagram(rt, pointX, pointY);
    diagram.place(76, rt.cursorY + 200, 190, 304);
    page.textKeepCursor(L, Down(50), 0, "10時");
    page.textKeepCursor(diagram.x(1) - 40, diagram.y() - 24, 0, "家");
    // 8 right of the end of the line, clear of the arcs' last dots.
    page.textKeepCursor(diagram.x(3) + 8, diagram.y() - 24, 0, "駅");
    diagram.line(1, 3, 0);
    diagram.arc(1, 3, -1, 90, 3, 0, 0, distance + "m");  // A
    page.key();
    page.textKeepCursor(diagram.x(1) + 27, diagram.below(), 0, "毎分" + walk + "m").key();
    diagram.dot(0).line(1, 2, 0).line(2, 3, 3);
    page.textKeepCursor(diagram.x(2) + 38, diagram.below(), 3, "毎分" + run + "m").key();
    // Half a character clear of the distance over the arc below it.
    page.textKeepCursor(L + 352, Down(30), 0, "10時" + minutes + "分").key();
    diagram.arc(1, 2, -1, 20, 5, 0, 5, "xm");  // B
    diagram.arc(2, 3, -1, 20, 5, 0, 5, "ym");  // C
    page.key();
    // 3 left: a full-width character clear of the running time "y/100分".
    diagram.arc(1, 3, 1, 108, 3, 0, 0, minutes + "分", -3);  // D
    page.key();
    // The arcs below reach 108, 86 and 76 deep: the walking speed fills
    // its part of the line, and the outer arc and the walking part's arc
    // pass 6 clear of its ends. The inner arcs' labels stand on one row
    // below the outer arc.
    diagram.arc(1, 2, 1, 86, 5, 7, 0, "");  // E
    diagram.arc(2, 3, 1, 76, 5, 7, 0, "");  // F
    page.key();
    diagram.arc(1, 2, 1, 86, 5, 7, 5, "ﾀx/" + walk + "ﾀ分", 0, 8);  // G
    page.key();
    diagram.arc(2, 3, 1, 76, 5, 7, 5, "ﾀy/" + run + "ﾀ分", 40, 18);  // H
    page.key();

    // The empty table.
    ProblemTable table(rt, page, pointX, pointY,
                       {.labelWidth = 228, .valueWidth = 114, .lastRowHeight = 70,
                        .cornerFill = 13, .headerFill = 13, .labelFill = 13});
    table.place(rt.leftMargin, 400);
    table.row(1, "", {"歩き", "走り", "全体"});
    table.row(2, "道のり(m)", {"", "", ""});
    table.row(3, "速さ(m／分)", {"", "", ""});
    table.row(4, "時間(分)", {"", "", ""});
    page.key();

    // The nine values, each after its own key.
    table.revealAfterKeys({{
        {"x", "y", distance},
        {walk, run, "／"},
        {"ﾀx/" + walk + "ﾀ", "ﾀy/" + run + "ﾀ", minutes},
    }});
    page.key();

    // The set-up in the right-hand pane, over the problem; rows 1
    // and 2 come together, every later row with its own key.
    const SetupRow setup[] = {
        {0, 7, "歩いた道のりをxm,"},
        {50, 7, "走った道のりをymとすると、"},
        {50, 0, "道のりの関係から"},
        {50, 3, "x+y=" + distance + "…①"},
        {50, 0, "時間の関係から"},
        {50, 3, "ﾀx/" + walk + "ﾀ+ﾀy/" + run + "ﾀ=" + minutes + "…②"},
        {60, 0, "②の分母をはらって"},
        {50, 0, lcm + "(ﾀx/" + walk + "ﾀ+ﾀy/" + run + "ﾀ)=" + lcm + "*" + minutes},
        {70, 3, walkCoef + "x+" + runCoef + "y=" + cleared + "…③"},
    };
    rt.columnX = exampleColumnX;
    rt.leftMargin = exampleColumnX;
    rt.cursorY = 30;
    rt.Erase(680, 0, 3200, 1800);
    for (const SetupRow& row : setup) {
        page.text(L, Down(row.step), row.colour, row.text);
        if (&row != &setup[0]) page.key();
    }

    // The set-up copied to the left-hand pane, over the diagram and the
    // table.
    rt.columnX = setupColumnX;
    rt.leftMargin = setupColumnX;
    rt.cursorY = 30;
    rt.Erase(40, 0, 680, 1800);
    for (const SetupRow& row : setup) page.text(L, Down(row.step), row.colour, row.text);

    // The solver works ① and ③ in the right-hand pane, its system right
    // after "式　"; the page answers in words itself.
    rt.columnX = exampleColumnX;
    rt.cursorY = 30;
    rt.Erase(680, 0, 2000, 1300);
    page.text(rt.columnX, Same, 3, "式　");
    solver.Solve(solver.SystemInSlots(), SolveOptions().StepByStep().HideAnswer().Labels("", "③"));
    page.key();

    // The check on the solver's empty last row, the answer
    // beside the left-hand set-up.
    page.text(L, Same, 0, "これらは問題に適している。").key();
    page.text(40, Down(-20), 5, "答　歩いた道のり" + rt.xText + "m");
    page.text(116, Down(50), 5, "走った道のり" + rt.yText + "m");
}

// The pointer to the textbook exercise after the last example, right of the
// answer's second line.
void TirosamLessons::ShowSpeedExerciseHint() {
    Page page(rt, rt.leftMargin, rt.cursorY);
    page.text(C + 30, Down(15), 3, "教科書P52 問2をやってみよう。");
}

}  // namespace tirosam
