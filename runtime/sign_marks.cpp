// The sign-change marks of a written subtraction: the lower row taken away
// is the lower row added with its signs turned, and each turned sign is
// noted in small above the lower row, over the term it belongs to.
#include "runtime/runtime.h"

namespace runtime {

namespace {

// The walker's advance of a mark or blank of a sign row.
constexpr float kSlot = 27;

struct Cell {
    float x;
    std::string ch;
};

// What belongs to no term: a mark whose slot falls there goes on to the
// term that follows.
bool BelongsToNoTerm(const std::string& ch) { return ch == ")" || ch == "=" || ch == " "; }

}  // namespace

void Runtime::DrawSignRow() {
    const std::vector<std::string> marks = basic::Chars(textArg);
    const float rowX = penX, rowY = penY;

    // The lower row's cells from the left: the operator and its bracket
    // (DrawColumnSum puts them in the two slots before the row), then one
    // per character, up to where the row ends.
    std::vector<Cell> cells = {{resultX - 2 * kSlot, "op"}, {resultX - kSlot, ")"}};
    std::string prefix;
    for (const std::string& ch : basic::Chars(lowerRow)) {
        strArg = prefix;
        MeasureText();
        cells.push_back({resultX + textWidth, ch});
        prefix += ch;
    }
    strArg = prefix;
    MeasureText();
    const float rowEnd = resultX + textWidth;

    for (size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] == " ") continue;
        const float slotX = rowX + kSlot * static_cast<float>(i), centre = slotX + kSlot / 2;
        penX = slotX;
        if (centre >= cells.front().x && centre < rowEnd) {
            size_t k = 0;
            while (k + 1 < cells.size() && cells[k + 1].x <= centre) ++k;
            while (k + 1 < cells.size() && BelongsToNoTerm(cells[k].ch)) ++k;
            if (!BelongsToNoTerm(cells[k].ch)) penX = cells[k].x;
        }
        penY = rowY;
        textArg = marks[i];
        DrawSignMark();
    }
    penX = rowX + kSlot * static_cast<float>(marks.size());
    penY = rowY;
    textArg.clear();
}

void Runtime::DrawSignMark() {
    // Three quarters of the body's signs, at the foot of the band between
    // the two rows: near the row whose sign it turns and clear of the row
    // above, so that it reads as a note on the lower row, never as a sign
    // of the upper one or a bar between them.
    const TextPiece piece(*this, textArg, platform::PieceKind::SignMark);
    const float x = penX, y = penY;
    const float width = GetDrawWidth();
    SetDrawWidth(4);
    if (textArg == "+") {
        Line(x + 7.5f, y + 23, x + 19.5f, y + 23, textColour);
        Line(x + 13.5f, y + 17, x + 13.5f, y + 29, textColour);
    } else if (textArg == "-") {
        Line(x + 7.5f, y + 25, x + 19.5f, y + 25, textColour);
    }
    SetDrawWidth(width);
    penX = x + kSlot;
    textArg.clear();
}

}  // namespace runtime
