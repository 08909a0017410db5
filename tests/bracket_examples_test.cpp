// Lesson 5's page ①かっこ: the bracket form of equation ②, the page's rows
// and waits, and its close.
#include <cmath>

#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// The builder's draws for 3x+7y=-1, 2x-5y=9 (x = 2, y = -1, no exchange),
// then k = 2.
const std::vector<float> kWorkedDraws = {0.3f, 0.1f, 0.7f, 0.2f, 0.5f, 0.7f, 0.1f,
                                         0.7f, 0.5f, 0.7f, 0.1f, 0.2f, 0.9f, 0.5f};

class BracketExamples : public ExamplePageTest {
protected:
    std::string W(int row) const { return rt.workText(row); }
    std::string Bracketed() const { return W(1) + "x" + W(2) + "(" + W(3) + "x+y)=" + W(6) + "…②"; }
    std::string Expanded() const { return W(1) + "x" + W(4) + "x" + W(2) + "y=" + W(6); }
    std::string Third() const { return W(5) + "x" + W(2) + "y=" + W(6) + "…③"; }
};

TEST_F(BracketExamples, WorkedExampleShowsTheBracketItsExpansionAndTheSolver) {
    rt.random.Randomize(0);
    rt.random.Feed(kWorkedDraws);
    pf.AddKeys(Spaces(5 + kSolverWaits) + "1\r" + Spaces(2));
    lessons.ShowBracketExamples();
    EXPECT_EQ(rt.random.Draws(), 14);
    EXPECT_TRUE(Shows(7, 40, 30, "例1　次の連立方程式を解きなさい。"));
    EXPECT_EQ(CountDrawn("poly 0 5 75 85"), 1);  // the brace at (40, 80)
    EXPECT_TRUE(Shows(0, 80, 80, "3x+7y=-1…①"));
    EXPECT_TRUE(Shows(0, 80, 130, "12x-5(2x+y)=9…②"));
    EXPECT_TRUE(Shows(3, 40, 180, "②を整理すると"));
    EXPECT_TRUE(Shows(0, 40, 230, "12x-10x-5y=9"));
    EXPECT_TRUE(Shows(0, 40, 280, "2x-5y=9…③"));
    EXPECT_TRUE(Shows(3, 40, 330, "③を使って"));
    EXPECT_TRUE(Shows(3, 40, 380, "連立方程式をつくると"));
    // The solver's column: the blank label, its brace at 618, ① and ③.
    EXPECT_TRUE(Shows(3, 584, 30, "　"));
    EXPECT_EQ(CountDrawn("poly 0 5 653 35"), 1);
    EXPECT_EQ(rt.xText, "2");
    EXPECT_EQ(rt.yText, "-1");
    EXPECT_EQ(CountDrawn(kKeyWait), 5 + kSolverWaits + 2);
    EXPECT_EQ(CountDrawn(kNextStep), 1);
    // The close: the summary 100 above the solver's last row, then the
    // textbook line at its fixed place.
    EXPECT_TRUE(Shows(5, 76, 450, "かっこのある連立方程式は、"));
    EXPECT_TRUE(Shows(5, 76, 500, "かっこをはずし、"));
    EXPECT_TRUE(Shows(5, 76, 550, "整理してから解く。"));
    EXPECT_TRUE(Shows(3, 44, 600, "教科書P47 問1　をしなさい。"));
    EXPECT_EQ(pf.Log().back().rfind("text ", 0), 0u);  // no wait after it
}

struct FormCase {
    float a2, b2, k;
    const char* bracketed;
    const char* expanded;
    const char* third;
};

TEST_F(BracketExamples, CoefficientTextsOfTheBracketForm) {
    const FormCase cases[] = {
        {7, 3, 2, "x+3(2x+y)=13…②", "x+6x+3y=13", "7x+3y=13…③"},        // a2-k·b2 = 1: no digit
        {5, 2, 3, "-1x+2(3x+y)=13…②", "-1x+6x+2y=13", "5x+2y=13…③"},   // -1 keeps its digit
        {6, 3, 2, "0x+3(2x+y)=13…②", "0x+6x+3y=13", "6x+3y=13…③"},     // 0 is written
        {5, 3, 1, "2x+3(x+y)=13…②", "2x+3x+3y=13", "5x+3y=13…③"},      // k = 1
        {5, -3, 2, "11x-3(2x+y)=13…②", "11x-6x-3y=13", "5x-3y=13…③"},  // b2 < 0
        {-2, 7, 3, "-23x+7(3x+y)=13…②", "-23x+21x+7y=13", "-2x+7y=13…③"},
    };
    for (const FormCase& c : cases) {
        rt.solverCoef(1) = 3, rt.solverCoef(2) = 5, rt.solverConst(1) = -13;
        rt.solverCoef(3) = c.a2, rt.solverCoef(4) = c.b2, rt.solverConst(2) = 13;
        rt.random.Feed({(c.k - 1) / 3 + 0.1f});
        lessons.BuildBracketFormTexts();
        EXPECT_EQ(Bracketed(), c.bracketed);
        EXPECT_EQ(Expanded(), c.expanded);
        EXPECT_EQ(Third(), c.third);
    }
}

TEST_F(BracketExamples, EveryExampleOfEverySeedHoldsAtItsSolution) {
    for (int seed = 0; seed <= 141; ++seed) {
        rt.random.Randomize(seed);
        for (int n = 0; n < 20; ++n) {
            lessons.MakeRandomSystemC();
            lessons.BuildBracketFormTexts();
            const float x = lessons.solutionX, y = lessons.solutionY;
            const float k = rt.workNum(3), b2 = rt.workNum(2);
            ASSERT_TRUE(k == 1 || k == 2 || k == 3) << seed;
            // The bracketed ②, its expansion and ③ are one equation.
            ASSERT_EQ(rt.workNum(1) * x + b2 * (k * x + y), rt.solverConst(2)) << seed;
            ASSERT_EQ(rt.workNum(1) + rt.workNum(4), rt.workNum(5)) << seed;
            ASSERT_EQ(rt.workNum(13), rt.solverCoef(1) * x + rt.solverCoef(2) * y) << seed;
            ASSERT_LE(std::fabs(rt.solverConst(1)), 60);
            ASSERT_LE(std::fabs(rt.solverConst(2)), 60);
            ASSERT_NE(rt.solverCoef(1) * rt.solverCoef(4) - rt.solverCoef(3) * rt.solverCoef(2), 0);
        }
    }
}

TEST_F(BracketExamples, ScriptedRunShowsSeveralExamplesAndLeavesWithOne) {
    const std::string example = Spaces(5 + kSolverWaits);
    const std::string keys = "5\r1\r" + example + "2\r" + example + "0\r" + example + "1\r" + Spaces(2) + "9\r8\r";
    for (const char* time : {"10:20:30", "00:00:00", "23:59:59"}) {
        auto run = testing_support::RunProgram("kanovel", keys, time);
        EXPECT_TRUE(run.ended) << time;
        EXPECT_FALSE(run.errorShown) << time;
        EXPECT_EQ(Count(run.log, kNextStep), 3);
        EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 3);
        EXPECT_EQ(Count(run.log, "text 44 600 2 3 3"), 1);
        int answers = 0;
        for (const auto& line : run.log)
            if (line.find(" 5 \"ゴシック\" 16 1 0 \"答\"") != std::string::npos) ++answers;
        EXPECT_EQ(answers, 3) << time;
    }
}

}  // namespace
