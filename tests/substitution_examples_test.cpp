// Lesson 4's page 例４: the two forms of random substitution examples,
// their draws, texts and waits, and the page that alternates them.
#include <cmath>

#include "tests/page_checks.h"

namespace {

using namespace page_checks;

struct WorkedExample {
    const char* name;
    bool yForm;
    std::vector<float> draws;
    float x, y;
    std::vector<TextRow> rows;
};

// The draws: lead and sign, a3 and sign, a6 and sign, a1 and sign, a2 and
// sign (a sign draw below one half makes the value negative).
const std::vector<WorkedExample> kWorked = {
    {"x-form, y = 2, a3 = 3, a6 = -1, a1 = 2, a2 = -4",
     false,
     {0.3f, 0.7f, 0.5f, 0.7f, 0.1f, 0.2f, 0.1f, 0.7f, 0.7f, 0.2f},
     5,
     2,
     {{3, 114, 30, "例4　次の連立方程式を解きなさい。"},
      {0, 154, 90, "2x-4y=2…①"},
      {0, 154, 140, "x=3y-1…②"},
      {3, 114, 210, "②を ① に代入して、"},
      {0, 114, 260, "2(3y-1)-4y=2"},
      {0, 114, 320, "6y-2-4y=2"},
      {0, 114, 380, "6y-4y=2+2"},
      {0, 114, 440, "2y=4"},
      {3, 114, 520, "y=ﾀ4/2ﾀ=2"},
      {3, 600, 140, "y=2 を②に代入して"},
      {0, 600, 200, "x=3*2-1"},
      {3, 600, 260, " =6-1=5"},
      {5, 600, 340, "答 x=5,y=2"}}},
    {"x-form, y = -3, a3 = 1, a6 = 4, a1 = 2, a2 = -1",
     false,
     {0.5f, 0.2f, 0.1f, 0.7f, 0.9f, 0.7f, 0.1f, 0.7f, 0.1f, 0.2f},
     1,
     -3,
     {{0, 154, 90, "2x-y=5…①"},
      {0, 154, 140, "x=y+4…②"},
      {0, 114, 260, "2(y+4)-y=5"},
      {0, 114, 320, "2y+8-y=5"},
      {0, 114, 380, "2y-y=5-8"},
      {3, 114, 440, "y=-3"},  // the collected row states the value
      {3, 600, 140, "y=-3 を②に代入して"},
      {0, 600, 200, "x=1*(-3)+4"},
      {3, 600, 260, " =-3+4=1"},
      {5, 600, 340, "答 x=1,y=-3"}}},
    {"y-form, x = 2, a3 = 3, a6 = -1, a1 = 2, a2 = -1",
     true,
     {0.3f, 0.7f, 0.5f, 0.7f, 0.1f, 0.2f, 0.3f, 0.7f, 0.1f, 0.2f},
     2,
     5,
     {{0, 154, 90, "2x-y=-1…①"},
      {0, 154, 140, "y=3x-1…②"},
      {0, 114, 260, "2x-(3x-1)=-1"},
      {0, 114, 320, "2x-3x+1=-1"},
      {0, 114, 380, "2x-3x=-1-1"},
      {0, 114, 440, "-x=-2"},
      {3, 114, 520, "x=ﾀ-2/-1ﾀ=2"},
      {3, 600, 140, "x=2 を②に代入して"},
      {0, 600, 200, "y=3*2-1"},
      {3, 600, 260, " =6-1=5"},
      {5, 600, 340, "答 x=2,y=5"}}},
    {"y-form, x = -3, a3 = 1, a6 = 4, a1 = -1, a2 = 2",
     true,
     {0.5f, 0.2f, 0.1f, 0.7f, 0.9f, 0.7f, 0.1f, 0.2f, 0.3f, 0.7f},
     -3,
     1,
     {{0, 154, 90, "-x+2y=5…①"},
      {0, 154, 140, "y=x+4…②"},
      {0, 114, 260, "-x+2(x+4)=5"},
      {0, 114, 320, "-x+2x+8=5"},
      {0, 114, 380, "-x+2x=5-8"},
      {3, 114, 440, "x=-3"},
      {3, 600, 140, "x=-3 を②に代入して"},
      {0, 600, 200, "y=1*(-3)+4"},
      {3, 600, 260, " =-3+4=1"},
      {5, 600, 340, "答 x=-3,y=1"}}},
    {"y-form, a negative collected coefficient stays in the denominator",
     true,
     {0.3f, 0.2f, 0.9f, 0.7f, 0.1f, 0.7f, 0.1f, 0.7f, 0.1f, 0.2f},
     -2,
     -7,
     {{0, 154, 90, "x-y=5…①"},
      {0, 114, 440, "-3x=6"},
      {3, 114, 520, "x=ﾀ6/-3ﾀ=-2"},
      {3, 600, 140, "x=-2 を②に代入して"},
      {0, 600, 200, "y=4*(-2)+1"},
      {3, 600, 260, " =-8+1=-7"}}},
};

class SubstitutionExamples : public ExamplePageTest {
protected:
    // The texts drawn after the n-th key and before the next key wait.
    int TextsAfterKey(int n) const {
        const auto log = pf.Log();
        int keys = 0, texts = 0;
        for (const std::string& line : log) {
            if (line.rfind("key ", 0) == 0) ++keys;
            else if (keys == n && line.rfind(kKeyWait, 0) == 0) break;
            else if (keys == n && line.rfind("text ", 0) == 0) ++texts;
        }
        return texts;
    }
    void Run(bool yForm) {
        if (yForm) lessons.RunSubstitutionExampleYForm();
        else lessons.RunSubstitutionExampleXForm();
    }
};

TEST_F(SubstitutionExamples, WorkedExamplesDrawTheirRowsInTenSteps) {
    for (const WorkedExample& example : kWorked) {
        SCOPED_TRACE(example.name);
        pf.ClearRecord();
        lessons.lastLeadValue = 0;
        rt.random.Randomize(0);
        rt.random.Feed(example.draws);
        pf.AddKeys(Spaces(9));
        Run(example.yForm);
        EXPECT_EQ(rt.random.Draws(), 10);
        EXPECT_EQ(lessons.solutionX, example.x);
        EXPECT_EQ(lessons.solutionY, example.y);
        EXPECT_EQ(lessons.lastLeadValue, example.yForm ? example.x : example.y);
        for (const TextRow& row : example.rows)
            EXPECT_TRUE(Shows(row.colour, row.x, row.y, row.text)) << row.text;
        EXPECT_EQ(CountDrawn(kKeyWait), 9);
        // A collected coefficient 1 leaves the quotient row empty: nothing
        // is drawn between the fifth and the sixth key.
        EXPECT_EQ(TextsAfterKey(5) == 0, rt.workNum(10) == 1);
        EXPECT_EQ(CountDrawn("box 0 0 1320 1300 15 15"), 1);
        // The brace of the system, and no wait after the answer.
        EXPECT_EQ(CountDrawn("poly 0 5 149 95"), 1);
        EXPECT_EQ(pf.Log().back().rfind("text ", 0), 0u);
        EXPECT_EQ(rt.leftMargin, 600);
        EXPECT_EQ(rt.cursorY, 340);
        EXPECT_EQ(rt.textColour, 5);
        EXPECT_TRUE(rt.textArg.empty());
    }
}

TEST_F(SubstitutionExamples, LeadEqualToTheLastIsDrawnAgainWithItsSign) {
    // y = 2 again after a lead of 2 is drawn again; -2 stands.
    lessons.lastLeadValue = 2;
    rt.random.Randomize(0);
    rt.random.Feed({0.3f, 0.7f, 0.3f, 0.2f, 0.5f, 0.7f, 0.1f, 0.2f, 0.1f, 0.7f, 0.7f, 0.2f});
    pf.AddKeys(Spaces(9));
    lessons.RunSubstitutionExampleXForm();
    EXPECT_EQ(rt.random.Draws(), 12);
    EXPECT_EQ(lessons.solutionY, -2);
    EXPECT_EQ(lessons.lastLeadValue, -2);
}

TEST_F(SubstitutionExamples, CollectedZeroRestartsAndComparesWithTheRejectedLead) {
    // y = 1, a3 = 1, a6 = 1, a1 = 2, a2 = -2: a2 + a1·a3 = 0, so the whole
    // example is drawn again. y = 1 is now refused (the rejected lead), and
    // y = 3, the lead of the previous example, stands.
    lessons.lastLeadValue = 3;
    rt.random.Randomize(0);
    rt.random.Feed({0.1f, 0.7f, 0.1f, 0.7f, 0.1f, 0.7f, 0.1f, 0.7f, 0.3f, 0.2f,  // refused: row 10 is 0
                    0.1f, 0.7f,                                                // y = 1 again
                    0.5f, 0.7f, 0.5f, 0.7f, 0.1f, 0.2f, 0.1f, 0.7f, 0.7f, 0.2f});
    pf.AddKeys(Spaces(9));
    lessons.RunSubstitutionExampleXForm();
    EXPECT_EQ(rt.random.Draws(), 22);
    EXPECT_EQ(lessons.solutionY, 3);
    EXPECT_EQ(lessons.solutionX, 8);
    EXPECT_EQ(CountDrawn("box 0 0 1320 1300 15 15"), 1);  // nothing drawn for the refused one
}

TEST_F(SubstitutionExamples, PageAlternatesFormsUntilOneThenPointsToTheTextbook) {
    // An x-form and a y-form example from worked draws, then 1.
    std::vector<float> draws = kWorked[0].draws;
    draws.insert(draws.end(), kWorked[3].draws.begin(), kWorked[3].draws.end());
    rt.random.Randomize(0);
    rt.random.Feed(draws);
    pf.AddKeys(Spaces(9) + "0\r" + Spaces(9) + "2/2\r" + " ");
    lessons.RunSubstitutionExamplesPage();
    EXPECT_EQ(lessons.exampleCount, 2);
    EXPECT_EQ(CountDrawn("box 0 0 1600 1800 15 15"), 1);
    EXPECT_EQ(CountDrawn("box 0 0 1320 1300 15 15"), 2);
    EXPECT_EQ(CountDrawn(kNextStep), 2);
    EXPECT_EQ(CountDrawn(kKeyWait), 19);
    // The second example replaced the first.
    EXPECT_TRUE(Shows(0, 154, 140, "y=x+4…②"));
    EXPECT_TRUE(Shows(5, 600, 340, "答 x=-3,y=1"));
    EXPECT_TRUE(Shows(7, 44, 610, "教科書P45 問5　をしなさい。"));
    // The textbook line comes after the key that follows the 1, and ends the page.
    const auto log = pf.Log();
    const auto line = std::find(log.begin(), log.end(), "text 44 610 2 3 7 \"ゴシック\" 16 1 0 \"教\"");
    ASSERT_NE(line, log.end());
    EXPECT_EQ(*(line - 2), "key \" \"");
    EXPECT_EQ(lessons.lastLeadValue, -3);
}

TEST_F(SubstitutionExamples, GeneratedExamplesKeepTheirInvariantsForEveryClockSeed) {
    for (int seed = 0; seed <= 141; ++seed) {
        rt.random.Randomize(seed);
        for (int n = 0; n < 12; ++n) {
            const bool yForm = n % 2 == 1;
            const float before = lessons.lastLeadValue;
            const long drawsBefore = rt.random.Draws();
            pf.AddKeys(Spaces(9));
            Run(yForm);
            const float x = lessons.solutionX, y = lessons.solutionY;
            const float lead = yForm ? x : y, other = yForm ? y : x;
            const float a1 = rt.workNum(1), a2 = rt.workNum(2), a3 = rt.workNum(3), a6 = rt.workNum(6);
            ASSERT_TRUE(lead == std::floor(lead) && std::fabs(lead) >= 1 && std::fabs(lead) <= 5) << seed;
            ASSERT_TRUE(std::fabs(a3) >= 1 && std::fabs(a3) <= 4 && std::fabs(a6) >= 1 && std::fabs(a6) <= 4);
            const float a1Low = yForm ? 1 : 2;
            ASSERT_TRUE(std::fabs(a1) >= a1Low && std::fabs(a1) <= a1Low + 4) << seed;
            ASSERT_TRUE(std::fabs(a2) >= 1 && std::fabs(a2) <= 5) << seed;
            ASSERT_EQ(other, a3 * lead + a6);
            ASSERT_LE(std::fabs(other), 24);
            ASSERT_EQ(rt.workNum(5), a1 * x + a2 * y);
            ASSERT_NE(rt.workNum(10), 0);
            ASSERT_EQ(rt.workNum(10) * lead, rt.workNum(11)) << seed;
            ASSERT_EQ(lessons.lastLeadValue, lead);
            // Drawn at the first try, the lead differs from the last one.
            if (rt.random.Draws() - drawsBefore == 10) {
                ASSERT_NE(lead, before) << seed;
            }
            ASSERT_TRUE(Shows(5, 600, 340, "答 x=" + rt.xText + ",y=" + rt.yText));
            pf.ClearRecord();
        }
    }
}

TEST_F(SubstitutionExamples, ScriptedRunShowsSeveralExamplesAndLeavesWithOne) {
    const std::string keys = "4\r3\r" + Spaces(9) + "2\r" + Spaces(9) + "\r" + Spaces(9) + "5\r" + Spaces(9) + "1\r" +
                             Spaces(1) + "7\r8\r";
    auto run = testing_support::RunProgram("kanovel", keys);
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kNextStep), 4);
    EXPECT_EQ(Count(run.log, kKeyWait), 4 * 9 + 1);
    // ② of the y-form starts with an upright y at (154, 140); the x-form's
    // starts with the italic x.
    EXPECT_EQ(Count(run.log, "text 154 140 3 3 0 \"ゴシック\" 16 1 0 \"y\""), 2);
    EXPECT_EQ(Count(run.log, "text 44 610 2 3 7"), 1);
}

}  // namespace
