// Many random whole systems: the answer drawn satisfies both equations,
// every wait is taken, and nothing reaches the error screen.
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

struct Rational {
    int64_t num = 0, den = 1;
};

// A value text: "n", "-n", "ﾀn/dﾀ" or "-ﾀn/dﾀ", n and d coprime and d at
// least 2. Anything else fails the test.
Rational ParseValue(const std::string& text) {
    std::string rest = text;
    int64_t sign = 1;
    if (rest.rfind("-", 0) == 0) {
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
    const int64_t num = std::stoll(rest.substr(mark.size(), slash - mark.size()));
    const int64_t den = std::stoll(rest.substr(slash + 1, rest.size() - mark.size() - slash - 1));
    EXPECT_GE(den, 2) << text;
    EXPECT_GT(num, 0) << text;
    EXPECT_EQ(std::gcd(num, den), 1) << text;
    return {sign * num, den};
}

// a*x + b*y == c for x = p/q, y = r/s, in whole numbers.
bool Satisfies(int64_t a, int64_t b, int64_t c, Rational x, Rational y) {
    return a * x.num * y.den + b * y.num * x.den == c * x.den * y.den;
}

TEST_F(SolverPropertyTest, RandomWholeSystemsAreWorkedToTheirAnswer) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coefficient(-12, 12), constant(-40, 40);
    int solved = 0, unsolvable = 0, fractions = 0;
    for (int round = 0; round < 3000; ++round) {
        const System s{float(coefficient(random)), float(coefficient(random)), float(constant(random)),
                       float(coefficient(random)), float(coefficient(random)), float(constant(random))};
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
        EXPECT_EQ(pf.KeysTaken() - keysBefore, 15);
        const Rational x = ParseValue(rt.xText), y = ParseValue(rt.yText);
        if (x.den > 1 || y.den > 1) ++fractions;
        EXPECT_TRUE(Satisfies(int64_t(s.a1), int64_t(s.b1), int64_t(s.c1), x, y)) << rt.xText << ", " << rt.yText;
        EXPECT_TRUE(Satisfies(int64_t(s.a2), int64_t(s.b2), int64_t(s.c2), x, y)) << rt.xText << ", " << rt.yText;
        EXPECT_EQ(rt.xTextParen, x.num < 0 ? "(" + rt.xText + ")" : rt.xText);
        EXPECT_EQ(rt.yTextParen, y.num < 0 ? "(" + rt.yText + ")" : rt.yText);

        // The last text on the page is the answer line with those values.
        const std::string answer = "答 x=" + rt.xText + ",y=" + rt.yText;
        rt.strArg = answer;
        rt.MeasureText();
        const std::vector<std::string> drawn = Drawn();
        const std::vector<std::string> line = PageScript().Text(5, rt.cursorX - rt.textWidth, rt.cursorY, answer).Lines();
        ASSERT_GE(drawn.size(), line.size());
        EXPECT_TRUE(std::equal(line.begin(), line.end(), drawn.end() - static_cast<long>(line.size())));
        EXPECT_EQ(rt.cursorY, 550);
    }
    EXPECT_GT(solved, 2000);
    EXPECT_GT(unsolvable, 100);
    EXPECT_GT(fractions, 1000);
}

}  // namespace
