// How a finding names what it saw: numbers to a tenth, places as (x,y),
// texts in double quotes. The accepted list (layout_check.h) matches these
// names with or without their places.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace layout {

inline std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::round(v * 10) / 10);
    return text;
}

inline std::string At(double x, double y) { return "(" + Number(x) + "," + Number(y) + ")"; }

inline std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace layout
