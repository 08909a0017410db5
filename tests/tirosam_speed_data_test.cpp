// The random data of Tirosam's speed examples and the page's entry.
#include "lessons/tirosam/tirosam_lessons.h"
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using page_checks::Count;

class SpeedExampleData : public testing_support::RuntimeTest {
protected:
    tirosam::TirosamLessons lessons{rt};

    // Feeds the draws that give these speeds and minutes, then generates.
    void Generate(float walk, float run, float walkMinutes, float runMinutes) {
        rt.random.Feed({(walk / 10 - 4 + 0.5f) / 4, (run / 10 - 8 + 0.5f) / 3, (walkMinutes - 8 + 0.5f) / 4,
                        (runMinutes - 6 + 0.5f) / 4});
        lessons.GenerateSpeedExampleData();
    }
};

TEST_F(SpeedExampleData, AWorkedExample) {
    Generate(60, 90, 10, 7);
    const char* texts[] = {"60", "90", "10", "7", "17", "1230", "180", "3", "2", "3060"};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(rt.workText(i), texts[i - 1]) << i;
    const float coef[] = {1, 1, 3, 2};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(rt.solverCoef(i), coef[i - 1]) << i;
    EXPECT_EQ(rt.solverConst(1), 1230);
    EXPECT_EQ(rt.solverConst(2), 3060);
}

TEST_F(SpeedExampleData, EverySpeedPairGivesItsCommonMultiple) {
    struct Pair {
        float walk, run;       // as drawn
        float walkUsed;        // after 70 with 80 is replaced
        float lcm, walkCoef, runCoef;
    } pairs[] = {
        {40, 80, 40, 80, 2, 1},    {40, 90, 40, 360, 9, 4},   {40, 100, 40, 200, 5, 2},  {50, 80, 50, 400, 8, 5},
        {50, 90, 50, 450, 9, 5},   {50, 100, 50, 100, 2, 1},  {60, 80, 60, 240, 4, 3},   {60, 90, 60, 180, 3, 2},
        {60, 100, 60, 300, 5, 3},  {70, 80, 50, 400, 8, 5},   {70, 90, 70, 630, 9, 7},   {70, 100, 70, 700, 10, 7},
    };
    for (const Pair& p : pairs) {
        Generate(p.walk, p.run, 8, 9);
        EXPECT_EQ(rt.workNum(1), p.walkUsed) << p.walk << " " << p.run;
        EXPECT_EQ(rt.workNum(7), p.lcm) << p.walk << " " << p.run;
        EXPECT_EQ(rt.workNum(8), p.walkCoef) << p.walk << " " << p.run;
        EXPECT_EQ(rt.workNum(9), p.runCoef) << p.walk << " " << p.run;
    }
}

TEST_F(SpeedExampleData, TheSolverFindsTheDistancesWalkedAndRun) {
    // Every speed pair with the extreme minutes: ① and ③ are solved by the
    // walked and the run distance, as whole numbers.
    for (float walk : {40.f, 50.f, 60.f, 70.f})
        for (float run : {80.f, 90.f, 100.f})
            for (float walkMinutes : {8.f, 11.f})
                for (float runMinutes : {6.f, 9.f}) {
                    Generate(walk, run, walkMinutes, runMinutes);
                    const float a = rt.workNum(1);
                    EXPECT_EQ(rt.workNum(5), walkMinutes + runMinutes);
                    EXPECT_EQ(rt.workNum(6), a * walkMinutes + run * runMinutes);
                    EXPECT_EQ(rt.workNum(10), rt.workNum(7) * rt.workNum(5));
                    rt.penX = rt.cursorX = 760;
                    rt.cursorY = 30;
                    rt.columnX = rt.leftMargin = 680;
                    rt.answerHidden = 1;
                    lessons.solver.SolveByElimination();
                    rt.answerHidden = 0;
                    EXPECT_EQ(rt.xText, std::to_string(static_cast<int>(a * walkMinutes))) << walk << " " << run;
                    EXPECT_EQ(rt.yText, std::to_string(static_cast<int>(run * runMinutes))) << walk << " " << run;
                }
}

TEST(SpeedExamples, TheEntryClearsThePageWithPenWidthFive) {
    auto run = testing_support::RunProgram("tirosam", "3\r1\r");
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, "box 0 0 1600 1800 15 15 5"), 1);
}

}  // namespace
