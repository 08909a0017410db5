// Lesson 3's pages: one pass of the speed example and its closing hint,
// question 2 (walking and running) and question 3 (the expressway).
#include <numeric>

#include "lessons/tirosam/line_diagram.h"
#include "runtime/coefficient_text.h"
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// The numbers of one speed example as the page's generator leaves them:
// a, b in m a minute, the minutes walked and run.
struct SpeedExample {
    float walk, run, walkMinutes, runMinutes;
    float lcm() const { return static_cast<float>(std::lcm(static_cast<int>(walk), static_cast<int>(run))); }
};

void SetSpeedExample(runtime::Runtime& rt, const SpeedExample& e) {
    const float minutes = e.walkMinutes + e.runMinutes;
    const float distance = e.walk * e.walkMinutes + e.run * e.runMinutes;
    const float lcm = e.lcm();
    const float values[] = {e.walk, e.run, e.walkMinutes, e.runMinutes, minutes, distance,
                            lcm,    lcm / e.walk, lcm / e.run, lcm * minutes};
    for (int i = 1; i <= 10; ++i) rt.workNum(i) = values[i - 1];
    const float system[] = {1, 1, lcm / e.walk, lcm / e.run};
    for (int i = 1; i <= 4; ++i) rt.solverCoef(i) = system[i - 1];
    rt.solverConst(1) = distance;
    rt.solverConst(2) = lcm * minutes;
    rt.MakeValueTexts();
    for (int i = 8; i <= 9; ++i) runtime::WriteCoefficient(rt, i, runtime::CoefficientForm::OneOmitted);
}

// A pass as the page's entry starts it: panes set, pen width 5.
void StartSpeedPage(PageRun& run) {
    run.lessons.exampleColumnX = 680;
    run.lessons.setupColumnX = 40;
    run.rt.leftMargin = 40;
    run.rt.cursorY = 30;
    run.rt.SetDrawWidth(5);
}

// The first glyph `glyph` in `colour` at x from log index `from` on.
long FindAtX(const Log& log, float x, int colour, const std::string& glyph, long from, float* y) {
    for (const Glyph& g : Glyphs(log))
        if (g.line >= from && g.x == x && g.colour == colour && g.text == glyph) {
            *y = g.y;
            return g.line;
        }
    return -1;
}

TEST(SpeedExamplePage, OnePassRevealsProblemDiagramTableSetUpAndSolution) {
    const SpeedExample e{60, 90, 9, 8};  // 1260 m in 17 minutes; L = 180, ③ 3x+2y=3060
    const int passWaits = 32 + kSolverWaits;  // the solver works ① and ③ with its usual waits

    // One key short, the pass is still waiting; with all its keys it returns.
    {
        PageRun shortRun(Spaces(passWaits - 1));
        StartSpeedPage(shortRun);
        SetSpeedExample(shortRun.rt, e);
        EXPECT_FALSE(shortRun.Run([&] { shortRun.lessons.DrawSpeedExample(); }));
    }
    PageRun run(Spaces(passWaits));
    StartSpeedPage(run);
    SetSpeedExample(run.rt, e);
    ASSERT_TRUE(run.Run([&] { run.lessons.DrawSpeedExample(); }));
    const Log& log = run.log();
    EXPECT_EQ(Count(log, kKeyWait), passWaits);
    EXPECT_EQ(Count(log, "error"), 0);

    // The right-hand pane goes first; the left-hand one only after a key.
    EXPECT_EQ(log.front(), "box 680 0 2280 1800 15 15 5");
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 680 1800 15 15")), 1);

    ExpectRows(log, {
        // problem
        {680, 30, 3, "例", 0}, {680, 80, 0, "1", 0}, {680, 130, 0, "は", 0},
        {680, 180, 0, "分", 0}, {680, 230, 0, "1", 0}, {680, 280, 0, "走", 0},
        // diagram texts
        {40, 80, 0, "1", 2}, {36, 206, 0, "家", 2}, {578, 206, 0, "駅", 2},
        {103, 231, 0, "毎", 3}, {304, 231, 3, "毎", 4}, {392, 60, 0, "1", 5},
        // set-up revealed on the right: rows 1 and 2 together, then one a key
        {680, 30, 7, "歩", 22}, {680, 80, 7, "走", 22}, {680, 130, 0, "道", 23},
        {680, 230, 0, "時", 25}, {680, 340, 0, "②", 27}, {680, 390, 0, "1", 28},
        {680, 460, 3, "3", 29},
        // copied to the left at once, beside the solver's "式"
        {40, 30, 7, "歩", 30}, {40, 340, 0, "②", 30}, {40, 460, 3, "3", 30},
        {680, 30, 3, "式", 30},
    });
    const long copied = FindLine(log, "box 40 0 680 1800 15 15");
    EXPECT_EQ(RowText(log, 80, 680, 1344, 0, copied).substr(0, 4), "1260");
    EXPECT_EQ(RowText(log, 460, 680, 1344, 0, copied), "32y=3060…③");
    EXPECT_EQ(RowText(log, 390, 680, 1344, 0, copied).substr(0, 3), "180");

    // The line P1-P3 in 0, the running part again in 3 behind the dot at P2.
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "line 76 230 570 230 0 5")), 2);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "circle 266 230 6 0 0 0 0 5")), 4);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "line 266 230 570 230 3 5")), 4);
    // Arc dots: A and D every 3 degrees, B and C every 5 in 0; E to H every
    // 5 in 7 (G and H over E and F again).
    EXPECT_EQ(Count(log, "circle ") - Count(log, "circle 266 230 6"), 2 * 61 + 2 * 37 + 4 * 37);
    int grey = 0;
    for (const std::string& l : log)
        if (l.rfind("circle ", 0) == 0 && l.find(" 0.5 7 ") != std::string::npos) ++grey;
    EXPECT_EQ(grey, 4 * 37);

    // The table: empty cells after 11 keys, each value after its own key.
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 40 400 268 450 3 13 5")), 11);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 268 450 382 500 3 15 5", 1)), 13);  // x
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 496 500 610 550 3 15 5", 1)), 18);  // ／
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 496 550 610 620 3 15 5", 1)), 21);  // T
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 680 0 3200 1800 15 15")), 22);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 40 0 680 1800 15 15")), 30);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 680 0 2000 1300 15 15")), 30);

    // After the solver, one key; the check on its last row; one key; the
    // answer in the left-hand pane, its second line 50 below the first.
    float checkY = 0, answerY = 0, secondY = 0;
    const long check = FindAtX(log, 680, 0, "こ", FindGlyph(log, 680, 30, 3, "式"), &checkY);
    const long answer = FindAtX(log, 40, 5, "答", check, &answerY);
    const long second = FindAtX(log, 116, 5, "走", answer, &secondY);
    ASSERT_GE(check, 0);
    ASSERT_GE(second, 0);
    EXPECT_EQ(WaitsBefore(log, check), 31 + kSolverWaits);
    EXPECT_EQ(WaitsBetween(log, check, answer), 1);
    EXPECT_EQ(answerY, checkY - 20);
    EXPECT_EQ(secondY, answerY + 50);
    EXPECT_EQ(RowText(log, answerY, 40, 680, answer), "答　歩いた道のり540m");
    EXPECT_EQ(RowText(log, secondY, 116, 680, second), "走った道のり720m");
    EXPECT_EQ(run.rt.solverContinue, 0);
    EXPECT_EQ(run.rt.answerHidden, 0);
}

TEST(SpeedExamplePage, EverySpeedPairIsWorkedToItsAnswer) {
    // The eleven pairs of speeds with the fewest and the most minutes: ③
    // writes no coefficient 1, and the answer is a·(minutes walked) and
    // b·(minutes run).
    const float pairs[][2] = {{40, 80}, {40, 90}, {40, 100}, {50, 80},  {50, 90}, {50, 100},
                              {60, 80}, {60, 90}, {60, 100}, {70, 90}, {70, 100}};
    for (const auto& pair : pairs) {
        for (const auto& minutes : {std::pair<float, float>{8, 6}, {11, 9}}) {
            const SpeedExample e{pair[0], pair[1], minutes.first, minutes.second};
            PageRun run(Spaces(80));
            StartSpeedPage(run);
            SetSpeedExample(run.rt, e);
            ASSERT_TRUE(run.Run([&] { run.lessons.DrawSpeedExample(); })) << e.walk << " " << e.run;
            const Log& log = run.log();
            const std::string walked = std::to_string(static_cast<int>(e.walk * e.walkMinutes));
            const std::string ran = std::to_string(static_cast<int>(e.run * e.runMinutes));
            float y = 0;
            const long answer = FindAtX(log, 40, 5, "答", 0, &y);
            ASSERT_GE(answer, 0);
            EXPECT_EQ(RowText(log, y, 40, 680, answer), "答　歩いた道のり" + walked + "m") << e.walk << " " << e.run;
            EXPECT_EQ(RowText(log, y + 50, 116, 680, answer), "走った道のり" + ran + "m");
            // ③ with its coefficients (the letter x and the "+" are not
            // glyphs of the row); a coefficient 1 is not written.
            const int walkCoef = static_cast<int>(e.lcm() / e.walk), runCoef = static_cast<int>(e.lcm() / e.run);
            const std::string cleared = std::to_string(static_cast<int>(e.lcm() * (e.walkMinutes + e.runMinutes)));
            EXPECT_EQ(RowText(log, 460, 680, 1344, 0, FindLine(log, "box 40 0 680 1800 15 15")),
                      std::to_string(walkCoef) + (runCoef == 1 ? "" : std::to_string(runCoef)) + "y=" + cleared + "…③");
        }
    }
}

TEST(SpeedExamplePage, TheHintStandsRightOfTheSecondAnswerLine) {
    PageRun run("");
    run.rt.cursorX = 420;
    run.rt.cursorY = 580;
    ASSERT_TRUE(run.Run([&] { run.lessons.ShowSpeedExerciseHint(); }));
    ExpectRows(run.log(), {{450, 595, 3, "教", 0}});
    EXPECT_EQ(Count(run.log(), kKeyWait), 0);
}

TEST(LineDiagram, ArcLabelsMoveByTheirNudgeAndTheNudgeIsSpent) {
    PageRun plain(""), nudged("");
    for (PageRun* run : {&plain, &nudged}) {
        tirosam::LineDiagram diagram(run->rt, run->lessons.pointX, run->lessons.pointY);
        diagram.place(76, 230, 190, 304);
        EXPECT_EQ(run->lessons.pointX(3), 570);
        diagram.arc(2, 3, 1, 60, 5, 7, 5, "ym", run == &nudged ? 40 : 0);
        EXPECT_EQ(run->rt.labelNudgeX, 0);
    }
    const auto a = Glyphs(plain.log()), b = Glyphs(nudged.log());
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b.front().x, a.front().x + 40);
    EXPECT_EQ(b.front().y, a.front().y);
}

TEST(WalkRunQuestionPage, FortyTwoKeysFromDiagramToAnswerAndBackToTheSubmenu) {
    const auto run = RunPage("tirosam", 3, 2, 42, 4);
    ExpectPageRun(run, 42);
    const Log& log = run.log;
    ExpectRows(log, {
        {38, 30, 3, "教", 0},
        {38, 80, 0, "1", 1}, {36, 206, 0, "家", 1}, {578, 206, 0, "駅", 1},
        {103, 231, 0, "毎", 2}, {304, 231, 3, "毎", 3}, {456, 80, 0, "1", 4},
        // right-hand column
        {722, 30, 0, "歩", 21}, {722, 80, 0, "走", 21}, {722, 130, 0, "道", 22},
        {722, 180, 3, "5", 23}, {722, 230, 0, "時", 24}, {726, 258, 3, "x", 25},
        {762, 330, 0, "5", 26}, {766, 358, 0, "x", 26}, {722, 430, 3, "①", 27},
        {776, 480, 0, "5", 28}, {776, 530, 0, "5", 28}, {884, 580, 0, "3", 30},
        // after the left part has gone
        {146, 30, 0, "3", 32}, {200, 80, 0, "y", 33}, {38, 130, 3, "y", 34},
        {42, 158, 0, "x", 35}, {42, 208, 0, "x", 36}, {69, 258, 3, "x", 37},
        {38, 330, 0, "こ", 38}, {38, 380, 3, "歩", 39}, {38, 430, 3, "走", 40},
        {38, 480, 5, "答", 41}, {114, 530, 5, "走", 41}, {44, 600, 7, "教", 42},
    });
    EXPECT_EQ(RowText(log, 80, 700), "走った時間をy分とすると、");
    // The table: corner and labels in 14, headers and values in 15; two
    // keys between the empty grid and the first value.
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 38 400 304 450 3 14 5")), 10);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 304 400 418 450 3 15 5")), 10);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 304 450 418 500 3 15 5", 1)), 12);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 532 550 646 600 3 15 5", 1)), 20);
    // Brace, rule, sign row and the erase of the left part.
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "poly 0 5 757 335")), 26);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 646 1800 15 15")), 32);
    // The signs over the operator, before the first term, over the "+" and
    // before the known term.
    for (const std::string& sign :
         {PlusMark(722, 505, 3), MinusMarkBefore(776, 505, 3), MinusMark(857, 505, 3), MinusMarkBefore(997, 505, 3)})
        EXPECT_EQ(WaitsBefore(log, FindLine(log, sign)), 29) << sign;
}

TEST(ExpresswayQuestionPage, ThirtyNineKeysFromDiagramToAnswerAndBackToTheSubmenu) {
    const auto run = RunPage("tirosam", 3, 3, 39, 4);
    ExpectPageRun(run, 39);
    const Log& log = run.log;
    ExpectRows(log, {
        {38, 30, 3, "教", 0}, {38, 80, 0, "高", 1}, {418, 80, 0, "ふ", 1},
        {116, 231, 0, "毎", 2}, {380, 231, 3, "毎", 3},
        // right-hand column
        {722, 30, 0, "高", 20}, {722, 80, 0, "ふ", 20}, {722, 130, 0, "道", 21},
        {726, 158, 3, "x", 22}, {722, 230, 0, "時", 23}, {722, 340, 0, "②", 25},
        {722, 390, 0, "8", 26}, {726, 438, 3, "x", 27}, {785, 488, 0, "x", 28},
        {785, 538, 0, "x", 28},
        // after the left part has gone
        {38, 30, 3, "①", 30}, {96, 58, 0, "x", 31}, {96, 108, 0, "x", 31},
        {173, 180, 0, "y", 33}, {173, 230, 0, "y", 34}, {38, 280, 3, "y", 35},
        {42, 308, 0, "x", 36}, {42, 358, 0, "x", 37}, {69, 408, 3, "x", 38},
        {38, 480, 0, "こ", 39}, {38, 530, 5, "答", 39},
    });
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "line 76 230 570 230 0 5")), 1);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "circle 342 230 6 0 0 0 0 5")), 3);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "line 342 230 570 230 3 5")), 3);
    // The time row is 70 high; two keys between the empty grid and "x".
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 38 550 304 620 3 14 5")), 9);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 304 450 418 500 3 15 5", 1)), 11);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 532 550 646 620 3 15 5", 1)), 19);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "poly 0 5 776 515")), 28);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 646 1800 15 15")), 30);
}

}  // namespace
