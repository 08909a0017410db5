// The value rows of the tables of the word problems: three cells side by
// side whose texts come from workText(1..3).
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::SetRowTexts(const char* first, const char* second, const char* third) {
    rt.workText(1) = first;
    rt.workText(2) = second;
    rt.workText(3) = third;
}

void TirosamLessons::DrawValueRow(Page& page, float top, float height, float fill, float pitch, float lastWidth) {
    for (rt.loopIndex = 1; rt.loopIndex <= 3; ++rt.loopIndex) {
        const float width = rt.loopIndex == 3 ? lastWidth : pitch;
        page.cell(pointX(12) + pitch * (rt.loopIndex - 1), top, width, height, 3, fill, 0,
                  rt.workText(static_cast<int>(rt.loopIndex)));
    }
}

}  // namespace tirosam
