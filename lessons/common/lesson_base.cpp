#include "lessons/common/lesson_base.h"

#include "platform/basic.h"

namespace lessons {

int SubmenuEntry(float typed, int entries) {
    // The range test is on the number as typed, so every value from 1 to N
    // opens an entry; written so that a NaN fails it too.
    if (!(typed >= 1 && typed <= static_cast<float>(entries))) return 0;
    return static_cast<int>(basic::Int(typed));
}

void LessonBase::RunSubmenu(const std::string& line, const std::vector<std::function<void()>>& pages) {
    const int entries = static_cast<int>(pages.size()) + 1;
    for (;;) {
        rt.textArg = line;
        rt.AskSubmenuChoice();
        menuChoice = rt.inputValue;
        rt.inputValue = 10;
        rt.ClearPromptBar();
        const int entry = SubmenuEntry(menuChoice, entries);
        if (entry == 0) continue;
        if (entry == entries) return;
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
