// Lesson 5's page ⑤A=B=C: the stored systems in their four arrangements,
// the page's rows and waits, and its close.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// The draw that picks an arrangement: 1 x and y trade coefficients, 2 A
// and B trade places, 3 both, 4 as stored.
float Arrangement(int choice) { return static_cast<float>(choice - 1) / 4 + 0.1f; }

class AbcFormExamples : public ExamplePageTest {
protected:
    std::string W(int row) const { return rt.workText(row); }
    std::string Line() const { return W(1) + "x" + W(2) + "y=" + W(11) + "x" + W(12) + "y=" + W(13); }
    void Make(int index, int choice) {
        lessons.exampleCount = static_cast<float>(index);
        rt.random.Feed({Arrangement(choice)});
        lessons.MakeAbcFormExample();
    }
};

TEST_F(AbcFormExamples, EveryStoredSystemInEveryArrangementHasItsWholeSolution) {
    const float solutions[10][2] = {{2, -1}, {2, 1},  {4, 2},  {-1, 2}, {1, -5},
                                    {-2, 3}, {1, -2}, {7, -3}, {2, -3}, {1, -2}};
    for (int index = 0; index < 10; ++index) {
        for (int choice = 1; choice <= 4; ++choice) {
            SCOPED_TRACE(testing::Message() << "row " << index + 1 << ", arrangement " << choice);
            Make(index, choice);
            ASSERT_EQ(rt.solverConst(1), rt.solverConst(2));
            const bool traded = choice == 1 || choice == 3;
            rt.columnX = 560, rt.leftMargin = 641;
            rt.penX = rt.cursorX = 618, rt.cursorY = 30;
            lessons.solver.SolveByElimination();
            const int x = static_cast<int>(solutions[index][0]), y = static_cast<int>(solutions[index][1]);
            EXPECT_EQ(rt.xText, std::to_string(traded ? y : x));
            EXPECT_EQ(rt.yText, std::to_string(traded ? x : y));
        }
    }
}

TEST_F(AbcFormExamples, TextsOfTheStoredSystems) {
    const char* firstRow[] = {"x+4y=-x+3y=7", "3x-y=4x+y=7", "-x+3y=x+4y=7", "4x+y=3x-y=7"};
    for (int choice = 1; choice <= 4; ++choice) {
        Make(0, choice);
        EXPECT_EQ(Line(), firstRow[choice - 1]);
    }
    Make(5, 4);  // 1 is written as nothing before a letter but stays as C
    EXPECT_EQ(Line(), "x+y=4x+3y=1");
    EXPECT_EQ(W(13), "1");
    Make(2, 4);
    EXPECT_EQ(Line(), "3x-7y=-3x+5y=-2");
    EXPECT_EQ(W(13), "-2");
    Make(4, 4);
    EXPECT_EQ(Line(), "3x-7y=13x-5y=38");
    Make(9, 2);
    EXPECT_EQ(Line(), "3x+2y=-3x-y=-1");
    // The eleventh example of a visit is the first row again.
    Make(10, 4);
    EXPECT_EQ(lessons.exampleCount, 0);
    EXPECT_EQ(Line(), "4x+y=3x-y=7");
}

TEST_F(AbcFormExamples, PageShowsTheRowsInTurnThenItsRule) {
    rt.random.Randomize(0);
    rt.random.Feed({Arrangement(4), Arrangement(1)});
    pf.AddKeys(Spaces(2 + kSolverWaits) + "2\r" + Spaces(2 + kSolverWaits) + "1\r" + Spaces(2));
    lessons.ShowAbcFormExamples();
    EXPECT_EQ(rt.random.Draws(), 2);  // one draw an example
    EXPECT_EQ(CountDrawn("box 0 0 1600 1800 15 15"), 1);
    EXPECT_EQ(CountDrawn("box 0 0 1320 1300 15 15"), 2);
    EXPECT_EQ(CountDrawn(kNextStep), 2);
    EXPECT_EQ(CountDrawn(kKeyWait), 2 * (2 + kSolverWaits) + 2);
    // The second example, row 2 with x and y trading coefficients.
    EXPECT_TRUE(Shows(7, 40, 30, "例3　次の連立方程式を解きなさい。"));
    EXPECT_TRUE(Shows(3, 120, 90, "-4x+3y=4x-y=2"));
    EXPECT_TRUE(Shows(0, 40, 150, "2を2回使って"));
    EXPECT_TRUE(Shows(0, 40, 210, "連立方程式をつくると"));
    EXPECT_TRUE(Shows(3, 584, 30, "　"));
    EXPECT_EQ(CountDrawn("poly 0 5 653 35"), 2);  // the solver's brace, once an example
    EXPECT_EQ(rt.xText, "1");
    EXPECT_EQ(rt.yText, "2");
    // The rule 150, 100 and 50 above the solver's last row; the textbook line.
    EXPECT_TRUE(Shows(5, 40, 400, "A=B=C の形の連立方程式"));
    EXPECT_TRUE(Shows(5, 40, 450, "は、A,B,Cのうち"));
    EXPECT_TRUE(Shows(5, 40, 500, "一番簡単な式を2回使う。"));
    EXPECT_TRUE(Shows(3, 42, 570, "教科書P47 問3　をしなさい。"));
    EXPECT_EQ(pf.Log().back().rfind("text ", 0), 0u);  // no wait after it
}

TEST_F(AbcFormExamples, ScriptedRunGoesRoundTheListAndLeavesWithOne) {
    std::string keys = "5\r5\r";
    for (int i = 0; i < 11; ++i) keys += Spaces(2 + kSolverWaits) + (i < 10 ? "3\r" : "1\r");
    keys += Spaces(2) + "9\r8\r";
    auto run = testing_support::RunProgram("kanovel", keys, "01:02:03");
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kNextStep), 11);
    EXPECT_EQ(Count(run.log, kKeyWait), 11 * (2 + kSolverWaits) + 2);
    // Each example says how often C is used: 7 for the first and the eleventh.
    EXPECT_EQ(Count(run.log, "text 40 150 3 3 0 \"ゴシック\" 16 1 0 \"7\""), 3);  // rows 1, 4 and 11
    EXPECT_EQ(Count(run.log, "text 42 570 2 3 3"), 1);
}

}  // namespace
