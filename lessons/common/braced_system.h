// A braced system of two equations, as the worked pages write it.
#pragma once

#include <string>

#include "lessons/common/page.h"

namespace lessons {

// The brace (height 100, colour 0) at (x, y); the first equation in colour 0
// 40 to its right, level with its top; the second one row (50) lower at the
// same x. The page cursor ends after the second equation.
void BracedSystem(Page& page, X x, Y y, const std::string& first, const std::string& second);

}  // namespace lessons
