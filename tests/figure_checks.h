// Checks shared by the figure routine tests: places worked out through
// sines and cosines, and the lines drawn between them.
#pragma once

#include <gtest/gtest.h>

#include "platform/draw_call.h"

namespace testing_support {

// The figure routines work with pi as 3.14159, so do the places expected.
constexpr float kPi = 3.14159f;

// Positions worked out through sines and cosines agree to a thousandth.
inline void ExpectAt(const platform::Point& p, float x, float y, float tolerance = 1e-3f) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
}

inline void ExpectLine(const platform::DrawCall& call, float x1, float y1, float x2, float y2) {
    ASSERT_EQ(call.kind, platform::DrawKind::Line);
    ExpectAt(call.points[0], x1, y1);
    ExpectAt(call.points[1], x2, y2);
}

}  // namespace testing_support
