// The sign-change marks of a written subtraction: the lower row taken away
// is the lower row added with its signs turned, and each turned sign is
// noted in small above the lower row, with the term it belongs to.
#include "runtime/runtime.h"

namespace runtime {

namespace {

struct Cell {
    float x;
    std::string rest;  // the row from this cell on
};

// What belongs to no term: a mark whose slot falls there goes on to the
// term that follows.
bool BelongsToNoTerm(const std::string& rest) {
    const std::string first = basic::KLeft(rest, 1);
    return first == ")" || first == "=" || first == " ";
}

bool StartsWithSign(const std::string& term) {
    const std::string first = basic::KLeft(term, 1);
    return first == "+" || first == "-";
}

}  // namespace

void Runtime::DrawSignRow() {
    const std::vector<std::string> marks = basic::Chars(textArg);
    const float marksX = penX, marksY = penY;

    // The lower row's cells from the left: the operator and its bracket
    // (DrawColumnSum puts them in the two slots before the row), then one
    // per character, up to where the row ends.
    std::vector<Cell> cells = {{resultX - 2 * kSignMarkSlot, rowOperator}, {resultX - kSignMarkSlot, ")" + lowerRow}};
    const std::vector<std::string> row = basic::Chars(lowerRow);
    std::string prefix;
    for (size_t i = 0; i < row.size(); ++i) {
        strArg = prefix;
        MeasureText();
        cells.push_back({resultX + textWidth, lowerRow.substr(prefix.size())});
        prefix += row[i];
    }
    strArg = prefix;
    MeasureText();
    const float rowEnd = resultX + textWidth;

    for (size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] == " ") continue;
        const float slotX = marksX + kSignMarkSlot * static_cast<float>(i), centre = slotX + kSignMarkSlot / 2;
        // A mark beyond the row stands in its own slot.
        penX = slotX;
        strArg.clear();
        if (centre >= cells.front().x && centre < rowEnd) {
            size_t k = 0;
            while (k + 1 < cells.size() && cells[k + 1].x <= centre) ++k;
            while (k + 1 < cells.size() && BelongsToNoTerm(cells[k].rest)) ++k;
            if (!BelongsToNoTerm(cells[k].rest)) {
                penX = cells[k].x;
                strArg = cells[k].rest;
            }
        }
        penY = marksY;
        textArg = marks[i];
        DrawSignMark();
    }
    penX = marksX + kSignMarkSlot * static_cast<float>(marks.size());
    penY = marksY;
    textArg.clear();
}

void Runtime::DrawSignMark() {
    // Three quarters of the body's signs, at the foot of the band between
    // the two rows: near the row whose sign it turns and clear of the row
    // above, so that it reads as a note on the lower row, never as a sign
    // of the upper one or a bar between them. Over a digit or a letter it
    // would read as a bar drawn on the glyph (a mean, a repeating digit),
    // so a term without a sign has it where its sign would be, raised just
    // before its first glyph.
    const TextPiece piece(*this, textArg, platform::PieceKind::SignMark);
    const float cellX = penX, y = penY;
    const float x = strArg.empty() || StartsWithSign(strArg) ? cellX : cellX - kSignMarkBeforeGlyph;
    const PenWidthScope keepWidth(*this);
    SetDrawWidth(kSignMarkStrokes.pen);
    const bool plus = textArg == "+";
    if (plus || textArg == "-")
        StrokeSign(kSignMarkStrokes, x, y + (plus ? kSignMarkStrokes.plusY : kSignMarkStrokes.minusY), plus,
                   textColour);
    keepWidth.Restore();
    penX = cellX + kSignMarkSlot;
    textArg.clear();
}

}  // namespace runtime
