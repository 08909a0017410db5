// Kanovel's lesson entries, goal screens and sub-menus, driven by keys.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

TEST(KanovelFrames, EachLessonShowsItsGoalAndTakesOnlyItsEntries) {
    struct Case {
        const char* lesson;
        int entries;
        const char* goalHeading;  // "<" of "<めあて>" with its colour
    } cases[] = {
        {"1", 6, "text 44 240 3 3 5"}, {"2", 5, "text 44 240 3 3 3"}, {"3", 8, "text 44 240 3 3 3"},
        {"4", 7, "text 44 240 3 3 3"}, {"5", 9, "text 44 240 3 3 3"}, {"6", 4, nullptr},
    };
    for (const Case& c : cases) {
        // Every refused entry, then the last entry goes back to the main
        // menu, and 8 ends.
        std::string last = std::to_string(c.entries);
        auto run = RunProgram("kanovel", std::string(c.lesson) + "\r" + RefusedEntries(c.entries) + last + "\r8\r");
        EXPECT_TRUE(run.ended) << c.lesson;
        EXPECT_FALSE(run.errorShown);
        EXPECT_EQ(Count(run.log, kMenuPanel), 2) << c.lesson;
        EXPECT_EQ(Count(run.log, kSubmenuStart), 7) << c.lesson;
        if (c.goalHeading) {
            EXPECT_EQ(Count(run.log, c.goalHeading), 1) << c.lesson;
        }
        ExpectNotWholeOpensEntryTwo("kanovel", c.lesson);
    }
}

TEST(KanovelFrames, GoalScreensClearExceptLessonOne) {
    auto one = RunProgram("kanovel", "1\r");
    auto two = RunProgram("kanovel", "2\r");
    auto clears = [](const std::vector<std::string>& log) { return Count(log, "box 0 0 1760 1800 15 15"); };
    EXPECT_EQ(clears(one.log), 2);  // the menu's own two
    EXPECT_EQ(clears(two.log), 3);
    EXPECT_EQ(Count(one.log, "text 76 305 2 3 0 \"ゴシック\" 16 1 0 \"元\""), 0);
    EXPECT_EQ(Count(one.log, "text 76 305 3 3 0 \"ゴシック\" 16 1 0 \"2\""), 1);
}

}  // namespace
