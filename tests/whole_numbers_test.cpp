// Square roots, small prime factors and divisors.
#include <cmath>

#include "tests/figure_checks.h"
#include "tests/test_support.h"

namespace {

using namespace testing_support;

using WholeNumbersTest = RuntimeTest;

TEST_F(WholeNumbersTest, SquareRootsSimplified) {
    struct Case {
        float n, c, m;
        std::string coef, root, eq, radical;
    };
    const Case cases[] = {
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
        {40000, 200, 1, "200", "200ﾝ", "!40000ﾝ=", "ﾝ"},
        {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {-12, 2, -3, "2", "2!-3ﾝ", "!-12ﾝ=", "!-3ﾝ"},
        {-1, 1, -1, "", "!-1ﾝ", "", "!-1ﾝ"},
        {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},
    };
    for (const Case& c : cases) {
        rt.radicand = c.n;
        rt.SimplifySquareRoot();
        EXPECT_EQ(rt.rootCoef, c.c) << c.n;
        EXPECT_EQ(rt.radicand, c.m) << c.n;
        EXPECT_EQ(rt.rootCoefText, c.coef) << c.n;
        EXPECT_EQ(rt.rootText, c.root) << c.n;
        EXPECT_EQ(rt.rootEqText, c.eq) << c.n;
        EXPECT_EQ(rt.radicalText, c.radical) << c.n;
        EXPECT_EQ(rt.strArg, c.radical);
    }
}

TEST_F(WholeNumbersTest, SmallPrimeFactors) {
    struct Case {
        float n;
        std::vector<std::pair<float, float>> rows;
        float rest;
    };
    const Case cases[] = {
        {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {-12, {{2, 2}, {3, 1}}, 1},
        {58, {{2, 1}}, 29},
        {841, {}, 841},
        {1, {}, 1},
        {9699690, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
    };
    // Rows left over from an earlier call are cleared.
    rt.factorNumber = 9699690;  // 2*3*5*...*19
    rt.FactorIntoSmallPrimes();
    EXPECT_EQ(rt.factorCount, 8);
    for (const Case& c : cases) {
        rt.factorNumber = c.n;
        rt.FactorIntoSmallPrimes();
        EXPECT_EQ(rt.factorCount, static_cast<float>(c.rows.size())) << c.n;
        for (int row = 1; row <= 9; ++row) {
            const auto expected = row <= static_cast<int>(c.rows.size()) ? c.rows[row - 1] : std::pair<float, float>{0, 0};
            EXPECT_EQ(rt.primeFactors(row, 1), expected.first) << c.n << " row " << row;
            EXPECT_EQ(rt.primeFactors(row, 2), expected.second) << c.n << " row " << row;
        }
        EXPECT_EQ(rt.primeFactors(10, 1), c.rest) << c.n;
        EXPECT_EQ(rt.primeFactors(10, 2), 1);
        EXPECT_EQ(rt.factorNumber, std::fabs(c.n));
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(rt.smallPrimes(i), primes[i - 1]);
}

TEST_F(WholeNumbersTest, Divisors) {
    struct Case {
        float n;
        std::vector<float> divisors;
        float half;
    };
    const Case cases[] = {
        {12, {1, 2, 3, 4, 6, 12}, 3},
        {-12, {1, 2, 3, 4, 6, 12}, 3},
        {0, {1}, 0},
        {7, {1, 7}, 1},
    };
    for (const Case& c : cases) {
        rt.divisorNumber = c.n;
        rt.ListDivisors();
        EXPECT_EQ(rt.divisorNumber, std::fabs(c.n));
        ASSERT_EQ(rt.divisorCount, static_cast<float>(c.divisors.size())) << c.n;
        for (size_t i = 0; i < c.divisors.size(); ++i) {
            EXPECT_EQ(rt.divisorList(static_cast<int>(i) + 1), c.divisors[i]);
            EXPECT_EQ(rt.coDivisorList(static_cast<int>(i) + 1), std::fabs(c.n) / c.divisors[i]);
        }
        EXPECT_EQ(rt.divisorHalfCount, c.half);
    }
    rt.divisorNumber = 1680;
    rt.ListDivisors();
    EXPECT_EQ(rt.divisorCount, 40);
    EXPECT_EQ(rt.divisorList(40), 1680);
    EXPECT_EQ(rt.coDivisorList(40), 1);
    EXPECT_EQ(rt.loopIndex, 1681);
}

TEST_F(WholeNumbersTest, ArgumentsWithoutEndAreRuntimeErrors) {
    rt.radicand = 0;
    EXPECT_EQ(FailureCode([&] { rt.SimplifySquareRoot(); }), basic::kBadArgument);
    rt.radicand = 0.2f;
    EXPECT_EQ(FailureCode([&] { rt.SimplifySquareRoot(); }), basic::kBadArgument);
    rt.factorNumber = 0;
    EXPECT_EQ(FailureCode([&] { rt.FactorIntoSmallPrimes(); }), basic::kBadArgument);
    for (float n : {16777216.0f, -3e9f}) {
        rt.divisorNumber = n;
        EXPECT_EQ(FailureCode([&] { rt.ListDivisors(); }), basic::kBadArgument) << n;
    }
    // More divisors than the tables hold.
    rt.divisorNumber = 2520;
    EXPECT_EQ(FailureCode([&] { rt.ListDivisors(); }), basic::kSubscriptOutOfRange);
}

}  // namespace
