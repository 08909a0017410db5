// Lesson 6's pages, P48 基本の問題, driven through the menus.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

// Lesson 6, one page with `keys` at its waits, back at the sub-menu, 4 and 8.
testing_support::RunResult RunLesson6Page(int entry, const std::string& keys) {
    auto run = RunProgram("kanovel", PageKeys(6, entry, keys, 4));
    SCOPED_TRACE(entry);
    ExpectPageRun(run, static_cast<int>(keys.size()));
    return run;
}

TEST(BasicProblems, CandidatePageWaitsOnceAfterItsPlatesAndAnswersU) {
    // A digit at the wait only advances the page.
    auto run = RunLesson6Page(1, "3");
    const Log& log = run.log;
    EXPECT_EQ(Count(log, kKeyWait), 1);
    const ChapterPlateLines plates = ChapterPlates(36, 30, 10);
    const long number = FindRun(log, {plates.number + " 3"});
    EXPECT_GE(FindRun(log, {plates.title + " 3"}), 0);
    ASSERT_GE(number, 0);
    const long first = FindRow(log, 7, 36, 80, "ア x=1,y=7 を代入すると");
    ASSERT_GT(first, number);
    EXPECT_EQ(WaitsBetween(log, number, first), 1);

    // The second column starts 76 right of where the ア heading ends, on its row.
    const float right = RowEnd(36, "ア x=1,y=7 を代入すると") + 76;
    ExpectTextRows(log, {
                            {0, 36, 130, " 3x-2y=3*1-2*7"},
                            {0, 36, 180, "=3-14="},
                            {7, 36, 330, "イ x=2,y=-1 を代入すると"},
                            {0, 36, 530, "="},
                            {7, right, 80, "ウ x=-1,y=4 を代入すると"},
                            {0, right, 380, " 3x-2y=3*2-2*1"},
                            {0, right, 530, "="},
                        });
    // Each mark follows its "=" row on the same row.
    const float afterEquals = RowEnd(36, "=3-14=");
    EXPECT_GE(FindRow(log, 3, afterEquals, 180, "-11 …○"), 0);
    const float lastMark = RowEnd(right, "=");
    EXPECT_GE(FindRow(log, 3, lastMark, 530, "3 …○"), 0);
    EXPECT_GE(FindRow(log, 5, RowEnd(lastMark, "3 …○") + 48, 530, "答　ウ"), 0);
}

TEST(BasicProblems, EliminationPageSolvesFourSystemsInThreeStages) {
    auto run = RunLesson6Page(2, "  ");
    const Log& log = run.log;
    EXPECT_EQ(Count(log, kKeyWait), 2);
    const ChapterPlateLines plates = ChapterPlates(76, 30, 44);
    EXPECT_EQ(Count(log, plates.title), 2);  // the plates, drawn again for (3)
    EXPECT_EQ(Count(log, plates.number), 2);

    const long label1 = FindRow(log, 3, 38, 88, "(1)");
    const long label2 = FindRow(log, 3, 684, 30, "(2)", label1);
    const long clearLeft = FindRun(log, {"box 0 0 684 1800 15 15 3"}, label2);
    const long label3 = FindRow(log, 3, 38, 88, "(3)", clearLeft);
    const long clearRight = FindRun(log, {"box 684 0 2444 1800 15 15 3"}, label3);
    const long label4 = FindRow(log, 3, 684, 30, "(4)", clearRight);
    for (long at : {label1, label2, clearLeft, label3, clearRight, label4}) ASSERT_GE(at, 0);
    EXPECT_EQ(WaitsBetween(log, label1, clearLeft), 1);
    EXPECT_EQ(WaitsBetween(log, clearLeft, clearRight), 1);
    EXPECT_EQ(WaitsBetween(log, clearRight, static_cast<long>(log.size())), 0);

    // Each braced system stands where its label ends.
    EXPECT_GE(FindRun(log, Brace(RowEnd(38, "(1)"), 88)), 0);
    EXPECT_GE(FindRun(log, Brace(RowEnd(684, "(2)"), 30)), 0);

    // The solver's own choice of multipliers, and every answer.
    for (const char* caption : {"①+②", "①*3-②", "①*2-②*5", "①*3+②*2"})
        EXPECT_TRUE(HasRowAnywhere(log, 3, "①", caption)) << caption;
    for (const char* answer : {"答 x=2,y=-3", "答 x=-1,y=-2", "答 x=1,y=-1", "答 x=-2,y=7"})
        EXPECT_TRUE(HasRowAnywhere(log, 5, "答", answer)) << answer;
    EXPECT_FALSE(HasRowAnywhere(log, 3, "解", "解けません"));
}

TEST(BasicProblems, SubstitutionPageIsDrawnWholeWithItsRowsLinedUp) {
    auto run = RunLesson6Page(3, "");
    const Log& log = run.log;
    EXPECT_EQ(Count(log, kKeyWait), 0);
    const ChapterPlateLines plates = ChapterPlates(108, 30, 44);
    EXPECT_GE(FindRun(log, {plates.title + " 3"}), 0);
    EXPECT_GE(FindRun(log, {plates.number + " 3"}), 0);
    EXPECT_GE(FindRun(log, Brace(151, 80)), 0);
    EXPECT_GE(FindRun(log, Brace(765, 30)), 0);
    ExpectTextRows(log, {
                            {3, 70, 80, "(1)"},
                            {0, 191, 130, "3x+y=14…②"},
                            {0, 108, 280, "  3x+x=14+2"},
                            {0, 108, 380, "     x=4"},
                            {5, 108, 530, "答 x=4,y=2"},
                            {3, 684, 30, "(2)"},
                            {0, 805, 30, "-5x+y=9…①"},
                            {0, 805, 80, "x=3y+1…②"},
                            {0, 722, 230, "  -15y-5+y=9"},
                            {0, 722, 380, "         y=-1"},
                            {5, 722, 580, "答 x=-2,y=-1"},
                        });
}

}  // namespace
