// Tirosam's lesson entries, goal screens and sub-menus, driven by keys.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

const char* const kFullClear = "box 0 0 1760 1800 15 15";

// The "<" of "<めあて>" at (44, 240) in `colour`.
std::string Heading(int colour) {
    return "text 44 240 3 3 " + std::to_string(colour) + " \"ゴシック\" 16 1 0 \"<\"";
}

TEST(TirosamFrames, EachLessonShowsItsGoalAndTakesOnlyItsEntries) {
    struct Case {
        const char* lesson;
        int entries;
        int goalColour;           // of "<めあて>"; 0: no goal screen
        const char* firstGlyph;   // first glyph of the sub-menu line
    } cases[] = {
        {"1", 4, 5, "①"}, {"2", 3, 3, "①"}, {"3", 4, 3, "①"},
        {"4", 3, 3, "①"}, {"5", 6, 0, "Ｐ"}, {"6", 6, 0, "Ｐ"},
    };
    for (const Case& c : cases) {
        // Every refused entry, then the last entry goes back to the main
        // menu, and 8 ends.
        std::string last = std::to_string(c.entries);
        auto run = RunProgram("tirosam", std::string(c.lesson) + "\r" + RefusedEntries(c.entries) + last + "\r8\r");
        EXPECT_TRUE(run.ended) << c.lesson;
        EXPECT_FALSE(run.errorShown);
        EXPECT_EQ(Count(run.log, kMenuPanel), 2) << c.lesson;
        EXPECT_EQ(Count(run.log, std::string(kSubmenuStart) + " \"ゴシック\" 16 1 0 \"" + c.firstGlyph + "\""), 7)
            << c.lesson;
        const int headings = Count(run.log, Heading(3)) + Count(run.log, Heading(5));
        EXPECT_EQ(headings, c.goalColour ? 1 : 0) << c.lesson;
        if (c.goalColour) {
            EXPECT_EQ(Count(run.log, Heading(c.goalColour)), 1) << c.lesson;
        }
        ExpectNotWholeOpensEntryTwo("tirosam", c.lesson);
    }
}

TEST(TirosamFrames, GoalScreensClearExceptLessonOne) {
    // The menu clears twice on its own; lessons 2 to 4 clear once more,
    // lessons 5 and 6 leave the screen the menu cleared.
    const int clears[] = {2, 3, 3, 3, 2, 2};
    for (int lesson = 1; lesson <= 6; ++lesson) {
        auto run = RunProgram("tirosam", std::to_string(lesson) + "\r");
        EXPECT_EQ(Count(run.log, kFullClear), clears[lesson - 1]) << lesson;
    }
    // Lesson 1's sentence stands 32 right of the heading, the others' under it.
    auto one = RunProgram("tirosam", "1\r");
    EXPECT_EQ(Count(one.log, "text 76 305 2 3 0 \"ゴシック\" 16 1 0 \"連\""), 1);
    for (const char* lesson : {"2\r", "3\r", "4\r"}) {
        auto run = RunProgram("tirosam", lesson);
        EXPECT_EQ(Count(run.log, "text 44 305 2 3 0 \"ゴシック\" 16 1 0 \"連\""), 1) << lesson;
    }
}

TEST(TirosamFrames, LeavingAndEnteringAgainShowsTheGoalAgain) {
    auto run = RunProgram("tirosam", "2\r3\r2\r3\r8\r");
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, Heading(3)), 2);
}

}  // namespace
