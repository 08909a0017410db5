#include "tools/column_sums.h"

#include <algorithm>
#include <cmath>

#include "runtime/layout_metrics.h"
#include "tools/ink_names.h"

namespace layout {

namespace {

using platform::DrawCall;
using platform::DrawKind;

// Which "=" stand on one column, which line is a sum's rule and what an
// erase takes away: tools/ink_thresholds.h.
bool Same(double a, double b) { return std::fabs(a - b) < kSamePlace; }

}  // namespace

void ColumnSums::BeginPiece(const std::string& source, platform::Point at) {
    if (depth_++ > 0) return;
    piece_ = source;
    // The operator and its ")" are drawn as pieces of their own, the ")" a
    // half-width slot right of the operator and one left of where both rows
    // begin.
    if (source != ")") return;
    Sum sum{at.x, at.y};
    // The solver's lower row stands already.
    sum.bySolver = FirstEquals(at.y - runtime::kColumnSumBracketDrop, at.x, 1e300) != nullptr;
    sums_.push_back(sum);
}

void ColumnSums::EndPiece() {
    if (depth_ > 0 && --depth_ == 0) piece_.clear();
}

void ColumnSums::Add(const DrawCall& call) {
    if (platform::CoversView(call)) {
        equals_.clear();
        sums_.clear();
        return;
    }
    switch (call.kind) {
        case DrawKind::Box: Erase(call); break;
        case DrawKind::Text:
            if (call.text == "=") equals_.push_back({call.points[0].x, call.points[0].y, piece_});
            break;
        case DrawKind::Line: {
            const platform::Point &a = call.points[0], &b = call.points[1];
            if (!Same(a.y, b.y) || b.x <= a.x) break;
            for (Sum& sum : sums_)
                if (sum.alive && !sum.ruled && Same(a.x, sum.x) && a.y > sum.y && a.y - sum.y <= kLongestStep) {
                    sum.ruled = true;
                    ++(sum.bySolver ? solverSums_ : runtimeSums_);
                    sum.ruleY = a.y;
                    sum.ruleEnd = b.x;
                }
            break;
        }
        default: break;
    }
}

void ColumnSums::Erase(const DrawCall& box) {
    if (box.fill == platform::kNoFill) return;
    const double x0 = std::min(box.points[0].x, box.points[1].x), x1 = std::max(box.points[0].x, box.points[1].x);
    const double y0 = std::min(box.points[0].y, box.points[1].y), y1 = std::max(box.points[0].y, box.points[1].y);
    auto covers = [&](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
    for (Equals& e : equals_)
        if (covers(e.x + kInkX, e.y + kInkY)) e.alive = false;
    for (Sum& sum : sums_)
        if (covers(sum.x + kInkX, sum.y + kInkY)) sum.alive = false;
}

const ColumnSums::Equals* ColumnSums::FirstEquals(double y, double from, double to) const {
    const Equals* first = nullptr;
    for (const Equals& e : equals_)
        if (e.alive && Same(e.y, y) && e.x >= from - kSamePlace && e.x <= to && (!first || e.x < first->x)) first = &e;
    return first;
}

std::vector<Finding> ColumnSums::Look() const {
    std::vector<Finding> findings;
    for (const Sum& sum : sums_) {
        if (!sum.alive || !sum.ruled) continue;
        // The ")" stands a little below the top of the lower row; the rule a
        // row step below that top, on the result row's top.
        const double lowerY = sum.y - runtime::kColumnSumBracketDrop, step = sum.ruleY - lowerY;
        const Equals* upper = FirstEquals(lowerY - step, sum.x, sum.ruleEnd);
        const Equals* lower = FirstEquals(lowerY, sum.x, sum.ruleEnd);
        const Equals* result = FirstEquals(sum.ruleY, sum.x, sum.ruleEnd);
        if (!upper || !lower) continue;
        if (Same(upper->x, lower->x) && (!result || Same(result->x, upper->x))) continue;
        Finding finding{Kind::ColumnSum, "", ""};
        finding.what = "column sum at " + At(sum.x - runtime::kHalfWidthAdvance, lowerY - step) + ": " +
                       Quoted(upper->text) + " over " + Quoted(lower->text);
        finding.detail =
            "\"=\" of the upper row at x " + Number(upper->x) + ", of the lower row at " + Number(lower->x);
        if (result) finding.detail += ", of the result row \"" + result->text + "\" at " + Number(result->x);
        findings.push_back(std::move(finding));
    }
    return findings;
}

void ColumnSums::CountRead(ReadCounts& counts) const {
    counts.runtimeSums += runtimeSums_;
    counts.solverSums += solverSums_;
}

}  // namespace layout
