#include "lessons/common/lesson_base.h"

#include "platform/basic.h"

namespace lessons {

void LessonBase::RunSubmenu(const std::string& line, const std::vector<std::function<void()>>& pages) {
    const float entries = static_cast<float>(pages.size()) + 1;
    for (;;) {
        rt.textArg = line;
        rt.AskSubmenuChoice();
        menuChoice = rt.inputValue;
        rt.inputValue = 10;
        rt.ClearPromptBar();
        // The range test is on the number as typed, so every value from 1
        // to N opens an entry and one that is not whole opens the entry of
        // its whole part ("2.5", "5/2" and "2.9" open 2); "0.5" and "N.5"
        // lie outside and ask again.
        if (menuChoice < 1 || menuChoice > entries) continue;
        const int entry = static_cast<int>(basic::Int(menuChoice));
        if (entry == static_cast<int>(entries)) return;
        if (const auto& page = pages[static_cast<size_t>(entry - 1)]) page();
    }
}

void LessonBase::RunExamples(const std::function<void()>& example) {
    rt.inputValue = 3;
    exampleCount = 0;
    while (rt.inputValue != 1) {
        example();
        rt.AskNextStep();
        exampleCount = exampleCount + 1;
    }
}

}  // namespace lessons
