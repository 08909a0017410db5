// The screens both programs draw alike: the goal screens of their lessons
// and the plates that head a page of problems.
#include "lessons/common/lesson_base.h"

namespace lessons {

void LessonBase::ShowFirstLessonGoal(const char* sentence) {
    Page page(rt, 44, 240);
    page.text(L, Same, 5, "<めあて>");
    page.text(L + 32, Down(65), 0, sentence);
}

void LessonBase::ShowGoal(std::initializer_list<const char*> lines) {
    Page page(rt, Clear{0, 0, 1760, 1800}, 44, 240);
    page.text(L, Same, 3, "<めあて>");
    for (const char* line : lines) page.text(L, Down(65), 0, line);
}

void LessonBase::ShowChapterPlates(Page& page, X x, Y y, const char* title, const char* number, float numberWidth,
                                   float gap) {
    // Each plate leaves the pen at its top right corner; the cursor follows
    // it, so the number plate is placed from the end of the title plate.
    auto plate = [&](X at, Y row, const runtime::PlateStyle& style, float width, const char* text) {
        page.cell(at, row, width, style.h, style.frame, style.fill, 13, text);
        rt.cursorX = rt.penX;
        rt.cursorY = rt.penY;
    };
    plate(x, y, runtime::kChapterTitlePlate, runtime::kChapterTitlePlate.w, title);
    plate(C + gap, Same, runtime::kChapterNumberPlate, numberWidth, number);
}

}  // namespace lessons
