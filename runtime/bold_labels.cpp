// The bold label renderer: short figure labels drawn one character at a
// time in bold at size 15, with fixed advances and no markup.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawBoldLabel() {
    for (;;) {
        glyphX = penX;
        glyphY = penY;
        savedPenWidth = GetDrawWidth();
        if (textArg.empty()) {
            pf.SetFontBold(false);
            SetDrawWidth(savedPenWidth);
            pf.SetFontSize(16);
            return;
        }
        strArg = basic::KLeft(textArg, 1);
        textArg.erase(0, strArg.size());
        pf.SetFontBold(true);
        pf.SetFontSize(15);
        curChar = strArg;

        const float x = glyphX, y = glyphY;
        float advance = 20;
        if (curChar == "." || curChar == ",") {
            Symbol(x, y, curChar, 3, 2, textColour);
            advance = 8;
        } else if (curChar == "(") {
            Symbol(x - 8, y, curChar, 3, 2, textColour);
            advance = 12;
        } else if (curChar == ")") {
            Symbol(x, y, curChar, 3, 2, textColour);
            advance = 8;
        } else if (curChar == " ") {
            advance = 20;
        } else if (basic::Len(curChar) == 2) {
            Symbol(x, y, curChar, 2, 2, textColour);
            advance = 30;
        } else if (curChar == "a" || curChar == "x" || curChar == "c") {
            pf.SetFontName("Times New Roman");
            pf.SetFontSize(8);
            pf.SetFontItalic(true);
            Symbol(x + 4, y - 12, curChar, 7, 4, textColour);
            pf.SetFontName("ゴシック");
            pf.SetFontItalic(false);
        } else if (curChar == "y") {
            // Drawn a little higher so that its tail sits on the line.
            Symbol(x, y - 6, curChar, 3, 2, textColour);
        } else {
            Symbol(x, y, curChar, 3, 2, textColour);
        }
        glyphX = x + advance;
        penX = glyphX;
        penY = glyphY;
    }
}

}  // namespace runtime
