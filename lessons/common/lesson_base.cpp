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
        // Only a whole number names an entry; "2.5" or "5/2" asks again.
        if (menuChoice < 1 || menuChoice > entries || menuChoice != basic::Int(menuChoice)) continue;
        const int entry = static_cast<int>(menuChoice);
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
