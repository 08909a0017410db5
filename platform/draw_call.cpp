#include "platform/draw_call.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace platform {

bool CoversView(const DrawCall& call) {
    if (call.kind == DrawKind::Cls) return true;
    if (call.kind != DrawKind::Box) return false;
    const Point& a = call.points[0];
    const Point& b = call.points[1];
    return std::min(a.x, b.x) <= 0 && std::min(a.y, b.y) <= 0 && std::max(a.x, b.x) >= kViewWidth &&
           std::max(a.y, b.y) >= kViewHeight;
}

bool IsSolidDisc(const DrawCall& call) {
    if (call.kind != DrawKind::Circle || call.start != 0 || call.end != 0) return false;
    return call.radius <= call.width / 2.0f || (call.filled && (call.fill == kNoFill || call.fill == call.colour));
}

namespace {

struct Area {
    float left, top, right, bottom;
    bool Contains(const Area& o) const {
        return o.left >= left && o.top >= top && o.right <= right && o.bottom <= bottom;
    }
};

// Everything a call may touch, generously (glyphs may reach out of their
// cells, strokes have width).
Area Reach(const DrawCall& c) {
    const float w = static_cast<float>(c.width) + 1;
    if (c.kind == DrawKind::Circle) {
        const Point& m = c.points[0];
        return {m.x - c.radius - w, m.y - c.radius - w, m.x + c.radius + w, m.y + c.radius + w};
    }
    if (c.kind == DrawKind::Text) {
        const float em = static_cast<float>(c.size) * static_cast<float>(std::max(c.magX, c.magY));
        const float chars = static_cast<float>(c.text.size());
        return {c.points[0].x - em, c.points[0].y - em, c.points[0].x + (chars + 1) * em, c.points[0].y + 2 * em};
    }
    Area a{1e30f, 1e30f, -1e30f, -1e30f};
    for (const Point& p : c.points)
        a = {std::min(a.left, p.x - w), std::min(a.top, p.y - w), std::max(a.right, p.x + w), std::max(a.bottom, p.y + w)};
    return a;
}

// What a box paints solidly, less a unit for the pixels along its edge.
Area SolidBox(const DrawCall& c) {
    const Point& a = c.points[0];
    const Point& b = c.points[1];
    return {std::min(a.x, b.x) + 1, std::min(a.y, b.y) + 1, std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1};
}

bool SameDisc(const DrawCall& a, const DrawCall& b) {
    return IsSolidDisc(a) && a.points[0].x == b.points[0].x && a.points[0].y == b.points[0].y &&
           a.radius * 2 + static_cast<float>(a.width) == b.radius * 2 + static_cast<float>(b.width);
}

}  // namespace

void DisplayList::Add(const DrawCall& call) {
    // Only the most recent calls are looked at, so that adding stays cheap
    // however long a page gets without being cleared.
    constexpr std::ptrdiff_t kLookBack = 2048;
    const auto recent = calls_.end() - std::min<std::ptrdiff_t>(kLookBack, static_cast<std::ptrdiff_t>(calls_.size()));
    if (CoversView(call)) {
        calls_.clear();
    } else if (call.kind == DrawKind::Box) {
        const Area solid = SolidBox(call);
        calls_.erase(std::remove_if(recent, calls_.end(),
                                    [&](const DrawCall& old) { return solid.Contains(Reach(old)); }),
                     calls_.end());
    } else if (IsSolidDisc(call)) {
        calls_.erase(std::remove_if(recent, calls_.end(), [&](const DrawCall& old) { return SameDisc(old, call); }),
                     calls_.end());
    }
    calls_.push_back(call);
}

std::string FormatNumber(float value) {
    if (value == 0) return "0";
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
                    out += hex;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string FormatCall(const DrawCall& c) {
    auto n = FormatNumber;
    auto i = [](int v) { return std::to_string(v); };
    switch (c.kind) {
        case DrawKind::Line:
            return "line " + n(c.points[0].x) + " " + n(c.points[0].y) + " " + n(c.points[1].x) + " " +
                   n(c.points[1].y) + " " + i(c.colour) + " " + i(c.width);
        case DrawKind::Box:
            return "box " + n(c.points[0].x) + " " + n(c.points[0].y) + " " + n(c.points[1].x) + " " +
                   n(c.points[1].y) + " " + i(c.colour) + " " + i(c.fill) + " " + i(c.width);
        case DrawKind::Circle:
            return "circle " + n(c.points[0].x) + " " + n(c.points[0].y) + " " + n(c.radius) + " " + i(c.colour) +
                   " " + n(c.start) + " " + n(c.end) + " " + (c.filled ? i(c.fill == kNoFill ? c.colour : c.fill) : "-") +
                   " " + i(c.width);
        case DrawKind::Poly: {
            std::string line = "poly " + i(c.colour) + " " + i(c.width);
            for (const Point& p : c.points) line += " " + n(p.x) + " " + n(p.y);
            return line;
        }
        case DrawKind::Text: {
            std::string line = "text " + n(c.points[0].x) + " " + n(c.points[0].y) + " " + i(c.magX) + " " + i(c.magY) +
                               " " + i(c.colour) + " " + Quote(c.face) + " " + i(c.size) + " " + i(c.bold) + " " +
                               i(c.italic) + " " + Quote(c.text);
            // Only a digit of a number of several carries its place.
            if (c.number.digits > 1) line += " place " + i(c.number.place) + "/" + i(c.number.digits);
            return line;
        }
        case DrawKind::Cls:
            return "cls";
    }
    return "";
}

}  // namespace platform
