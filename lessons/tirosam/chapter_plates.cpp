// The two plates that head every page of the chapter problems: the chapter
// title and the page's number.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowChapterPlates(Page& page, const char* title, const char* number, float numberWidth,
                                       float gap) {
    // Each plate leaves the pen at its top right corner; the cursor follows
    // it, so the number plate is placed from the end of the title plate.
    page.cell(L, Same, 396, 44, 5, 4, 13, title);
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
    page.cell(C + gap, Same, numberWidth, 44, 4, 3, 13, number);
    rt.cursorX = rt.penX;
    rt.cursorY = rt.penY;
}

}  // namespace tirosam
