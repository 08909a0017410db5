// The sign-change marks of a written subtraction read as notes on the row
// below them: near that row's line, clearly nearer it than the row above,
// and each over the sign it turns, or, for a term written without one,
// just before the term's first glyph, where its sign would stand; never
// over a digit or a letter (it would read as a bar on the glyph), over
// "=", a bracket or a blank, nor inside a term.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/ink_scene.h"

namespace layout {

namespace {

// How far around a mark the rows it sits between are looked for.
constexpr double kCell = runtime::kHalfWidthAdvance;
constexpr double kAcross = 2 * kCell;
// A descender above counts where it reaches this close to the mark's sides.
constexpr double kOverhead = 6;
constexpr double kRowReach = 200;
constexpr double kDown = 40, kUp = 60;
// Pieces whose first cells stand this close in height make one row (the
// operator and its bracket stand a little below the row they lead).
constexpr double kSameRow = runtime::kColumnSumBracketDrop + 2;
// A mark before a term ends before the term's first ink begins (but for
// what the antialiasing of a glyph's box may add), and at most this far
// before it: a "1", the narrowest glyph, begins 4.2 after the marks end.
constexpr double kBeforeReach = 6;
constexpr double kInkSlack = 0.5;
// A sign of the row below is a stroke of the signs' pen, as long as a sign
// of the body or of a fraction part, give or take this.
constexpr double kSignLengthSlack = 2;

bool IsDigit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

bool IsTermInside(const std::string& ch) {
    return ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || (ch[0] >= 'a' && ch[0] <= 'z') || ch[0] == '.');
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::round(v * 10) / 10);
    return text;
}

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

std::map<int, Rect> InkScene::MarkBoxes() const {
    std::map<int, Rect> marks;
    for (const Item& item : items_) {
        if (!item.alive || !IsMark(item)) continue;
        const Rect r = item.shape.Bounds();
        auto [it, added] = marks.try_emplace(item.piece, r);
        if (!added) it->second = Union(it->second, r);
    }
    return marks;
}

InkScene::AroundMark InkScene::Around(const Rect& mark) const {
    AroundMark around;
    const double centre = (mark.x0 + mark.x1) / 2;
    auto top = [&](int i) { return items_[i].shape.Bounds().y0; };
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (!item.alive || item.piece == 0 || IsMark(item)) continue;
        const Rect r = item.shape.Bounds();
        if (r.x1 < mark.x0 - kAcross || r.x0 > mark.x1 + kAcross) continue;
        const int index = static_cast<int>(i);
        const bool below = r.y0 >= mark.y1 - 1 && r.y0 <= mark.y1 + kDown;
        if (below && r.x0 - 2 <= centre && centre <= r.x1 + 2 && (around.under < 0 || r.y0 < top(around.under)))
            around.under = index;
        if (below && item.glyph && r.x0 >= mark.x1 - kInkSlack && r.x0 <= mark.x1 + kBeforeReach &&
            (around.next < 0 || r.x0 < items_[around.next].shape.Bounds().x0))
            around.next = index;
        if (r.y1 <= mark.y0 + 1 && r.y1 >= mark.y0 - kUp && (around.above < 0 || r.y1 > items_[around.above].shape.Bounds().y1))
            around.above = index;
    }
    return around;
}

double InkScene::RowEdge(int member, const Rect& mark, bool top) const {
    // A row's line runs from its digits' top to their foot; letters
    // without ascenders do not lower the row below. Above, a descender
    // just over the mark counts too: it reaches towards the mark.
    const double rowY = pieces_[items_[member].piece].y;
    double digits = top ? 1e300 : -1e300, any = digits, near = -1e300;
    for (const Item& item : items_) {
        if (!item.alive || !item.glyph || item.piece == 0 || IsMark(item)) continue;
        if (std::fabs(pieces_[item.piece].y - rowY) > kSameRow) continue;
        const Rect r = item.shape.Bounds();
        if (r.x1 < mark.x0 - kRowReach || r.x0 > mark.x1 + kRowReach) continue;
        const double edge = top ? r.y0 : r.y1;
        any = top ? std::min(any, edge) : std::max(any, edge);
        if (IsDigit(item.what)) digits = top ? std::min(digits, edge) : std::max(digits, edge);
        if (!top && r.x1 >= mark.x0 - kOverhead && r.x0 <= mark.x1 + kOverhead) near = std::max(near, edge);
    }
    const double line = std::fabs(digits) < 1e299 ? digits : any;
    return top ? line : std::max(line, near);
}

bool InkScene::StartsTerm(int glyph) const {
    // The glyph right before it in its row is no digit, letter or point.
    const Rect t = items_[glyph].shape.Bounds();
    const double rowY = pieces_[items_[glyph].piece].y;
    int before = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (!item.alive || item.piece == 0 || IsMark(item) || static_cast<int>(i) == glyph) continue;
        if (std::fabs(pieces_[item.piece].y - rowY) > kSameRow) continue;
        const Rect r = item.shape.Bounds();
        if (r.x1 > t.x0 + 1 || r.x1 < t.x0 - 24 || r.y1 < t.y0 || r.y0 > t.y1) continue;
        if (before < 0 || r.x1 > items_[before].shape.Bounds().x1) before = static_cast<int>(i);
    }
    return before < 0 || !items_[before].glyph || !IsTermInside(items_[before].what);
}

bool InkScene::IsSignStroke(const Item& item) const {
    const Rect r = item.shape.Bounds();
    const double length = std::max(r.Width(), r.Height()), thickness = std::min(r.Width(), r.Height());
    return !item.glyph && !item.shape.segment && item.penWidth == runtime::kSignPenWidth &&
           thickness <= runtime::kSignPenWidth + kInkSlack &&
           length >= runtime::kFractionSignLength - kSignLengthSlack &&
           length <= runtime::kBodySignLength + kSignLengthSlack;
}

std::string InkScene::MarkStandsFor(const AroundMark& around, const std::string& of, int& shown) const {
    // Over a sign of the row below, or before the first glyph of a term.
    if (around.under >= 0 && IsSignStroke(items_[around.under])) return "";
    if (around.next >= 0 && StartsTerm(around.next) &&
        (around.under < 0 || !items_[around.under].glyph || !IsTermInside(items_[around.under].what)))
        return "";
    const std::string over = " stands over ";
    if (around.under < 0) return " stands over a blank";
    const Item& target = items_[around.under];
    shown = around.under;
    if (!target.glyph) return over + "a stroke that is no sign" + of;
    if (target.what == "=" || target.what == ")" || target.what == "(") return over + "\"" + target.what + "\"" + of;
    if (!StartsTerm(around.under)) return over + "\"" + target.what + "\" inside a term" + of;
    return over + "\"" + target.what + "\", the first glyph of its term, not before it" + of;
}

void InkScene::LookAtSignMarks(const Note& note) const {
    for (const auto& [piece, markBox] : MarkBoxes()) {
        // A plain reference: clang 14 lets no lambda capture a structured
        // binding.
        const Rect& mark = markBox;
        const Piece& p = pieces_[piece];
        const std::string name = "sign mark \"" + p.source + "\" (" + Number(p.x) + "," + Number(p.y) + ")";
        const std::string box =
            "mark " + Number(mark.x0) + "," + Number(mark.y0) + "-" + Number(mark.x1) + "," + Number(mark.y1);

        const AroundMark around = Around(mark);
        const int member = around.next >= 0 ? around.next : around.under;
        if (member < 0) {
            note(Kind::SignMark, name + " stands over a blank", box);
            continue;
        }

        const double below = RowEdge(member, mark, true) - mark.y1;
        if (below > kSignMarkReach)
            note(Kind::SignMark, name + " stands " + Number(below) + " above the row it annotates", box);
        if (around.above >= 0) {
            const double up = mark.y0 - RowEdge(around.above, mark, false);
            if (up < kSignMarkLean * below)
                note(Kind::SignMark, name + " is nearer the row above (" + Number(up) + ") than the row below (" +
                                         Number(below) + ")",
                     Ink(around.above));
        }

        const Piece& row = pieces_[items_[member].piece];
        const std::string of = " of \"" + row.source + "\" (" + Number(row.x) + "," + Number(row.y) + ")";
        int shown = -1;
        const std::string wrong = MarkStandsFor(around, of, shown);
        if (!wrong.empty()) note(Kind::SignMark, name + wrong, shown >= 0 ? Ink(shown) : box);
    }
}

}  // namespace layout
