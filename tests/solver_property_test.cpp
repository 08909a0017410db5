// Many random whole systems, their coefficients and right sides of up to 4
// digits: every number of the working and the answer is exact, reduced and
// in plain digits, the answer satisfies both equations, every wait is
// taken, and nothing reaches the error screen.
#include <cstdint>
#include <numeric>
#include <random>
#include <string>

#include "tests/solver_script.h"

namespace {

using solver_testing::PageScript;
using solver_testing::System;
using solver_testing::SolverTest;

using SolverPropertyTest = SolverTest;
using Wide = __int128;

struct Rational {
    int64_t num = 0, den = 1;
};

bool Same(Rational p, Rational q) { return Wide(p.num) * q.den == Wide(q.num) * p.den; }

// A value text: "n", "-n", "ﾀn/dﾀ" or "-ﾀn/dﾀ", n and d coprime and d at
// least 2. Anything else (an exponent, a point, an unreduced fraction)
// fails the test.
Rational ParseValue(const std::string& text) {
    std::string rest = text;
    int64_t sign = 1;
    if (rest.rfind('-', 0) == 0) {
        sign = -1;
        rest.erase(0, 1);
    }
    const std::string mark = "ﾀ";
    if (rest.rfind(mark, 0) != 0) {
        EXPECT_FALSE(rest.empty()) << text;
        EXPECT_EQ(rest.find_first_not_of("0123456789"), std::string::npos) << text;
        EXPECT_FALSE(sign == -1 && rest == "0") << "minus zero: " << text;
        return {sign * std::stoll(rest), 1};
    }
    const size_t slash = rest.find('/');
    EXPECT_NE(slash, std::string::npos) << text;
    EXPECT_EQ(rest.substr(rest.size() - mark.size()), mark) << text;
    const std::string numText = rest.substr(mark.size(), slash - mark.size());
    const std::string denText = rest.substr(slash + 1, rest.size() - mark.size() - slash - 1);
    EXPECT_EQ((numText + denText).find_first_not_of("0123456789"), std::string::npos) << text;
    const int64_t num = std::stoll(numText), den = std::stoll(denText);
    EXPECT_GE(den, 2) << text;
    EXPECT_GT(num, 0) << text;
    EXPECT_EQ(std::gcd(num, den), 1) << text;
    return {sign * num, den};
}

// A term's text after a "+" that the row may have put in front.
Rational ParseTerm(const std::string& text) { return ParseValue(text.rfind('+', 0) == 0 ? text.substr(1) : text); }

// A coefficient as the rows write it: "" and "+" are 1, "-" is -1.
int64_t ParseCoefficient(const std::string& text) {
    if (text.empty() || text == "+") return 1;
    if (text == "-") return -1;
    const Rational value = ParseTerm(text);
    EXPECT_EQ(value.den, 1) << text;
    return value.num;
}

// The text before a trailing letter ("-386y"), or after a leading "=".
std::string Before(const std::string& text, const char* letter) {
    EXPECT_EQ(text.substr(text.size() - 1), letter) << text;
    return text.substr(0, text.size() - 1);
}
std::string After(const std::string& text, const char* mark) {
    EXPECT_EQ(text.rfind(mark, 0), 0u) << text;
    return text.substr(1);
}

// a*x + b*y == c for x = p/q, y = r/s, in 128-bit whole numbers.
bool Satisfies(int64_t a, int64_t b, int64_t c, Rational x, Rational y) {
    return Wide(a) * x.num * y.den + Wide(b) * y.num * x.den == Wide(c) * x.den * y.den;
}

TEST_F(SolverPropertyTest, RandomWholeSystemsAreWorkedToTheirAnswer) {
    std::mt19937 random(20240611);
    // Each number is drawn with 1 to 4 digits, so that small and large
    // coefficients meet in one system.
    const int64_t largest[] = {9, 99, 999, solver::EliminationSolver::kLargestWhole};
    std::uniform_int_distribution<int> digits(0, 3);
    auto draw = [&] {
        const int64_t limit = largest[digits(random)];
        return float(std::uniform_int_distribution<int64_t>(-limit, limit)(random));
    };
    int solved = 0, unsolvable = 0, fractions = 0, fourDigits = 0;
    for (int round = 0; round < 3000; ++round) {
        const System s{draw(), draw(), draw(), draw(), draw(), draw()};
        SCOPED_TRACE(testing::Message() << s.a1 << "x+" << s.b1 << "y=" << s.c1 << ", " << s.a2 << "x+" << s.b2
                                        << "y=" << s.c2);
        const bool oneSolution = s.a1 != 0 && s.b1 != 0 && s.a2 != 0 && s.b2 != 0 && s.a1 * s.b2 != s.a2 * s.b1;
        pf.ClearRecord();
        // Exactly the waits of a worked system: one more would end the test.
        if (oneSolution) pf.AddKeys(std::string(15, ' '));
        const int keysBefore = pf.KeysTaken();
        rt.solverContinue = 1;
        rt.answerHidden = 0;
        ASSERT_NO_THROW(Solve(s, 182, 30, 40));

        if (!oneSolution) {
            ++unsolvable;
            EXPECT_EQ(Drawn(), PageScript().Text(3, rt.leftMargin, 80, "解けません").Lines());
            continue;
        }
        ++solved;
        bool large = false;
        for (float v : {s.a1, s.b1, s.c1, s.a2, s.b2, s.c2}) large = large || v <= -1000 || v >= 1000;
        fourDigits += large;
        EXPECT_EQ(pf.KeysTaken() - keysBefore, 15);
        const Rational x = ParseValue(rt.xText), y = ParseValue(rt.yText);
        if (x.den > 1 || y.den > 1) ++fractions;
        EXPECT_TRUE(Satisfies(int64_t(s.a1), int64_t(s.b1), int64_t(s.c1), x, y)) << rt.xText << ", " << rt.yText;
        EXPECT_TRUE(Satisfies(int64_t(s.a2), int64_t(s.b2), int64_t(s.c2), x, y)) << rt.xText << ", " << rt.yText;
        EXPECT_EQ(rt.xTextParen, x.num < 0 ? "(" + rt.xText + ")" : rt.xText);
        EXPECT_EQ(rt.yTextParen, y.num < 0 ? "(" + rt.yText + ")" : rt.yText);

        // The multiplied rows as the column sum drew them are the given
        // equations times the multipliers of the caption.
        const int64_t m1 = rt.workText(25).empty() ? 1 : ParseCoefficient(After(rt.workText(25), "*"));
        const int64_t m2 = rt.workText(26).empty() ? 1 : ParseCoefficient(After(rt.workText(26), "*"));
        const int64_t rows[2][3] = {
            {ParseCoefficient(Before(rt.rowText(1), "x")), ParseCoefficient(Before(rt.rowText(2), "y")),
             ParseValue(After(rt.rowText(5), "=")).num},
            {ParseCoefficient(Before(rt.rowText(3), "x")), ParseCoefficient(Before(rt.rowText(4), "y")),
             ParseValue(After(rt.rowText(6), "=")).num}};
        const int64_t given[2][3] = {{int64_t(s.a1), int64_t(s.b1), int64_t(s.c1)},
                                     {int64_t(s.a2), int64_t(s.b2), int64_t(s.c2)}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(rows[0][i], m1 * given[0][i]) << rt.rowText(1) << rt.rowText(2) << rt.rowText(5);
            EXPECT_EQ(rows[1][i], m2 * given[1][i]) << rt.rowText(3) << rt.rowText(4) << rt.rowText(6);
        }
        // The combined equation is their sum or difference: one term
        // cancels, the other gives the value found first.
        const int64_t sign = rt.auxText(1) == "-" ? -1 : 1;
        const bool yFirst = rt.workText(5) == "0";
        const int cancelled = yFirst ? 0 : 1, kept = yFirst ? 1 : 0;
        const int64_t coefficient = ParseCoefficient(rt.workText(5 + kept));
        const int64_t right = ParseValue(rt.auxText(13)).num;
        EXPECT_EQ(rt.workText(5 + cancelled), "0");
        EXPECT_EQ(rows[0][cancelled] + sign * rows[1][cancelled], 0);
        EXPECT_EQ(coefficient, rows[0][kept] + sign * rows[1][kept]);
        EXPECT_EQ(right, rows[0][2] + sign * rows[1][2]);
        const Rational found = yFirst ? y : x, other = yFirst ? x : y;
        EXPECT_TRUE(Same(found, {right, coefficient}));

        // The back-substitution: the known term, moved over, and what it
        // leaves, which over the other coefficient is the other value.
        const int64_t* receiving = given[rt.solverSubstEq == 1 ? 0 : 1];
        const int64_t k = receiving[kept], m = receiving[cancelled], c = receiving[2];
        const Rational known = ParseTerm(rt.auxText(14)), moved = ParseTerm(rt.auxText(15));
        const Rational left = ParseValue(rt.auxText(16));
        EXPECT_EQ(ParseValue(rt.auxText(23)).num, c);
        EXPECT_TRUE(Same(known, {k * found.num, found.den})) << rt.auxText(14);
        EXPECT_TRUE(Same(moved, {-known.num, known.den})) << rt.auxText(15);
        EXPECT_TRUE(Same(left, {c * known.den - known.num, known.den})) << rt.auxText(16);
        EXPECT_TRUE(Same(other, {left.num, left.den * m}));

        // The last text on the page is the answer line with those values.
        const std::string answer = "答 x=" + rt.xText + ",y=" + rt.yText;
        rt.strArg = answer;
        rt.MeasureText();
        const std::vector<std::string> line = PageScript().Text(5, rt.cursorX - rt.textWidth, rt.cursorY, answer).Lines();
        const std::vector<platform::DrawCall>& calls = pf.Calls();
        ASSERT_GE(calls.size(), line.size());
        EXPECT_EQ(solver_testing::Lines({calls.end() - static_cast<long>(line.size()), calls.end()}), line);
        EXPECT_EQ(rt.cursorY, 550);
    }
    EXPECT_GT(solved, 2500);
    EXPECT_GT(unsolvable, 100);
    EXPECT_GT(fractions, 2500);
    EXPECT_GT(fourDigits, 2000);  // worked systems with a number of 4 digits
}

}  // namespace
