// Page scripts: a lesson page reads like its script table, one short call
// per row.
//
//   Page page(rt, Clear{0, 0, 1320, 1300}, /*leftMargin*/ 40, /*cursorY*/ 30);
//   page.text(L, Same, 3, "連立方程式を解きなさい。");
//   page.text(L + 64, Down(50), 0, "x+y=9…①").key();
//
// x of a row: L + n (leftMargin), C + n (cursorX, right after the previous
// text), S + n (sideMargin) or SC + n (sideCursorX) of the side column, or a
// plain number. y: Same (cursorY), Down(n) (cursorY + n, n may be negative),
// SideDown(n) (sideCursorY + n), MarkRow (a sign row's, over the row at the
// cursor), or a plain number. A text row draws with DrawMarkupText and
// copies the pen into the page cursor, or into the side cursor when its x
// is placed from the side column.
#pragma once

#include <string>

#include "runtime/runtime.h"

namespace lessons {

// The second column of headings and remarks some pages keep at the right.
struct SideColumn {
    float sideMargin = 0;
    float sideCursorX = 0, sideCursorY = 0;
    float sideAnchorY = 0;
};

struct X {
    enum class Base { Absolute, Left, Cursor, SideMargin, SideCursor };
    constexpr X(float absolute) : base(Base::Absolute), offset(absolute) {}
    constexpr X(Base b, float o) : base(b), offset(o) {}
    Base base;
    float offset;
};
constexpr X operator+(X x, float d) { return X(x.base, x.offset + d); }
constexpr X operator-(X x, float d) { return X(x.base, x.offset - d); }
inline constexpr X L{X::Base::Left, 0};
inline constexpr X C{X::Base::Cursor, 0};
inline constexpr X S{X::Base::SideMargin, 0};
inline constexpr X SC{X::Base::SideCursor, 0};

struct Y {
    enum class Base { Absolute, Cursor, SideCursor };
    constexpr Y(float absolute) : base(Base::Absolute), offset(absolute) {}
    constexpr Y(Base b, float o) : base(b), offset(o) {}
    Base base;
    float offset;
};
inline constexpr Y Same{Y::Base::Cursor, 0};
constexpr Y Down(float n) { return Y(Y::Base::Cursor, n); }
constexpr Y SideDown(float n) { return Y(Y::Base::SideCursor, n); }
// The row of sign-change marks over the row at the cursor, where a column
// sum leaves it: its lower row.
inline constexpr Y MarkRow{Y::Base::Cursor, -runtime::kSignMarkRowRise};

// The area a page erases before it draws: a box from (x, y) of size w by h.
struct Clear {
    float x, y, w, h;
};

class Page {
public:
    // Erases the area, then sets leftMargin and cursorY.
    Page(runtime::Runtime& rt, Clear area, float leftMargin, float cursorY, SideColumn* side = nullptr);
    // A page that keeps what is on the screen.
    Page(runtime::Runtime& rt, float leftMargin, float cursorY, SideColumn* side = nullptr);

    // A text row.
    Page& text(X x, Y y, float colour, const std::string& text);
    // A text row after which the cursor stays where it was.
    Page& textKeepCursor(X x, Y y, float colour, const std::string& text);
    // The sign-change marks of the column subtraction just drawn, the
    // characters 27 apart from (x, y), each over the lower row's term it
    // turns; the cursor stays.
    Page& signRow(X x, Y y, float colour, const std::string& marks);
    // Waits for any key.
    Page& key();
    // A table cell: a framed, filled box with its text centred; the cursor
    // does not move.
    Page& cell(X x, Y y, float w, float h, float frame, float fill, float textColour, const std::string& text);
    // The brace of a system at (x, y), in `colour`.
    Page& brace(X x, Y y, float colour = 0, float height = 100);
    // A braced system: the brace at (x, y), the first equation 40 to its
    // right on the same row and the second one row (50) below it at the
    // same x, brace and equations in `colour`; the cursor ends after the
    // second equation.
    Page& system(X x, Y y, float colour, const std::string& first, const std::string& second);
    // A written column sum at (x, y): upper row, operator and lower row, rule
    // in colour 0, rows 50 apart. Leaves cursorY on the lower row and
    // resultX at its equations' column.
    Page& columnSum(X x, Y y, float colour, const std::string& upper, const std::string& op, const std::string& lower);
    // Erases a box from (x, y) of size w by h (a corner and a size, as
    // Runtime::BoxAt takes them; Runtime::Erase takes two corners).
    Page& eraseAt(float x, float y, float w, float h);
    // Sets the pen width (pages that do so leave it set).
    Page& penWidth(float width);

    // Resolves a row position now (for rows that compute with it).
    float x(X x) const;
    float y(Y y) const;

private:
    bool IsSide(X x) const { return x.base == X::Base::SideMargin || x.base == X::Base::SideCursor; }
    runtime::Runtime& rt_;
    SideColumn* side_;
};

}  // namespace lessons
