#include "tools/ink_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/canvas.h"
#include "platform/glyph_placement.h"

namespace layout {

namespace {

using platform::DrawCall;
using platform::DrawKind;

constexpr double kTurn = 2 * 3.14159265358979323846;
// An opaque box reaching no further than this into a glyph's ink (an
// erase's border ending beside a text, say) leaves it readable.
constexpr double kFringe = 2.0;
// A piece begun this close to the baseline of the text before it goes on
// that text's line: the bracket before a column sum's lower row stands a
// little below the row.
constexpr double kSameBaseline = runtime::kColumnSumBracketDrop;

double Luminance(int colour) {
    const platform::Rgb& c = platform::PaletteColour(colour);
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::round(v * 10) / 10);
    return text;
}

std::string At(double x, double y) { return "(" + Number(x) + "," + Number(y) + ")"; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool Near(const Shape& a, const Shape& b) {
    return a.segment == b.segment && std::fabs(a.x0 - b.x0) < 0.5 && std::fabs(a.y0 - b.y0) < 0.5 &&
           std::fabs(a.x1 - b.x1) < 0.5 && std::fabs(a.y1 - b.y1) < 0.5 && std::fabs(a.radius - b.radius) < 0.5;
}

}  // namespace

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Collision: return "collision";
        case Kind::CutOff: return "cut off";
        case Kind::Colour: return "colour";
        case Kind::SignMark: return "sign mark";
        case Kind::Crowding: return "crowding";
        case Kind::ColumnSum: return "column sum";
    }
    return "";
}

double Contrast(int colour, int background) {
    const double a = Luminance(colour), b = Luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

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
        if (std::fabs(pieces_[i].endX - at.x) < 0.5 && std::fabs(pieces_[i].endY - at.y) < 0.5) {
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
    if (call.kind == DrawKind::Text && currentPiece_ == 0) currentPiece_ = NewPiece(call.text, call.points[0], platform::PieceKind::Text);
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

void InkScene::JoinFigure(Item& item) {
    item.figure = openFigure_;
    if (openFigure_ == 0) return;
    Rect& b = figures_[openFigure_].bounds;
    const Rect r = item.shape.Bounds();
    b = {std::min(b.x0, r.x0), std::min(b.y0, r.y0), std::max(b.x1, r.x1), std::max(b.y1, r.y1)};
}

void InkScene::AddItem(Item item) {
    JoinFigure(item);
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
        switch (CoverageOf(box, item.shape, kFringe)) {
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
                                    cx + call.radius * std::cos(a1), cy + call.radius * std::sin(a1),
                                    call.width / 2.0);
        item.piece = currentPiece_;
        item.what = "arc";
        item.colour = call.colour;
        JoinFigure(item);
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

std::string InkScene::Party(int index) const {
    const Item& item = items_[index];
    if (item.piece == 0) {
        if (item.what == "dot") {
            const Rect first = items_[item.run].shape.Bounds();
            return "dots from " + At((first.x0 + first.x1) / 2, (first.y0 + first.y1) / 2);
        }
        if (item.figure != 0 && figures_[item.figure].kind == platform::FigureKind::Brace) {
            const Rect& f = figures_[item.figure].bounds;
            return "brace " + At(f.x0, f.y0) + "-" + At(f.x1, f.y1);
        }
        const Rect r = item.shape.Bounds();
        if (item.what.rfind("box", 0) == 0 || item.what.rfind("plate", 0) == 0) return item.what;
        return item.what + " " + At(r.x0, r.y0) + "-" + At(r.x1, r.y1);
    }
    const Piece& p = pieces_[item.piece];
    return Quoted(p.source) + " " + At(p.x, p.y);
}

std::string InkScene::Ink(int index) const {
    const Item& item = items_[index];
    const Rect r = item.shape.Bounds();
    return item.what + " " + At(r.x0, r.y0) + "-" + At(r.x1, r.y1);
}

std::vector<Finding> InkScene::Look() {
    // New ink against everything visible; pairs found earlier stay found
    // while both inks do.
    for (size_t n = looked_; n < items_.size(); ++n) {
        const Item& a = items_[n];
        if (!a.alive) continue;
        const Rect na = a.shape.Bounds();
        for (size_t m = 0; m < n; ++m) {
            const Item& b = items_[m];
            if (!b.alive || (a.piece == 0 && b.piece == 0) || a.piece == b.piece) continue;
            const Rect mb = b.shape.Bounds();
            // Texts of one line band may stand far apart in height.
            if (mb.x0 > na.x1 + kBesideColumn || na.x0 > mb.x1 + kBesideColumn || mb.y0 > na.y1 + runtime::kRowBand ||
                na.y0 > mb.y1 + runtime::kRowBand)
                continue;
            const std::pair<int, int> pair{static_cast<int>(m), static_cast<int>(n)};
            if (Gap(a.shape, b.shape) < kMinimumGap) {
                near_[pair] = "";
            } else if (std::string how = Crowding(b, a); !how.empty()) {
                near_[pair] = how;
            }
        }
    }
    looked_ = items_.size();

    std::map<std::pair<int, std::string>, std::string> found;  // kind and what -> detail
    auto note = [&](Kind kind, const std::string& what, const std::string& detail) {
        found.try_emplace({static_cast<int>(kind), what}, detail);
    };
    for (auto it = near_.begin(); it != near_.end();) {
        const auto [m, n] = it->first;
        if (!items_[m].alive || !items_[n].alive) {
            it = near_.erase(it);
            continue;
        }
        char gap[32];
        std::snprintf(gap, sizeof gap, ", %.1f apart", Gap(items_[m].shape, items_[n].shape));
        if (it->second.empty()) {
            note(Kind::Collision, Party(m) + " touches " + Party(n), Ink(m) + " and " + Ink(n) + gap);
        } else {
            // Text first, and what it comes too close to after.
            const int text = items_[m].piece != 0 ? m : n, other = text == m ? n : m;
            note(Kind::Crowding, Party(text) + " " + it->second + " " + Party(other),
                 Ink(text) + " and " + Ink(other) + gap);
        }
        ++it;
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (!item.alive || item.piece == 0) continue;
        const int index = static_cast<int>(i);
        if (!item.cutBy.empty()) note(Kind::CutOff, Party(index) + " cut by " + item.cutBy, Ink(index));
        if (item.outOfView) note(Kind::CutOff, Party(index) + " runs out of the view", Ink(index));
        if (Contrast(item.colour, item.beneath) < kMinimumContrast) {
            char ratio[16];
            std::snprintf(ratio, sizeof ratio, "%.1f", Contrast(item.colour, item.beneath));
            note(Kind::Colour,
                 Party(index) + " colour " + std::to_string(item.colour) + " on " + std::to_string(item.beneath) +
                     ": " + ratio + ":1",
                 Ink(index));
        }
    }
    LookAtSignMarks(note);
    std::vector<Finding> findings;
    for (const auto& [key, detail] : found) findings.push_back({static_cast<Kind>(key.first), key.second, detail});
    return findings;
}

}  // namespace layout
