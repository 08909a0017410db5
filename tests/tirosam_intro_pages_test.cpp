// The pages of Tirosam's lesson 1, driven through the menus: each row's
// place, colour and the key waits before it.
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

const char* const kIntroSubmenu = "text 16 666 1 1 0 \"ゴシック\" 16 1 0 \"①\"";

// Runs page `entry` of lesson 1 with `waits` key presses, then leaves by
// the sub-menu's last entry and the main menu's 8.
testing_support::RunResult RunIntroPage(int entry, int waits) {
    auto run = RunPage("tirosam", 1, entry, waits, 4);
    SCOPED_TRACE(entry);
    ExpectPageRun(run, waits);
    EXPECT_EQ(Count(run.log, kIntroSubmenu), 2);  // lesson 1's, before the page and after it
    return run;
}

TEST(TirosamIntroPages, CakesAndPuddingsRevealsTwoColumns) {
    auto run = RunIntroPage(1, 17);
    EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 1);
    ExpectRows(run.log, {
                            {36, 15, 3, "1", 0},    {36, 65, 3, "代", 0},    {36, 135, 7, "<", 0},
                            {36, 185, 0, "ケ", 1},  {36, 235, 0, "3", 2},    {36, 285, 0, "代", 2},
                            {36, 335, 0, "3", 3},   {36, 385, 0, "ケ", 4},   {36, 435, 0, "か", 4},
                            {36, 485, 0, "3", 5},   {36, 535, 0, "プ", 6},   {36, 585, 5, "答", 7},
                            {570, 135, 3, "<", 8},  {570, 185, 0, "ケ", 9},  {570, 235, 0, "(", 10},
                            {570, 285, 0, "3", 11}, {570, 335, 0, "3", 12},  {705, 385, 0, "3", 13},
                            {840, 435, 0, "1", 14}, {980, 485, 0, "7", 15},  {570, 535, 0, "プ", 16},
                            {570, 595, 5, "答", 17},
                        });
    // The equals signs of the five equation rows stand under one another
    // (an "=" is drawn 4 right of the pen).
    for (float y : {285.f, 335.f, 385.f, 435.f, 485.f}) EXPECT_GE(FindGlyph(run.log, 952, y, 0, "="), 0) << y;
}

TEST(TirosamIntroPages, FourStepProcedureFillsTheTableAndSolves) {
    auto run = RunIntroPage(2, 35);
    EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 2);  // the working and the summary screen
    // The empty table: the corner in 14, headers and labels in 13, the
    // nine value cells in 15; then the eight values, each a whole new cell.
    EXPECT_EQ(Count(run.log, "box 44 240 310 290 3 14"), 1);
    for (const char* cell : {"box 310 240 462 290 3 13", "box 462 240 614 290 3 13", "box 614 240 766 290 3 13",
                             "box 44 290 310 340 3 13", "box 44 340 310 390 3 13", "box 44 390 310 440 3 13"})
        EXPECT_EQ(Count(run.log, cell), 1) << cell;
    struct Value {
        const char* box;
        int waitsBefore;  // of the revealed cell; 0: the "／" never changes
    } values[] = {
        {"box 310 290 462 340 3 15", 4},  {"box 462 290 614 340 3 15", 5}, {"box 614 290 766 340 3 15", 0},
        {"box 310 340 462 390 3 15", 6},  {"box 462 340 614 390 3 15", 7}, {"box 614 340 766 390 3 15", 8},
        {"box 310 390 462 440 3 15", 9},  {"box 462 390 614 440 3 15", 10}, {"box 614 390 766 440 3 15", 11},
    };
    for (const Value& v : values) {
        EXPECT_EQ(Count(run.log, v.box), v.waitsBefore ? 2 : 1) << v.box;
        EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, v.box)), 2) << v.box;  // the empty table
        if (v.waitsBefore) {
            EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, v.box, 1)), v.waitsBefore) << v.box;
        }
    }
    EXPECT_EQ(RowText(run.log, 293, 614, 766), "／");

    ExpectRows(run.log, {
                            // the working screen
                            {44, 30, 3, "連", 0},    {44, 80, 5, "<", 1},     {44, 130, 0, "ケ", 1},
                            {44, 180, 5, "<", 2},    {44, 450, 0, "個", 12},  {429, 450, 0, "1", 13},
                            {44, 510, 0, "代", 14},  {316, 510, 0, "3", 15},  {760, 30, 5, "<", 16},
                            {913, 80, 0, "1", 16},   {800, 130, 0, "3", 16},  {798, 180, 3, "①", 17},
                            {852, 230, 0, "2", 18},  {825, 286, 0, ")", 18},
                            {852, 330, 0, "1", 19},  {1127, 380, 0, "7", 20}, {911, 430, 3, "を", 21},
                            {798, 480, 0, "7", 22},  {798, 530, 0, "y", 23},  {938, 580, 3, "y", 24},
                            // the summary screen
                            {44, 30, 3, "連", 26, 1},   {44, 230, 0, "個", 26},  {429, 230, 0, "1", 26},
                            {44, 330, 5, "<", 26},   {84, 430, 0, "3", 26},   {184, 480, 3, "y", 26},
                            {44, 530, 5, "<", 27},   {722, 80, 0, "ケ", 28},  {760, 130, 0, "7", 29},
                            {779, 180, 0, "代", 30}, {787, 230, 0, "3", 31},  {792, 280, 0, "2", 32},
                            {760, 330, 0, "こ", 33}, {760, 380, 5, "答", 34}, {688, 460, 7, "合", 35},
                        });
    // The braces of both screens, and the column subtraction's equals
    // signs under one another.
    EXPECT_EQ(Count(run.log, "poly 0 5 795 85 "), 1);
    EXPECT_EQ(Count(run.log, "poly 0 5 79 385 "), 1);
    for (float y : {230.f, 280.f, 330.f, 380.f}) EXPECT_GE(FindGlyph(run.log, 1099, y, 0, "="), 0) << y;
    // The sign row: "+" over the operator, "-" for each term of the lower
    // row, after the subtraction and before its result.
    for (const std::string& bar : {PlusMark(798, 255, 3), MinusMarkBefore(852, 255, 3), MinusMark(960, 255, 3),
                                   MinusMarkBefore(1127, 255, 3)})
        EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, bar)), 18) << bar;
}

TEST(TirosamIntroPages, UnsuitableSolutionEndsWithoutAnAnswerThatFits) {
    auto run = RunIntroPage(3, 14);
    ExpectRows(run.log, {
                            {44, 30, 3, "合", 0},   {44, 80, 0, "ケ", 0},   {44, 140, 0, "個", 1},
                            {429, 140, 0, "1", 2},  {44, 200, 0, "代", 3},  {316, 200, 0, "3", 4},
                            {197, 250, 0, "1", 5},  {84, 300, 0, "3", 5},   {44, 350, 3, "①", 6},
                            {98, 400, 0, "2", 7},   {98, 500, 0, "1", 8},
                            {373, 550, 0, "4", 9},  {908, 80, 3, "を", 10}, {760, 130, 0, "4", 11},
                            {760, 180, 0, "y", 12}, {935, 230, 3, "y", 13}, {760, 280, 0, "こ", 14},
                            {760, 330, 5, "答", 14}, {836, 380, 5, "買", 14},
                        });
    EXPECT_EQ(Count(run.log, "poly 0 5 79 255 "), 1);
    EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, "poly 0 5 79 255 ")), 5);
    for (float y : {400.f, 450.f, 500.f, 550.f}) EXPECT_GE(FindGlyph(run.log, 345, y, 0, "="), 0) << y;
    for (const std::string& bar :
         {PlusMark(44, 425, 3), MinusMarkBefore(98, 425, 3), MinusMark(206, 425, 3), MinusMarkBefore(373, 425, 3)})
        EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, bar)), 7) << bar;
}

TEST(TirosamIntroPages, ChoosingAPageAgainStartsItAfresh) {
    auto run = RunProgram("tirosam", "1\r3\r" + Spaces(14) + "3\r" + Spaces(14) + "4\r8\r");
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 2);
    EXPECT_EQ(Count(run.log, kKeyWait), 28);
}

}  // namespace
