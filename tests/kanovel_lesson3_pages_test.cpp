// Lesson 3's scripted pages and its fixed exercises 問２, 問３ and 問４,
// driven from the main menu.
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using namespace page_checks;

// Both multiply-first pages lay out the same way: the system at (116, 30),
// the caption at (76, 130), the column sum at (130, 180) and (130, 230), the
// sign row at (76, 205), the results at 130 on rows 280 and 330, then the
// substitution from 380, each row a key; the side column at 608.
struct MultiplyFirstCase {
    int entry;
    int waits;
    const char* resultGlyph;  // a glyph of the combined equation at (x, 280)
    float resultX;
    float answerY;
};

TEST(KanovelLesson3Pages, MultiplyFirstPagesWorkAfterMultiplying) {
    const MultiplyFirstCase cases[] = {{1, 9, "5", 211, 530}, {4, 10, "1", 184, 580}};
    for (const MultiplyFirstCase& c : cases) {
        SCOPED_TRACE(c.entry);
        auto run = RunPage("kanovel", 3, c.entry, c.waits, 8);
        ExpectPageRun(run, c.waits);
        const auto& log = run.log;
        EXPECT_EQ(CountGlyph(log, 608, 30, 3, "ど"), 1);
        EXPECT_EQ(Count(log, "poly 0 5 111 35 "), 1);
        EXPECT_EQ(CountGlyph(log, 608, 80, 7, "①"), 1);
        EXPECT_EQ(WaitsBefore(log, "text 608 80"), 1);
        EXPECT_EQ(CountGlyph(log, 76, 130, 3, "①"), 1);
        // The sign row between the rows of the column sum, the results 50
        // below the lower row, not below the sign row.
        EXPECT_EQ(Count(log, "line 103 280 "), 1);
        EXPECT_EQ(CountGlyph(log, c.resultX, 280, 0, c.resultGlyph), 1);
        EXPECT_EQ(CountGlyph(log, 238, 330, 0, "y"), 1);
        EXPECT_EQ(CountGlyph(log, 76, 380, 3, "y"), 1);
        EXPECT_EQ(CountGlyph(log, 76, c.answerY, 5, "答"), 1);
        // The rule after the last key, from the hint's row on: 80, then 50.
        EXPECT_EQ(CountGlyph(log, 608, 160, 5, "何"), 1);
        EXPECT_EQ(CountGlyph(log, 608, 210, 5, "係"), 1);
        EXPECT_EQ(WaitsBefore(log, "text 608 160"), c.waits);
    }
}

TEST(KanovelLesson3Pages, MultiplySignRowFlipsTheLowerRow) {
    for (int entry : {1, 4}) {
        SCOPED_TRACE(entry);
        auto run = RunPage("kanovel", 3, entry, entry == 1 ? 9 : 10, 8);
        // "+" over the operator (a cross), then a "-" just before the lower
        // row's first term, over its "+" and just before the known term
        // after "=": small marks in colour 3 just above the lower row.
        EXPECT_EQ(Count(run.log, PlusMark(76, 205, 3)), 1);
        EXPECT_EQ(Count(run.log, "line 89.5 222 89.5 234 3 4"), 1);
        for (float x : {130, 297}) EXPECT_EQ(Count(run.log, MinusMarkBefore(x, 205, 3)), 1) << x;
        EXPECT_EQ(Count(run.log, MinusMark(184, 205, 3)), 1);
    }
}

TEST(KanovelLesson3Pages, TwoColumnExercisesKeepTheRightColumnForTheThird) {
    struct Case {
        int entry;
        const char* heading;
        int waits;
        int answers;
    } cases[] = {{3, "2", 2, 3}, {6, "3", 2, 3}, {7, "4", 4, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        auto run = RunPage("kanovel", 3, c.entry, c.waits, 8);
        ExpectPageRun(run, c.waits);
        const auto& log = run.log;
        EXPECT_EQ(CountGlyph(log, 40, 30, 7, "問"), 1);
        EXPECT_EQ(CountGlyph(log, 74, 30, 7, c.heading), 1);
        EXPECT_EQ(Count(log, "poly 0 5 217 35 "), 1);  // (1) right after the heading
        EXPECT_EQ(Count(log, "poly 0 5 756 35 "), 1);  // (2) at 640
        EXPECT_EQ(WaitsBefore(log, "text 640 30"), 1);
        // Only the left half is erased for (3), after the second key.
        EXPECT_EQ(Count(log, "box 0 0 640 1800 15 15"), 1);
        EXPECT_EQ(WaitsBefore(log, "box 0 0 640 1800 15 15"), 2);
        // (3), and on 問４ (4) too, at the left.
        EXPECT_EQ(CountGlyph(log, 40, 30, 3, "("), c.answers - 2);
        EXPECT_EQ(Count(log, "poly 0 5 156 35 "), c.answers - 2);
        EXPECT_EQ(CountInColour(log, 5, "答"), c.answers);
    }
}

TEST(KanovelLesson3Pages, Exercise4GivesItsLastSystemInGeneralForm) {
    auto run = RunPage("kanovel", 3, 7, 4, 8);
    const auto& log = run.log;
    // (4) on a cleared page after the third key; the given form with its
    // brace at 121 and both rows from 161, then a key.
    EXPECT_EQ(WaitsBefore(log, "box 0 0 1600 1800 15 15", 2), 3);
    EXPECT_EQ(CountGlyph(log, 161, 30, 0, "3"), 1);
    EXPECT_EQ(CountGlyph(log, 161, 80, 0, "2"), 1);
    // The solver works it at 640 after two blanks, as ③ and ④.
    EXPECT_EQ(WaitsBefore(log, "poly 0 5 729 35 "), 4);
    EXPECT_EQ(CountGlyph(log, 734, 30, 0, "3"), 1);
    EXPECT_EQ(CountInColour(log, 3, "④"), 1);  // in the caption
    // ① and ② name the equations of (1) to (3) and the given form of (4).
    EXPECT_EQ(CountInColour(log, 0, "①") + CountInColour(log, 0, "②"), 3 * 2 + 2);
    EXPECT_EQ(CountInColour(log, 0, "③") + CountInColour(log, 0, "④"), 2);
}

TEST(KanovelLesson3Pages, LabelsAreEmptyAgainAfterExercise4) {
    // 問４, then 問２: its systems are named ① and ② again.
    auto run = testing_support::RunProgram("kanovel", "3\r7\r" + Spaces(4) + "3\r" + Spaces(2) + "8\r8\r");
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, kKeyWait), 6);
    // The page 問２ starts with the second clear of 1600 by 1800 after (4).
    int clears = 0;
    auto second = std::find_if(run.log.begin(), run.log.end(), [&](const std::string& line) {
        return StartsWith(line, "box 0 0 1600 1800 15 15") && ++clears == 3;
    });
    ASSERT_NE(second, run.log.end());
    std::vector<std::string> after(second, run.log.end());
    EXPECT_EQ(CountInColour(after, 0, "③") + CountInColour(after, 0, "④"), 0);
    EXPECT_EQ(CountInColour(after, 0, "①") + CountInColour(after, 0, "②"), 3 * 2);
}

}  // namespace
