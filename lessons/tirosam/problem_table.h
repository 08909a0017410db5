// The tables of the word problems: a label column and three value columns
// over four rows (the header row and three quantities), every cell one
// framed DrawTextBox with its text centred. The page keeps the table's
// origins in pointX(11) (the label column), pointX(12) (the first value
// column) and pointY(11) to pointY(14) (the tops of the rows).
#pragma once

#include <array>
#include <string>

#include "lessons/common/page.h"
#include "platform/basic.h"
#include "runtime/runtime.h"

namespace tirosam {

// A framed, filled cell whose text stands `nudgeX` right of where the cell
// would centre it: for a text that all but fills its cell, whose ink would
// otherwise come near the frame on one side while it leaves room on the
// other. The page cursor does not move.
void NudgedCell(runtime::Runtime& rt, lessons::Page& page, float x, float y, float w, float h, float frame,
                float fill, float textColour, const std::string& text, float nudgeX);

struct TableStyle {
    float labelWidth;     // the label column, its corner cell included
    float valueWidth;     // each of the three value columns
    float lastRowHeight;  // rows 1 to 3 are 50 high; the fourth is 70 where it holds fractions
    float cornerFill;
    float headerFill;
    float labelFill;      // value cells are filled with the background, 15
    float labelNudgeX = 0;  // the label column's texts, right of centre (NudgedCell)
};

class ProblemTable {
public:
    ProblemTable(runtime::Runtime& rt, lessons::Page& page, basic::Array<float>& pointX, basic::Array<float>& pointY,
                 TableStyle style)
        : rt_(rt), page_(page), pointX_(pointX), pointY_(pointY), style_(style) {}

    // Sets the origins: the label column at x `left`, the value columns
    // right of it, the four rows from `top` on, 50 apart.
    ProblemTable& place(float left, float top);

    // The cell in `row` (1 the header row, 2 to 4 the quantities) and
    // `column` (0 the label column, 1 to 3 the values), framed in colour 3
    // with its text in colour 0, centred, or moved by `nudgeX` (NudgedCell).
    // The page cursor does not move.
    ProblemTable& cell(int row, int column, const std::string& text, float nudgeX = 0);
    // A whole row: its label cell (the corner cell in row 1), then its three
    // value cells from left to right.
    ProblemTable& row(int row, const std::string& label, const std::array<std::string, 3>& values);
    // The values of rows 2 to 4, row by row and left to right, each drawn
    // as a whole new cell after its own key wait.
    using Values = std::array<std::array<std::string, 3>, 3>;
    ProblemTable& revealAfterKeys(const Values& values);
    // A key wait, for a page that reveals its cells one by one itself.
    ProblemTable& key();

private:
    runtime::Runtime& rt_;
    lessons::Page& page_;
    basic::Array<float>& pointX_;
    basic::Array<float>& pointY_;
    TableStyle style_;
};

}  // namespace tirosam
