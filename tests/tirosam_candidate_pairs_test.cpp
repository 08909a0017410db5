// Lesson 5, page ①: three candidate pairs checked against 3x+4y=16,
// x-2y=2.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

TEST(CandidatePairsPage, PlatesThenOneKeyBringsEveryCheckAndTheAnswer) {
    const auto run = RunPage("tirosam", 5, 1, 1, 6);
    ExpectPageRun(run, 1);
    const Log& log = run.log;
    // The plates in the pen width the program started with.
    const ChapterPlateLines plates = ChapterPlates(36, 30, 10);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, plates.title + " 3")), 0);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, plates.number + " 3")), 0);
    ExpectRows(log, {
        {36, 80, 7, "ア", 1}, {36, 330, 7, "イ", 1}, {40, 530, 0, "=", 1},
        // ウ 76 right of the end of ア's heading, level with it
        {630, 80, 7, "ウ", 1}, {634, 180, 0, "=", 1}, {634, 280, 0, "=", 1},
        {945, 280, 5, "答", 1},
    });

    // Every verdict agrees with the candidate: ○ where the left side comes
    // to the right side, × elsewhere.
    struct Check {
        float x, y;  // the result row
        int value;   // what the row works out
        int target;  // the right side
    } checks[] = {
        {36, 180, 3 * 8 + 4 * -2, 16}, {36, 280, 8 - 2 * -2, 2}, {36, 430, 3 * 2 + 4 * 0, 16},
        {36, 530, 2 - 2 * 0, 2},       {630, 180, 3 * 4 + 4 * 1, 16}, {630, 280, 4 - 2 * 1, 2},
    };
    for (const Check& c : checks) {
        const std::string row = RowText(log, c.y, c.x, c.x + 300, FindLine(log, "box 0 0 1760 1800", 2), FindLine(log, "key \"6\""));
        const std::string verdict = c.value == c.target ? "○" : "×";
        const std::string tail = std::to_string(c.value) + "…" + verdict;
        ASSERT_GE(row.size(), tail.size()) << row;
        EXPECT_EQ(row.substr(row.size() - tail.size()), tail) << row;
    }
}

}  // namespace
