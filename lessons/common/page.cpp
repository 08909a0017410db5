#include "lessons/common/page.h"

#include "platform/basic.h"

namespace lessons {

Page::Page(runtime::Runtime& rt, Clear area, float leftMargin, float cursorY, SideColumn* side)
    : Page(rt, leftMargin, cursorY, side) {
    eraseAt(area.x, area.y, area.w, area.h);
}

Page::Page(runtime::Runtime& rt, float leftMargin, float cursorY, SideColumn* side) : rt_(rt), side_(side) {
    rt_.leftMargin = leftMargin;
    rt_.cursorY = cursorY;
}

float Page::x(X x) const {
    if (IsSide(x) && !side_) basic::Fail(basic::kBadArgument);  // a side row on a page without one
    switch (x.base) {
        case X::Base::Absolute: return x.offset;
        case X::Base::Left: return rt_.leftMargin + x.offset;
        case X::Base::Cursor: return rt_.cursorX + x.offset;
        case X::Base::SideMargin: return side_->sideMargin + x.offset;
        case X::Base::SideCursor: return side_->sideCursorX + x.offset;
    }
    return x.offset;
}

float Page::y(Y y) const {
    if (y.base == Y::Base::SideCursor && !side_) basic::Fail(basic::kBadArgument);
    switch (y.base) {
        case Y::Base::Absolute: return y.offset;
        case Y::Base::Cursor: return rt_.cursorY + y.offset;
        case Y::Base::SideCursor: return side_->sideCursorY + y.offset;
    }
    return y.offset;
}

Page& Page::textKeepCursor(X at, Y row, float colour, const std::string& text) {
    rt_.textColour = colour;
    rt_.penX = x(at);
    rt_.penY = y(row);
    rt_.textArg = text;
    rt_.DrawMarkupText();
    return *this;
}

Page& Page::signRow(X at, Y row, float colour, const std::string& marks) {
    rt_.textColour = colour;
    rt_.penX = x(at);
    rt_.penY = y(row);
    rt_.textArg = marks;
    rt_.DrawSignRow();
    return *this;
}

Page& Page::text(X at, Y row, float colour, const std::string& text) {
    const bool side = IsSide(at);
    textKeepCursor(at, row, colour, text);
    if (side) {
        side_->sideCursorX = rt_.penX;
        side_->sideCursorY = rt_.penY;
    } else {
        rt_.cursorX = rt_.penX;
        rt_.cursorY = rt_.penY;
    }
    return *this;
}

Page& Page::key() {
    rt_.WaitAnyKey();
    return *this;
}

Page& Page::cell(X at, Y row, float w, float h, float frame, float fill, float textColour, const std::string& text) {
    rt_.penX = x(at);
    rt_.penY = y(row);
    rt_.boxWidth = w;
    rt_.boxHeight = h;
    rt_.boxColour = frame;
    rt_.boxFill = fill;
    rt_.textColour = textColour;
    rt_.strArg = text;
    rt_.DrawTextBox();
    return *this;
}

Page& Page::brace(X at, Y row, float colour, float height) {
    rt_.penX = x(at);
    rt_.penY = y(row);
    rt_.boxWidth = height;
    rt_.textColour = colour;
    rt_.DrawLeftBrace();
    return *this;
}

Page& Page::system(X at, Y row, float colour, const std::string& first, const std::string& second) {
    const float left = x(at), top = y(row);
    // A fraction's denominator reaches further down than a row of figures:
    // the brace reaches down past it.
    brace(left, top, colour, basic::KInstr(1, second, "ﾀ") > 0 ? 112 : 100);
    // Only the row is taken from the first equation, so the second one
    // starts under it whatever its width.
    textKeepCursor(left + 40, top, colour, first);
    return text(left + 40, top + 50, colour, second);
}

Page& Page::columnSum(X at, Y row, float colour, const std::string& upper, const std::string& op,
                      const std::string& lower) {
    rt_.penX = x(at);
    rt_.penY = y(row);
    rt_.upperRow = upper;
    rt_.rowOperator = op;
    rt_.lowerRow = lower;
    rt_.rowGap = 50;
    rt_.boxColour = 0;
    rt_.textColour = colour;
    rt_.DrawColumnSum();
    return *this;
}

Page& Page::eraseAt(float x0, float y0, float w, float h) {
    rt_.BoxAt(x0, y0, w, h, 15, 15);
    return *this;
}

Page& Page::penWidth(float width) {
    rt_.SetDrawWidth(width);
    return *this;
}

}  // namespace lessons
