// Looking at the scene as it stands: ink of one piece touching another's
// or too close to it (new ink is compared with everything visible, and a
// pair found stays found while both inks do), text cut off by a later box
// or by the view's edge, and text too faint on what lies beneath it; then
// the sign-change marks (ink_sign_marks.cpp).
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/canvas.h"
#include "tools/ink_names.h"
#include "tools/ink_scene.h"

namespace layout {

namespace {

double Luminance(int colour) {
    const platform::Rgb& c = platform::PaletteColour(colour);
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
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

std::vector<Finding> InkScene::Look() {
    ComparePairs();
    std::map<std::pair<int, std::string>, std::string> found;  // kind and what -> detail
    auto note = [&](Kind kind, const std::string& what, const std::string& detail) {
        found.try_emplace({static_cast<int>(kind), what}, detail);
    };
    NotePairs(note);
    LookAtTextInk(note);
    LookAtSignMarks(note);
    std::vector<Finding> findings;
    for (const auto& [key, detail] : found) findings.push_back({static_cast<Kind>(key.first), key.second, detail});
    return findings;
}

void InkScene::ComparePairs() {
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
}

void InkScene::NotePairs(const Note& note) {
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
}

void InkScene::LookAtTextInk(const Note& note) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (!item.alive || item.piece == 0) continue;
        const int index = static_cast<int>(i);
        if (!item.cutBy.empty()) note(Kind::CutOff, Party(index) + " cut by " + item.cutBy, Ink(index));
        if (item.outOfView) note(Kind::CutOff, Party(index) + " runs out of the view", Ink(index));
        const double contrast = Contrast(item.colour, item.beneath);
        if (contrast < kMinimumContrast) {
            char ratio[16];
            std::snprintf(ratio, sizeof ratio, "%.1f", contrast);
            note(Kind::Colour,
                 Party(index) + " colour " + std::to_string(item.colour) + " on " + std::to_string(item.beneath) +
                     ": " + ratio + ":1",
                 Ink(index));
        }
    }
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

}  // namespace layout
