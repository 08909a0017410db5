// markup-sheet: one PNG with a labelled sample of every kind of glyph of
// the markup renderer, its fractions, radicals and exponents, and framed
// boxes, for reading them as a pupil would.
//
//   markup-sheet out.png
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "lessons/kanovel/kanovel.h"
#include "platform/headless_platform.h"

namespace {

struct Sample {
    const char* label;
    const char* text;
};

const std::vector<std::vector<Sample>> kRows = {
    {{"digits, letters", "0123456789 x y a c l"}, {"title", "Kanovel"}, {"upright", "ABC mn"}},
    {{"signs", "2x+3y=7"}, {"", "a-b 3*4 6/2 @5"}, {"", "90% 3.14 ∠A'"}},
    {{"Japanese", "連立方程式とその解…①"}, {"", "速さ(m／分)"}, {"", "16cm,"}},
    {{"fractions", "ﾀ2/3ﾀ ﾀ21/2ﾀ -ﾀ3/2ﾀ"}, {"", "ﾀ1/4ﾀx+ﾀ2/3ﾀy=-1…②"}, {"", "ﾀx/80ﾀ ﾀ6/4/2ﾀ"}},
    {{"radicals", "!2ﾝ 2!3ﾝ+1"}, {"", "#ﾀ2/3ﾀﾝ #5ﾝ"}, {"", "ﾀ1/√3ﾝﾀ ﾀ!3ﾝ/2ﾀ"}},
    {{"exponents", "x^2 a^2+b^2=c^2"}, {"", "\\2 ﾀ1/x^2ﾀ ﾀ2^3/5ﾀ"}, {"parallelogram", "&ABCD"}},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: markup-sheet out.png\n");
        return 2;
    }
    platform::HeadlessOptions options;
    options.render = true;
    options.width = 2688;
    options.height = 1512;
    platform::HeadlessPlatform pf(options);
    runtime::Runtime rt(pf, kanovel::ProgramData());
    rt.StartProgram();

    float y = 40;
    for (const auto& row : kRows) {
        float x = 20;
        for (const Sample& sample : row) {
            pf.SetFontName("ゴシック");
            pf.SetFontSize(16);
            pf.SetFontBold(false);
            if (*sample.label) pf.Symbol({x, y - 30}, sample.label, 1, 1, 8);
            rt.Line(x, y, x + 8, y, 8);  // marks the pen's y
            rt.textColour = 0;
            rt.penX = x;
            rt.penY = y;
            rt.textArg = sample.text;
            rt.DrawMarkupText();
            x = rt.penX + 50;
        }
        y += 100;
    }

    // Framed boxes: a row of table cells and a title plate with its number.
    rt.penX = 20;
    rt.penY = y - 10;
    rt.boxHeight = 50;
    rt.boxColour = 3;
    rt.textColour = 0;
    for (auto [fill, text] : std::vector<std::pair<float, const char*>>{{13, "x"}, {15, "1"}, {15, "2"}, {11, "3"}}) {
        rt.boxWidth = 76;
        rt.boxFill = fill;
        rt.textColour = fill == 11 ? 5 : 0;
        rt.strArg = text;
        rt.DrawTextBox();
    }
    rt.boxWidth = 120;
    rt.boxHeight = 70;
    rt.boxFill = 14;
    rt.textColour = 0;
    rt.strArg = "ﾀ1/2ﾀ";
    rt.DrawTextBox();
    rt.penX += 40;
    rt.boxWidth = 396;
    rt.boxHeight = 44;
    rt.boxColour = 5;
    rt.boxFill = 4;
    rt.textColour = 13;
    rt.strArg = "加減法による解き方";
    rt.DrawTextBox();
    rt.boxWidth = 44;
    rt.boxColour = 4;
    rt.boxFill = 3;
    rt.strArg = "1";
    rt.DrawTextBox();

    if (!pf.WritePng(argv[1])) {
        std::fprintf(stderr, "markup-sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
