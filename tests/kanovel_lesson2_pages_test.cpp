// Lesson 2's scripted pages and its fixed exercise 問1, driven from the
// main menu.
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using namespace page_checks;

TEST(KanovelLesson2Pages, PictogramBesideTheLetters) {
    auto run = RunPage("kanovel", 2, 1, 23, 5);
    ExpectPageRun(run, 23);
    const auto& log = run.log;
    // Apples in colour 5, oranges in 7, 34 apart; ②'s amount 102 after its
    // last orange.
    for (float x : {38.0f, 72.0f}) EXPECT_EQ(CountGlyph(log, x, 150, 5, "●"), 1) << x;
    for (float x : {136.0f, 170.0f, 204.0f, 238.0f, 272.0f}) EXPECT_EQ(CountGlyph(log, x, 150, 7, "●"), 1) << x;
    EXPECT_EQ(CountGlyph(log, 336, 150, 0, "→"), 1);
    EXPECT_EQ(CountGlyph(log, 340, 220, 0, "→"), 1);
    EXPECT_EQ(CountGlyph(log, 248, 290, 7, "●"), 1);
    EXPECT_EQ(CountGlyph(log, 284, 360, 7, "●"), 1);
    EXPECT_EQ(CountGlyph(log, 38, 570, 5, "●"), 1);
    // The letters: the brace at 760, the results 54 right of it, the
    // column sum drawn after them with its rule on the top of "2y=120".
    EXPECT_EQ(CountGlyph(log, 570, 30, 7, "り"), 1);
    EXPECT_EQ(Count(log, "poly 0 5 795 85 "), 1);
    EXPECT_EQ(CountGlyph(log, 895, 280, 0, "2"), 1);
    EXPECT_EQ(Count(log, "line 787 280 "), 1);
    EXPECT_GT(WaitsBefore(log, "line 787 280 "), WaitsBefore(log, "text 895 280"));
    EXPECT_EQ(CountGlyph(log, 646, 180, 3, "①"), 1);
    EXPECT_EQ(CountGlyph(log, 760, 380, 3, "y"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 760 380"), 22);
    // The point, under the pictogram, with the last row.
    EXPECT_EQ(CountGlyph(log, 38, 613, 5, "文"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 38 613"), 23);
}

TEST(KanovelLesson2Pages, ExplanationNamesTheStepsBesideTheWorking) {
    auto run = RunPage("kanovel", 2, 2, 14, 5);
    ExpectPageRun(run, 14);
    const auto& log = run.log;
    EXPECT_EQ(CountGlyph(log, 608, 30, 3, "解"), 1);
    EXPECT_EQ(Count(log, "poly 0 5 111 35 "), 1);
    EXPECT_EQ(CountGlyph(log, 76, 130, 3, "①"), 1);
    // The results at leftMargin + 70, though side rows come between them.
    EXPECT_EQ(CountGlyph(log, 227, 280, 0, "2"), 1);
    EXPECT_EQ(CountGlyph(log, 254, 330, 0, "y"), 1);
    EXPECT_EQ(CountGlyph(log, 76, 380, 3, "y"), 1);
    // The captions at 608 on rows 90, 210, 270, 330, each text after its number.
    for (float y : {90.0f, 210.0f, 270.0f, 330.0f}) EXPECT_EQ(CountGlyph(log, 608, y, 7, "("), 1) << y;
    EXPECT_EQ(CountGlyph(log, 689, 90, 0, "①"), 1);
    EXPECT_EQ(CountGlyph(log, 689, 330, 0, "答"), 1);
    // The remark in the free row under caption (1), after the last key.
    EXPECT_EQ(CountGlyph(log, 783, 150, 5, "消"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 783 150"), 14);
    EXPECT_EQ(CountGlyph(log, 273, 580, 5, "答"), 1);  // 30 right of " x=150"
}

TEST(KanovelLesson2Pages, Exercise1WorksThreeSystemsWithTwoKeysBeforeTheThird) {
    auto run = RunPage("kanovel", 2, 4, 3, 5);
    ExpectPageRun(run, 3);
    const auto& log = run.log;
    EXPECT_EQ(CountGlyph(log, 40, 30, 7, "問"), 1);
    EXPECT_EQ(CountGlyph(log, 101, 30, 3, "("), 1);
    EXPECT_EQ(CountGlyph(log, 600, 30, 3, "("), 1);
    EXPECT_EQ(CountGlyph(log, 80, 30, 3, "("), 1);
    // Each system's brace right after its label; no waits inside a system.
    EXPECT_EQ(Count(log, "poly 0 5 217 35 "), 1);
    EXPECT_EQ(Count(log, "poly 0 5 716 35 "), 1);
    EXPECT_EQ(Count(log, "poly 0 5 196 35 "), 1);
    EXPECT_EQ(WaitsBefore(log, "text 600 30"), 1);
    EXPECT_EQ(WaitsBefore(log, "text 80 30"), 3);
    EXPECT_EQ(WaitsBefore(log, "box 0 0 1600 1800 15 15", 2), 3);
    EXPECT_EQ(CountInColour(log, 5, "答"), 3);
}

}  // namespace
