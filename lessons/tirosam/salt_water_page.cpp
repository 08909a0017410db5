// Chapter problems B, page 5: two salt waters mixed into a third; the
// table of concentrations and masses, the equations cleared of fractions,
// and the elimination worked by the solver.
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowSaltWaterPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 40, 30);
    page.penWidth(5);
    ShowChapterPlates(page, L, Same, "P55 章の問題B", "5");

    // The table: a label column 190 wide, value columns at a pitch of 128,
    // the last one 210 wide; rows 50 high, the salt row 70 for its fractions.
    const float labelColumnWidth = 190, valueColumnWidth = 128, totalColumnWidth = 210;
    pointX(11) = rt.leftMargin;
    pointX(12) = pointX(11) + labelColumnWidth;
    pointY(11) = rt.cursorY + 70;
    pointY(12) = pointY(11) + 50;
    pointY(13) = pointY(12) + 50;
    auto columnX = [&](float column) { return pointX(12) + (column - 1) * valueColumnWidth; };
    auto valueRow = [&](float top, float height, float fill) {
        DrawValueRow(page, top, height, fill, valueColumnWidth, totalColumnWidth);
    };

    page.cell(pointX(11), pointY(11), labelColumnWidth, 50, 3, 13, 0, "濃さ");
    SetRowTexts("8％", "3％", "6％");
    valueRow(pointY(11), 50, 13);
    page.cell(pointX(11), pointY(12), labelColumnWidth, 50, 3, 13, 0, "食塩水(g)");
    SetRowTexts("x", "y", "500");
    valueRow(pointY(12), 50, 15);
    page.cell(pointX(11), pointY(13), labelColumnWidth, 70, 3, 13, 0, "食塩(g)");
    SetRowTexts("", "", "");
    valueRow(pointY(13), 70, 15);
    // The cursor stands at the top right corner of the last cell.
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
    page.key();

    // 83 below, not 80: the numerator keeps 6 clear of the table's foot;
    // the next row stays where it was.
    page.text(L, Down(83), 0, "8％のときの食塩の重さは、ﾀ8/100ﾀ*x");
    auto saltCell = [&](float x, float width, const char* text) {
        page.key();
        NudgedCell(rt, page, x, pointY(13), width, 70, 3, 15, 0, text, 1);
    };
    saltCell(columnX(1), valueColumnWidth, "ﾀ8/100ﾀx");
    saltCell(columnX(2), valueColumnWidth, "ﾀ3/100ﾀy");
    saltCell(columnX(3), totalColumnWidth, "ﾀ6/100ﾀ*500");
    page.key();
    page.text(L, Down(57), 0, "食塩水の重さから ").key();
    page.text(C, Same, 3, "x+y=500…①").key();
    page.text(L, Down(60), 0, "食塩の重さから").key();
    page.text(C, Same, 3, "ﾀ8/100ﾀx+ﾀ3/100ﾀy=30…②").key();
    page.text(L, Down(50), 0, "②の分母をはらって").key();
    page.text(L, Down(60), 0, "100(ﾀ8/100ﾀx+ﾀ3/100ﾀy)=100*30");
    page.text(L, Down(70), 3, "8x+3y=3000…③").key();

    // x+y=500 and 8x+3y=3000 to the solver, its braced system right after
    // the label, its working from x 732 (not 722: its back-substitution row
    // keeps a full-width character clear of ② at the left, which ends at
    // 702); no answer line of its own.
    rt.columnX = 732;
    rt.leftMargin = rt.columnX + 81;
    rt.cursorY = 30;
    page.text(rt.columnX, Same, 3, "式　");
    solver.Solve({1, 1, 500, 8, 3, 3000}, SolveOptions().StepByStep().HideAnswer().Labels("", "③"));
    page.text(L, Same, 3, "x=300,y=200");
}

}  // namespace tirosam
