// What the tests of the random example pages share: a runtime with
// Kanovel's lessons on it, whether a row of text stands on the page as
// the renderer draws it, and counts of log lines.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "lessons/kanovel/kanovel_lessons.h"
#include "tests/page_checks.h"
#include "tests/solver_script.h"
#include "tests/test_support.h"

namespace example_pages {

using page_checks::Count;
using page_checks::kKeyWait;
// The log line of the next-step plate.
inline const char* const kNextStep = "box 96 639 400 675 13 12";
// Key waits of one solver run with a key wait after each step.
constexpr int kSolverWaits = 15;

inline std::string Keys(int n) { return std::string(static_cast<size_t>(n), ' '); }

class ExamplePageTest : public testing_support::RuntimeTest {
protected:
    kanovel::KanovelLessons lessons{rt};

    std::vector<std::string> Drawn() const { return solver_testing::Lines(pf.Calls()); }
    // Whether `text` stands at (x, y) in `colour`, glyph for glyph.
    bool Shows(float colour, float x, float y, const std::string& text) const {
        return solver_testing::ContainsRun(Drawn(), solver_testing::PageScript().Text(colour, x, y, text).Lines());
    }
    int CountDrawn(const std::string& prefix) const { return Count(pf.Log(), prefix); }
};

}  // namespace example_pages
