// Lesson 4's pages: the random percentage example and question 4 (the
// discount).
#include "tests/test_support.h"
#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

// The RND value that makes INT(RND * 5 + 1) give `k`.
float Pick(int k) { return static_cast<float>(k - 1) / 5 + 0.1f; }

// Rates in steps of 5 %, counts in steps of 20.
std::vector<float> Draws(int boysRate, int girlsRate, int boys, int girls) {
    return {Pick(boysRate / 5), Pick(girlsRate / 5), Pick(boys / 20), Pick(girls / 20)};
}

TEST(PercentExample, GeneratorReducesTheRatesAndClearsTheirDenominators) {
    struct Case {
        int boysRate, girlsRate, boys, girls;  // as drawn
        int girlsRateShown, increase;
        int boysDen, boysNum, girlsDen, girlsNum, lcm, boysCoef, girlsCoef, cleared;
    } cases[] = {
        // equal rates: the girls' goes up by 5, with no new draw
        {25, 25, 60, 40, 30, 15 + 12, 4, 1, 10, 3, 20, 5, 6, 540},
        {5, 10, 100, 20, 10, 5 + 2, 20, 1, 10, 1, 20, 1, 2, 140},
        // common denominator 10
        {20, 10, 40, 80, 10, 8 + 8, 5, 1, 10, 1, 10, 2, 1, 160},
        {10, 15, 60, 40, 15, 6 + 6, 10, 1, 20, 3, 20, 2, 3, 240},
    };
    for (const Case& c : cases) {
        PageRun run("");
        run.rt.random.Feed(Draws(c.boysRate, c.girlsRate, c.boys, c.girls));
        run.lessons.GeneratePercentExampleData();
        runtime::Runtime& rt = run.rt;
        EXPECT_EQ(rt.random.Draws(), 4);
        const float expected[] = {static_cast<float>(c.boysRate), static_cast<float>(c.girlsRateShown),
                                  static_cast<float>(c.boys + c.girls), static_cast<float>(c.boysRate * c.boys) / 100,
                                  static_cast<float>(c.girlsRateShown * c.girls) / 100, static_cast<float>(c.increase),
                                  static_cast<float>(c.boysDen), static_cast<float>(c.boysNum),
                                  static_cast<float>(c.girlsDen), static_cast<float>(c.girlsNum),
                                  static_cast<float>(c.lcm), static_cast<float>(c.boysCoef),
                                  static_cast<float>(c.girlsCoef), static_cast<float>(c.cleared)};
        for (int i = 1; i <= 14; ++i) EXPECT_EQ(rt.workNum(i), expected[i - 1]) << c.boysRate << "/" << c.girlsRate << " slot " << i;
        EXPECT_EQ(rt.workText(2), std::to_string(c.girlsRateShown));
        // The solver's system: ① x+y=total, ③ with the cleared coefficients.
        const float system[] = {1, 1, static_cast<float>(c.boysCoef), static_cast<float>(c.girlsCoef)};
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(rt.solverCoef(i), system[i - 1]);
        EXPECT_EQ(rt.solverConst(1), c.boys + c.girls);
        EXPECT_EQ(rt.solverConst(2), c.cleared);
    }
}

TEST(PercentExample, OneExampleThenTheHintAfterOneMoreKey) {
    // The solver works ① and ③ (x+y=100, 2x+3y=240) with its usual waits.
    const int exampleWaits = 22 + kSolverWaits;
    PageRun run(Spaces(exampleWaits) + "1\r" + " ");
    run.rt.random.Feed(Draws(10, 15, 60, 40));
    ASSERT_TRUE(run.Run([&] { run.lessons.ShowPercentExamplePage(); }));
    const Log& log = run.log();
    EXPECT_EQ(Count(log, kKeyWait), exampleWaits + 1);
    EXPECT_EQ(Count(log, kNextStep), 1);
    EXPECT_EQ(run.rt.GetDrawWidth(), 5);

    ExpectRows(log, {
        // problem, left-hand pane
        {40, 30, 3, "例", 0}, {40, 80, 0, "あ", 0}, {40, 130, 0, "先", 0},
        {40, 180, 0, "1", 0}, {40, 230, 0, "1", 0}, {40, 280, 0, "女", 0},
        // set-up, right-hand pane
        {680, 30, 7, "先", 12}, {680, 80, 7, "女", 12}, {680, 130, 0, "先", 13},
        {684, 158, 3, "x", 14}, {680, 230, 0, "増", 15}, {707, 350, 0, "②", 17},
        {680, 480, 0, "2", 19}, {680, 550, 3, "2", 20},
        // the solver's "式", and the hint after the last example
        {40, 30, 3, "式", 20}, {484, 600, 7, "教", exampleWaits + 1},
    });
    const long solverStart = FindLine(log, "box 40 0 680 1300 15 15");
    EXPECT_EQ(RowText(log, 80, 40, 680, 0, solverStart), "あわせて100人でした。今月は、");
    EXPECT_EQ(RowText(log, 130, 40, 680, 0, solverStart), "先月に比べ、男子が10％、女子が");
    EXPECT_EQ(RowText(log, 180, 40, 680, 0, solverStart), "15％それぞれ増えたため全体で");
    EXPECT_EQ(RowText(log, 550, 680), "23y=240…③");

    // The empty grid, two keys, then every cell followed by its own key.
    EXPECT_EQ(log.front(), "box 0 0 1600 1800 15 15 5");
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 40 350 200 400 3 13 5")), 1);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 456 350 584 400 3 13 5")), 1);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 200 400 328 450 3 15 5", 1)), 3);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 456 450 584 500 3 15 5", 1)), 8);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 456 500 584 570 3 15 5", 1)), 11);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 680 0 3200 1800 15 15")), 12);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 40 0 680 1300 15 15")), 20);

    // After the solver: one key, the check 20 above where it stopped, one
    // key, the answer 50 below the check, then the next-step prompt.
    long check = -1;
    float checkY = 0;
    for (const Glyph& g : Glyphs(log))
        if (g.x == 40 && g.colour == 0 && g.text == "こ") {
            check = g.line;
            checkY = g.y;
        }
    ASSERT_GE(check, 0);
    EXPECT_EQ(WaitsBefore(log, check), 21 + kSolverWaits);
    const long answer = FindGlyph(log, 40, checkY + 50, 5, "答");
    ASSERT_GE(answer, 0);
    EXPECT_EQ(WaitsBetween(log, check, answer), 1);
    EXPECT_EQ(RowText(log, checkY + 50, 40, 680, answer), "答　男子60人,女子40人");
    EXPECT_GT(FindLine(log, kNextStep), answer);
}

TEST(PercentExample, TheHintMakesRoomForLongAnswers) {
    // 100 boys and 100 girls: the answer ends at 40 + 461 = 501, past the
    // hint's x 484; 40 boys and 100 girls end at 474, less than a
    // full-width character before it. The hint then starts 30 right of the
    // answer.
    const struct {
        int boys, girls;
        float hintX;
    } cases[] = {{100, 100, 531}, {40, 100, 504}, {40, 60, 484}};
    for (const auto& c : cases) {
        PageRun run(Spaces(80) + "1\r" + " ");
        run.rt.random.Feed(Draws(25, 5, c.boys, c.girls));
        ASSERT_TRUE(run.Run([&] { run.lessons.ShowPercentExamplePage(); }));
        EXPECT_GE(FindGlyph(run.log(), c.hintX, 600, 7, "教"), 0) << c.boys << "/" << c.girls;
        if (c.hintX != 484) {
            EXPECT_EQ(FindGlyph(run.log(), 484, 600, 7, "教"), -1) << c.boys << "/" << c.girls;
        }
    }
}

TEST(PercentExample, EveryExampleOfEverySeedIsAnsweredFromTheMenu) {
    // Surplus spaces at the next-step prompt are not digits: the number
    // typed after them decides.
    for (const char* time : {"00:00:00", "10:20:30", "23:59:59"}) {
        std::string keys = "4\r1\r";
        for (int i = 0; i < 8; ++i) keys += Spaces(60) + (i < 7 ? "0\r" : "1\r");
        keys += " 3\r8\r";
        auto run = RunProgram("tirosam", keys, time);
        EXPECT_TRUE(run.ended) << time;
        EXPECT_FALSE(run.errorShown) << time;
        EXPECT_EQ(Count(run.log, kNextStep), 8) << time;
        int answers = 0;
        for (const Glyph& g : Glyphs(run.log))
            if (g.x == 40 && g.colour == 5 && g.text == "答") ++answers;
        EXPECT_EQ(answers, 8) << time;
        // One hint, at 484 or further right after a long answer.
        int hints = 0;
        for (const Glyph& g : Glyphs(run.log))
            if (g.y == 600 && g.colour == 7 && g.text == "教" && g.x >= 484) ++hints;
        EXPECT_EQ(hints, 1) << time;
    }
}

TEST(DiscountQuestionPage, ThirtyThreeKeysFromTableToAnswerAndBackToTheSubmenu) {
    const auto run = RunPage("tirosam", 4, 2, 33, 3);
    ExpectPageRun(run, 33);
    const Log& log = run.log;
    ExpectRows(log, {
        {38, 30, 3, "教", 0}, {38, 330, 0, "弁", 1}, {38, 380, 0, "定", 2}, {38, 430, 0, "高", 2},
        {38, 480, 0, "定", 14}, {38, 550, 0, "代", 16},
        // right-hand column
        {798, 30, 0, "②", 19}, {798, 90, 0, "1", 20}, {825, 170, 0, "1", 20}, {798, 240, 3, "9", 21},
        {842, 268, 0, "x", 22}, {838, 340, 0, "9", 22},
        // after the table and the left column have gone
        {38, 30, 3, "①", 24}, {92, 80, 0, "8", 25}, {92, 130, 0, "9", 25},
        {286, 180, 0, "4", 27}, {259, 230, 0, "4", 28}, {42, 258, 3, "x", 29},
        {38, 330, 0, "4", 30}, {38, 380, 0, "y", 31}, {69, 408, 3, "x", 32},
        {38, 480, 0, "こ", 33}, {38, 530, 5, "答", 33}, {114, 580, 5, "お", 33},
    });
    EXPECT_EQ(RowText(log, 180, 38, 760, FindLine(log, "box 0 0 760 1800"), FindLine(log, "key \"3\"")), "=480");  // " -x   =-480": x and the minus signs are no glyphs
    // The grid at once: corner and labels 14, headers and values 15.
    for (const char* cell : {"box 38 100 304 150 3 14 5", "box 304 100 456 150 3 15 5", "box 608 100 760 150 3 15 5",
                             "box 38 250 304 320 3 14 5", "box 608 250 760 320 3 15 5"})
        EXPECT_EQ(WaitsBefore(log, FindLine(log, cell)), 1) << cell;
    // The values one a key, a second key after "600".
    const std::pair<const char*, int> values[] = {
        {"box 304 150 456 200 3 15 5", 4}, {"box 456 150 608 200 3 15 5", 5},  {"box 608 150 760 200 3 15 5", 6},
        {"box 304 200 456 250 3 15 5", 8}, {"box 608 200 760 250 3 15 5", 10}, {"box 304 250 456 320 3 15 5", 11},
        {"box 608 250 760 320 3 15 5", 13},
    };
    for (const auto& [cell, waits] : values) EXPECT_EQ(WaitsBefore(log, FindLine(log, cell, 1)), waits) << cell;
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "poly 0 5 833 295")), 22);
    EXPECT_EQ(WaitsBefore(log, FindLine(log, "box 0 0 760 1800 15 15")), 24);
    // The signs of the subtraction: over the operator, before the first
    // term, over the "+" and before the known term (the row once put its
    // last one over the "y").
    for (const std::string& sign :
         {PlusMark(38, 105, 3), MinusMarkBefore(92, 105, 3), MinusMark(146, 105, 3), MinusMarkBefore(259, 105, 3)})
        EXPECT_EQ(WaitsBefore(log, FindLine(log, sign)), 26) << sign;
}

}  // namespace
