// Lesson 5's page ③分数: equation ② in fraction form and the number that
// multiplies it back into ③, the page's rows and waits, and its close.
#include <array>
#include <cmath>
#include <numeric>

#include "tests/page_checks.h"

namespace {

using namespace page_checks;

// A value of the fraction texts: "0", a whole number, or a stacked
// fraction, with an optional sign in front.
struct Rational {
    long num = 0, den = 1;
};

Rational Parse(std::string text) {
    long sign = 1;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        sign = text[0] == '-' ? -1 : 1;
        text = text.substr(1);
    }
    const std::string mark = "ﾀ";
    if (text.rfind(mark, 0) != 0) return {sign * std::stol(text), 1};
    const std::string body = text.substr(mark.size(), text.size() - 2 * mark.size());
    const size_t slash = body.find('/');
    return {sign * std::stol(body.substr(0, slash)), std::stol(body.substr(slash + 1))};
}

// Whether the fraction text times m is exactly `whole`.
bool TimesIs(const std::string& text, float m, float whole) {
    const Rational r = Parse(text);
    return r.num * static_cast<long>(m) == static_cast<long>(whole) * r.den;
}

struct FormCase {
    const char* name;
    float a1, b1, a2, b2, x, y;
    const char* second;  // ② as drawn
    const char* multiplier;
    const char* third;   // ③ as drawn
};

class FractionExamples : public ExamplePageTest {
protected:
    void SetSystem(float a1, float b1, float a2, float b2, float x, float y) {
        rt.solverCoef(1) = a1, rt.solverCoef(2) = b1, rt.solverConst(1) = a1 * x + b1 * y;
        rt.solverCoef(3) = a2, rt.solverCoef(4) = b2, rt.solverConst(2) = a2 * x + b2 * y;
    }
    std::string F(int i) const { return rt.fracText(i); }
    std::string W(int row) const { return rt.workText(row); }
};

TEST_F(FractionExamples, FractionFormOfTheSecondEquation) {
    const FormCase cases[] = {
        {"worked", 2, -7, -3, 5, 2, 2, "-ﾀ1/5ﾀx+ﾀ1/3ﾀy=ﾀ4/15ﾀ…②", "15", "-3x+5y=4…③"},
        {"signs, reduced constant", 3, -7, -2, -5, 1, 2, "-ﾀ1/5ﾀx-ﾀ1/2ﾀy=-ﾀ6/5ﾀ…②", "10", "-2x-5y=-12…③"},
        {"constant 0", 5, 7, 2, 3, 3, -2, "ﾀ1/3ﾀx+ﾀ1/2ﾀy=0…②", "6", "2x+3y=0…③"},
        {"multiplier divides the constant", 5, 7, 2, 3, 3, 2, "ﾀ1/3ﾀx+ﾀ1/2ﾀy=2…②", "6", "2x+3y=12…③"},
        {"whole negative constant", 5, 7, 2, 3, 0, -2, "ﾀ1/3ﾀx+ﾀ1/2ﾀy=-1…②", "6", "2x+3y=-6…③"},
        {"constant sharing a factor", 5, 7, 2, 3, -1, -2, "ﾀ1/3ﾀx+ﾀ1/2ﾀy=-ﾀ4/3ﾀ…②", "6", "2x+3y=-8…③"},
        {"constant coprime", 2, 7, 5, 3, 2, -1, "ﾀ1/3ﾀx+ﾀ1/5ﾀy=ﾀ7/15ﾀ…②", "15", "5x+3y=7…③"},
        // Sizes with a common factor, which the page draws again: the texts
        // still multiply back into ③ by the product of the sizes.
        {"2 and 6", 5, 7, 2, 6, 1, 1, "ﾀ1/6ﾀx+ﾀ1/2ﾀy=ﾀ2/3ﾀ…②", "12", "2x+6y=8…③"},
        {"6 and 3", 5, 7, -6, 3, 2, -1, "-ﾀ1/3ﾀx+ﾀ1/6ﾀy=-ﾀ5/6ﾀ…②", "18", "-6x+3y=-15…③"},
        {"3 and 6", 2, 7, 3, -6, 1, 2, "ﾀ1/6ﾀx-ﾀ1/3ﾀy=-ﾀ1/2ﾀ…②", "18", "3x-6y=-9…③"},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetSystem(c.a1, c.b1, c.a2, c.b2, c.x, c.y);
        lessons.BuildFractionFormTexts();
        EXPECT_EQ(F(1) + "x" + F(2) + "y=" + F(3) + "…②", c.second);
        EXPECT_EQ(W(5), c.multiplier);
        EXPECT_EQ(W(1) + "x" + W(2) + "y=" + W(3) + "…③", c.third);
        EXPECT_TRUE(TimesIs(F(1), rt.workNum(5), c.a2));
        EXPECT_TRUE(TimesIs(F(2), rt.workNum(5), c.b2));
        EXPECT_TRUE(TimesIs(F(3), rt.workNum(5), rt.solverConst(2)));
    }
}

TEST_F(FractionExamples, EveryExampleOfEverySeedIsClearedByItsLeastCommonDenominator) {
    for (int seed = 0; seed <= 141; ++seed) {
        // The page's systems are generator C's, those with sizes that share
        // a factor left out: the same draws, in the same order.
        auto coefs = [this] {
            return std::array<float, 4>{rt.solverCoef(1), rt.solverCoef(2), rt.solverCoef(3), rt.solverCoef(4)};
        };
        rt.random.Randomize(seed);
        std::vector<std::array<float, 4>> expected;
        while (expected.size() < 20) {
            lessons.MakeRandomSystemC();
            if (std::gcd(static_cast<long>(std::fabs(coefs()[2])), static_cast<long>(std::fabs(coefs()[3]))) == 1)
                expected.push_back(coefs());
        }
        rt.random.Randomize(seed);
        for (int n = 0; n < 20; ++n) {
            lessons.MakeFractionFormSystem();
            ASSERT_EQ(coefs(), expected[n]) << seed << ", example " << n;
            const long draws = rt.random.Draws();
            lessons.BuildFractionFormTexts();
            ASSERT_EQ(rt.random.Draws(), draws);  // the texts draw nothing
            const float a2 = rt.solverCoef(3), b2 = rt.solverCoef(4), c2 = rt.solverConst(2);
            const float m = rt.workNum(5);
            ASSERT_TRUE(TimesIs(F(1), m, a2)) << seed << ": " << F(1) << " * " << m;
            ASSERT_TRUE(TimesIs(F(2), m, b2)) << seed << ": " << F(2) << " * " << m;
            ASSERT_TRUE(TimesIs(F(3), m, c2)) << seed << ": " << F(3) << " * " << m;
            // No smaller number clears ②'s fractions.
            const long lcd = std::lcm(std::lcm(Parse(F(1)).den, Parse(F(2)).den), Parse(F(3)).den);
            ASSERT_EQ(m, static_cast<float>(lcd)) << seed << ": " << F(1) << "x" << F(2) << "y=" << F(3);
            ASSERT_EQ(Parse(F(1)).num, a2 < 0 ? -1 : 1);
            ASSERT_EQ(Parse(F(2)).num, b2 < 0 ? -1 : 1);
        }
    }
}

TEST_F(FractionExamples, OneExampleClearsTheFractionsThenTheSolverWorks) {
    SetSystem(2, 7, 5, 3, 2, -1);
    lessons.BuildFractionFormTexts();
    pf.AddKeys(Spaces(5 + kSolverWaits));
    lessons.DrawFractionFormExample();
    EXPECT_TRUE(Shows(7, 40, 30, "例2　次の連立方程式を解きなさい。"));
    EXPECT_EQ(CountDrawn("poly 0 5 75 85"), 1);  // the brace at (40, 80)
    EXPECT_TRUE(Shows(0, 80, 80, "2x+7y=-3…①"));
    EXPECT_TRUE(Shows(0, 80, 130, "ﾀ1/3ﾀx+ﾀ1/5ﾀy=ﾀ7/15ﾀ…②"));
    EXPECT_EQ(RowText(pf.Log(), 158, 80, 600), "3515");  // the denominators, read digit by digit
    EXPECT_TRUE(Shows(3, 40, 200, "②の両辺に15をかけて"));
    EXPECT_TRUE(Shows(0, 40, 286, "ﾀ1/3ﾀx*15+ﾀ1/5ﾀy*15=ﾀ7/15ﾀ*15"));
    EXPECT_TRUE(Shows(0, 40, 356, "5x+3y=7…③"));
    EXPECT_TRUE(Shows(3, 40, 406, "①,③を使うと"));
    EXPECT_TRUE(Shows(3, 584, 30, "　"));
    EXPECT_EQ(CountDrawn("poly 0 5 653 35"), 1);  // the solver's brace
    EXPECT_EQ(CountDrawn(kKeyWait), 5 + kSolverWaits);
    EXPECT_EQ(rt.xText, "2");
    EXPECT_EQ(rt.yText, "-1");
    EXPECT_EQ(rt.cursorY, 550);
    EXPECT_EQ(rt.solverContinue, 0);
}

TEST_F(FractionExamples, ScriptedRunShowsSeveralExamplesAndLeavesWithOne) {
    const std::string example = Spaces(5 + kSolverWaits);
    const std::string keys = "5\r3\r" + example + "2\r" + example + "\r" + example + "1\r" + Spaces(2) + "9\r8\r";
    auto run = testing_support::RunProgram("kanovel", keys, "12:34:56");
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kNextStep), 3);
    EXPECT_EQ(Count(run.log, "box 0 0 1600 1800 15 15"), 1);
    EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 3);
    EXPECT_EQ(Count(run.log, kKeyWait), 3 * (5 + kSolverWaits) + 2);
    // The rule in the left column, above and on the solver's last row, then
    // the textbook line.
    EXPECT_EQ(Count(run.log, "text 40 450 2 3 5 \"ゴシック\" 16 1 0 \"係\""), 1);
    EXPECT_EQ(Count(run.log, "text 40 500 2 3 5 \"ゴシック\" 16 1 0 \"係\""), 1);
    EXPECT_EQ(Count(run.log, "text 40 550 2 3 5 \"ゴシック\" 16 1 0 \"変\""), 1);
    EXPECT_EQ(Count(run.log, "text 44 613 2 3 3 \"ゴシック\" 16 1 0 \"教\""), 1);
}

}  // namespace
