#include "lessons/common/braced_system.h"

namespace lessons {

void BracedSystem(Page& page, X x, Y y, const std::string& first, const std::string& second) {
    // Both equations start at the same x, so the second is not placed after
    // the first.
    const float braceX = page.x(x), braceY = page.y(y);
    page.brace(braceX, braceY);
    page.text(braceX + 40, braceY, 0, first);
    page.text(braceX + 40, braceY + 50, 0, second);
}

}  // namespace lessons
