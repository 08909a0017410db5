// The pages of Tirosam's lesson 2: the random admission-fee examples and
// the bread and doughnuts answer.
#include <cmath>

#include "lessons/tirosam/tirosam_lessons.h"
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

// Draws giving fees 500 and 350 (ratio 7) and the counts 4, 2, 1, 5.
const std::vector<float> kFeesOf500And350 = {0.7f, 0.8f, 0.3f, 0.6f, 0.1f, 0.6f};

class AdmissionFeeData : public testing_support::RuntimeTest {
protected:
    tirosam::TirosamLessons lessons{rt};
};

TEST_F(AdmissionFeeData, CountsFeesAndTotals) {
    rt.random.Feed(kFeesOf500And350);
    lessons.GenerateAdmissionFeeData();
    EXPECT_EQ(lessons.adultFee, 500);
    EXPECT_EQ(lessons.studentFee, 350);
    const char* counts[] = {"4", "2", "1", "5"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(rt.workText(i), counts[i - 1]);
        EXPECT_EQ(rt.solverCoef(i), rt.workNum(i));
    }
    EXPECT_EQ(rt.auxText(1), "2700");
    EXPECT_EQ(rt.auxText(2), "2250");
    EXPECT_EQ(rt.solverConst(1), 2700);
    EXPECT_EQ(rt.solverConst(2), 2250);
}

TEST_F(AdmissionFeeData, EveryDrawGivesOneWholeSolution) {
    rt.random.Randomize(7);
    for (int n = 0; n < 2000; ++n) {
        lessons.GenerateAdmissionFeeData();
        const float a1 = rt.workNum(1), b1 = rt.workNum(2), a2 = rt.workNum(3), b2 = rt.workNum(4);
        ASSERT_TRUE(a1 >= 3 && a1 <= 6 && b2 >= 3 && b2 <= 6) << n;
        ASSERT_TRUE(b1 >= 1 && b1 <= 2 && a2 >= 1 && a2 <= 2) << n;
        ASSERT_GE(a1 * b2 - b1 * a2, 5) << n;
        ASSERT_EQ(std::fmod(lessons.adultFee, 100.f), 0) << n;
        ASSERT_EQ(lessons.studentFee, std::floor(lessons.studentFee)) << n;
        ASSERT_TRUE(rt.auxNum(1) >= 700 && rt.auxNum(1) <= 4440) << n;
        ASSERT_TRUE(rt.auxNum(2) >= 500 && rt.auxNum(2) <= 3720) << n;
    }
}

TEST(AdmissionFeeExamples, OneExampleStatedSetUpSolvedAndAnswered) {
    PageRun run(Spaces(40) + "1\r");
    run.rt.random.Feed(kFeesOf500And350);
    ASSERT_TRUE(run.Run([&] { run.lessons.RunAdmissionFeeExamples(); }));
    const auto& log = run.log();

    EXPECT_EQ(RowText(log, 130, 40, 640), "おとな4人と中学生2人で2700円");
    EXPECT_EQ(RowText(log, 230, 40, 640), "おとな1人と中学生5人で2250円");
    // 4x+2y=2700 and x+5y=2250: "+" is a stroke and x a glyph of its own
    // 22 higher, so the rows read without them; the x of the second stands
    // at the row's start, with no "1" before it.
    EXPECT_EQ(RowText(log, 180, 40, 640), "42y=2700");
    EXPECT_EQ(RowText(log, 280, 40, 640), "5y=2250");
    EXPECT_GE(FindGlyph(log, 44, 258, 3, "x"), 0);
    EXPECT_EQ(RowText(log, 430, 40, 640), "答　おとな1人500円");
    EXPECT_EQ(RowText(log, 480, 40, 640), "中学生1人350円");

    const int waits = Count(log, kKeyWait);
    ExpectRows(log, {
                        // the problem on the right, a character clear of the
                        // set-up's longest line, the set-up on the left
                        {640, 30, 3, "例", 0},  {728, 30, 0, "あ", 0},  {640, 80, 0, "と", 0},
                        {640, 130, 0, "と", 0}, {640, 180, 0, "1", 0},  {40, 30, 7, "お", 1},
                        {40, 80, 7, "中", 1},   {40, 130, 0, "お", 2},  {40, 180, 3, "4", 3},
                        {40, 230, 0, "お", 4},  {94, 280, 3, "5", 5},   {640, 30, 3, "式", 5},
                        // the answer after the solver's waits and one of its own
                        {40, 380, 0, "こ", waits - 1}, {40, 430, 5, "答", waits},
                        {116, 480, 5, "中", waits},   {44, 570, 7, "教", waits},
                    });
    EXPECT_GT(waits, 7);  // the solver waits after its steps
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 1600 1800 15 15")), 0);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 640 0 2240 1800 15 15")), 0);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 640 1800 15 15")), 1);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 640 0 1960 1300 15 15")), 5);
    EXPECT_EQ(Count(log, kNextStep), 1);
    // The solver draws no answer line of its own and leaves its options at rest.
    int answers = 0;
    for (const Glyph& g : Glyphs(log)) answers += g.text == "答" && g.colour == 5;
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(run.rt.answerHidden, 0);
    EXPECT_EQ(run.rt.solverContinue, 0);
}

TEST(AdmissionFeeExamples, OnlyOneEndsTheSeries) {
    // An empty entry shows another example; 2/2 is 1 and ends the page.
    for (const char* time : {"00:00:00", "10:20:30", "23:59:59"}) {
        auto run = RunProgram("tirosam", "2\r1\r" + Spaces(40) + "\r" + Spaces(40) + "0\r" + Spaces(40) +
                                             "2/2\r3\r8\r", time);
        EXPECT_TRUE(run.ended) << time;
        EXPECT_FALSE(run.errorShown) << time;
        EXPECT_EQ(Count(run.log, kNextStep), 3) << time;
        EXPECT_EQ(Count(run.log, "text 640 30 2 3 3 \"ゴシック\" 16 1 0 \"例\""), 3) << time;
        EXPECT_EQ(Count(run.log, "text 40 430 2 3 5 \"ゴシック\" 16 1 0 \"答\""), 3) << time;
        EXPECT_EQ(Count(run.log, "text 44 570 2 3 7 \"ゴシック\" 16 1 0 \"教\""), 1) << time;
    }
}

TEST(BreadAndDoughnuts, RevealsTheWorkedAnswer) {
    auto run = RunProgram("tirosam", "2\r2\r" + Spaces(15) + "3\r8\r");
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, kKeyWait), 15);
    ExpectRows(run.log, {
                            {38, 30, 3, "教", 0},   {38, 80, 0, "パ", 1},    {38, 130, 0, "ド", 1},
                            {38, 180, 0, "パ", 2},  {38, 230, 3, "5", 3},    {38, 280, 0, "パ", 4},
                            {38, 330, 3, "6", 5},   {78, 380, 0, "5", 6},    {78, 430, 0, "6", 6},
                            {684, 30, 3, "①", 7},   {738, 80, 0, "1", 8},    {765, 180, 0, "9", 10},
                            {959, 230, 0, "9", 11}, {824, 280, 3, "を", 12}, {684, 330, 0, "5", 13},
                            {819, 380, 0, "4", 14}, {846, 430, 0, "y", 14},  {851, 480, 3, "y", 14},
                            {684, 530, 0, "こ", 15}, {532, 580, 5, "答", 15},
                        });
    EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, "poly 0 5 73 385 ")), 6);
    for (const std::string& bar :
         {PlusMark(684, 105, 3), MinusMarkBefore(738, 105, 3), MinusMark(819, 105, 3), MinusMarkBefore(959, 105, 3)})
        EXPECT_EQ(WaitsBefore(run.log, FindLine(run.log, bar)), 9) << bar;
    // The equals signs of the subtraction and of the substitution rows.
    for (float y : {80.f, 130.f, 180.f, 230.f}) EXPECT_GE(FindGlyph(run.log, 931, y, 0, "="), 0) << y;
    for (float y : {330.f, 380.f, 430.f}) EXPECT_GE(FindGlyph(run.log, 877, y, 0, "="), 0) << y;
    // The page leaves the pen width at 5: the prompt bar is cleared with it.
    EXPECT_EQ(Count(run.log, kPromptBarErased + " 5"), 1);
}

}  // namespace
