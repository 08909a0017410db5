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

void DisplayList::Add(const DrawCall& call) {
    if (CoversView(call)) calls_.clear();
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
        case DrawKind::Text:
            return "text " + n(c.points[0].x) + " " + n(c.points[0].y) + " " + i(c.magX) + " " + i(c.magY) + " " +
                   i(c.colour) + " " + Quote(c.face) + " " + i(c.size) + " " + i(c.bold) + " " + i(c.italic) + " " +
                   Quote(c.text);
        case DrawKind::Cls:
            return "cls";
    }
    return "";
}

}  // namespace platform
