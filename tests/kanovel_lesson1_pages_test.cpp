// Lesson 1's pages, driven from the main menu: what they draw where, in
// which colour, and after which key.
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using namespace page_checks;

class KanovelLesson1Measured : public testing_support::RuntimeTest {
protected:
    float Width(const std::string& text) {
        rt.strArg = text;
        rt.MeasureText();
        return rt.textWidth;
    }
};

TEST_F(KanovelLesson1Measured, ShotProblemFillsTheGuessTableKeyByKey) {
    // The second pupil's solving goes on 30 right of her equation.
    const float solvingX = 36 + Width("3x+2(9-x)=21") + 30;
    auto run = RunPage("kanovel", 1, 1, 38, 6);
    ExpectPageRun(run, 38);
    const auto& log = run.log;
    // Frames 5 wide from the page's own pen width on; labels fill 13.
    EXPECT_EQ(Count(log, "box 36 195 378 245 3 13 5"), 1);
    EXPECT_EQ(Count(log, "box 36 295 378 345 3 13 5"), 1);
    // Row 1 holds 0 to 9 from the start; column 9 ends at 1138.
    EXPECT_EQ(CountGlyph(log, 1086.5, 198, 0, "9"), 1);
    EXPECT_EQ(Count(log, "box 1062 195 1138 245 3 15 5"), 1);
    // The trial's cells (column 6) come before the rows are revealed and
    // again when the loops reach them.
    EXPECT_EQ(WaitsBefore(log, "box 834 245 910 295 3 15 5", 2), 4);
    EXPECT_EQ(WaitsBefore(log, "box 834 295 910 345 3 15 5", 2), 6);
    // One key shows nothing, then one cell per key: row 2 from key 8, row 3
    // from key 19.
    EXPECT_EQ(WaitsBefore(log, "box 378 245 454 295 3 15 5", 2), 8);
    EXPECT_EQ(WaitsBefore(log, "box 1062 245 1138 295 3 15 5", 2), 17);
    EXPECT_EQ(WaitsBefore(log, "box 378 295 454 345 3 15 5", 2), 19);
    EXPECT_EQ(WaitsBefore(log, "box 1062 295 1138 345 3 15 5", 2), 28);
    // Row 3's values: 18 at column 0, 27 at column 9.
    EXPECT_EQ(Count(log, "box 1062 295 1138 345 3 15 5"), 2);
    // The answer column highlighted in all three rows at key 29.
    for (const char* cell : {"box 606 195 682 245 3 11 5", "box 606 245 682 295 3 11 5", "box 606 295 682 345 3 11 5"})
        EXPECT_EQ(WaitsBefore(log, cell), 29) << cell;
    EXPECT_EQ(CountGlyph(log, 36, 65, 3, "ロ"), 1);
    EXPECT_EQ(CountGlyph(log, 36, 365, 3, "ミ"), 1);
    EXPECT_EQ(CountGlyph(log, 36, 595, 0, "3"), 1);
    // The answer on the last row, after the last key, level with 3x-2x=21-18.
    EXPECT_EQ(CountGlyph(log, solvingX, 475, 0, "x"), 0);  // italic: a face and place of its own
    EXPECT_EQ(CountGlyph(log, solvingX, 595, 5, "答"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 36 595"), 35);
    EXPECT_EQ(WaitsBefore(log, "text " + std::to_string(static_cast<int>(solvingX)) + " 595"), 38);
}

TEST(KanovelLesson1Pages, TwoUnknownEquationRevealsSevenSteps) {
    auto run = RunPage("kanovel", 1, 2, 6, 6);
    ExpectPageRun(run, 6);
    const auto& log = run.log;
    EXPECT_EQ(CountGlyph(log, 40, 30, 0, "Q"), 1);
    EXPECT_EQ(CountGlyph(log, 104, 80, 0, "合"), 1);
    EXPECT_EQ(CountGlyph(log, 40, 140, 3, "<"), 1);
    EXPECT_EQ(CountGlyph(log, 94, 200, 5, "2"), 1);  // "2元1次方程式" after "1 "
    EXPECT_EQ(CountGlyph(log, 94, 310, 5, "解"), 1);
    EXPECT_EQ(CountGlyph(log, 40, 550, 0, "3"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 40 550"), 6);
    EXPECT_EQ(WaitsBefore(log, "text 40 310"), 4);
}

TEST(KanovelLesson1Pages, SolutionTablesThenTheSystemUnderItsBrace) {
    auto run = RunPage("kanovel", 1, 3, 32, 6);
    ExpectPageRun(run, 32);
    const auto& log = run.log;
    // Table 1: ten columns from 196; its y row revealed after keys 4..13.
    EXPECT_EQ(Count(log, "box 120 150 196 200 3 13 5"), 1);
    EXPECT_EQ(Count(log, "box 880 150 956 200 3 15 5"), 1);
    EXPECT_EQ(WaitsBefore(log, "box 196 200 272 250 3 15 5", 2), 4);
    EXPECT_EQ(WaitsBefore(log, "box 880 200 956 250 3 15 5", 2), 13);
    // Table 2: eight columns, its y row and label 70 high, the halves stacked.
    EXPECT_EQ(Count(log, "box 120 430 196 500 3 13 5"), 1);
    EXPECT_EQ(Count(log, "box 728 430 804 500 3 15 5"), 2);
    EXPECT_EQ(Count(log, "box 804 380"), 0);
    EXPECT_EQ(WaitsBefore(log, "box 196 430 272 500 3 15 5", 2), 18);
    EXPECT_EQ(WaitsBefore(log, "box 728 430 804 500 3 15 5", 2), 25);
    // The common solution x=3, y=6 in both tables at the next key.
    for (const char* cell : {"box 424 150 500 200 3 11 5", "box 424 200 500 250 3 11 5", "box 424 380 500 430 3 11 5",
                             "box 424 430 500 500 3 11 5"})
        EXPECT_EQ(WaitsBefore(log, cell), 26) << cell;
    EXPECT_EQ(CountGlyph(log, 44, 560, 5, "2"), 1);
    // Two keys later the second screen: the braced system in colour 3, both
    // rows from 40 right of the brace.
    EXPECT_EQ(WaitsBefore(log, "box 0 0 1320 1300 15 15 5"), 29);
    EXPECT_EQ(Count(log, "poly 3 5 211 145 199 148 199 "), 1);
    EXPECT_EQ(CountGlyph(log, 216, 190, 3, "3"), 1);
    EXPECT_EQ(CountGlyph(log, 44, 360, 0, "3"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 44 360 3 3 0"), 32);
}

TEST(KanovelLesson1Pages, SolutionCheckMarksEachEquation) {
    auto run = RunPage("kanovel", 1, 4, 12, 6);
    ExpectPageRun(run, 12);
    const auto& log = run.log;
    // "②" level with "①", 114 right of "2x+y=6"; each brace 38 right of its
    // number; both systems' rows 40 right of their brace.
    EXPECT_EQ(CountGlyph(log, 38, 90, 3, "①"), 1);
    EXPECT_EQ(Count(log, "poly 0 5 145 95 "), 1);
    EXPECT_EQ(CountGlyph(log, 150, 140, 0, "2"), 1);
    EXPECT_EQ(CountGlyph(log, 431, 90, 3, "②"), 1);
    EXPECT_EQ(Count(log, "poly 0 5 538 95 "), 1);
    EXPECT_EQ(CountGlyph(log, 543, 140, 0, "5"), 1);
    // Two columns of checks from the same row.
    EXPECT_EQ(CountGlyph(log, 38, 290, 7, "①"), 1);
    EXPECT_EQ(CountGlyph(log, 646, 290, 7, "②"), 1);
    EXPECT_EQ(CountGlyph(log, 38, 490, 5, "解"), 1);
    EXPECT_EQ(CountGlyph(log, 646, 540, 5, "解"), 1);
    EXPECT_EQ(CountInColour(log, 0, "○"), 3);
    EXPECT_EQ(CountInColour(log, 0, "×"), 1 + 4);  // the mark and the four products
    EXPECT_EQ(CountGlyph(log, 44, 570, 7, "教"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 44 570"), 12);
}

TEST_F(KanovelLesson1Measured, CandidatePairsSecondColumnStandsRightOfTheFirstHeading) {
    const float secondColumn = 38 + Width("ア x=6,y=-1 を代入すると") + 76;

    auto run = RunPage("kanovel", 1, 5, 1, 6);
    ExpectPageRun(run, 1);
    const auto& log = run.log;
    EXPECT_EQ(CountGlyph(log, 38, 130, 7, "ア"), 1);
    EXPECT_EQ(CountGlyph(log, 38, 380, 7, "イ"), 1);
    EXPECT_EQ(CountGlyph(log, secondColumn, 130, 7, "ウ"), 1);
    EXPECT_EQ(CountGlyph(log, secondColumn, 380, 7, "エ"), 1);
    // Marks: ア ○ ×, イ × ○, ウ ○ ○, エ × ×; every one after the one key.
    EXPECT_EQ(CountInColour(log, 3, "○"), 4);
    EXPECT_EQ(CountInColour(log, 3, "×"), 4);
    EXPECT_EQ(CountInColour(log, 5, "答"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 38 130"), 1);
}

TEST(KanovelLesson1Pages, TheShotPageLeavesThePenWidthAtFive) {
    // Lesson 1 page ①, then lesson 2: its goal screen clears with width 5.
    auto run = testing_support::RunProgram("kanovel", "1\r1\r" + Spaces(38) + "6\r2\r5\r8\r");
    EXPECT_TRUE(run.ended);
    // The menu's clear on leaving lesson 1, its clear on entering lesson 2,
    // lesson 2's goal screen, the menu again.
    EXPECT_EQ(Count(run.log, "box 0 0 1760 1800 15 15 5"), 4);
    EXPECT_EQ(Count(run.log, "box 0 0 1760 1800 15 15 3"), 2);  // the menu's before the page
}

}  // namespace
