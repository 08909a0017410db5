// Small geometry shared by the figure routines. Angles are radians
// counter-clockwise as seen on the screen, the y axis taken upwards, with
// pi as the single 3.14159 everywhere so that every figure routine agrees
// on the same directions.
#pragma once

#include <cmath>

#include "platform/basic.h"
#include "platform/platform.h"

namespace runtime::figure {

using platform::Point;

inline constexpr float kPi = 3.14159f;

// The screen point at distance d from (x, y) in direction a.
inline Point Toward(float x, float y, float d, float a) { return {x + d * std::cos(a), y - d * std::sin(a)}; }

// Direction of the offset (dx, dy) on the screen, in [0, 2 pi): right 0, up
// pi/2, left pi, down 3 pi/2; no offset at all counts as pi.
inline float Direction(float dx, float dy) {
    if (dy > 0) return 3 * kPi / 2 + std::atan(dx / dy);
    if (dy < 0) return kPi / 2 + std::atan(dx / dy);
    return dx > 0 ? 0 : kPi;
}

inline float Distance(float dx, float dy) { return std::sqrt(dx * dx + dy * dy); }

// The unit vector along (dx, dy); a zero offset has no direction and is a
// division-by-zero runtime error.
inline Point Unit(float dx, float dy, basic::Where where = basic::Where::Here()) {
    const float length = Distance(dx, dy);
    return {basic::Div(dx, length, where), basic::Div(dy, length, where)};
}

}  // namespace runtime::figure
