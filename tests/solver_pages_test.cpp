// Whole worked systems of both branches, compared call by call with the
// page they should leave, and the step and answer options.
#include "tests/page_checks.h"
#include "tests/solver_script.h"

namespace {

using solver_testing::ContainsRun;
using solver_testing::PageScript;
using solver_testing::SolverTest;

using SolverPageTest = SolverTest;

// The page without the prompt boxes of its key waits.
std::vector<std::string> WithoutWaits(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    bool inWait = false;
    for (const std::string& line : lines) {
        if (line.rfind(page_checks::kKeyWait + " ", 0) == 0) inWait = true;
        if (!inWait) out.push_back(line);
        if (line.rfind(page_checks::kKeyWaitErased + " ", 0) == 0) inWait = false;
    }
    return out;
}

TEST_F(SolverPageTest, AddingCancelsYAndXGoesIntoTheFirstEquation) {
    pf.AddKeys(std::string(16, ' '));
    rt.solverContinue = 1;
    Solve({4, -3, 11, 5, 3, 7});

    PageScript page;
    page.Brace(182, 30)
        .Text(0, 222, 30, "4x").Text(0, 276, 30, "-3y").Then(0, "=11…①")
        .Text(0, 222, 80, "5x").Text(0, 276, 80, "+3y").Then(0, "=7…②")
        .Wait()
        .Text(3, 104, 130, "①+②").Wait()
        .Text(0, 94, 180, "4x").Text(0, 148, 180, "-3y").Then(0, "=11").Wait()
        .Text(0, 94, 230, "5x").Text(0, 148, 230, "+3y").Then(0, "=7").Wait()
        .Text(0, 40, 236, "+").Then(0, ")")
        .Rule(67, 280, 348)
        .Wait()
        .Wait()  // an addition has no row of flipped signs
        .Text(0, 94, 280, "9x").Text(0, 229, 280, "=18").Wait()
        .Text(3, 358, 280, "x=2").Wait()
        .Text(7, 40, 340, "この値を①に代入して").Wait()
        .Text(0, 40, 390, "4*2-3y=11").Wait()
        .Text(0, 40, 440, "8-3y=11").Wait()
        .Text(0, 40, 490, "-3y=").Wait().Then(0, "11-8=").Wait().Then(0, "3").Wait()
        .Text(3, 40, 550, "y=-1").Wait()
        .Then(5, "答 x=2,y=-1", 30);
    EXPECT_EQ(Drawn(), page.Lines());

    EXPECT_EQ(pf.KeysTaken(), 15);
    EXPECT_EQ(rt.cursorX, page.EndX());
    EXPECT_EQ(rt.cursorY, 550);
    EXPECT_EQ(rt.leftMargin, 40);
    EXPECT_EQ(rt.xText, "2");
    EXPECT_EQ(rt.yText, "-1");
    EXPECT_EQ(rt.xTextParen, "2");
    EXPECT_EQ(rt.yTextParen, "(-1)");
    EXPECT_EQ(rt.eq1Label, "");
    EXPECT_EQ(rt.eq2Label, "");
    EXPECT_EQ(rt.solverContinue, 0);
    EXPECT_EQ(rt.textColour, 5);
    EXPECT_EQ(rt.boxFill, 0);
}

TEST_F(SolverPageTest, SubtractingCancelsXAndYGoesIntoTheSecondEquation) {
    pf.AddKeys(std::string(16, ' '));
    rt.solverContinue = 1;
    Solve({2, 4, 18, 2, -3, 4});

    PageScript page;
    page.Brace(182, 30)
        .Text(0, 222, 30, "2x").Text(0, 276, 30, "+4y").Then(0, "=18…①")
        .Text(0, 222, 80, "2x").Text(0, 276, 80, "-3y").Then(0, "=4…②")
        .Wait()
        .Text(3, 104, 130, "①-②").Wait()
        .Text(0, 94, 180, "2x").Text(0, 148, 180, "+4y").Then(0, "=18").Wait()
        .Text(0, 94, 230, "2x").Text(0, 148, 230, "-3y").Then(0, "=4").Wait()
        .Text(0, 40, 236, "-").Then(0, ")")
        .Rule(67, 280, 348)
        .Wait()
        .Mark(3, 40, 205, "+", "-").Mark(3, 94, 205, "-", "2x").Mark(3, 148, 205, "+", "-3y").Mark(3, 261, 205, "-", "4")
        .Wait()
        .Text(0, 175, 280, "7y").Text(0, 229, 280, "=14").Wait()
        .Text(3, 358, 280, "y=2").Wait()
        .Text(7, 40, 340, "この値を②に代入して").Wait()
        .Text(0, 40, 390, "2x-3*2=4").Wait()
        .Text(0, 40, 440, "2x-6=4").Wait()
        .Text(0, 40, 490, "2x=").Wait().Then(0, "4+6=").Wait().Then(0, "10").Wait()
        .Text(3, 40, 550, "x=5").Wait()
        .Then(5, "答 x=5,y=2", 30);
    EXPECT_EQ(Drawn(), page.Lines());

    EXPECT_EQ(pf.KeysTaken(), 15);
    EXPECT_EQ(rt.cursorX, page.EndX());
    EXPECT_EQ(rt.cursorY, 550);
    EXPECT_EQ(rt.xText, "5");
    EXPECT_EQ(rt.yText, "2");
    EXPECT_EQ(rt.xTextParen, "5");
    EXPECT_EQ(rt.yTextParen, "2");
    EXPECT_EQ(rt.solverSubstEq, 2);
    EXPECT_EQ(rt.substLabel, "②");
}

// Multipliers 2 and 7, a subtraction, a result wider than its column.
TEST_F(SolverPageTest, EliminationRowsFollowTheColumnsOfTheMultipliedRows) {
    Solve({4, 7, -13, 5, 2, 4}, 721, 30, 640);
    PageScript rows;
    rows.Text(3, 704, 130, "①*2-②*7")
        .Text(0, 721, 180, "8x").Text(0, 775, 180, "+14y").Then(0, "=-26")
        .Text(0, 694, 230, "35x").Text(0, 775, 230, "+14y").Then(0, "=28")
        .Text(0, 640, 236, "-").Then(0, ")")
        .Rule(667, 280, 1002)
        .Mark(3, 640, 205, "+", "-").Mark(3, 694, 205, "-", "35x").Mark(3, 775, 205, "-", "+14y").Mark(3, 915, 205, "-", "28")
        .Text(0, 667, 280, "-27x").Text(0, 883, 280, "=-54")
        .Text(3, 1012, 280, "x=2")
        .Text(7, 640, 340, "この値を①に代入して")
        .Text(0, 640, 390, "4*2+7y=-13")
        .Text(0, 640, 440, "8+7y=-13")
        .Text(0, 640, 490, "7y=").Then(0, "-13-8=").Then(0, "-21")
        .Text(3, 640, 550, "y=-3");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));
    EXPECT_EQ(rt.sumResultX, 1012);
    EXPECT_EQ(rt.colX(8), 667);
}

// The marks of a subtraction stand with the lower row's own terms, also
// where a lower term is narrower than the one above it: just before "x" of
// "x" under "12x", over the "+" of "+7y" under "+10y", and just before the
// known term after "=".
TEST_F(SolverPageTest, SignMarksStandWithTheLowerRowsOwnTerms) {
    using page_checks::MinusMark;
    using page_checks::MinusMarkBefore;
    using page_checks::PlusMark;
    using page_checks::PlusMarkBefore;
    Solve({10, 10, 12600, 10, 7, 10500});
    for (const std::string& mark : {PlusMark(40, 205, 3), MinusMarkBefore(94, 205, 3), MinusMark(202, 205, 3),
                                    MinusMarkBefore(315, 205, 3)})
        EXPECT_EQ(page_checks::Count(Drawn(), mark), 1) << mark;
    pf.ClearRecord();
    Solve({12, 1, 13, 1, 1, 2});
    for (const std::string& mark : {PlusMark(40, 205, 3), MinusMarkBefore(148, 205, 3), MinusMark(175, 205, 3),
                                    MinusMarkBefore(261, 205, 3)})
        EXPECT_EQ(page_checks::Count(Drawn(), mark), 1) << mark;
    // A negative known term has its own sign: the mark stands over it.
    pf.ClearRecord();
    Solve({1, 2, 1, 1, 1, -1});
    EXPECT_EQ(page_checks::Count(Drawn(), PlusMark(234, 205, 3)), 1);
    // A known term of 0 taken away leaves +0: the mark before it is "+".
    pf.ClearRecord();
    Solve({1, 2, 3, 1, 1, 0});
    EXPECT_EQ(page_checks::Count(Drawn(), PlusMarkBefore(234, 205, 3)), 1);
}

// A coefficient 1 on the combined equation and on the unknown of the
// receiving equation: those rows are the answer's colour and the value
// rows stay empty, with their waits.
TEST_F(SolverPageTest, CoefficientOneStatesTheValueInItsRow) {
    pf.AddKeys(std::string(16, ' '));
    rt.solverContinue = 1;
    Solve({1, 2, 5, 2, 3, 8});
    PageScript rows;
    rows.Text(3, 104, 130, "①*2-②").Wait()
        .Text(0, 94, 180, "2x").Text(0, 148, 180, "+4y").Then(0, "=10").Wait()
        .Text(0, 94, 230, "2x").Text(0, 148, 230, "+3y").Then(0, "=8").Wait()
        .Text(0, 40, 236, "-").Then(0, ")")
        .Rule(67, 280, 348)
        .Wait()
        .Mark(3, 40, 205, "+", "-").Mark(3, 94, 205, "-", "2x").Mark(3, 148, 205, "-", "+3y").Mark(3, 261, 205, "-", "8")
        .Wait()
        .Text(3, 202, 280, "y").Text(3, 229, 280, "=2").Wait()
        .Wait()  // nothing beside y=2
        .Text(7, 40, 340, "この値を①に代入して").Wait()
        .Text(0, 40, 390, "x+2*2=5").Wait()
        .Text(0, 40, 440, "x+4=5").Wait()
        .Text(3, 40, 490, "x=").Wait().Then(0, "5-4=").Wait().Then(3, "1").Wait()
        .Wait()  // the value row is empty
        .Text(5, 70, 550, "答 x=1,y=2");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));
    EXPECT_EQ(pf.KeysTaken(), 15);
    EXPECT_EQ(rt.boxFill, 3);
}

TEST_F(SolverPageTest, StepOptionOtherThanOneDrawsTheSamePageWithoutWaits) {
    for (const solver_testing::System& s : {solver_testing::System{4, -3, 11, 5, 3, 7},
                                             solver_testing::System{2, 4, 18, 2, -3, 4}}) {
        pf.ClearRecord();
        pf.AddKeys(std::string(15, ' '));
        const int before = pf.KeysTaken();
        rt.solverContinue = 1;
        Solve(s);
        EXPECT_EQ(pf.KeysTaken() - before, 15);
        const std::vector<std::string> stepped = WithoutWaits(Drawn());
        for (float option : {0.0f, 2.0f, -1.0f, 0.5f}) {
            pf.ClearRecord();
            const int keysBefore = pf.KeysTaken();
            rt.solverContinue = option;
            Solve(s);
            EXPECT_EQ(pf.KeysTaken(), keysBefore) << option;
            EXPECT_EQ(Drawn(), stepped) << option;
        }
    }
}

TEST_F(SolverPageTest, HiddenAnswerLeavesOutOnlyTheAnswerLine) {
    struct Case {
        solver_testing::System system;
        std::string answer;
        float valueRowEnd;  // where the cursor stays without the answer
    };
    // y=-5 needs no value row (b = 1), y=-1 has one.
    for (const Case& c : {Case{{1, 1, -3, 1, -1, 7}, "答 x=2,y=-5", 40},
                          Case{{4, -3, 11, 5, 3, 7}, "答 x=2,y=-1", 40 + 27 + 32 + 27 + 27}}) {
        pf.ClearRecord();
        rt.answerHidden = 2;
        Solve(c.system);
        const std::vector<std::string> shown = Drawn();
        pf.ClearRecord();
        rt.answerHidden = 1;
        Solve(c.system);
        const std::vector<std::string> hidden = Drawn();
        EXPECT_EQ(rt.cursorX, c.valueRowEnd);
        EXPECT_EQ(rt.cursorY, 550);
        EXPECT_EQ(rt.answerHidden, 1);
        EXPECT_EQ(rt.textColour, 3);

        const std::vector<std::string> answer = PageScript().Text(5, c.valueRowEnd + 30, 550, c.answer).Lines();
        std::vector<std::string> expected = hidden;
        expected.insert(expected.end(), answer.begin(), answer.end());
        EXPECT_EQ(shown, expected);
    }
}

// The typed entry draws what the shared fields ask for, and leaves no
// option behind: answerHidden, which the solver itself keeps, is back too.
TEST_F(SolverPageTest, TypedEntryWorksTheSystemAsTheSharedFieldsAndPutsTheOptionsBack) {
    const solver::System system{1, 1, 500, 8, 3, 3000};
    pf.AddKeys(std::string(30, ' '));
    rt.eq2Label = "③";
    rt.solverContinue = 1;
    rt.answerHidden = 1;
    Solve(system);
    const std::vector<std::string> shared = Drawn();
    const int sharedKeys = pf.KeysTaken();
    EXPECT_EQ(rt.answerHidden, 1);

    pf.ClearRecord();
    rt.answerHidden = 0;
    rt.penX = rt.cursorX = 182;
    rt.penY = rt.cursorY = 30;
    rt.columnX = 40;
    solver.Solve(system, solver::SolveOptions().StepByStep().HideAnswer().Labels("", "③"));
    EXPECT_EQ(Drawn(), shared);
    EXPECT_EQ(pf.KeysTaken() - sharedKeys, sharedKeys);
    EXPECT_EQ(rt.xText, "300");
    EXPECT_EQ(rt.yText, "200");
    EXPECT_EQ(rt.solverContinue, 0);
    EXPECT_EQ(rt.answerHidden, 0);
    EXPECT_EQ(rt.eq1Label, "");
    EXPECT_EQ(rt.eq2Label, "");
    EXPECT_EQ(solver.SystemInSlots().c2, 3000);
}

TEST_F(SolverPageTest, CallerLabelsStandInTheRowsCaptionAndSubstitution) {
    rt.eq1Label = "③";
    rt.eq2Label = "④";
    Solve({3, -7, 1, 2, 3, -7});
    PageScript rows;
    rows.Text(0, 222, 30, "3x").Text(0, 276, 30, "-7y").Then(0, "=1…③");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));
    EXPECT_TRUE(ContainsRun(Drawn(), PageScript().Text(3, 104, 130, "③*2-④*3").Lines()));
    EXPECT_TRUE(ContainsRun(Drawn(), PageScript().Text(7, 40, 340, "この値を④に代入して").Lines()));
    EXPECT_EQ(rt.xText, "-2");
    EXPECT_EQ(rt.yText, "-1");
    EXPECT_EQ(rt.eq1Label, "");
    EXPECT_EQ(rt.eq2Label, "");

    // Only the second label given: the first is ①.
    pf.ClearRecord();
    rt.eq2Label = "③";
    Solve({4, -3, 11, 5, 3, 7});
    EXPECT_TRUE(ContainsRun(Drawn(), PageScript().Text(3, 104, 130, "①+③").Lines()));
    // The next solve, given no labels, is back to ① and ②.
    pf.ClearRecord();
    Solve({4, -3, 11, 5, 3, 7});
    EXPECT_TRUE(ContainsRun(Drawn(), PageScript().Text(3, 104, 130, "①+②").Lines()));
}

// Zero written as 0, with its + where it follows, never -0.
TEST_F(SolverPageTest, ZeroValuesReadPlusZero) {
    Solve({2, -3, -4, 4, 5, -8});  // y = 0, x cancels
    PageScript rows;
    rows.Text(0, 40, 390, "2x-3*0=-4")
        .Text(0, 40, 440, "2x+0=-4")
        .Text(0, 40, 490, "2x=").Then(0, "-4+0=").Then(0, "-4")
        .Text(3, 40, 550, "x=-2");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));
    EXPECT_EQ(rt.yText, "0");
    EXPECT_EQ(rt.yTextParen, "0");

    pf.ClearRecord();
    Solve({2, 3, 6, 4, -3, -6});  // x = 0, y cancels
    PageScript rowsY;
    rowsY.Text(3, 358, 280, "x=0")
        .Text(7, 40, 340, "この値を①に代入して")
        .Text(0, 40, 390, "2*0+3y=6")
        .Text(0, 40, 440, "0+3y=6")
        .Text(0, 40, 490, "3y=").Then(0, "6+0=").Then(0, "6")
        .Text(3, 40, 550, "y=2");
    EXPECT_TRUE(ContainsRun(Drawn(), rowsY.Lines()));
    EXPECT_EQ(rt.xText, "0");
}

// A value that is not whole is its exact reduced fraction, both the one
// found first and the one found by substitution.
TEST_F(SolverPageTest, ValuesThatAreNotWholeAreExactFractions) {
    struct Case {
        solver_testing::System system;
        std::string x, y, xParen, yParen;
    };
    for (const Case& c : {Case{{3, 1, 3, 3, -1, 1}, "ﾀ2/3ﾀ", "1", "ﾀ2/3ﾀ", "1"},
                          Case{{3, 1, -1, 3, -1, -3}, "-ﾀ2/3ﾀ", "1", "(-ﾀ2/3ﾀ)", "1"},
                          Case{{2, 3, 1, 1, -1, 1}, "ﾀ4/5ﾀ", "-ﾀ1/5ﾀ", "ﾀ4/5ﾀ", "(-ﾀ1/5ﾀ)"},
                          Case{{7, 5, 1, 3, 2, 1}, "3", "-4", "3", "(-4)"},
                          Case{{6, 4, 1, 9, 10, 2}, "ﾀ1/12ﾀ", "ﾀ1/8ﾀ", "ﾀ1/12ﾀ", "ﾀ1/8ﾀ"}}) {
        Solve(c.system);
        EXPECT_EQ(rt.xText, c.x);
        EXPECT_EQ(rt.yText, c.y);
        EXPECT_EQ(rt.xTextParen, c.xParen);
        EXPECT_EQ(rt.yTextParen, c.yParen);
    }
    pf.ClearRecord();
    Solve({3, 1, 3, 3, -1, 1});
    PageScript rows;
    rows.Text(3, 304, 280, "x=ﾀ2/3ﾀ").Text(7, 40, 340, "この値を①に代入して").Text(0, 40, 390, "3*ﾀ2/3ﾀ+y=3");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));
}

// Where the known term is not whole, the rows show it and what it leaves
// as exact fractions, not as rounded decimals.
TEST_F(SolverPageTest, WorkingRowsOfFractionValuesAreExact) {
    Solve({1, 1, 1, 2, -1, 1});  // y cancels, x = 2/3 into x+y=1
    PageScript rows;
    rows.Text(0, 40, 390, "1*ﾀ2/3ﾀ+y=1")
        .Text(0, 40, 440, "ﾀ2/3ﾀ+y=1")
        .Text(3, 40, 490, "y=").Then(0, "1-ﾀ2/3ﾀ=").Then(3, "ﾀ1/3ﾀ")
        .Text(5, 70, 550, "答 x=ﾀ2/3ﾀ,y=ﾀ1/3ﾀ");
    EXPECT_TRUE(ContainsRun(Drawn(), rows.Lines()));

    pf.ClearRecord();
    Solve({2, 3, 1, 2, -1, 2});  // x cancels, y = -1/4 into 2x-y=2
    PageScript rowsX;
    rowsX.Text(0, 40, 390, "2x-1*(-ﾀ1/4ﾀ)=2")
        .Text(0, 40, 440, "2x+ﾀ1/4ﾀ=2")
        .Text(0, 40, 490, "2x=").Then(0, "2-ﾀ1/4ﾀ=").Then(0, "ﾀ7/4ﾀ")
        .Text(3, 40, 550, "x=ﾀ7/8ﾀ");
    EXPECT_TRUE(ContainsRun(Drawn(), rowsX.Lines()));
    EXPECT_EQ(rt.auxNum(14), 0.25f);  // the numbers themselves stay as computed
}

// Neither a zero coefficient nor a system without exactly one solution
// reaches a division, and a number that is not whole cannot be worked
// exactly: "解けません" is all that is drawn.
TEST_F(SolverPageTest, SystemsWithoutOneSolutionAreReportedUnsolvable) {
    for (const solver_testing::System& s : {solver_testing::System{0, 1, 2, 1, 1, 3},
                                             solver_testing::System{1, 0, 2, 1, 1, 3},
                                             solver_testing::System{1, 1, 2, 0, 1, 3},
                                             solver_testing::System{1, 1, 2, 1, 0, 3},
                                             solver_testing::System{0, 0, 0, 0, 0, 0},
                                             solver_testing::System{1, 1, 2, 2, 2, 4},
                                             solver_testing::System{1, 1, 2, 2, 2, 5},
                                             solver_testing::System{2, -3, 1, -4, 6, -2},
                                             solver_testing::System{6, 4, 1, 9, 6, 2},
                                             solver_testing::System{0.5f, 1, 2, 1, 1, 3},
                                             solver_testing::System{1, 1, 2, 1, -1, 0.25f}}) {
        pf.ClearRecord();
        rt.xText = "kept";
        rt.workText(5) = "kept";
        rt.leftMargin = 121;
        rt.eq1Label = "③";
        rt.solverContinue = 1;  // no key is given: a wait would end the test
        Solve(s, 182, 30, 40);
        EXPECT_EQ(Drawn(), PageScript().Text(3, 121, 80, "解けません").Lines());
        EXPECT_EQ(rt.cursorX, 182);
        EXPECT_EQ(rt.cursorY, 30);
        EXPECT_EQ(rt.leftMargin, 121);
        EXPECT_EQ(rt.xText, "kept");
        EXPECT_EQ(rt.workText(5), "kept");
        EXPECT_EQ(rt.eq1Label, "");
        EXPECT_EQ(rt.solverContinue, 0);
    }
}

TEST_F(SolverPageTest, ColumnSumDrawsRowsOperatorAndRule) {
    const char* texts[] = {"", "2x", "+4y", "2x", "-13y", "=10", "=-8"};
    for (int i = 1; i <= 6; ++i) rt.rowText(i) = texts[i];
    const float columns[] = {0, 54, 81, 54, 108, 140, 194, 302};
    for (int i = 1; i <= 7; ++i) rt.colX(i) = columns[i];
    rt.penX = 100;
    rt.penY = 300;
    rt.rowOperator = "-";
    rt.rowGap = 50;
    rt.boxColour = 0;
    rt.textColour = 0;
    rt.SetDrawWidth(1);
    rt.solverContinue = 1;
    pf.AddKeys("  ");
    solver.DrawSolverColumnSum();

    PageScript page;
    page.Text(0, 154, 300, "2x").Text(0, 235, 300, "+4y").Then(0, "=10").Wait()
        .Text(0, 154, 350, "2x").Text(0, 208, 350, "-13y").Then(0, "=-8").Wait()
        .Text(0, 100, 356, "-").Then(0, ")");
    std::vector<std::string> expected = page.Lines();
    // The rule under the wider whole row (2x-13y=-8, 248 wide), 60 longer.
    expected.push_back("line 127 400 435 400 0 3");
    EXPECT_EQ(Drawn(), expected);
    EXPECT_EQ(pf.KeysTaken(), 2);
    EXPECT_EQ(rt.GetDrawWidth(), 1);
    EXPECT_EQ(rt.textColour, 0);
    EXPECT_EQ(rt.colX(5), 154);
    EXPECT_EQ(rt.colX(6), 208);
    EXPECT_EQ(rt.colX(7), 316);
    EXPECT_EQ(rt.cursorY, 350);
    EXPECT_EQ(rt.sumResultX, 445);
}

}  // namespace
