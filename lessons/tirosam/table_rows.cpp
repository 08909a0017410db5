// The value rows of the tables of the word problems: three cells side by
// side whose texts come from workText(1..3).
#include "lessons/tirosam/problem_table.h"
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::SetRowTexts(const char* first, const char* second, const char* third) {
    rt.workText(1) = first;
    rt.workText(2) = second;
    rt.workText(3) = third;
}

void TirosamLessons::DrawValueRow(Page& page, float top, float height, float fill, float pitch, float lastWidth,
                                  const std::array<float, 3>& nudgeX) {
    for (rt.loopIndex = 1; rt.loopIndex <= 3; ++rt.loopIndex) {
        const int column = static_cast<int>(rt.loopIndex);
        const float width = column == 3 ? lastWidth : pitch;
        NudgedCell(rt, page, pointX(12) + pitch * (rt.loopIndex - 1), top, width, height, 3, fill, 0,
                   rt.workText(column), nudgeX[static_cast<size_t>(column - 1)]);
    }
}

}  // namespace tirosam
