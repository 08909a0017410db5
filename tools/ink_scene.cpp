// Keeping the scene call by call: text pieces and figures as the program
// brackets them, glyph ink from the fonts, strokes, dots and arcs, plates
// and frames; an opaque box erases what it covers whole and cuts what it
// covers in part, and a full-view box or a clear starts afresh.
#include "tools/ink_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/glyph_placement.h"
#include "tools/ink_names.h"

namespace layout {

namespace {

using platform::DrawCall;
using platform::DrawKind;

constexpr double kTurn = 2 * 3.14159265358979323846;

bool Near(const Shape& a, const Shape& b) {
    return a.segment == b.segment && std::fabs(a.x0 - b.x0) < 0.5 && std::fabs(a.y0 - b.y0) < 0.5 &&
           std::fabs(a.x1 - b.x1) < 0.5 && std::fabs(a.y1 - b.y1) < 0.5 && std::fabs(a.radius - b.radius) < 0.5;
}

}  // namespace

void InkScene::Reset() {
    lastDot_ = -1;
    items_.clear();
    plates_.clear();
    near_.clear();
    looked_ = 0;
}

int InkScene::NewPiece(const std::string& source, platform::Point at, platform::PieceKind kind) {
    Piece piece{source, at.x, at.y, kind};
    const int index = static_cast<int>(pieces_.size());
    // Started where an earlier piece left the pen: the same row goes on.
    for (size_t i = pieces_.size(); i-- > 1;)
        if (std::fabs(pieces_[i].endX - at.x) < kSamePlace && std::fabs(pieces_[i].endY - at.y) < kSamePlace) {
            piece.continues = pieces_[i].continues ? pieces_[i].continues : static_cast<int>(i);
            break;
        }
    // Begun on the baseline of the text drawn last (or on the bracket's, a
    // little lower): the line written on in another call.
    piece.line = index;
    piece.after = LastText();
    if (piece.after != 0 && kind != platform::PieceKind::SignMark &&
        std::fabs(pieces_[piece.after].y - at.y) <= kSameBaseline)
        piece.line = pieces_[piece.after].line;
    pieces_.push_back(piece);
    return index;
}

int InkScene::LastText() const {
    // A prompt shown and erased at a key wait in between does not count.
    for (size_t i = items_.size(); i-- > 0;)
        if (items_[i].alive && items_[i].piece != 0 && !IsMark(items_[i])) return items_[i].piece;
    return 0;
}

void InkScene::BeginPiece(const std::string& source, platform::Point at, platform::PieceKind kind) {
    if (depth_++ == 0) openPiece_ = NewPiece(source, at, kind);
}

void InkScene::EndPiece(platform::Point penEnd) {
    if (depth_ > 0 && --depth_ == 0) {
        Piece& piece = pieces_[openPiece_];
        piece.endX = penEnd.x;
        piece.endY = penEnd.y;
        openPiece_ = 0;
    }
}

void InkScene::BeginFigure(platform::FigureKind kind) {
    if (figureDepth_++ == 0) {
        const int last = LastText();
        figures_.push_back(Figure{kind, last != 0 ? pieces_[last].line : 0});
        openFigure_ = static_cast<int>(figures_.size()) - 1;
    }
}

void InkScene::EndFigure() {
    if (figureDepth_ > 0 && --figureDepth_ == 0) openFigure_ = 0;
}

void InkScene::Add(const DrawCall& call) {
    if (call.kind == DrawKind::Cls || platform::CoversView(call)) Reset();
    if (call.kind == DrawKind::Cls) return;
    // A text piece owns its strokes too; a glyph drawn outside any piece
    // is a piece of its own.
    currentPiece_ = openPiece_;
    if (call.kind == DrawKind::Text && currentPiece_ == 0)
        currentPiece_ = NewPiece(call.text, call.points[0], platform::PieceKind::Text);
    const int lastDot = lastDot_;
    lastDot_ = -1;
    if (call.kind == DrawKind::Circle && platform::IsSolidDisc(call) && currentPiece_ == 0 && call.colour != 15) {
        // Dots one after another make one dotted line or arc.
        const bool continues = lastDot >= 0 && items_[lastDot].alive && items_[lastDot].colour == call.colour;
        AddCircle(call);
        if (items_.empty()) return;
        lastDot_ = static_cast<int>(items_.size()) - 1;
        items_[lastDot_].run = continues ? items_[lastDot].run : lastDot_;
        return;
    }
    switch (call.kind) {
        case DrawKind::Box: AddBox(call); break;
        case DrawKind::Line:
            AddStroke(call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y, call.width, call.colour,
                      "line");
            break;
        case DrawKind::Poly:
            for (size_t i = 1; i < call.points.size(); ++i)
                AddStroke(call.points[i - 1].x, call.points[i - 1].y, call.points[i].x, call.points[i].y, call.width,
                          call.colour, "polyline");
            break;
        case DrawKind::Circle: AddCircle(call); break;
        case DrawKind::Text: AddText(call, currentPiece_); break;
        case DrawKind::Cls: break;
    }
}

void InkScene::Join(Item& item) {
    if (item.piece != 0) pieces_[item.piece].inked = true;
    item.figure = openFigure_;
    if (openFigure_ == 0) return;
    Rect& b = figures_[openFigure_].bounds;
    const Rect r = item.shape.Bounds();
    b = {std::min(b.x0, r.x0), std::min(b.y0, r.y0), std::max(b.x1, r.x1), std::max(b.y1, r.y1)};
}

void InkScene::AddItem(Item item) {
    Join(item);
    // The same ink drawn again (in another colour, say) replaces the old.
    for (Item& old : items_)
        if (old.alive && old.glyph == item.glyph && old.what == item.what && Near(old.shape, item.shape))
            old.alive = false;
    items_.push_back(std::move(item));
}

void InkScene::Cover(const Rect& box, const std::string& boxName) {
    std::vector<Item> remains;
    for (Item& item : items_) {
        if (!item.alive) continue;
        switch (CoverageOf(box, item.shape, kCutFringe)) {
            case Coverage::Apart:
            case Coverage::Fringe: break;
            case Coverage::Whole: item.alive = false; break;
            case Coverage::Partly:
                if (item.piece != 0) {
                    if (item.cutBy.empty()) item.cutBy = boxName;
                    break;
                }
                // Other ink just loses the covered part.
                item.alive = false;
                for (const Shape& rest : OutsideOf(box, item.shape)) {
                    Item part = item;
                    part.shape = rest;
                    part.alive = true;
                    remains.push_back(part);
                }
                break;
        }
    }
    for (Item& part : remains) items_.push_back(std::move(part));
    for (Plate& plate : plates_)
        if (plate.alive && plate.area.x0 >= box.x0 && plate.area.x1 <= box.x1 && plate.area.y0 >= box.y0 &&
            plate.area.y1 <= box.y1)
            plate.alive = false;
}

void InkScene::EraseWithin(const Rect& area) {
    for (Item& item : items_)
        if (item.alive && CoverageOf(area, item.shape, 0) == Coverage::Whole) item.alive = false;
}

void InkScene::AddBox(const DrawCall& call) {
    const double half = call.width / 2.0;
    const Rect r{std::min(call.points[0].x, call.points[1].x), std::min(call.points[0].y, call.points[1].y),
                 std::max(call.points[0].x, call.points[1].x), std::max(call.points[0].y, call.points[1].y)};
    const std::string name = "box " + At(r.x0, r.y0) + "-" + At(r.x1, r.y1);
    Cover({r.x0 - half, r.y0 - half, r.x1 + half, r.y1 + half}, name);
    if (call.fill == 15 && call.colour == 15) return;  // an erase leaves nothing to see
    if (call.fill != 15) plates_.push_back({r, call.fill});
    // The frame, or where a plate's colour meets the page.
    const char* frame = call.colour == call.fill ? "plate edge" : "box frame";
    auto edge = [&](double x0, double y0, double x1, double y1) {
        Item item;
        item.shape = Shape::Area(x0, y0, x1, y1);
        item.what = std::string(frame) + " of " + name;
        item.colour = call.colour;
        item.box = r;
        AddItem(std::move(item));
    };
    edge(r.x0 - half, r.y0 - half, r.x1 + half, r.y0 + half);
    edge(r.x0 - half, r.y1 - half, r.x1 + half, r.y1 + half);
    edge(r.x0 - half, r.y0 - half, r.x0 + half, r.y1 + half);
    edge(r.x1 - half, r.y0 - half, r.x1 + half, r.y1 + half);
}

void InkScene::AddStroke(double ax, double ay, double bx, double by, double width, int colour, const char* what) {
    Item item;
    item.shape = Stroke(ax, ay, bx, by, width);
    if (colour == 15 && currentPiece_ == 0) {
        EraseWithin(item.shape.Bounds());
        return;
    }
    item.piece = currentPiece_;
    item.what = item.piece ? "stroke" : what;
    item.colour = colour;
    item.penWidth = static_cast<int>(width);
    item.beneath = Beneath(item.shape.Bounds());
    AddItem(std::move(item));
}

void InkScene::AddCircle(const DrawCall& call) {
    const double cx = call.points[0].x, cy = call.points[0].y;
    if (platform::IsSolidDisc(call)) {
        const double outer = call.radius + call.width / 2.0;
        Item item;
        item.shape = Shape::Segment(cx, cy, cx, cy, outer);
        if (call.colour == 15 && currentPiece_ == 0) {
            EraseWithin(item.shape.Bounds());
            return;
        }
        item.piece = currentPiece_;
        item.what = "dot";
        item.colour = call.colour;
        AddItem(std::move(item));
        return;
    }
    double from = call.start, to = call.end;
    if (from == 0 && to == 0) to = 1;
    if (to < from) to += 1;
    const int steps = std::max(1, static_cast<int>(std::ceil((to - from) * 60)));
    for (int i = 0; i < steps; ++i) {
        const double a0 = (from + (to - from) * i / steps) * kTurn, a1 = (from + (to - from) * (i + 1) / steps) * kTurn;
        Item item;
        item.shape = Shape::Segment(cx + call.radius * std::cos(a0), cy + call.radius * std::sin(a0),
                                    cx + call.radius * std::cos(a1), cy + call.radius * std::sin(a1), call.width / 2.0);
        item.piece = currentPiece_;
        item.what = "arc";
        item.colour = call.colour;
        Join(item);
        items_.push_back(std::move(item));
    }
}

void InkScene::AddText(const DrawCall& call, int piece) {
    if (!pieces_[piece].banded) {
        pieces_[piece].banded = true;
        if (call.magX == 1 && call.magY == 1) pieces_[piece].band = call.size;
    }
    for (const platform::GlyphInk& ink : platform::InkOfGlyphs(fonts_, call)) {
        Item item;
        item.shape = Shape::Area(ink.x0, ink.y0, ink.x1, ink.y1);
        item.piece = piece;
        item.glyph = true;
        item.what = ink.character;
        item.colour = call.colour;
        item.beneath = Beneath(item.shape.Bounds());
        item.outOfView = ink.x0 < 0 || ink.y0 < 0 || ink.x1 > platform::kViewWidth || ink.y1 > platform::kViewHeight;
        AddItem(std::move(item));
    }
}

int InkScene::Beneath(const Rect& ink) const {
    const double x = (ink.x0 + ink.x1) / 2, y = (ink.y0 + ink.y1) / 2;
    for (auto plate = plates_.rbegin(); plate != plates_.rend(); ++plate)
        if (plate->alive && x >= plate->area.x0 && x <= plate->area.x1 && y >= plate->area.y0 && y <= plate->area.y1)
            return plate->fill;
    return 15;
}

void InkScene::CountRead(ReadCounts& counts) const {
    for (size_t i = 1; i < pieces_.size(); ++i) {
        if (!pieces_[i].inked) continue;
        ++(pieces_[i].kind == platform::PieceKind::SignMark ? counts.signMarks : counts.textPieces);
    }
    for (size_t i = 1; i < figures_.size(); ++i) {
        if (figures_[i].bounds.x0 > figures_[i].bounds.x1) continue;  // no ink
        switch (figures_[i].kind) {
            case platform::FigureKind::Brace: ++counts.braces; break;
            case platform::FigureKind::Rule: ++counts.rules; break;
            case platform::FigureKind::Labelled: ++counts.labelled; break;
        }
    }
}

ReadCounts& ReadCounts::operator+=(const ReadCounts& other) {
    screens += other.screens;
    textPieces += other.textPieces;
    signMarks += other.signMarks;
    runtimeSums += other.runtimeSums;
    solverSums += other.solverSums;
    braces += other.braces;
    rules += other.rules;
    labelled += other.labelled;
    return *this;
}

}  // namespace layout
