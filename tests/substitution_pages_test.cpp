// The scripted pages of Kanovel's substitution lesson (lesson 4), driven
// from the main menu: each page is opened, all its key waits are taken,
// the sub-menu comes back and entry 7 leaves the lesson.
#include <algorithm>

#include "tests/test_support.h"

namespace {

using testing_support::RunProgram;
using testing_support::RunResult;

const char* const kKeyWait = "box 96 657 400 693 13 4";
const char* const kSubmenuStart = "text 16 666 1 1 0";

bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

int Count(const std::vector<std::string>& log, const std::string& prefix) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

// Where the glyph `glyph` of the renderer's font stands in the cell at
// (x, y) in `colour`: its line in the log, or -1. The renderer draws "="
// a size smaller, 4 into its cell.
int GlyphAt(const std::vector<std::string>& log, int x, int y, int colour, const std::string& glyph) {
    const bool equals = glyph == "=";
    const std::string head = "text " + std::to_string(equals ? x + 4 : x) + " " + std::to_string(y) + " ";
    const std::string tail =
        " " + std::to_string(colour) + " \"ゴシック\" " + (equals ? "14" : "16") + " 1 0 \"" + glyph + "\"";
    for (size_t i = 0; i < log.size(); ++i) {
        const std::string& l = log[i];
        if (StartsWith(l, head) && l.size() >= tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// The key waits shown before line `at`.
int WaitsBefore(const std::vector<std::string>& log, int at) {
    return static_cast<int>(std::count_if(log.begin(), log.begin() + at, [](const std::string& l) { return StartsWith(l, kKeyWait); }));
}

// The first line at or after `from` that starts with `prefix`, or -1.
int FindFrom(const std::vector<std::string>& log, int from, const std::string& prefix) {
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i < log.size(); ++i)
        if (StartsWith(log[i], prefix)) return static_cast<int>(i);
    return -1;
}

// A row of a page: its first glyph, and the key waits of the page before it.
struct Row {
    int x, y, colour;
    const char* glyph;
    int waits;
};

// Opens page `entry` of lesson 4, presses a key at each of `waits` waits,
// then leaves the lesson and the program.
RunResult RunPage(int entry, int waits) {
    return RunProgram("kanovel", "4\r" + std::to_string(entry) + "\r" + std::string(static_cast<size_t>(waits), ' ') +
                                     "7\r8\r");
}

// The page ran to its end and back to the sub-menu, drew each row after
// the stated number of its waits, and the sub-menu followed its last row
// without a further wait.
void ExpectPage(const RunResult& run, int waits, std::initializer_list<Row> rows) {
    ASSERT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kKeyWait), waits);
    int last = 0;
    for (const Row& r : rows) {
        const int at = GlyphAt(run.log, r.x, r.y, r.colour, r.glyph);
        ASSERT_GE(at, 0) << r.x << "," << r.y << " " << r.glyph;
        EXPECT_EQ(WaitsBefore(run.log, at), r.waits) << r.x << "," << r.y << " " << r.glyph;
        last = std::max(last, at);
    }
    const int submenu = FindFrom(run.log, last, kSubmenuStart);
    ASSERT_GE(submenu, 0);
    EXPECT_EQ(WaitsBefore(run.log, submenu), waits);
}

TEST(SubstitutionPages, PuzzlePageRevealsBothColumnsStepByStep) {
    auto run = RunPage(1, 16);
    ExpectPage(run, 16,
               {
                   {38, 30, 3, "り", 0},     {38, 130, 3, "そ", 0},     // the puzzle
                   {38, 200, 5, "●", 1},     {193, 200, 7, "●", 1},    // picture ①, a gap of 30
                   {393, 200, 0, "=", 1},    {38, 250, 5, "●", 2},     // ... and picture ②
                   {38, 335, 7, "●", 3},     {95, 385, 7, "●", 3},     // ③
                   {38, 470, 7, "●", 4},     {38, 555, 7, "●", 5},     // ④, ⑤
                   {38, 605, 5, "●", 6},                               // ⑥
                   {608, 30, 0, "り", 7},                              // the algebra column
                   {800, 80, 0, "2", 8},     {827, 130, 0, "=", 8},    // the braced system
                   {760, 280, 0, "4", 9},    {922, 380, 0, "9", 10},   // ③, ④
                   {949, 430, 0, "y", 11},   {787, 580, 0, "=", 12},   // ⑤, ⑥
                   {841, 330, 0, "4", 13},   {760, 230, 0, "2", 14},   // the rows between, upwards
                   {760, 180, 3, "②", 15},   {760, 480, 3, "y", 16},   // the caption, back-substitution
                   {787, 530, 0, "=", 16},
               });
    // The "=" of ③, the row under it, ④ and ⑤ stand in one column.
    for (int y : {280, 330, 380, 430}) EXPECT_GE(GlyphAt(run.log, 976, y, 0, "="), 0) << y;
    EXPECT_EQ(Count(run.log, "poly 0 5 795 85 "), 1);  // the brace at (760, 80)
    // Three broad arrows, each after the row above it and before its wait.
    const int waitsAtArrow[] = {3, 4, 5};
    int n = 0;
    for (int y : {300, 435, 520}) {
        const int arrow = FindFrom(run.log, 0, "text 38 " + std::to_string(y) + " 20 2 3 \"ゴシック\" 16 0 0 \"↓\"");
        ASSERT_GE(arrow, 0) << y;
        EXPECT_EQ(WaitsBefore(run.log, arrow) + 1, waitsAtArrow[n++]) << y;
    }
    // The page sets the pen width 5 and leaves it: the prompt bar is
    // cleared with it once the sub-menu has read the next choice.
    EXPECT_EQ(Count(run.log, "box 0 657 992 720 15 15 5"), 1);
}

TEST(SubstitutionPages, PuzzlePageOpenedTwiceDrawsTheSameScreen) {
    const std::string page(16, ' ');
    auto run = RunProgram("kanovel", "4\r1\r" + page + "1\r" + page + "7\r8\r");
    ASSERT_TRUE(run.ended);
    const int first = FindFrom(run.log, 0, "box 0 0 1600 1800 15 15");
    const int second = FindFrom(run.log, first + 1, "box 0 0 1600 1800 15 15");
    ASSERT_GT(second, first);
    auto texts = [&](int from) {
        std::vector<std::string> out;
        for (int i = from; i < static_cast<int>(run.log.size()) && !StartsWith(run.log[static_cast<size_t>(i)], kSubmenuStart); ++i)
            if (StartsWith(run.log[static_cast<size_t>(i)], "text ")) out.push_back(run.log[static_cast<size_t>(i)]);
        return out;
    };
    EXPECT_EQ(texts(first), texts(second));
    EXPECT_GT(texts(first).size(), 100u);
}

TEST(SubstitutionPages, ExplanationNotesFollowTheWorking) {
    auto run = RunPage(2, 14);
    ExpectPage(run, 14,
               {
                   {608, 30, 3, "解", 0},   {116, 30, 0, "2", 0},    {143, 80, 0, "=", 0},
                   {76, 130, 3, "②", 1},    {76, 180, 0, "2", 1},    {608, 90, 7, "(", 2},
                   {689, 90, 0, "式", 2},   {157, 230, 0, "4", 3},   {238, 280, 0, "4", 4},
                   {319, 330, 0, "9", 5},   {346, 380, 0, "y", 6},   {608, 150, 7, "(", 7},
                   {689, 150, 0, "y", 7},   {76, 430, 3, "y", 8},    {608, 210, 7, "(", 9},
                   {135, 480, 0, "2", 10},  {135, 530, 0, "1", 11},  {106, 580, 5, "答", 12},
                   {608, 270, 7, "(", 13},  {608, 330, 5, "代", 14}, {608, 380, 3, "一", 14},
                   {608, 430, 3, "1", 14},
               });
    // The "=" of the substituted equation and of the four rows after it
    // stand in one column at x 373.
    for (int y : {180, 230, 280, 330, 380}) EXPECT_GE(GlyphAt(run.log, 373, y, 0, "="), 0) << y;
    // The page leaves the pen width as it found it.
    EXPECT_EQ(Count(run.log, "box 0 657 992 720 15 15 5"), 0);
}

TEST(SubstitutionPages, Exercise5ReusesEachHalfOfTheScreen) {
    auto run = RunPage(4, 23);
    ExpectPage(run, 23,
               {
                   // (1) on the left
                   {38, 30, 7, "問", 0},    {152, 30, 3, "(", 0},    {273, 30, 0, "y", 0},
                   {327, 80, 0, "y", 0},    {190, 130, 3, "①", 1},   {244, 180, 0, "2", 2},
                   {244, 230, 0, "3", 3},   {298, 280, 0, "=", 3},   {303, 330, 3, "を", 3},
                   {190, 380, 0, "y", 4},   {190, 430, 0, "y", 5},   {190, 480, 5, "答", 5},
                   // (2) on the right, at once after (1)'s answer
                   {684, 30, 3, "(", 5},    {805, 30, 0, "2", 5},    {722, 130, 3, "②", 6},
                   {722, 180, 0, "2", 7},   {803, 230, 0, "8", 8},   {857, 280, 0, "8", 8},
                   {938, 330, 0, "5", 8},   {965, 380, 0, "y", 8},   {722, 430, 3, "y", 9},
                   {781, 480, 0, "4", 10},  {722, 580, 5, "答", 10},
                   // (3) on the erased left half
                   {179, 30, 3, "3", 12},   {273, 30, 0, "3", 12},   {190, 130, 3, "②", 13},
                   {190, 180, 0, "3", 14},  {244, 230, 0, "1", 15},  {406, 380, 0, "y", 15},
                   {190, 430, 3, "y", 16},  {249, 480, 0, "5", 17},  {190, 580, 5, "答", 17},
                   // (4) on the erased right half
                   {711, 30, 3, "4", 18},   {805, 30, 0, "y", 18},   {722, 130, 3, "①", 19},
                   {722, 180, 0, "7", 20},  {1046, 380, 0, "=", 21}, {835, 430, 3, "を", 22},
                   {722, 480, 0, "y", 23},  {842, 580, 5, "4", 23},
               });
    // The left half is erased after the two waits that follow (2)'s answer,
    // the right half after the one that follows (3)'s.
    const int left = FindFrom(run.log, 0, "box 0 0 684 1800 15 15");
    const int right = FindFrom(run.log, 0, "box 684 0 1368 1800 15 15");
    ASSERT_GE(left, 0);
    ASSERT_GE(right, 0);
    EXPECT_EQ(WaitsBefore(run.log, left), 12);
    EXPECT_EQ(WaitsBefore(run.log, right), 18);
    EXPECT_EQ(Count(run.log, "box 0 0 684 1800 15 15"), 1);
    EXPECT_EQ(Count(run.log, "box 684 0 1368 1800 15 15"), 1);
    // "問5" only in the left column, for (1) and (3); a brace after each label.
    EXPECT_EQ(Count(run.log, "text 38 30 "), 2);
    EXPECT_EQ(Count(run.log, "poly 0 5 268 35 "), 2);  // (1), (3): brace at x 233
    EXPECT_EQ(Count(run.log, "poly 0 5 800 35 "), 2);  // (2), (4): brace at x 765
}

TEST(SubstitutionPages, EqualValuesShowsBothMethodsAndTheConclusions) {
    auto run = RunPage(5, 10);
    ExpectPage(run, 10,
               {
                   {76, 30, 3, "次", 0},    {166, 80, 0, "y", 0},    {166, 130, 0, "y", 0},
                   {38, 80, 3, "(", 1},     {76, 180, 3, "①", 2},    {130, 230, 0, "y", 2},
                   {130, 280, 0, "y", 2},   {130, 330, 0, "0", 3},   {130, 380, 0, "6", 3},
                   {184, 430, 0, "=", 3},   {103, 480, 3, "=", 4},   {76, 530, 0, "y", 4},
                   {76, 580, 5, "答", 4},   {684, 30, 3, "(", 5},    {722, 80, 3, "①", 5},
                   {722, 130, 0, "4", 5},   {722, 180, 0, "4", 6},   {857, 280, 0, "=", 6},
                   {749, 330, 3, "=", 7},   {722, 430, 5, "答", 7},  {494, 480, 7, "○", 8},
                   {494, 530, 7, "○", 9},   {440, 600, 3, "教", 10},
               });
    // The brace stands right after the blank that keeps the label's place.
    EXPECT_EQ(Count(run.log, "poly 0 5 161 85 "), 1);
    // The column subtraction: operator, lower row, rule, and the three rows'
    // "=" one above the other.
    EXPECT_GE(GlyphAt(run.log, 103, 286, 0, ")"), 0);
    EXPECT_EQ(Count(run.log, "line 103 330 "), 1);
    for (int y : {230, 280, 330}) EXPECT_GE(GlyphAt(run.log, 157, y, 0, "="), 0) << y;
    // The marks of the reversed lower row, "+-  +  -" in colour 3 at y 255
    // (the renderer draws "+" and "-" as strokes, 22 and 20 into the cell).
    for (const char* mark : {"line 80 277 99 277 3 ", "line 107 275 126 275 3 ", "line 188 277 207 277 3 ",
                             "line 269 275 288 275 3 "})
        EXPECT_EQ(Count(run.log, mark), 1) << mark;
    // The substitution column's worked rows line up at x 857.
    for (int y : {180, 230, 280}) EXPECT_GE(GlyphAt(run.log, 857, y, 0, "="), 0) << y;
}

TEST(SubstitutionPages, Exercise6WaitsOnlyAfterEachExerciseAndSolvesTwoByElimination) {
    auto run = RunPage(6, 3);
    ExpectPage(run, 3,
               {
                   {38, 30, 7, "問", 0},    {273, 30, 0, "y", 0},    {273, 80, 0, "y", 0},
                   {190, 130, 3, "①", 0},   {298, 330, 0, "=", 0},   {190, 480, 5, "答", 0},
                   {684, 30, 3, "(", 1},    {748, 130, 3, "①", 1},   {179, 30, 3, "3", 2},
                   {327, 80, 0, "2", 2},    {190, 480, 0, "y", 2},   {190, 580, 5, "答", 2},
                   {711, 30, 3, "4", 3},    {805, 30, 0, "3", 3},    {722, 480, 0, "2", 3},
                   {842, 580, 5, "2", 3},
               });
    // (2): the solver's brace right after the label, and its whole working
    // down to its answer line in the right half before the one wait.
    EXPECT_EQ(Count(run.log, "poly 0 5 800 35 "), 2);  // the solver's and (4)'s
    const int label = GlyphAt(run.log, 684, 30, 3, "(");
    const int leftErase = FindFrom(run.log, 0, "box 0 0 684 1800 15 15");
    ASSERT_GT(leftErase, label);
    int answers = 0;
    for (int i = label; i < leftErase; ++i) {
        const std::string& l = run.log[static_cast<size_t>(i)];
        if (StartsWith(l, "text ") && l.find(" 5 \"ゴシック\" 16 1 0 \"答\"") != std::string::npos) {
            ++answers;
            EXPECT_GE(std::stoi(l.substr(5)), 684);
        }
    }
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(WaitsBefore(run.log, leftErase), 2);
    EXPECT_EQ(WaitsBefore(run.log, FindFrom(run.log, 0, "box 684 0 1368 1800 15 15")), 3);
}

}  // namespace
