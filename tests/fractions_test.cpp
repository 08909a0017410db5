// Reducing fractions, gcd and lcm, stripping markup, and the sum of two
// fractions with its step texts.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;

class FractionTest : public RuntimeTest {
protected:
    void Reduce(float n, float d) {
        rt.fracNum = n;
        rt.fracDen = d;
        rt.ReduceFraction();
    }
    void Add(float n1, float d1, float n2, float d2) {
        rt.fracNum1 = n1;
        rt.fracDen1 = d1;
        rt.fracNum2 = n2;
        rt.fracDen2 = d2;
        rt.AddFractions();
    }
};

struct ReduceCase {
    float n, d;
    float kind;
    std::string result, signedResult, eqText;
    float num, den, sign, gcd, lcm;
};

TEST_F(FractionTest, ReducesEachClass) {
    const std::vector<ReduceCase> cases = {
        {6, 8, 2, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", 3, 4, 1, 2, 24},
        {-6, 8, 2, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", -3, 4, -1, 2, 24},
        {-3, -4, 2, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", 3, 4, 1, 1, 12},
        {3, -4, 2, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", -3, 4, -1, 1, 12},
        // Negative and already in lowest terms: written with its sign in
        // front, never as "+ﾀ-3/4ﾀ".
        {-3, 4, 2, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", -3, 4, -1, 1, 12},
        {-6, 4, 2, "-ﾀ3/2ﾀ", "-ﾀ3/2ﾀ", "ﾀ-6/4ﾀ=-ﾀ3/2ﾀ", -3, 2, -1, 2, 12},
        {3, 4, 3, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", 3, 4, 1, 1, 12},
        {6, -3, 1, "-2", "-2", "ﾀ6/-3ﾀ=-2", -2, 1, -1, 3, 6},
        {7, 7, 1, "1", "+1", "ﾀ7/7ﾀ=1", 1, 1, 1, 7, 7},
        {18, 9, 1, "2", "+2", "ﾀ18/9ﾀ=2", 2, 1, 1, 9, 18},
        {-54, -27, 1, "2", "+2", "ﾀ-54/-27ﾀ=2", 2, 1, 1, 27, 54},
        {5, 1, 4, "5", "+5", "ﾀ5/1ﾀ=5", 5, 1, 1, 1, 5},
        {-5, 1, 4, "-5", "-5", "ﾀ-5/1ﾀ=-5", -5, 1, -1, 1, 5},
        {5, -1, 4, "-5", "-5", "ﾀ5/-1ﾀ=-5", -5, 1, -1, 1, 5},
        {0, 1, 4, "0", "+0", "ﾀ0/1ﾀ=0", 0, 1, 1, 1, 0},
        {0, -1, 4, "0", "+0", "ﾀ0/-1ﾀ=0", 0, 1, 1, 1, 0},
        {0, 4, 5, "0", "+0", "ﾀ0/4ﾀ=0", 0, 4, 1, 4, 0},
        {0, -4, 5, "0", "+0", "ﾀ0/-4ﾀ=0", 0, 4, 1, 4, 0},
        {15, 100, 2, "ﾀ3/20ﾀ", "+ﾀ3/20ﾀ", "ﾀ15/100ﾀ=ﾀ3/20ﾀ", 3, 20, 1, 5, 300},
        // A numerator with a half, as back-substitution can pass: the
        // value is still written in lowest terms.
        {7.5f, 2, 2, "ﾀ15/4ﾀ", "+ﾀ15/4ﾀ", "ﾀ7.5/2ﾀ=ﾀ15/4ﾀ", 15, 4, 1, 0.5f, 30},
    };
    for (const ReduceCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + "/" + std::to_string(c.d));
        Reduce(c.n, c.d);
        EXPECT_EQ(rt.fracKind, c.kind);
        EXPECT_EQ(rt.fracResult, c.result);
        EXPECT_EQ(rt.fracResultSigned, c.signedResult);
        EXPECT_EQ(rt.fracEqText, c.eqText);
        EXPECT_EQ(rt.fracNum, c.num);
        EXPECT_EQ(rt.fracDen, c.den);
        EXPECT_EQ(rt.fracSign, c.sign);
        EXPECT_EQ(rt.fracGcd, c.gcd);
        EXPECT_EQ(rt.fracLcm, c.lcm);
        // The fraction as it was given, for the caller's own rows.
        EXPECT_EQ(rt.upperRow, c.eqText.substr(0, c.eqText.find('=')));
    }
    EXPECT_TRUE(pf.Calls().empty());
}

TEST_F(FractionTest, ZeroDenominatorKeepsTheEarlierResult) {
    Reduce(2, 3);
    Reduce(3, 0);
    EXPECT_EQ(rt.fracKind, 0);
    EXPECT_EQ(rt.fracNum, 3);
    EXPECT_EQ(rt.fracDen, 0);
    EXPECT_EQ(rt.fracGcd, 3);
    EXPECT_EQ(rt.fracLcm, 0);
    EXPECT_EQ(rt.fracSign, 1);
    EXPECT_EQ(rt.fracResult, "ﾀ2/3ﾀ");
    EXPECT_EQ(rt.fracResultSigned, "+ﾀ2/3ﾀ");
    EXPECT_EQ(rt.fracEqText, "ﾀ3/0ﾀ=ﾀ2/3ﾀ");
    EXPECT_EQ(rt.upperRow, "ﾀ3/0ﾀ");

    Reduce(-4, 0);
    EXPECT_EQ(rt.fracGcd, 4);
    EXPECT_EQ(rt.fracNum, -4);
}

TEST_F(FractionTest, ProductIsSetOnlyForAFractionInLowestTerms) {
    Reduce(3, 4);
    EXPECT_EQ(rt.fracProduct, 12);
    Reduce(6, 8);
    EXPECT_EQ(rt.fracProduct, 12);
    Reduce(5, 1);
    EXPECT_EQ(rt.fracProduct, 12);
    Reduce(2, 7);
    EXPECT_EQ(rt.fracProduct, 14);
}

TEST_F(FractionTest, GcdAndLcm) {
    struct Case {
        float num, den, gcd, lcm;
    };
    const std::vector<Case> cases = {
        {6, 8, 2, 24}, {8, 6, 2, 24}, {0, 5, 5, 0}, {7, 0, 7, 0},
        {0, 0, 0, 0},  {9, 1, 1, 9},  {4, 4, 4, 4}, {60, 90, 30, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.num) + " " + std::to_string(c.den));
        rt.fracNum = c.num;
        rt.fracDen = c.den;
        rt.ComputeGcdLcm();
        EXPECT_EQ(rt.fracGcd, c.gcd);
        EXPECT_EQ(rt.fracLcm, c.lcm);
        EXPECT_EQ(rt.fracNum, c.num);
        EXPECT_EQ(rt.fracDen, c.den);
    }
}

TEST_F(FractionTest, StripMarkup) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"-ﾀ3/4ﾀ", "-3/4"},
        {"^2", "2"},
        {"ﾀ6/8ﾀ=ﾀ3/4ﾀ", "6/83/4"},
        {"x^2=#5ﾝ", "x2#5"},
        {"3x+2y", "3x+2y"},
        {"", ""},
        // Double-byte characters whose Shift-JIS second bytes are those of
        // "^" and "ﾀ" stay whole.
        {"タ^ぢ=", "タぢ"},
    };
    for (const auto& [in, out] : cases) {
        rt.strArg = in;
        rt.StripMarkup();
        EXPECT_EQ(rt.strArg, out) << in;
    }
}

struct SumCase {
    float n1, d1, n2, d2;
    float den, scaled1, scaled2, sum;
    std::vector<std::string> texts;  // upperRow .. scaledText2Plain, in the order below
};

std::vector<std::string> SumTexts(const runtime::Runtime& rt) {
    return {rt.upperRow,     rt.scaledText1Signed, rt.fracResult,     rt.fracResultSigned,
            rt.sumText,      rt.sumTextSigned,     rt.sumTermsText,   rt.fracEqText,
            rt.scaledText1Plain, rt.scaledText2Plain};
}

TEST_F(FractionTest, AddsOverTheCommonDenominator) {
    const std::vector<SumCase> cases = {
        {1, 4, 1, 6, 12, 3, 2, 5,
         {"ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ5/12ﾀ", "+ﾀ5/12ﾀ", "ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3+2/12ﾀ", "ﾀ3/12ﾀ",
          "ﾀ2/12ﾀ"}},
        {-1, 4, 1, 6, 12, -3, 2, -1,
         {"-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ-3+2/12ﾀ",
          "ﾀ3/12ﾀ", "ﾀ2/12ﾀ"}},
        {1, 4, -1, 6, 12, 3, -2, 1,
         {"ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "-ﾀ2/12ﾀ", "-ﾀ2/12ﾀ", "ﾀ1/12ﾀ", "+ﾀ1/12ﾀ", "ﾀ3/12ﾀ-ﾀ2/12ﾀ", "ﾀ3-2/12ﾀ", "ﾀ3/12ﾀ",
          "ﾀ2/12ﾀ"}},
        // Case b: the first is whole.
        {2, 1, 1, 3, 3, 6, 1, 7,
         {"ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ6/3ﾀ", "ﾀ1/3ﾀ"}},
        // Case a: both whole; the fraction form stays.
        {3, 1, 5, 1, 1, 3, 5, 8,
         {"ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ5/1ﾀ", "+ﾀ5/1ﾀ", "ﾀ8/1ﾀ", "+ﾀ8/1ﾀ", "ﾀ3/1ﾀ+ﾀ5/1ﾀ", "ﾀ3+5/1ﾀ", "ﾀ3/1ﾀ", "ﾀ5/1ﾀ"}},
        // A zero term and a zero sum are written as not negative.
        {0, 4, 1, 6, 12, 0, 2, 2,
         {"ﾀ0/12ﾀ", "+ﾀ0/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ0/12ﾀ+ﾀ2/12ﾀ", "ﾀ0+2/12ﾀ", "ﾀ0/12ﾀ",
          "ﾀ2/12ﾀ"}},
        {1, 6, -1, 6, 6, 1, -1, 0,
         {"ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "-ﾀ1/6ﾀ", "-ﾀ1/6ﾀ", "ﾀ0/6ﾀ", "+ﾀ0/6ﾀ", "ﾀ1/6ﾀ-ﾀ1/6ﾀ", "ﾀ1-1/6ﾀ", "ﾀ1/6ﾀ", "ﾀ1/6ﾀ"}},
    };
    for (const SumCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.n1) + "/" + std::to_string(c.d1) + " + " + std::to_string(c.n2) + "/" +
                     std::to_string(c.d2));
        Add(c.n1, c.d1, c.n2, c.d2);
        EXPECT_EQ(rt.fracDen, c.den);
        EXPECT_EQ(rt.scaledNum1, c.scaled1);
        EXPECT_EQ(rt.scaledNum2, c.scaled2);
        EXPECT_EQ(rt.sumNum, c.sum);
        EXPECT_EQ(SumTexts(rt), c.texts);
    }
}

TEST_F(FractionTest, CommonDenominatorOfTheCallersFractions) {
    struct Case {
        float d1, n2, d2, den, scaled1, scaled2, sum, gcd;
    };
    // 1/60 + 1/90, one denominator dividing the other (1/20 + 3/10), an
    // unreduced sum (1/6 + 1/3), coprime denominators (1/4 + 1/5).
    const std::vector<Case> cases = {
        {60, 1, 90, 180, 3, 2, 5, 30}, {20, 3, 10, 20, 1, 6, 7, 10}, {6, 1, 3, 6, 1, 2, 3, 3}, {4, 1, 5, 20, 5, 4, 9, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.d1) + " " + std::to_string(c.d2));
        Add(1, c.d1, c.n2, c.d2);
        EXPECT_EQ(rt.fracDen, c.den);
        EXPECT_EQ(rt.fracLcm, c.den);
        EXPECT_EQ(rt.fracGcd, c.gcd);
        EXPECT_EQ(rt.scaledNum1, c.scaled1);
        EXPECT_EQ(rt.scaledNum2, c.scaled2);
        EXPECT_EQ(rt.sumNum, c.sum);
    }
    EXPECT_EQ(rt.fracProduct, 20);  // the coprime pair 4 and 5
    Add(1, 6, 1, 3);
    EXPECT_EQ(rt.sumText, "ﾀ3/6ﾀ");
    EXPECT_EQ(rt.fracProduct, 20);
}

TEST_F(FractionTest, SumLeavesTheReductionFieldsAloneWhenADenominatorIsOne) {
    Reduce(6, 8);  // gcd 2, lcm 24
    Add(3, 1, 5, 1);
    EXPECT_EQ(rt.fracGcd, 2);
    EXPECT_EQ(rt.fracLcm, 24);
    Add(1, 3, 2, 1);  // case c
    EXPECT_EQ(rt.fracDen, 3);
    EXPECT_EQ(rt.scaledNum2, 6);
    EXPECT_EQ(rt.fracGcd, 2);
}

TEST_F(FractionTest, SumMovesTheSignToTheNumerator) {
    Add(1, -4, 1, 6);
    EXPECT_EQ(rt.fracNum1, -1);
    EXPECT_EQ(rt.fracDen1, 4);
    EXPECT_EQ(rt.sumText, "-ﾀ1/12ﾀ");
    EXPECT_EQ(rt.fracEqText, "ﾀ-3+2/12ﾀ");
    // Both parts negative: the value is positive and summed as such.
    Add(-1, -4, 1, 6);
    EXPECT_EQ(rt.fracNum1, 1);
    EXPECT_EQ(rt.fracDen1, 4);
    EXPECT_EQ(rt.sumNum, 5);
    // A zero numerator over a negative denominator scales the other term
    // by a positive factor.
    Add(1, 6, 0, -4);
    EXPECT_EQ(rt.scaledNum1, 2);
    EXPECT_EQ(rt.sumText, "ﾀ2/12ﾀ");
}

TEST_F(FractionTest, SumWithAZeroDenominatorIsARuntimeError) {
    for (auto [d1, d2] : {std::pair{0.0f, 6.0f}, {4.0f, 0.0f}, {0.0f, 0.0f}, {0.0f, 1.0f}}) {
        EXPECT_EQ(testing_support::FailureCode([&, d1 = d1, d2 = d2] { Add(1, d1, 1, d2); }), basic::kDivisionByZero)
            << d1 << " " << d2;
    }
}

}  // namespace
