#include "lessons/tirosam/problem_table.h"

namespace tirosam {

void NudgedCell(runtime::Runtime& rt, lessons::Page& page, float x, float y, float w, float h, float frame,
                float fill, float textColour, const std::string& text, float nudgeX) {
    if (nudgeX == 0) {
        page.cell(x, y, w, h, frame, fill, textColour, text);
        return;
    }
    page.cell(x, y, w, h, frame, fill, textColour, "");
    const runtime::Point at = rt.TextBoxTextAt(x, y, text);
    page.textKeepCursor(at.x + nudgeX, at.y, textColour, text);
}

ProblemTable& ProblemTable::place(float left, float top) {
    pointX_(11) = left;
    pointX_(12) = pointX_(11) + style_.labelWidth;
    pointY_(11) = top;
    for (int row = 12; row <= 14; ++row) pointY_(row) = pointY_(row - 1) + 50;
    return *this;
}

ProblemTable& ProblemTable::cell(int row, int column, const std::string& text, float nudgeX) {
    // A cell outside the four rows and four columns names no place.
    if (row < 1 || row > 4 || column < 0 || column > 3) basic::Fail(basic::kBadArgument);
    const float x = column == 0 ? pointX_(11) : pointX_(12) + style_.valueWidth * static_cast<float>(column - 1);
    const float width = column == 0 ? style_.labelWidth : style_.valueWidth;
    const float height = row == 4 ? style_.lastRowHeight : 50;
    float fill = 15;
    if (row == 1) fill = column == 0 ? style_.cornerFill : style_.headerFill;
    else if (column == 0) fill = style_.labelFill;
    NudgedCell(rt_, page_, x, pointY_(10 + row), width, height, 3, fill, 0, text, nudgeX);
    return *this;
}

ProblemTable& ProblemTable::row(int row, const std::string& label, const std::array<std::string, 3>& values) {
    cell(row, 0, label, style_.labelNudgeX);
    for (int column = 1; column <= 3; ++column) cell(row, column, values[static_cast<size_t>(column - 1)]);
    return *this;
}

ProblemTable& ProblemTable::revealAfterKeys(const Values& values) {
    for (int row = 2; row <= 4; ++row) {
        for (int column = 1; column <= 3; ++column) {
            page_.key();
            cell(row, column, values[static_cast<size_t>(row - 2)][static_cast<size_t>(column - 1)]);
        }
    }
    return *this;
}

ProblemTable& ProblemTable::key() {
    page_.key();
    return *this;
}

}  // namespace tirosam
