// The bold label renderer: short figure labels drawn one character at a
// time in bold at size 15, with fixed advances and no markup; the font
// found is put back after.
#include "runtime/digit_places.h"
#include "runtime/runtime.h"

namespace runtime {

void Runtime::DrawBoldLabel() {
    const TextPiece piece(*this, textArg);
    const PenWidthScope keepWidth(*this);
    const FontScope keepFont(*this);
    pf.SetFontBold(true);
    pf.SetFontSize(15);
    const std::vector<std::string> label = basic::Chars(textArg);
    for (size_t at = 0;; ++at) {
        glyphX = penX;
        glyphY = penY;
        if (textArg.empty()) return;
        strArg = basic::KLeft(textArg, 1);
        textArg.erase(0, strArg.size());
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
            const FontScope letterFont(*this);
            pf.SetFontName("Times New Roman");
            pf.SetFontSize(8);
            pf.SetFontItalic(true);
            Symbol(x + 4, y - 12, curChar, 7, 4, textColour);
        } else if (curChar == "y") {
            // Drawn a little higher so that its tail sits on the line.
            Symbol(x, y - 6, curChar, 3, 2, textColour);
        } else {
            Symbol(x, y, curChar, 3, 2, textColour, PlaceInNumber(label, at));
        }
        glyphX = x + advance;
        penX = glyphX;
        penY = glyphY;
    }
}

}  // namespace runtime

namespace runtime {

void Runtime::MeasureBoldText() {
    const float keptX = penX, keptY = penY;
    const std::string text = strArg;
    penX = 0;
    penY = 1800;
    textArg = text;
    {
        // Laid out exactly as drawn, below the page; none of it reaches the
        // screen, while the font settings change as they would.
        struct Measuring {
            int& depth;
            ~Measuring() { --depth; }
        } measuring{++measuringDepth_};
        DrawBoldLabel();
    }
    textWidth = penX;
    penX = keptX;
    penY = keptY;
    textArg = text;
}

namespace {

// Where a text of the measured width starts in a cell: centred, or at the
// left edge when it is wider than the cell.
float Inset(float cellWidth, float textWidth) {
    const float inset = (cellWidth - textWidth) / 2;
    return inset < 0 ? 0 : inset;
}

}  // namespace

void Runtime::DrawBoldTextCell() {
    const float cellX = penX, cellY = penY;
    const std::string text = strArg;
    MeasureBoldText();
    const float inset = Inset(boxWidth, textWidth);
    const float textTop = cellY + basic::Int((boxHeight - 26) / 2);
    BoxFromTo(cellX, cellY, cellX + boxWidth, cellY + boxHeight, boxColour, boxFill);
    penX = cellX + inset;
    penY = textTop;
    textArg = text;
    DrawBoldLabel();
    penX = cellX + boxWidth;
    penY = cellY;
}

void Runtime::DrawTwoRowBoldTextCell() {
    const float cellX = penX, cellY = penY;
    strArg = upperRow;
    MeasureBoldText();
    float inset = Inset(boxWidth, textWidth);
    // Two rows 30 apart in the upper half; a lone row sits lower.
    const float textTop = cellY + basic::Int((boxHeight / 2 - 26) / 2);
    BoxFromTo(cellX, cellY, cellX + boxWidth, cellY + boxHeight, boxColour, boxFill);
    penX = cellX + inset;
    penY = lowerRow.empty() ? textTop + 15 : textTop;
    textArg = upperRow;
    DrawBoldLabel();

    strArg = lowerRow;
    MeasureBoldText();
    inset = Inset(boxWidth, textWidth);
    penX = cellX + inset;
    penY = textTop + 30;
    textArg = lowerRow;
    DrawBoldLabel();
    penX = cellX + boxWidth;
    penY = cellY;
}

}  // namespace runtime
