// The room print leaves around a piece of text: two texts side by side in
// one line band stand half a character apart unless one continues the
// other's row; on one line, texts of different columns, or labels of
// different figures, stand a full-width character apart, and so does text
// before a brace that opens another column; text keeps clear of lines,
// rules, braces, frames and plates that are not its own, and inside a cell
// or plate keeps off its frame.
//
// Columns are told apart by how the page was written, not by where it
// stands: pieces drawn one after another, each on the baseline of the one
// before, are one line written in several calls (a sum's bracket and its
// row, a result and the value beside it, a prompt and its field); two
// pieces on one line that were not written so belong to different columns.
// A table's rule between two texts parts them as a gap would.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/ink_scene.h"

namespace layout {

// What makes one line band, and how near a brace or rule its text stands:
// tools/ink_thresholds.h.

namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.x0 >= outer.x0 && inner.x1 <= outer.x1 && inner.y0 >= outer.y0 && inner.y1 <= outer.y1;
}

bool IsFrame(int piece, const std::string& what) {
    return piece == 0 && (what.rfind("box frame", 0) == 0 || what.rfind("plate edge", 0) == 0);
}

// An edge that runs along one side of a box (it may reach beyond it, as the
// side of the next cell does).
bool AlongSide(const Rect& edge, const Rect& box) {
    const double cx = (edge.x0 + edge.x1) / 2, cy = (edge.y0 + edge.y1) / 2;
    auto near = [&](double a, double b) { return std::fabs(a - b) < kAlongSide; };
    if (edge.Width() >= edge.Height())
        return (near(cy, box.y0) || near(cy, box.y1)) && edge.x1 > box.x0 && edge.x0 < box.x1;
    return (near(cx, box.x0) || near(cx, box.x1)) && edge.y1 > box.y0 && edge.y0 < box.y1;
}

// Whether text starting at x, over the height y0..y1, is a row of the
// brace with ink `brace`.
bool StartsRightOfBrace(double x, double y0, double y1, const Rect& brace) {
    return x >= brace.x1 - kBracedOverlap && x <= brace.x1 + kBraced && y1 > brace.y0 && y0 < brace.y1;
}

std::string Apart(const char* how, double gap) {
    char text[64];
    std::snprintf(text, sizeof text, "%s (%.1f)", how, gap);
    return text;
}

}  // namespace

bool InkScene::Own(const Item& text, const Item& other) const {
    if (other.figure != 0 && other.figure == text.figure) return true;
    const Rect t = text.shape.Bounds(), o = other.shape.Bounds();
    if (IsFrame(other.piece, other.what)) {
        // A cell's frame, or the edge it shares with the cell next to it.
        for (const Item& frame : items_)
            if (frame.alive && IsFrame(frame.piece, frame.what) && Inside(t, frame.box) && AlongSide(o, frame.box))
                return true;
        return false;
    }
    if (other.figure == 0) return false;
    const Figure& figure = figures_[other.figure];
    const Rect& f = figure.bounds;
    switch (figure.kind) {
        case platform::FigureKind::Brace: return StartsRightOfBrace(t.x0, t.y0, t.y1, f);
        case platform::FigureKind::Rule:
            return t.x1 > o.x0 && t.x0 < o.x1 &&
                   ((t.y1 <= o.y0 + 0.5 && o.y0 - t.y1 <= kRuled) || (t.y0 >= o.y1 - 0.5 && t.y0 - o.y1 <= kRuled));
        case platform::FigureKind::Labelled: return false;
    }
    return false;
}

bool InkScene::OneRow(int pieceA, int pieceB) const {
    auto root = [&](int piece) { return pieces_[piece].continues ? pieces_[piece].continues : piece; };
    return root(pieceA) == root(pieceB);
}

bool InkScene::Labels(int piece, int brace) const {
    const Figure& figure = figures_[brace];
    // Written just before the brace, on the line its first row goes on.
    if (pieces_[piece].line == figure.line) return true;
    // Written just after the system's rows.
    const int row = pieces_[piece].after;
    if (row == 0) return false;
    const Piece& p = pieces_[row];
    return StartsRightOfBrace(p.x, p.y, p.y + p.band, figure.bounds);
}

bool InkScene::Parted(const Rect& a, const Rect& b) const {
    const Rect& left = a.x0 <= b.x0 ? a : b;
    const Rect& right = a.x0 <= b.x0 ? b : a;
    // All along the height they share, or across the height between them.
    const double top = std::min(std::max(a.y0, b.y0), std::min(a.y1, b.y1));
    const double bottom = std::max(std::max(a.y0, b.y0), std::min(a.y1, b.y1));
    for (const Item& item : items_) {
        if (!item.alive || item.piece != 0) continue;
        const Rect r = item.shape.Bounds();
        if (r.x0 >= left.x1 && r.x1 <= right.x0 && r.y0 <= top && r.y1 >= bottom) return true;
    }
    return false;
}

std::string InkScene::BesideColumn(const Item& a, const Item& b, double beside) const {
    // A table's rule between two cells parts them as a gap would.
    if (Parted(a.shape.Bounds(), b.shape.Bounds())) return "";
    auto label = [&](const Item& item) {
        return item.figure != 0 && figures_[item.figure].kind == platform::FigureKind::Labelled;
    };
    if (label(a) && label(b) && a.figure != b.figure) return Apart("stands beside another label", beside);
    if (pieces_[a.piece].line == pieces_[b.piece].line) return "";
    return Apart(label(a) || label(b) ? "stands beside another label" : "stands beside another column", beside);
}

std::string InkScene::Crowding(const Item& a, const Item& b) const {
    if (a.piece != 0 && b.piece != 0) return TextBesideText(a, b);
    return a.piece != 0 ? TextNearInk(a, b) : TextNearInk(b, a);
}

std::string InkScene::TextBesideText(const Item& a, const Item& b) const {
    // Sign-change marks keep to their own rules, near the row below.
    if (IsMark(a) || IsMark(b) || OneRow(a.piece, b.piece)) return "";
    const Rect ra = a.shape.Bounds(), rb = b.shape.Bounds();
    const Piece &pa = pieces_[a.piece], &pb = pieces_[b.piece];
    const double shared = std::min(pa.y + pa.band, pb.y + pb.band) - std::max(pa.y, pb.y);
    // Overlapping across by a third of the narrower, they stand one over
    // the other, which the rows' own spacing looks after.
    const double beside = std::max(ra.x0 - rb.x1, rb.x0 - ra.x1);
    const bool stacked = -beside > std::min(ra.Width(), rb.Width()) / 3;
    if (stacked) return "";
    if (shared >= kSharedBand && beside < kBesideText) return Apart("stands beside", beside);
    if (beside < kBesideColumn && shared >= std::min(pa.band, pb.band) / 2) return BesideColumn(a, b, beside);
    return "";
}

std::string InkScene::TextNearInk(const Item& text, const Item& other) const {
    const double gap = Gap(text.shape, other.shape);
    // A brace opens the column of the rows it embraces: text before it in
    // its band belongs to another column, but for the system's own label.
    if (other.figure != 0 && figures_[other.figure].kind == platform::FigureKind::Brace && !IsMark(text)) {
        const Rect t = text.shape.Bounds(), f = figures_[other.figure].bounds;
        const bool before = t.x1 <= f.x0 && t.y1 > f.y0 && t.y0 < f.y1;
        if (before && f.x0 - t.x1 < kBesideColumn && !Labels(text.piece, other.figure))
            return Apart("stands beside another column", f.x0 - t.x1);
    }
    if (gap >= kFromLine) return "";
    if (Own(text, other)) return gap < kFromOwn ? Apart("is close to its own", gap) : "";
    return Apart("is close to", gap);
}

}  // namespace layout
