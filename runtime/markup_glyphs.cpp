// The glyph drawer of markup text: one rule per character, each with its
// font, position, magnification or strokes, and advance.
#include "runtime/runtime.h"

namespace runtime {

namespace {

const char* const kGothic = "ゴシック";

// The typed characters shown as mathematical signs.
std::string Substitute(const std::string& ch) {
    if (ch == "%") return "°";
    if (ch == "*") return "×";
    if (ch == "/") return "÷";
    if (ch == "@") return "±";
    if (ch == "!") return "√";
    return ch;
}

bool IsDoubleByteChar(const std::string& ch) { return basic::Len(ch) == 2; }

}  // namespace

void Runtime::DrawMarkupGlyphs() {
    const TextPiece piece(*this, strArg);
    glyphX = penX;
    glyphY = penY;
    savedPenWidth = GetDrawWidth();
    const std::vector<std::string> run = basic::Chars(strArg);
    const float count = static_cast<float>(run.size());
    pf.SetFontName(kGothic);
    pf.SetFontSize(16);
    pf.SetFontBold(true);
    const bool inFraction = fractionMode == 1;

    formatIndex = 1;
    do {
        curChar = run.empty() ? std::string() : run[static_cast<size_t>(formatIndex) - 1];
        curChar = Substitute(curChar);
        const float x = glyphX, y = glyphY;
        // Draws curChar at (px, py) in the current font; an empty character
        // draws nothing.
        auto glyph = [&](float px, float py, int h, int v) {
            if (!curChar.empty()) Symbol(px, py, curChar, h, v, textColour);
        };
        auto stroke = [&](float width) { SetDrawWidth(width); };

        // Rules 1 to 6 change state or draw signs without an overline step.
        if (curChar == "^") {
            escapeFlag = 1;
            continue;
        }
        if (curChar == "\\") {
            raiseFlag = 1;
            continue;
        }
        if (curChar == "ﾝ") {
            radicalMode = 0;
            continue;
        }
        if (curChar == "√") {
            stroke(3);
            if (inFraction) {
                Poly(textColour, {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}});
                radicalMode = 11;
                glyphX = x + 26;
            } else {
                Poly(textColour, {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}});
                radicalMode = 1;
                glyphX = x + 28;
            }
            radicalStartX = glyphX;
            continue;
        }
        if (curChar == "&") {
            stroke(5);
            Poly(textColour, {{x + 4, y + 40}, {x + 11, y + 8}, {x + 32, y + 8}, {x + 25, y + 40}, {x + 4, y + 40}});
            stroke(3);
            glyphX = x + 36;
            radicalStartX = glyphX;
            continue;
        }

        float advance;
        if (curChar == ".") {
            glyph(x - 3, y + 14, 3, 2);
            advance = 8;
        } else if (curChar == "'" || curChar == "°") {
            glyph(x, y, 3, 3);
            advance = 12;
        } else if (curChar == "=") {
            pf.SetFontName(kGothic);
            pf.SetFontSize(14);
            pf.SetFontBold(true);
            glyph(x + 4, y, 3, 3);
            pf.SetFontSize(16);
            advance = 32;
        } else if (raiseFlag == 1) {
            pf.SetFontSize(8);
            glyph(x, y - 10, 6, 3);
            pf.SetFontSize(16);
            raiseFlag = 0;
            advance = 24;
        } else if (escapeFlag == 1 && inFraction) {
            pf.SetFontSize(8);
            glyph(x, y - 4, 6, 3);
            pf.SetFontSize(16);
            escapeFlag = 0;
            advance = 24;
        } else if (escapeFlag == 1) {
            glyph(x, y, 3, 2);
            escapeFlag = 0;
            advance = 24;
        } else if ((curChar == "a" || curChar == "x" || curChar == "c") && !lettersOfAName) {
            pf.SetFontName("Times New Roman");
            pf.SetFontSize(8);
            pf.SetFontItalic(true);
            if (inFraction) {
                glyph(x + 4, y - 16, 12, 5);
                advance = 32;
            } else {
                glyph(x + 4, y - 22, 10, 7);
                advance = 27;
            }
            pf.SetFontName(kGothic);
            pf.SetFontSize(16);
            pf.SetFontItalic(false);
        } else if (curChar == "l" && lettersOfAName) {
            // A plain l, in the cell that a script l takes.
            glyph(x, y, 3, 3);
            advance = 32;
        } else if (curChar == "l") {
            pf.SetFontName("MT Extra");
            pf.SetFontSize(16);
            pf.SetFontBold(true);
            glyph(x, y, 6, 3);
            pf.SetFontName(kGothic);
            pf.SetFontSize(16);
            pf.SetFontBold(false);
            advance = 32;
        } else if ((curChar == "-" || curChar == "+") && inFraction) {
            // Signs are drawn as strokes, sized to the digits' ink: small
            // enough that a row of them fits between two rows of an
            // equation without touching either. In a fraction part they
            // lie across the middle of the part's digits, 16 down.
            stroke(5);
            Line(x + 9, y + 16, x + 23, y + 16, textColour);
            if (curChar == "+") Line(x + 16, y + 9, x + 16, y + 23, textColour);
            stroke(3);
            advance = 32;
        } else if (curChar == "-") {
            const float across = y + (signBeforeFraction ? kFractionBarDrop : 20);
            stroke(5);
            Line(x + 5.5f, across, x + 21.5f, across, textColour);
            stroke(3);
            advance = 27;
        } else if (curChar == "+") {
            const float across = y + (signBeforeFraction ? kFractionBarDrop : 21);
            stroke(5);
            Line(x + 5.5f, across, x + 21.5f, across, textColour);
            Line(x + 13.5f, across - 8, x + 13.5f, across + 8, textColour);
            stroke(3);
            advance = 27;
        } else if ((curChar == "×" || curChar == "÷" || curChar == "±") && !inFraction) {
            glyph(x - 4, y, 2, 3);
            advance = 27;
        } else if (curChar == " ") {
            advance = 27;
        } else if (IsDoubleByteChar(curChar) && inFraction) {
            pf.SetFontSize(11);
            glyph(x, y, 3, 3);
            pf.SetFontSize(16);
            advance = 38;
        } else if (IsDoubleByteChar(curChar)) {
            glyph(x, y, 2, 3);
            advance = 34;
        } else if (inFraction) {
            glyph(x, y, 4, 2);
            advance = 32;
        } else {
            glyph(x, y, 3, 3);
            advance = 27;
        }
        glyphX = x + advance;

        // Overline of an open radical, from where it started to this glyph.
        if (radicalMode == 1 || radicalMode == 11 || (radicalMode == 22 && !inFraction)) {
            const float lift = radicalMode == 1 ? 4 : radicalMode == 11 ? 6 : 14;
            stroke(3);
            Line(radicalStartX, y - lift, glyphX, y - lift, textColour);
            stroke(3);
        } else {
            radicalStartX = glyphX;
        }
    } while (++formatIndex <= count);

    penX = glyphX;
    penY = glyphY;
    pf.SetFontBold(false);
    SetDrawWidth(savedPenWidth);
}

}  // namespace runtime
