// layout-sheet: draws braced systems, a written column subtraction and a
// column addition, and the texts of a reduced fraction and of a fraction
// sum, as the runtime draws them on a page, and saves the sheet as a PNG.
//
//   layout-sheet FILE.png
#include <cstdio>
#include <exception>
#include <string>

#include "platform/headless_platform.h"
#include "runtime/runtime.h"

namespace {

void Text(runtime::Runtime& rt, float x, float y, float colour, const std::string& text) {
    rt.penX = x;
    rt.penY = y;
    rt.textColour = colour;
    rt.textArg = text;
    rt.DrawMarkupText();
}

void Brace(runtime::Runtime& rt, float x, float y, float height) {
    rt.penX = x;
    rt.penY = y;
    rt.boxWidth = height;
    rt.textColour = 0;
    rt.DrawLeftBrace();
}

void ColumnSum(runtime::Runtime& rt, float x, float y, const std::string& upper, const std::string& op,
               const std::string& lower) {
    rt.penX = x;
    rt.penY = y;
    rt.textColour = 0;
    rt.boxColour = 0;
    rt.rowGap = 50;
    rt.upperRow = upper;
    rt.rowOperator = op;
    rt.lowerRow = lower;
    rt.DrawColumnSum();
}

void DrawSheet(runtime::Runtime& rt) {
    rt.BoxAt(0, 0, 1760, 1800, 15, 15);

    // Elimination by subtracting: the system, then ① − ② written in a
    // column with the result on the rule.
    Text(rt, 40, 20, 3, "<加減法 ひく>");
    Brace(rt, 40, 80, 100);
    Text(rt, 80, 80, 0, "2x+3y=12…①");
    Text(rt, 80, 130, 0, "5x+3y=21…②");
    Text(rt, 40, 200, 3, "①-②");
    ColumnSum(rt, 40, 250, "2x+3y=12", "-", "5x+3y=21");
    Text(rt, rt.resultX - 27, rt.cursorY + 50, 0, "-3x   =-9");
    Text(rt, rt.resultX, rt.cursorY + 100, 5, "x=3");

    // Elimination by adding.
    Text(rt, 700, 20, 3, "<加減法 たす>");
    Brace(rt, 700, 80, 100);
    Text(rt, 740, 80, 0, "x+y=240…①");
    Text(rt, 740, 130, 0, "x-y=120…②");
    Text(rt, 700, 200, 3, "①+②");
    ColumnSum(rt, 700, 250, "x+y=240", "+", "x-y=120");
    Text(rt, rt.resultX, rt.cursorY + 50, 0, "2x   =360");
    Text(rt, rt.resultX, rt.cursorY + 100, 5, "x=180");

    // A taller brace for a system with a stacked fraction.
    Brace(rt, 40, 500, 110);
    Text(rt, 80, 500, 0, "x+y=7…①");
    Text(rt, 80, 560, 0, "ﾀ1/2ﾀx-y=-1…②");

    // A reduced fraction and a sum of two fractions with its steps.
    rt.fracNum = -6;
    rt.fracDen = 8;
    rt.ReduceFraction();
    Text(rt, 700, 500, 0, rt.fracEqText);
    rt.fracNum1 = 1;
    rt.fracDen1 = 4;
    rt.fracNum2 = 1;
    rt.fracDen2 = 6;
    rt.AddFractions();
    Text(rt, 700, 580, 0, "ﾀ1/4ﾀ+ﾀ1/6ﾀ=" + rt.sumTermsText + "=" + rt.sumText);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: layout-sheet FILE.png\n");
        return 2;
    }
    try {
        platform::HeadlessOptions options;
        options.render = true;
        platform::HeadlessPlatform headless(options);
        runtime::ProgramData program;
        program.title = "layout";
        runtime::Runtime rt(headless, program);
        rt.StartProgram();
        DrawSheet(rt);
        if (!headless.WritePng(argv[1])) {
            std::fprintf(stderr, "layout-sheet: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "layout-sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
