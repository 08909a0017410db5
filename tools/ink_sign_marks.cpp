// The sign-change marks of a written subtraction read as notes on the row
// below them: near that row's line, clearly nearer it than the row above,
// and each over the sign it turns, or over the first glyph of a term that
// has none; never over "=", a bracket, a blank or the middle of a term.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/ink_scene.h"

namespace layout {

namespace {

// How far around a mark the rows it sits between are looked for.
constexpr double kCell = 27;
constexpr double kAcross = 2 * kCell;
// A descender above counts where it reaches this close to the mark's sides.
constexpr double kOverhead = 6;
constexpr double kRowReach = 200;
constexpr double kDown = 40, kUp = 60;
// Pieces whose first cells stand this close in height make one row (the
// operator and its bracket stand 6 below the row they lead).
constexpr double kSameRow = 8;

bool IsDigit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

bool IsTermInside(const std::string& ch) {
    return ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || (ch[0] >= 'a' && ch[0] <= 'z') || ch[0] == '.');
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::round(v * 10) / 10);
    return text;
}

}  // namespace

void InkScene::LookAtSignMarks(const Note& note) const {
    // Each mark's ink as one box.
    std::map<int, Rect> marks;
    for (const Item& item : items_) {
        if (!item.alive || !IsMark(item)) continue;
        const Rect r = item.shape.Bounds();
        auto [it, added] = marks.try_emplace(item.piece, r);
        if (!added)
            it->second = {std::min(it->second.x0, r.x0), std::min(it->second.y0, r.y0), std::max(it->second.x1, r.x1),
                          std::max(it->second.y1, r.y1)};
    }
    auto isSignStroke = [](const Item& item) {
        const Rect r = item.shape.Bounds();
        const double length = std::max(r.Width(), r.Height()), thickness = std::min(r.Width(), r.Height());
        return !item.glyph && !item.shape.segment && item.penWidth == 5 && thickness <= 5.5 && length >= 12 &&
               length <= 20;
    };
    for (const auto& [piece, markBox] : marks) {
        // A plain reference: clang 14 lets no lambda capture a structured
        // binding.
        const Rect& mark = markBox;
        const Piece& p = pieces_[piece];
        const std::string name = "sign mark \"" + p.source + "\" (" + Number(p.x) + "," + Number(p.y) + ")";
        const double centre = (mark.x0 + mark.x1) / 2;
        const std::string box =
            "mark " + Number(mark.x0) + "," + Number(mark.y0) + "-" + Number(mark.x1) + "," + Number(mark.y1);

        // What stands under the mark, and the nearest ink above it.
        int under = -1, above = -1;
        for (size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            if (!item.alive || item.piece == 0 || IsMark(item)) continue;
            const Rect r = item.shape.Bounds();
            if (r.x1 < mark.x0 - kAcross || r.x0 > mark.x1 + kAcross) continue;
            if (r.y0 >= mark.y1 - 1 && r.y0 <= mark.y1 + kDown && r.x0 - 2 <= centre && centre <= r.x1 + 2 &&
                (under < 0 || r.y0 < items_[under].shape.Bounds().y0))
                under = static_cast<int>(i);
            if (r.y1 <= mark.y0 + 1 && r.y1 >= mark.y0 - kUp &&
                (above < 0 || r.y1 > items_[above].shape.Bounds().y1))
                above = static_cast<int>(i);
        }
        if (under < 0) {
            note(Kind::SignMark, name + " stands over a blank", box);
            continue;
        }

        // A row's line runs from its digits' top to their foot; letters
        // without ascenders do not lower the row below. Above, a descender
        // just over the mark counts too: it reaches towards the mark.
        auto rowEdge = [&](int member, bool top) {
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
        };
        const double below = rowEdge(under, true) - mark.y1;
        if (below > kSignMarkReach)
            note(Kind::SignMark, name + " stands " + Number(below) + " above the row it annotates", box);
        if (above >= 0) {
            const double up = mark.y0 - rowEdge(above, false);
            if (up < kSignMarkLean * below)
                note(Kind::SignMark, name + " is nearer the row above (" + Number(up) + ") than the row below (" +
                                         Number(below) + ")",
                     Ink(above));
        }

        // What it stands over.
        const Item& target = items_[under];
        const Piece& row = pieces_[target.piece];
        const std::string over = " stands over ";
        const std::string of = " of \"" + row.source + "\" (" + Number(row.x) + "," + Number(row.y) + ")";
        if (!target.glyph) {
            if (!isSignStroke(target)) note(Kind::SignMark, name + over + "a stroke that is no sign" + of, Ink(under));
            continue;
        }
        if (target.what == "=" || target.what == ")" || target.what == "(") {
            note(Kind::SignMark, name + over + "\"" + target.what + "\"" + of, Ink(under));
            continue;
        }
        // Inside a term: the glyph right before it in the row is a digit,
        // a letter or a point of the same term.
        const Rect t = target.shape.Bounds();
        int before = -1;
        for (size_t i = 0; i < items_.size(); ++i) {
            const Item& item = items_[i];
            if (!item.alive || item.piece == 0 || IsMark(item) || static_cast<int>(i) == under) continue;
            if (std::fabs(pieces_[item.piece].y - row.y) > kSameRow) continue;
            const Rect r = item.shape.Bounds();
            if (r.x1 > t.x0 + 1 || r.x1 < t.x0 - 24 || r.y1 < t.y0 || r.y0 > t.y1) continue;
            if (before < 0 || r.x1 > items_[before].shape.Bounds().x1) before = static_cast<int>(i);
        }
        if (before >= 0 && items_[before].glyph && IsTermInside(items_[before].what))
            note(Kind::SignMark, name + over + "\"" + target.what + "\" inside a term" + of, Ink(under));
    }
}

}  // namespace layout
