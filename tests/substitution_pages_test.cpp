// The scripted pages of Kanovel's substitution lesson (lesson 4), driven
// from the main menu: each page is opened, all its key waits are taken,
// the sub-menu comes back and entry 7 leaves the lesson.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// Opens page `entry` of lesson 4, presses a key at each of `waits` waits,
// then leaves the lesson by entry 7 and the program by 8.
RunResult RunLesson4Page(int entry, int waits) { return RunPage("kanovel", 4, entry, waits, 7); }

// The page ran to its end and back to the sub-menu, and drew each row, its
// first glyph in the renderer's plain font at its cell, after the stated
// number of its waits and before the sub-menu came back.
void ExpectPage(const RunResult& run, int waits, std::initializer_list<Row> rows) {
    ExpectPageRun(run, waits);
    const long submenu = FindLine(run.log, kSubmenuStart, 1);
    ASSERT_GE(submenu, 0);
    for (const Row& r : rows) {
        const long at = FindPlainGlyph(run.log, r.x, r.y, r.colour, r.glyph);
        EXPECT_GE(at, 0) << r.x << "," << r.y << " " << r.glyph;
        EXPECT_LT(at, submenu) << r.x << "," << r.y << " " << r.glyph;
        EXPECT_EQ(WaitsBefore(run.log, at), r.waitsBefore) << r.x << "," << r.y << " " << r.glyph;
    }
}

// Each table lists the first row drawn after each key wait (the key rows)
// and the page's last row.

TEST(SubstitutionPages, PuzzlePageRevealsBothColumnsStepByStep) {
    auto run = RunLesson4Page(1, 16);
    ExpectPage(run, 16,
               {
                   {38, 30, 3, "り", 0},    {38, 200, 5, "●", 1},    {393, 200, 0, "=", 1},  // picture ①, gaps of 30
                   {38, 250, 5, "●", 2},    {95, 385, 7, "●", 3},    {38, 470, 7, "●", 4},
                   {38, 555, 7, "●", 5},    {38, 605, 5, "●", 6},    {608, 30, 0, "り", 7},
                   {800, 80, 0, "2", 8},    {827, 130, 0, "=", 8},   {760, 280, 0, "4", 9},
                   {976, 380, 0, "=", 10},  {976, 430, 0, "=", 11},  {787, 580, 0, "=", 12},
                   {976, 330, 0, "=", 13},  {760, 230, 0, "2", 14},  {760, 180, 3, "②", 15},
                   {760, 480, 3, "y", 16},  {787, 530, 0, "=", 16},
               });
    EXPECT_EQ(Count(run.log, "poly 0 5 795 85 "), 1);  // the brace at (760, 80)
    // Three broad arrows, each drawn with the row above it before a wait.
    int n = 0;
    for (int y : {300, 435, 520}) {
        const long arrow = FindLine(run.log, "text 38 " + std::to_string(y) + " 20 2 3 \"ゴシック\" 16 0 0 \"↓\"");
        ASSERT_GE(arrow, 0) << y;
        EXPECT_EQ(WaitsBefore(run.log, arrow), 2 + n++) << y;
    }
    // The page leaves the pen width 5: the prompt bar is cleared with it
    // once the sub-menu has read the next choice.
    EXPECT_EQ(Count(run.log, kPromptBarErased + " 5"), 1);
}

TEST(SubstitutionPages, ExplanationNotesFollowTheWorking) {
    auto run = RunLesson4Page(2, 14);
    ExpectPage(run, 14,
               {
                   {608, 30, 3, "解", 0},   {143, 80, 0, "=", 0},    {76, 130, 3, "②", 1},
                   {608, 90, 7, "(", 2},    {689, 90, 0, "式", 2},   {373, 230, 0, "=", 3},
                   {373, 280, 0, "=", 4},   {373, 330, 0, "=", 5},   {373, 380, 0, "=", 6},
                   {608, 150, 7, "(", 7},   {76, 430, 3, "y", 8},    {608, 210, 7, "(", 9},
                   {135, 480, 0, "2", 10},  {135, 530, 0, "1", 11},  {106, 580, 5, "答", 12},
                   {608, 270, 7, "(", 13},  {608, 330, 5, "代", 14}, {608, 430, 3, "1", 14},
               });
    EXPECT_EQ(Count(run.log, kPromptBarErased + " 5"), 0);  // the pen width as it was
}

TEST(SubstitutionPages, Exercise5ReusesEachHalfOfTheScreen) {
    auto run = RunLesson4Page(4, 23);
    ExpectPage(run, 23,
               {
                   {38, 30, 7, "問", 0},    {327, 80, 0, "y", 0},    {190, 130, 3, "①", 1},
                   {244, 180, 0, "2", 2},   {303, 330, 3, "を", 3},  {190, 380, 0, "y", 4},
                   {190, 480, 5, "答", 5},  {684, 30, 3, "(", 5},    {805, 30, 0, "2", 5},
                   {722, 130, 3, "②", 6},   {722, 180, 0, "2", 7},   {965, 380, 0, "y", 8},
                   {722, 430, 3, "y", 9},   {781, 480, 0, "4", 10},  {722, 580, 5, "答", 10},
                   {179, 30, 3, "3", 12},   {190, 130, 3, "②", 13},  {190, 180, 0, "3", 14},
                   {406, 380, 0, "y", 15},  {190, 430, 3, "y", 16},  {190, 580, 5, "答", 17},
                   {711, 30, 3, "4", 18},   {722, 130, 3, "①", 19},  {722, 180, 0, "7", 20},
                   {1046, 380, 0, "=", 21}, {835, 430, 3, "を", 22}, {722, 480, 0, "y", 23},
                   {842, 580, 5, "4", 23},
               });
    // The left half is erased after the two waits that follow (2)'s answer,
    // the right half after the one that follows (3)'s; "問5" stands only
    // in the left column, and a brace follows each label.
    EXPECT_EQ(WaitsBefore(run.log, "box 0 0 684 1800 15 15"), 12);
    EXPECT_EQ(WaitsBefore(run.log, "box 684 0 1368 1800 15 15"), 18);
    EXPECT_EQ(Count(run.log, "text 38 30 "), 2);
    EXPECT_EQ(Count(run.log, "poly 0 5 268 35 "), 2);  // (1), (3): brace at x 233
    EXPECT_EQ(Count(run.log, "poly 0 5 800 35 "), 2);  // (2), (4): brace at x 765
}

TEST(SubstitutionPages, EqualValuesShowsBothMethodsAndTheConclusions) {
    auto run = RunLesson4Page(5, 10);
    ExpectPage(run, 10,
               {
                   {76, 30, 3, "次", 0},    {166, 130, 0, "y", 0},   {38, 80, 3, "(", 1},
                   {76, 180, 3, "①", 2},    {157, 280, 0, "=", 2},   {157, 330, 0, "=", 3},
                   {103, 480, 3, "=", 4},   {76, 580, 5, "答", 4},   {684, 30, 3, "(", 5},
                   {722, 130, 0, "4", 5},   {857, 180, 0, "=", 6},   {857, 280, 0, "=", 6},
                   {749, 330, 3, "=", 7},   {722, 430, 5, "答", 7},  {494, 480, 7, "○", 8},
                   {494, 530, 7, "○", 9},   {440, 600, 3, "教", 10},
               });
    // The brace right after the blank that keeps the label's place; the
    // column subtraction's operator and rule; the marks "+-  +  -" of the
    // reversed lower row in colour 3 (the renderer strokes "+" and "-").
    EXPECT_EQ(Count(run.log, "poly 0 5 161 85 "), 1);
    EXPECT_GE(FindPlainGlyph(run.log, 103, 286, 0, ")"), 0);
    EXPECT_EQ(Count(run.log, "line 103 330 "), 1);
    for (const std::string& mark :
         {PlusMark(76, 255, 3), MinusMarkBefore(130, 255, 3), PlusMark(189, 255, 3), MinusMark(270, 255, 3)})
        EXPECT_EQ(Count(run.log, mark), 1) << mark;
}

TEST(SubstitutionPages, Exercise6WaitsOnlyAfterEachExerciseAndSolvesTwoByElimination) {
    auto run = RunLesson4Page(6, 3);
    ExpectPage(run, 3,
               {
                   {38, 30, 7, "問", 0},    {298, 330, 0, "=", 0},   {190, 480, 5, "答", 0},
                   {684, 30, 3, "(", 1},    {748, 130, 3, "①", 1},   {179, 30, 3, "3", 2},
                   {190, 580, 5, "答", 2},  {711, 30, 3, "4", 3},    {842, 580, 5, "2", 3},
               });
    // (2): the solver's brace right after the label, and one answer line of
    // its own in the right half before the wait.
    EXPECT_EQ(Count(run.log, "poly 0 5 800 35 "), 2);  // the solver's and (4)'s
    const long label = FindPlainGlyph(run.log, 684, 30, 3, "(");
    const long leftErase = FindLine(run.log, "box 0 0 684 1800 15 15");
    const long answer = FindLine(run.log, "text 827 550 2 3 5 \"ゴシック\" 16 1 0 \"答\"", 0, label);
    EXPECT_GT(answer, label);
    EXPECT_LT(answer, leftErase);
    EXPECT_EQ(WaitsBefore(run.log, leftErase), 2);
    EXPECT_EQ(WaitsBefore(run.log, "box 684 0 1368 1800 15 15"), 3);
}

}  // namespace
