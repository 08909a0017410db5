// The pages of the chapter problems A (lesson 5), driven from the main menu.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

testing_support::RunResult RunLesson5Page(int entry, int waits) { return RunPage("tirosam", 5, entry, waits, 6); }

TEST(ChapterAPages, EveryPageTakesItsKeysAndReturnsToTheSubmenuAtOnce) {
    // The number plates stand 44 right of the title plates.
    for (const PageFrame& page : {PageFrame{2, 2, 76, 516, 44}, PageFrame{3, 8, 40, 480, 44},
                                  PageFrame{4, 8, 108, 548, 44}, PageFrame{5, 7, 108, 548, 44}})
        ExpectPageFrame(5, page);
}

TEST(ChapterAPages, DrillSystemsShowTwoSystemsAScreen) {
    auto run = RunLesson5Page(2, 2);
    const auto log = PageLog(run);
    EXPECT_EQ(Count(log, "box 0 0 1760 1800 15 15"), 2 + 3);  // the menu's two, one a screen
    ExpectCellRows(log, {
                        // labels: left ones 50 below the plates, right ones level with them
                        {65, 80, 3, "1", 0}, {711, 30, 3, "2", 0},
                        {65, 80, 3, "3", 1}, {711, 30, 3, "4", 1},
                        {65, 80, 3, "5", 2}, {711, 30, 3, "6", 2},
                        // (1): the equations after the brace, result rows at resultX
                        {159, 80, 0, "3", 0}, {130, 330, 0, "4", 0},
                        {76, 430, 3, "x", 0}, {103, 580, 0, "y", 0},
                        // its answer 30 right of " y=-2", on the same row
                        {246, 580, 5, "答", 0},
                        // (2): rows of 60, the answer on a row of its own
                        {749, 490, 0, "y", 0}, {722, 600, 5, "答", 0},
                        // (3): the fraction row 65 down (6 clear of the key-wait
                        // plate), the answer on its row
                        {103, 595, 0, "x", 1},
                        // (4) and (5): substitutions
                        {938, 380, 0, "x", 1}, {722, 530, 5, "答", 1},
                        {76, 230, 0, "4", 2}, {76, 530, 5, "答", 2},
                        // (6)
                        {722, 430, 0, "1", 2}, {982, 600, 5, "2", 2},
                    });
    // The answer of (3) follows its row on the same line, after the two
    // trailing spaces of the row.
    const auto answers = GlyphXs(log, 595, "答", 300, 700);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(WaitsBefore(log, FindGlyph(log, answers[0], 595, 5, "答")), 1);

    // Braces at the end of each label, 100 high.
    EXPECT_EQ(Count(log, BracePoly(119, 80, 100)), 3);
    EXPECT_EQ(Count(log, BracePoly(765, 30, 100)), 3);
    // Only the subtractions (2) and (3) have a sign row: "+-   +   +" and
    // "+-   -    +", 25 above their lower rows.
    // Each mark stands over the lower row's sign of its term, or just
    // before the first glyph of a term without one.
    for (float x : {722.f, 857.f, 970.f}) EXPECT_EQ(Count(log, PlusMark(x, 205, 3)), 1) << x;
    EXPECT_EQ(Count(log, MinusMarkBefore(803, 205, 3)), 1);
    for (float x : {76.f, 351.f}) EXPECT_EQ(Count(log, PlusMark(x, 255, 3)), 1) << x;
    EXPECT_EQ(Count(log, MinusMarkBefore(130, 255, 3)), 1);
    EXPECT_EQ(Count(log, MinusMark(211, 255, 3)), 1);
    EXPECT_EQ(Count(log, PlusMark(76, 155, 3)) + Count(log, PlusMark(722, 105, 3)), 0);  // none for (1), (6)
}

// Screen n (from 1) of a page that clears the whole screen for each.
std::vector<std::string> Screen(const std::vector<std::string>& log, int n) {
    std::vector<size_t> clears;
    for (size_t i = 0; i < log.size(); ++i)
        if (StartsWith(log[i], "box 0 0 1760 1800 15 15")) clears.push_back(i);
    const size_t first = clears.size() - 3;  // the menu's clears come before
    const size_t from = clears[first + static_cast<size_t>(n) - 1];
    const size_t to = n < 3 ? clears[first + static_cast<size_t>(n)] : log.size();
    return {log.begin() + static_cast<long>(from), log.begin() + static_cast<long>(to)};
}

TEST(ChapterAPages, DrillSystemsLineUpTheirEqualSigns) {
    const auto all = PageLog(RunLesson5Page(2, 2));
    auto log = Screen(all, 1);
    // (1): the upper row, the lower row and both result rows.
    ExpectEqualsAligned(log, 76, 700, {230, 280, 330, 380});
    // (4): every row of the substitution under the first.
    log = Screen(all, 2);
    ExpectEqualsAligned(log, 722, 1e9f, {180, 230, 280, 330, 380});
    // (3): "12x+ 4y=-18" is padded to stand under "12x-21y=-18".
    ExpectEqualsAligned(log, 76, 700, {230, 280, 330, 380});
}

TEST(ChapterAPages, CoinSavingsSubtractsAndAnswersLeftOfItsColumn) {
    const auto log = PageLog(RunLesson5Page(3, 8));
    ExpectCellRows(log, {
                        {40, 80, 0, "5", 1}, {40, 130, 0, "入", 1}, {40, 180, 0, "4", 2},
                        {40, 230, 3, "x", 3}, {40, 280, 0, "1", 4}, {40, 330, 3, "5", 5},
                        {80, 380, 0, "x", 5}, {80, 430, 0, "5", 5},
                        {684, 30, 3, "①", 6}, {738, 80, 0, "1", 6}, {738, 130, 0, "5", 6},
                        {738, 180, 0, "4", 6}, {819, 230, 0, "x", 6},
                        {684, 280, 3, "x", 7}, {684, 330, 0, "1", 7}, {684, 380, 0, "y", 7},
                        {711, 430, 3, "x", 7}, {684, 480, 0, "こ", 8}, {456, 530, 5, "答", 8},
                    });
    EXPECT_EQ(Count(log, BracePoly(40, 380, 100)), 1);
    // The sign row "+-    -    -" at (684, 105).
    EXPECT_EQ(Count(log, PlusMark(684, 105, 3)), 1);
    for (float x : {738.f, 1013.f}) EXPECT_EQ(Count(log, MinusMarkBefore(x, 105, 3)), 1) << x;
    EXPECT_EQ(Count(log, MinusMark(846, 105, 3)), 1);
    // "-400x" starts 27 left of resultX; all four "=" line up.
    EXPECT_EQ(Count(log, MinusBar(711, 180, 0)), 1);
    ExpectEqualsAligned(log, 684, 1e9f, {80, 130, 180, 230});
}

TEST(ChapterAPages, AdmissionFeesSubstitutesWithOneKeyPerStep) {
    const auto log = PageLog(RunLesson5Page(4, 8));
    ExpectCellRows(log, {
                        {108, 80, 0, "お", 1}, {108, 130, 0, "中", 1}, {108, 180, 0, "大", 2},
                        {108, 230, 3, "x", 3}, {108, 280, 0, "大", 4}, {108, 330, 3, "4", 5},
                        {148, 380, 0, "x", 5}, {148, 430, 0, "4", 5},
                        {684, 80, 3, "①", 6}, {684, 130, 0, "4", 6}, {954, 330, 0, "y", 6},
                        {684, 380, 3, "y", 7}, {684, 430, 0, "x", 7}, {711, 480, 3, "x", 7},
                        {684, 530, 0, "こ", 8}, {456, 580, 5, "答", 8},
                    });
    EXPECT_EQ(Count(log, BracePoly(108, 380, 100)), 1);
    ExpectEqualsAligned(log, 684, 1e9f, {130, 180, 230, 280, 330});
}

// The dots of the dimension arcs between two log indices: filled circles
// of radius 0.5 in colour 3. None when either index was not found.
std::vector<std::pair<float, float>> Dots(const std::vector<std::string>& log, long from, long to) {
    std::vector<std::pair<float, float>> dots;
    for (long i = from; from >= 0 && i < to; ++i) {
        std::istringstream in(log[static_cast<size_t>(i)]);
        std::string kind;
        float x = 0, y = 0, r = 0, colour = 0;
        in >> kind >> x >> y >> r >> colour;
        if (kind == "circle" && r == 0.5f && colour == 3) dots.emplace_back(x, y);
    }
    return dots;
}

// The log index of the n-th key wait (from 1), or -1.
long NthWait(const std::vector<std::string>& log, int n) { return FindLine(log, kKeyWait, n - 1); }

TEST(ChapterAPages, TrianglePerimetersDrawTheFiguresOnTheGridWithoutItsLines) {
    const auto log = PageLog(RunLesson5Page(5, 7));
    // No grid line: the page draws no thin line and none in the grid's
    // heavy colour.
    for (const auto& l : log)
        if (StartsWith(l, "line ") && (l.substr(l.size() - 2) == " 1" || l.find(" 14 3") != std::string::npos))
            ADD_FAILURE() << l;
    // Figure 2's outline from its top (192, 220) to point 2 (72, 540), figure
    // 1's top at (392, 100), figure 3's top right corner (652, 380).
    EXPECT_EQ(Count(log, "line 192 220 72 540 0 5"), 1);
    EXPECT_EQ(Count(log, "line 392 100 332 260 0 5"), 1);
    EXPECT_EQ(Count(log, "line 532 380 592 540 0 5") + Count(log, "line 592 540 652 380 0 5"), 2);
    // The two plain lines of figure 3.
    EXPECT_EQ(Count(log, "line 412 380 472 540 0 5"), 1);
    EXPECT_EQ(Count(log, "line 472 540 592 540 0 5"), 1);
    ExpectCellRows(log, {
                        {112, 195, 0, "図", 0}, {332, 350, 0, "図", 0}, {312, 75, 0, "図", 0},
                        {760, 80, 0, "図", 1}, {760, 130, 0, "図", 1},
                        {760, 180, 0, "ア", 2}, {760, 230, 0, "イ", 2},
                        {760, 280, 7, "図", 3}, {760, 330, 7, "図", 5},
                        {800, 380, 0, "4", 7}, {800, 430, 0, "2", 7},
                    });
    // "4x+2y=16" one advance after "図2から ".
    EXPECT_EQ(WaitsBefore(log, FindGlyph(log, 760 + 34 + 27 + 34 + 34 + 27, 280, 3, "4")), 4);
    EXPECT_EQ(Count(log, BracePoly(760, 380, 100)), 1);
    // Dots: arcs 1-3 (steps 6, 8, 6), then 4-6 (3, 4, 5), then 7-10 (8, 4, 8, 5).
    EXPECT_EQ(Dots(log, NthWait(log, 2), NthWait(log, 3)).size(), 31u + 23 + 31);
    EXPECT_EQ(Dots(log, NthWait(log, 3), NthWait(log, 4)).size(), 61u + 46 + 37);
    const auto figure3 = Dots(log, NthWait(log, 5), NthWait(log, 6));
    EXPECT_EQ(figure3.size(), 23u + 46 + 23 + 37);
    // Arc 10 (the last 37 dots) stands above the top side of figure 3.
    for (size_t i = figure3.size() - 37; i < figure3.size(); ++i) EXPECT_LE(figure3[i].second, 380.5f);
}

TEST(ChapterAPages, TrianglePerimetersLookTheSameOnEveryVisit) {
    auto run = RunProgram("tirosam", "5\r5\r" + Spaces(7) + "5\r" + Spaces(7) + "5\r" + Spaces(7) + "6\r8\r");
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, "line 192 220 72 540 0 5"), 3);
    EXPECT_EQ(Count(run.log, "line 392 100 332 260 0 5"), 3);
}

}  // namespace
