// The simple drawer of prompts: every character on a grid of 16, mapped to
// its full-width or mathematical partner.
#include "runtime/runtime.h"

namespace runtime {

namespace {

// Parallel tables: the character at position p of a half table becomes the
// character at position p of its full table.
const std::string kHalfCapitals = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const std::string kFullCapitals = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const std::string kHalfSymbols = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const std::string kFullSymbols =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

// One character of `from` replaced by its partner in `to`.
void MapThrough(std::string& ch, const std::string& from, const std::string& to) {
    if (ch.empty()) return;
    int position = basic::KInstr(1, from, ch);
    if (position > 0) ch = basic::KMid(to, position, 1);
}

}  // namespace

void Runtime::MapToFullWidth() {
    MapThrough(curChar, kHalfCapitals, kFullCapitals);
    MapThrough(curChar, kHalfSymbols, kFullSymbols);
}

void Runtime::StripSpaces() {
    std::string stripped;
    stripped.reserve(strArg.size());
    for (char c : strArg)
        if (c != ' ') stripped += c;
    strArg = std::move(stripped);
}

void Runtime::DrawSimpleGlyphs() {
    const TextPiece piece(*this, strArg);
    StripSpaces();
    int count = basic::KLen(strArg);
    charX = penX;
    pf.SetFontBold(true);
    int i = 1;
    do {
        curChar = count == 0 ? std::string() : basic::KMid(strArg, i, 1);
        if (curChar == "^") {
            escapeFlag = 1;
            continue;
        }
        if (escapeFlag == 1) {
            escapeFlag = 0;
        } else {
            MapToFullWidth();
        }
        float glyphRaise = basic::Len(curChar) == 1 ? 4 : 0;
        if (curChar == "．") charX -= 4;
        if (!curChar.empty()) Symbol(charX, penY - glyphRaise, curChar, 1, 1, textColour);
        if (curChar == "．") charX -= 12;
        charX += kSimpleGlyphAdvance;
    } while (++i <= count);
}

void Runtime::DrawSimpleText() {
    const TextPiece piece(*this, textArg);
    while (!textArg.empty()) {
        std::string first = basic::KLeft(textArg, 1);
        textArg.erase(0, first.size());
        strArg = first;
        if (strArg == "^") {
            escapeFlag = 1;
            continue;
        }
        DrawSimpleGlyphs();
        penX = charX;
    }
}

}  // namespace runtime
