// The sign-change marks of a written subtraction read as notes on the row
// below them: near that row's line, clearly nearer it than the row above,
// and each over the sign it turns, or, for a term written without one,
// just before the term's first glyph, where its sign would stand; never
// over a digit or a letter (it would read as a bar on the glyph), over
// "=", a bracket or a blank, nor inside a term.
//
// The steps, for each mark: what stands around it (under its middle, just
// right of it in the row below, above it), the edges of the rows it sits
// between, how high it stands between them, and what it stands over.
#include <algorithm>
#include <cmath>

#include "tools/ink_names.h"
#include "tools/ink_scene.h"

namespace layout {

// How far around a mark each step looks, and what makes one row or one
// term: tools/ink_thresholds.h.

namespace {

bool IsDigit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

bool IsTermInside(const std::string& ch) {
    return ch.size() == 1 && ((ch[0] >= '0' && ch[0] <= '9') || (ch[0] >= 'a' && ch[0] <= 'z') || ch[0] == '.');
}

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// Ink whose top lies just below the mark's foot: the row below.
bool JustBelow(const Rect& ink, const Rect& mark) { return ink.y0 >= mark.y1 - 1 && ink.y0 <= mark.y1 + kMarkDown; }

std::string MarkInk(const Rect& mark) {
    return "mark " + Number(mark.x0) + "," + Number(mark.y0) + "-" + Number(mark.x1) + "," + Number(mark.y1);
}

}  // namespace

void InkScene::LookAtSignMarks(const Note& note) const {
    for (const auto& [piece, mark] : MarkBoxes()) LookAtSignMark(piece, mark, note);
}

void InkScene::LookAtSignMark(int piece, const Rect& mark, const Note& note) const {
    const Piece& p = pieces_[piece];
    const std::string name = "sign mark " + Quoted(p.source) + " " + At(p.x, p.y);
    const AroundMark around = Around(mark);
    // The row below, known by the glyph just right of the mark or the ink
    // under it.
    const int member = around.next >= 0 ? around.next : around.under;
    if (member < 0) {
        note(Kind::SignMark, name + " stands over a blank", MarkInk(mark));
        return;
    }
    LookAtMarkHeight(mark, around, member, name, note);
    const Piece& row = pieces_[items_[member].piece];
    int shown = -1;
    const std::string wrong = MarkStandsFor(around, " of " + Quoted(row.source) + " " + At(row.x, row.y), shown);
    if (!wrong.empty()) note(Kind::SignMark, name + wrong, shown >= 0 ? Ink(shown) : MarkInk(mark));
}

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

// What stands around a mark.

InkScene::AroundMark InkScene::Around(const Rect& mark) const { return {Under(mark), NextGlyph(mark), Above(mark)}; }

bool InkScene::NearMark(const Item& item, const Rect& mark) const {
    if (!item.alive || item.piece == 0 || IsMark(item)) return false;
    const Rect r = item.shape.Bounds();
    return r.x1 >= mark.x0 - kMarkAcross && r.x0 <= mark.x1 + kMarkAcross;
}

int InkScene::Under(const Rect& mark) const {
    // The highest ink of the row below across the mark's middle.
    const double centre = (mark.x0 + mark.x1) / 2;
    int under = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!NearMark(items_[i], mark)) continue;
        const Rect r = items_[i].shape.Bounds();
        if (JustBelow(r, mark) && r.x0 - kUnderSlack <= centre && centre <= r.x1 + kUnderSlack &&
            (under < 0 || r.y0 < items_[under].shape.Bounds().y0))
            under = static_cast<int>(i);
    }
    return under;
}

int InkScene::NextGlyph(const Rect& mark) const {
    // The leftmost glyph of the row below that begins within reach right
    // of the mark's end.
    int next = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!NearMark(items_[i], mark) || !items_[i].glyph) continue;
        const Rect r = items_[i].shape.Bounds();
        if (JustBelow(r, mark) && r.x0 >= mark.x1 - kInkSlack && r.x0 <= mark.x1 + kSignMarkBeforeReach &&
            (next < 0 || r.x0 < items_[next].shape.Bounds().x0))
            next = static_cast<int>(i);
    }
    return next;
}

int InkScene::Above(const Rect& mark) const {
    // The lowest ink that ends above the mark, not far up.
    int above = -1;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!NearMark(items_[i], mark)) continue;
        const Rect r = items_[i].shape.Bounds();
        if (r.y1 <= mark.y0 + 1 && r.y1 >= mark.y0 - kMarkUp && (above < 0 || r.y1 > items_[above].shape.Bounds().y1))
            above = static_cast<int>(i);
    }
    return above;
}

// The edges of the rows: a row's line runs from its digits' top to their
// foot; letters without ascenders do not lower the row below. Above, a
// descender just over the mark counts too: it reaches towards the mark.

std::vector<const InkScene::Item*> InkScene::RowGlyphs(int member, const Rect& mark) const {
    const double rowY = pieces_[items_[member].piece].y;
    std::vector<const Item*> glyphs;
    for (const Item& item : items_) {
        if (!item.alive || !item.glyph || item.piece == 0 || IsMark(item)) continue;
        if (std::fabs(pieces_[item.piece].y - rowY) > kSameRow) continue;
        const Rect r = item.shape.Bounds();
        if (r.x1 < mark.x0 - kMarkRowReach || r.x0 > mark.x1 + kMarkRowReach) continue;
        glyphs.push_back(&item);
    }
    return glyphs;
}

double InkScene::RowTop(int member, const Rect& mark) const {
    double digits = 1e300, any = 1e300;
    for (const Item* glyph : RowGlyphs(member, mark)) {
        const double top = glyph->shape.Bounds().y0;
        any = std::min(any, top);
        if (IsDigit(glyph->what)) digits = std::min(digits, top);
    }
    return digits < 1e299 ? digits : any;
}

double InkScene::RowFoot(int member, const Rect& mark) const {
    double digits = -1e300, any = -1e300, over = -1e300;
    for (const Item* glyph : RowGlyphs(member, mark)) {
        const Rect r = glyph->shape.Bounds();
        any = std::max(any, r.y1);
        if (IsDigit(glyph->what)) digits = std::max(digits, r.y1);
        if (r.x1 >= mark.x0 - kMarkOverhead && r.x0 <= mark.x1 + kMarkOverhead) over = std::max(over, r.y1);
    }
    return std::max(digits > -1e299 ? digits : any, over);
}

// How high the mark stands.

void InkScene::LookAtMarkHeight(const Rect& mark, const AroundMark& around, int member, const std::string& name,
                                const Note& note) const {
    const double below = RowTop(member, mark) - mark.y1;
    if (below > kSignMarkReach)
        note(Kind::SignMark, name + " stands " + Number(below) + " above the row it annotates", MarkInk(mark));
    if (around.above < 0) return;
    const double up = mark.y0 - RowFoot(around.above, mark);
    if (up < kSignMarkLean * below)
        note(Kind::SignMark,
             name + " is nearer the row above (" + Number(up) + ") than the row below (" + Number(below) + ")",
             Ink(around.above));
}

// What the mark stands over.

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
    if (target.what == "=" || target.what == ")" || target.what == "(") return over + Quoted(target.what) + of;
    if (!StartsTerm(around.under)) return over + Quoted(target.what) + " inside a term" + of;
    return over + Quoted(target.what) + ", the first glyph of its term, not before it" + of;
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
        if (r.x1 > t.x0 + 1 || r.x1 < t.x0 - kGlyphBefore || r.y1 < t.y0 || r.y0 > t.y1) continue;
        if (before < 0 || r.x1 > items_[before].shape.Bounds().x1) before = static_cast<int>(i);
    }
    return before < 0 || !items_[before].glyph || !IsTermInside(items_[before].what);
}

bool InkScene::IsSignStroke(const Item& item) const {
    const Rect r = item.shape.Bounds();
    const double length = std::max(r.Width(), r.Height()), thickness = std::min(r.Width(), r.Height());
    return !item.glyph && !item.shape.segment && item.penWidth == runtime::kBodySign.pen &&
           thickness <= runtime::kBodySign.pen + kInkSlack &&
           length >= runtime::BarLength(runtime::kFractionPartSign) - kSignLengthSlack &&
           length <= runtime::BarLength(runtime::kBodySign) + kSignLengthSlack;
}

}  // namespace layout
