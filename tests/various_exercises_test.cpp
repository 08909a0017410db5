// Lesson 5's fixed pages: the answers to 問1, 問2 and 問３ and the two
// unknown-coefficient pages, driven through the menus.
#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// Lesson 5, one page with `waits` keys, back at the sub-menu, 9 and 8.
testing_support::RunResult RunLesson5Page(int entry, int waits) { return RunPage("kanovel", 5, entry, waits, 9); }

TEST(VariousExercises, EachPageTakesItsKeysAndGoesBackToTheSubmenu) {
    struct Case {
        int entry;
        int waits;
        int clears;  // of the page area 1600 by 1800
    } cases[] = {{2, 1, 2}, {4, 1, 2}, {6, 1, 2}, {7, 12, 1}, {8, 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        auto run = RunLesson5Page(c.entry, c.waits);
        ExpectPageRun(run, c.waits);
        EXPECT_EQ(Count(run.log, "box 0 0 1600 1800 15 15"), c.clears);
    }
}

TEST(VariousExercises, BracketExerciseLinesUpItsWorkingAndWaitsBetweenProblems) {
    auto run = RunLesson5Page(2, 1);
    const Log& log = run.log;
    ExpectTextRows(log, {
                        {3, 76, 30, "問1　解答(1)"},
                        {0, 116, 130, "3x-4(x+y)=7…②"},
                        {0, 76, 280, "-x-4y=7…③"},
                        {0, 116, 430, "-x-4y=7…③"},
                        {3, 722, 80, "①*2+③"},
                        {0, 776, 130, "10x+4y=2"},
                        {0, 776, 180, " -x-4y=7"},
                        {0, 776, 230, " 9x   =9"},
                        {0, 776, 280, "  x   =1"},
                        {0, 722, 480, " y=-2"},
                        {3, 76, 30, "問1　解答(2)"},
                        {0, 116, 130, "x=2(3y-5)+1…②"},
                        {0, 722, 180, "  6y+2y=-1+9"},
                        {0, 722, 280, "      y=1"},
                        {0, 722, 380, "x=6*1-9=6-9=-3"},
                    });
    EXPECT_GE(FindRun(log, Brace(76, 80)), 0);
    EXPECT_GE(FindRun(log, Brace(76, 380)), 0);
    // The one key comes after the first answer and before the second clear.
    const long answer1 = FindRow(log, 5, 722, 530, "答 x=1,y=-2");
    const long clear2 = FindRun(log, {"box 0 0 1600 1800 15 15 3"}, answer1);
    const long answer2 = FindRow(log, 5, 722, 430, "答 x=-3,y=1", clear2);
    ASSERT_GE(answer1, 0);
    ASSERT_GE(clear2, 0);
    ASSERT_GE(answer2, 0);
    EXPECT_EQ(WaitsBetween(log, answer1, clear2), 1);
}

TEST(VariousExercises, FractionAndDecimalExercisesStepTheirRowsAndSigns) {
    auto run = RunLesson5Page(4, 1);
    ExpectTextRows(run.log, {
                            // Screen (1): 70 below ①, then 60, 60, 60, then 50.
                            {0, 116, 80, "3x+2y=6…①"},
                            {0, 116, 150, "ﾀ1/4ﾀx+ﾀ2/3ﾀy=-1…②"},
                            {3, 76, 210, "②の分母をはらうと"},
                            {0, 76, 270, "12*ﾀ1/4ﾀx+12*ﾀ2/3ﾀy=12*(-1)"},
                            {0, 76, 330, "3x+8y=-12…③"},
                            {3, 76, 380, "③を使って連立方程式をつくると"},
                            {0, 776, 230, "  -6y=18"},
                            {5, 722, 530, "答 x=4,y=-3"},
                            // Screen (2): ③ before ②, the result row 27 left.
                            {0, 116, 80, "0.2x+0.3y=-0.2…①"},
                            {0, 76, 230, "10*0.2x+10*0.3y=10*(-0.2)"},
                            {0, 116, 380, "2x+3y=-2…③"},
                            {0, 116, 430, "5x+2y=17…②"},
                            {3, 722, 80, "③*2-②*3"},
                            {0, 749, 230, "-11x   =-55"},
                            {0, 776, 280, "  x   =5"},
                            {5, 722, 530, "答 x=5,y=-4"},
                        });
    EXPECT_GE(FindSignRow(run.log, 3, 722, 155, "+-  -   +", "3x+8y=-12", 776), 0);
    EXPECT_GE(FindSignRow(run.log, 3, 722, 155, "+-   -   -", "15x+6y=51", 776), 0);
    EXPECT_GE(FindRun(run.log, Brace(76, 430)), 0);
}

TEST(VariousExercises, AbcFormExercisesShowBothParts) {
    auto run = RunLesson5Page(6, 1);
    ExpectTextRows(run.log, {
                            {3, 76, 80, "5を2回使って連立方程式をつくると"},
                            {0, 116, 130, "2x+y=5…①"},
                            {0, 116, 180, "x+3y=5…②"},
                            // y over y, "=" over "=": the upper row is padded
                            {0, 776, 130, "2x+ y=5"},
                            {0, 776, 180, "2x+6y=10"},
                            {0, 776, 230, "  -5y=-5"},
                            {0, 776, 280, "    y=1"},
                            {5, 722, 480, "答 x=2,y=1"},
                            {3, 76, 80, "5x+yを2回使うと"},
                            {0, 76, 330, "x=2…①"},
                            {0, 76, 580, "-x-y=0…②"},
                            {0, 722, 230, " y=-2"},
                            {5, 722, 280, "答 x=2,y=-2"},
                        });
    EXPECT_GE(FindSignRow(run.log, 3, 722, 155, "+-  -   -", "2x+6y=10", 776), 0);
    EXPECT_GE(FindRun(run.log, Brace(76, 130)), 0);
}

TEST(VariousExercises, UnknownCoefficientExampleWaitsAfterEachStepThenStatesTheRule) {
    auto run = RunLesson5Page(7, 12);
    const Log& log = run.log;
    // The rewritten system stands 26 right of where "b+2a=4…②" ends.
    const float end = RowEnd(116, "b+2a=4…②");
    EXPECT_GE(FindRun(log, Brace(end + 26, 280)), 0);
    ExpectTextRows(log, {
                        {3, 38, 30, "例4　次の連立方程式の解がx=1,y=2"},
                        {3, 114, 80, "であるとき、a,bの値を求めなさい。"},
                        {0, end + 66, 280, "a+2b=5…③"},
                        {0, end + 66, 330, "2a+b=4…④"},
                    });
    // One key after each step, from the given system to the answer.
    std::vector<long> steps = {
        FindRow(log, 0, 116, 180, "bx+ay=4…②"),  FindRow(log, 3, 76, 230, "①,②にx=1,y=2を代入すると"),
        FindRow(log, 0, 116, 330, "b+2a=4…②"),   FindRow(log, 0, end + 66, 330, "2a+b=4…④"),
        FindSignRow(log, 3, 722, 155, "+-  -   -", "4a+2b=8", 776),
        FindRow(log, 0, 749, 230, "-3a   =-3"),
        FindRow(log, 0, 776, 280, " a   =1"),     FindRow(log, 3, 722, 330, "a=1 を③に代入して"),
        FindRow(log, 0, 722, 380, "1+2b=5"),      FindRow(log, 0, 722, 430, "2b=5-1=4"),
        FindRow(log, 0, 722, 480, " b=2"),        FindRow(log, 5, 722, 530, "答 a=1,b=2"),
        FindRow(log, 5, 76, 480, "連立方程式の解が分かっているときは、"),
    };
    for (size_t i = 0; i + 1 < steps.size(); ++i) {
        ASSERT_GE(steps[i], 0) << i;
        EXPECT_EQ(WaitsBetween(log, steps[i], steps[i + 1]), 1) << i;
    }
    const long second = FindRow(log, 5, 76, 530, "代入すればよい。", steps.back());
    ASSERT_GE(second, 0);
    EXPECT_EQ(WaitsBetween(log, steps.back(), second), 0);
}

TEST(VariousExercises, UnknownCoefficientPracticeShowsThreeStages) {
    auto run = RunLesson5Page(8, 2);
    const Log& log = run.log;
    EXPECT_GE(FindRun(log, Brace(86, 400)), 0);
    ExpectTextRows(log, {
                        {3, 38, 30, "練習　次の連立方程式の解がx=-1,y=2"},
                        {0, 116, 280, "-a-2b=-13…①"},
                        {0, 126, 400, "a+2b=13…③"},
                        {3, 722, 80, "③+④*2"},
                        {0, 776, 230, "5a   =15"},
                        {0, 776, 280, " a   =3"},
                    });
    const long given = FindRow(log, 0, 116, 180, "bx+ay=1…②");
    const long rewritten = FindRow(log, 0, 126, 450, "2a-b=1…④", given);
    const long caption = FindRow(log, 3, 722, 80, "③+④*2", rewritten);
    const long answer = FindRow(log, 5, 722, 530, "答 a=3,b=5", caption);
    ASSERT_GE(given, 0);
    ASSERT_GE(rewritten, 0);
    ASSERT_GE(answer, 0);
    EXPECT_EQ(WaitsBetween(log, given, rewritten), 1);
    EXPECT_EQ(WaitsBetween(log, rewritten, caption), 1);
    EXPECT_EQ(WaitsBetween(log, caption, answer), 0);
    // An addition has no row of signs.
    EXPECT_EQ(Count(log, MinusMark(776, 155, 3)), 0);
}

}  // namespace
