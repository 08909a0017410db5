// The pages of the chapter problems B (lesson 6), driven from the main menu.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

testing_support::RunResult RunLesson6Page(int entry, int waits) { return RunPage("tirosam", 6, entry, waits, 6); }

TEST(ChapterBPages, EveryPageTakesItsKeysAndReturnsToTheSubmenuAtOnce) {
    // Page 1's number plates are wide and stand 10 right of the title.
    for (const PageFrame& page : {PageFrame{1, 12, 36, 442, 132}, PageFrame{2, 8, 76, 516, 44},
                                  PageFrame{3, 16, 36, 476, 44}, PageFrame{4, 11, 36, 476, 44},
                                  PageFrame{5, 11 + kSolverWaits, 40, 480, 44}})
        ExpectPageFrame(6, page);
}

TEST(ChapterBPages, BracketAndDecimalSystemsOnTwoScreens) {
    const auto log = PageLog(RunLesson6Page(1, 12));
    // Two screens, each with the wide number plate 10 right of the title.
    EXPECT_EQ(Count(log, "box 0 0 1760 1800 15 15"), 2 + 2);
    EXPECT_EQ(Count(log, Box(442, 30, 574, 74, 4, 3)), 2);
    ExpectCellRows(log, {
                        {76, 80, 0, "2", 0}, {103, 130, 0, "3", 0}, {36, 180, 3, "②", 1},
                        {63, 230, 0, "3", 2}, {63, 280, 0, "3", 2}, {36, 330, 3, "③", 2},
                        {76, 380, 0, "2", 3}, {103, 430, 0, "3", 3},
                        {722, 80, 3, "①", 4}, {803, 130, 0, "6", 4}, {803, 180, 0, "6", 4},
                        {911, 230, 0, "7", 4}, {938, 280, 0, "y", 4},
                        {722, 330, 3, "y", 5}, {722, 380, 0, "2", 5}, {749, 480, 0, "x", 5},
                        {722, 530, 5, "答", 5},
                        // screen 2
                        {76, 80, 0, "0", 6}, {76, 140, 0, "4", 6}, {36, 200, 3, "①", 6},
                        {36, 250, 0, "1", 7}, {36, 300, 0, "4", 7}, {36, 360, 3, "②", 8},
                        {36, 420, 0, "3", 9}, {36, 480, 0, "1", 9}, {36, 530, 0, "1", 9},
                        {36, 580, 3, "③", 9},
                        {762, 30, 0, "4", 10}, {762, 80, 0, "1", 10}, {722, 130, 3, "③", 11},
                        {803, 180, 0, "4", 11}, {776, 230, 0, "1", 11}, {776, 280, 0, "1", 11},
                        {830, 330, 0, "x", 11}, {722, 380, 3, "x", 12}, {722, 430, 0, "4", 12},
                        {749, 530, 0, "y", 12}, {722, 580, 5, "答", 12},
                    });
    EXPECT_EQ(Count(log, BracePoly(36, 80, 100)), 1);
    EXPECT_EQ(Count(log, BracePoly(36, 380, 100)), 1);
    // The brace of the system with the fraction is taller.
    EXPECT_EQ(Count(log, BracePoly(36, 80, 110)), 1);
    EXPECT_EQ(Count(log, BracePoly(722, 30, 100)), 1);
    // Both column sums are additions, with the result rows at resultX.
    EXPECT_EQ(Count(log, PlusBar(722, 186, 0)), 1);
    EXPECT_EQ(Count(log, PlusBar(722, 236, 0)), 1);
}

TEST(ChapterBPages, BracketAndDecimalResultsLineUpUnderTheirRows) {
    const auto log = PageLog(RunLesson6Page(1, 12));
    // Screen 2: " 4x-y=13", "12x+y=3", "16x  =16", "  x  =1".
    const long second = static_cast<long>(FindGlyph(log, 76, 80, 0, "0"));
    ASSERT_GE(second, 0);
    const std::vector<std::string> screen2(log.begin() + second, log.end());
    ExpectEqualsAligned(screen2, 722, 1e9f, {180, 230, 280, 330});
    // Screen 1: " 6x-15y=60", "-6x+ 8y=-4", "    -7y=56", "      y=-8".
    const std::vector<std::string> screen1(log.begin(), log.begin() + second);
    ExpectEqualsAligned(screen1, 722, 1e9f, {130, 180, 230, 280});
}

TEST(ChapterBPages, RatioCoefficientInThreeColumns) {
    const auto log = PageLog(RunLesson6Page(2, 8));
    EXPECT_EQ(Count(log, "box 0 0 1760 1800 15 15"), 2 + 1);
    ExpectCellRows(log, {
                        {116, 80, 0, "5", 0}, {116, 130, 0, "a", 0}, {76, 180, 0, "x", 1},
                        {76, 230, 0, "2", 2}, {76, 280, 0, "2", 3}, {76, 330, 3, "①", 3},
                        {76, 380, 3, "連", 3}, {116, 430, 0, "5", 4}, {116, 480, 0, "2", 4},
                        {494, 80, 3, "①", 5}, {548, 130, 0, "5", 5}, {548, 180, 0, "2", 5},
                        {548, 230, 0, "3", 5}, {575, 280, 0, "x", 5},
                        {494, 330, 3, "x", 6}, {494, 380, 0, "2", 6}, {521, 430, 0, "3", 6},
                        {548, 480, 0, "y", 6}, {494, 530, 3, "x", 7},
                        {874, 30, 0, "a", 8}, {874, 80, 0, "6", 8}, {874, 130, 0, "6", 8},
                        {901, 180, 0, "a", 8}, {874, 230, 5, "答", 8},
                    });
    EXPECT_EQ(Count(log, BracePoly(76, 80, 100)), 1);
    EXPECT_EQ(Count(log, BracePoly(76, 430, 100)), 1);
    // The sign row "+-  +  -" 25 above the lower row.
    EXPECT_EQ(Count(log, PlusMark(494, 155, 3)), 1);
    EXPECT_EQ(Count(log, MinusMarkBefore(548, 155, 3)), 1);
    EXPECT_EQ(Count(log, PlusMark(602, 155, 3)), 1);
    EXPECT_EQ(Count(log, MinusMarkBefore(715, 155, 3)), 1);
    ExpectEqualsAligned(log, 494, 1e9f, {130, 180, 230, 280});
}

TEST(ChapterBPages, ClassSizesFillTheTableOneRowAKey) {
    const auto log = PageLog(RunLesson6Page(3, 16));
    // The corner, the header and the row labels, each drawn once.
    EXPECT_EQ(Count(log, Box(36, 100, 302, 150, 3, 14) + " 5"), 1);
    for (float x : {302.f, 454.f, 606.f}) EXPECT_EQ(Count(log, Box(x, 100, x + 152, 150, 3, 13)), 1) << x;
    EXPECT_EQ(Count(log, Box(36, 150, 302, 200, 3, 13)), 1);
    EXPECT_EQ(Count(log, Box(36, 200, 302, 250, 3, 13)), 1);
    EXPECT_EQ(Count(log, Box(36, 250, 302, 320, 3, 13)), 1);
    // Every value cell drawn empty, then again with its value.
    for (float x : {302.f, 454.f, 606.f}) {
        EXPECT_EQ(Count(log, Box(x, 150, x + 152, 200, 3, 15) + " 5"), 2) << x;
        EXPECT_EQ(Count(log, Box(x, 200, x + 152, 250, 3, 15) + " 5"), 2) << x;
        EXPECT_EQ(Count(log, Box(x, 250, x + 152, 320, 3, 15) + " 5"), 2) << x;
    }
    ExpectCellRows(log, {
                        {36, 330, 0, "去", 0},
                        // the rows of the table, one a key: "x", "20", the fractions
                        {364.5f, 153, 0, "x", 1}, {516.5f, 153, 0, "y", 1},
                        {36, 380, 0, "去", 4}, {301, 380, 3, "x", 5}, {36, 440, 0, "人", 6},
                        {36, 490, 0, "②", 8}, {36, 550, 0, "5", 9}, {454, 613, 3, "x", 9},
                        {838, 30, 0, "x", 10}, {838, 80, 0, "x", 10}, {798, 130, 3, "こ", 11},
                        {798, 180, 3, "x", 11}, {798, 230, 0, "今", 12}, {798, 290, 0, "1", 13},
                        {798, 350, 0, "今", 14}, {798, 410, 0, "2", 15}, {798, 470, 0, "こ", 16},
                        {798, 520, 5, "答", 16},
                    });
    EXPECT_EQ(Count(log, BracePoly(798, 30, 100)), 1);
    // The rate row's total shows "／".
    const auto slash = GlyphXs(log, 203, "／", 606, 758);
    ASSERT_EQ(slash.size(), 1u);
    EXPECT_EQ(WaitsBefore(log, FindGlyph(log, slash[0], 203, 0, "／")), 2);
}

TEST(ChapterBPages, CircularTrackAddsAndAnswersLeftOfItsColumn) {
    const auto log = PageLog(RunLesson6Page(4, 11));
    ExpectCellRows(log, {
                        {36, 80, 0, "A", 0}, {36, 130, 0, "1", 1}, {36, 180, 0, "距", 1},
                        {36, 230, 3, "1", 2}, {36, 280, 3, "x", 3}, {36, 330, 0, "3", 4},
                        {36, 380, 0, "距", 4}, {36, 430, 3, "3", 5}, {36, 480, 3, "x", 5},
                        {76, 530, 0, "x", 6}, {76, 580, 0, "x", 6}, {722, 80, 3, "①", 7},
                        {776, 130, 0, "x", 8}, {776, 180, 0, "x", 8}, {749, 230, 0, "2", 8},
                        {776, 280, 0, "x", 8}, {722, 330, 3, "x", 9}, {722, 380, 0, "1", 10},
                        {722, 430, 0, "y", 10}, {749, 480, 3, "x", 10}, {722, 530, 0, "こ", 11},
                        {646, 580, 5, "答", 11},
                    });
    EXPECT_EQ(Count(log, BracePoly(36, 530, 100)), 1);
    EXPECT_EQ(Count(log, PlusBar(722, 186, 0)), 1);
    ExpectEqualsAligned(log, 722, 1e9f, {130, 180, 230, 280});
}

TEST(ChapterBPages, SaltWaterFillsTheSaltRowThenHandsTheSystemToTheSolver) {
    const auto log = PageLog(RunLesson6Page(5, 11 + kSolverWaits));
    EXPECT_EQ(Count(log, Box(40, 100, 230, 150, 3, 13) + " 5"), 1);
    EXPECT_EQ(Count(log, Box(230, 100, 358, 150, 3, 13)), 1);
    EXPECT_EQ(Count(log, Box(358, 100, 486, 150, 3, 13)), 1);
    EXPECT_EQ(Count(log, Box(486, 100, 696, 150, 3, 13)), 1);
    EXPECT_EQ(Count(log, Box(230, 150, 358, 200, 3, 15)), 1);
    EXPECT_EQ(Count(log, Box(40, 200, 230, 270, 3, 13)), 1);
    // The salt row: empty first, then one cell a key, the third one wider.
    const float lefts[] = {230, 358, 486}, rights[] = {358, 486, 696};
    for (int i = 0; i < 3; ++i) {
        const std::string cell = Box(lefts[i], 200, rights[i], 270, 3, 15);
        EXPECT_EQ(Count(log, cell), 2) << i;
        EXPECT_EQ(WaitsBefore(log, FindLine(log, cell, 1)), i + 2) << i;
    }
    ExpectCellRows(log, {
                        {40, 283, 0, "8", 1}, {40, 340, 0, "食", 5}, {339, 340, 3, "x", 6},
                        {40, 400, 0, "食", 7}, {40, 450, 0, "②", 9}, {40, 510, 0, "1", 10},
                        {40, 580, 3, "8", 10}, {732, 30, 3, "式", 11},
                        // after the solver, on its fresh row at its left margin
                        {732, 550, 3, "x", 11 + kSolverWaits},
                    });
    // The solver's braced system starts right after "式　".
    EXPECT_EQ(Count(log, BracePoly(800, 30, 100)), 1);
    // The page writes the solution in colour 3 and no answer line.
    for (const Glyph& g : Glyphs(log)) EXPECT_FALSE(g.text == "答" && g.colour == 5);
}

}  // namespace
