// What the lessons of both programs share: the runtime, the sub-menu loop,
// and the lesson-level variables every lesson uses.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "lessons/common/page.h"
#include "runtime/runtime.h"

namespace lessons {

// The entry that a number typed at a sub-menu of `entries` entries opens:
// its whole part when the number lies from 1 to `entries` ("2.5", "5/2"
// and "2.9" open 2), else 0, and the sub-menu asks again ("0.5", "N.5",
// and a value that is no number at all).
int SubmenuEntry(float typed, int entries);

class LessonBase {
public:
    explicit LessonBase(runtime::Runtime& runtime) : rt(runtime) {}

    runtime::Runtime& rt;
    float menuChoice = 0;    // the sub-menu entry chosen
    float exampleCount = 0;  // examples shown so far on this visit of an example page

protected:
    // The sub-menu loop of a lesson: `line` in the prompt bar, a number
    // read, and the page of that entry run; the last entry (one past the
    // pages) returns. A number from 1 to the last entry opens the entry of
    // its whole part (2.5 opens 2); any other asks again. An empty page
    // returns at once.
    void RunSubmenu(const std::string& line, const std::vector<std::function<void()>>& pages);

    // Random examples: the loop runs until 1 is typed at the next-step
    // prompt. `example` draws one example.
    void RunExamples(const std::function<void()>& example);

    // The screens both programs draw alike (lesson_screens.cpp).
    // The goal of a program's first lesson, on the screen the main menu has
    // just cleared: "<めあて>" in the answers' colour, the goal indented.
    void ShowFirstLessonGoal(const char* sentence);
    // The goal of a later lesson on a cleared screen: "<めあて>" in the
    // headings' colour, then the goal's lines.
    void ShowGoal(std::initializer_list<const char*> lines);
    // The two plates that head a page of problems (runtime::kChapterTitlePlate
    // and kChapterNumberPlate): the chapter title at (x, y), and the page's
    // number `gap` right of it. The cursor is left at the number plate's top
    // right corner.
    void ShowChapterPlates(Page& page, X x, Y y, const char* title, const char* number,
                           float numberWidth = runtime::kChapterNumberPlate.w, float gap = 44);
};

}  // namespace lessons
