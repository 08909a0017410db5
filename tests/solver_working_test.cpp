// The solver's arithmetic and texts: multipliers, the operation, the
// combined equation, the receiving equation and the working slots.
#include <string>
#include <vector>

#include "tests/solver_script.h"

namespace {

using solver_testing::System;
using solver_testing::SolverTest;

using SolverWorkingTest = SolverTest;

TEST_F(SolverWorkingTest, MultipliersOperationAndCombinedEquation) {
    struct Case {
        System system;
        float lcmX, lcmY, m1, m2, s;
        float combined[3];  // x, y, constant
    };
    const Case cases[] = {
        {{4, -3, 11, 5, 3, 7}, 20, 3, 1, 1, 1, {9, 0, 18}},
        {{2, 4, 18, 2, -3, 4}, 2, 12, 1, 1, -1, {0, 7, 14}},
        {{3, 1, 11, 3, -2, 5}, 3, 2, 1, 1, -1, {0, 3, 6}},
        {{1, 1, -3, 1, -1, 7}, 1, 1, 1, 1, 1, {2, 0, 4}},  // both pairs match: y first
        {{1, 2, 5, 2, 3, 8}, 2, 6, 2, 1, -1, {0, 1, 2}},
        {{6, -7, 12, 3, -2, -3}, 6, 14, 1, 2, -1, {0, -3, 18}},
        {{2, -1, 7, 5, 3, 1}, 10, 3, 3, 1, 1, {11, 0, 22}},
        {{5, -2, -1, 7, -6, 5}, 35, 6, 3, 1, -1, {8, 0, -8}},
        {{5, -4, 9, 2, -3, 5}, 10, 12, 2, 5, -1, {0, 7, -7}},
        {{-3, 7, -1, 5, -4, -6}, 15, 28, 5, 3, 1, {0, 23, -23}},  // x cancels by the default add
        {{4, 7, -13, 5, 2, 4}, 20, 14, 2, 7, -1, {-27, 0, -54}},
        {{3, -2, -20, 4, 3, 13}, 12, 6, 3, 2, 1, {17, 0, -34}},
        {{2, 3, 1, 4, 9, 2}, 4, 9, 2, 1, -1, {0, -3, 0}},    // both divisible: x first
        {{2, 3, 1, 3, 2, 1}, 6, 6, 3, 2, -1, {0, 5, 1}},     // equal multiples: x
        {{6, 5, 1, 8, 7, 1}, 24, 35, 4, 3, -1, {0, -1, 1}},  // lcm, not the product
    };
    for (const Case& c : cases) {
        rt.solverCoef(5) = 9;  // left over by a caller: no effect
        rt.solverCoef(6) = 9;
        Solve(c.system);
        SCOPED_TRACE(testing::Message() << c.system.a1 << "x+" << c.system.b1 << "y; " << c.system.a2 << "x+"
                                        << c.system.b2 << "y");
        EXPECT_EQ(rt.lcmX, c.lcmX);
        EXPECT_EQ(rt.lcmY, c.lcmY);
        EXPECT_EQ(rt.solverCoef(5), c.m1);
        EXPECT_EQ(rt.solverCoef(6), c.m2);
        EXPECT_EQ(rt.workNum(25), c.m1);
        EXPECT_EQ(rt.workNum(26), c.m2);
        EXPECT_EQ(rt.auxNum(1), c.s);
        EXPECT_EQ(rt.workNum(1), c.m1 * c.system.a1);
        EXPECT_EQ(rt.workNum(2), c.m1 * c.system.b1);
        EXPECT_EQ(rt.workNum(3), c.m2 * c.system.a2);
        EXPECT_EQ(rt.workNum(4), c.m2 * c.system.b2);
        EXPECT_EQ(rt.auxNum(11), c.m1 * c.system.c1);
        EXPECT_EQ(rt.auxNum(12), c.m2 * c.system.c2);
        EXPECT_EQ(rt.workNum(5), c.combined[0]);
        EXPECT_EQ(rt.workNum(6), c.combined[1]);
        EXPECT_EQ(rt.auxNum(13), c.combined[2]);
        EXPECT_EQ(rt.workNum(21), c.system.a1);
        EXPECT_EQ(rt.workNum(24), c.system.b2);
        EXPECT_EQ(rt.auxNum(22), c.system.c2);
    }
}

// When both pairs of coefficients would cancel, the y pair decides: adding
// or subtracting is chosen so that y cancels, and x is found first.
TEST_F(SolverWorkingTest, BothPairsCancellingTheYPairDecidesTheOperation) {
    struct Case {
        System system;
        float s;
    };
    for (const Case& c : {Case{{1, 1, -3, 1, -1, 7}, 1},    // x pairs equal, y pairs opposite: add
                          Case{{1, 1, 5, -1, 1, 1}, -1}}) {  // x pairs opposite, y pairs equal: subtract
        Solve(c.system);
        EXPECT_EQ(rt.auxNum(1), c.s) << c.system.c1;
        EXPECT_EQ(rt.workNum(6), 0) << c.system.c1;
        EXPECT_EQ(rt.xText, "2") << c.system.c1;
    }
}

// The value found first goes into the equation whose coefficient of the
// other unknown is smaller; equal sizes choose ①. (With x found first the
// sizes of a1 and a2 decide. The sizes of b1 and b2, which decide when y is
// found first, are never equal there: equal sizes of b1 and b2 make y
// cancel, as the second loop shows.)
TEST_F(SolverWorkingTest, EqualSizesPutTheValueFoundFirstIntoTheFirstEquation) {
    for (const System& tie : {System{1, 1, -3, 1, -1, 7}, System{1, 1, 5, -1, 1, 1}, System{-3, 2, 1, 3, 2, 11}}) {
        Solve(tie);
        EXPECT_EQ(rt.workNum(6), 0) << tie.c1;
        EXPECT_EQ(rt.solverSubstEq, 1) << tie.c1;
        EXPECT_EQ(rt.workNum(27), tie.a1) << tie.c1;
    }
    for (const System& s : {System{3, 2, 1, 5, -2, 7}, System{2, -7, 1, 9, -7, 3}, System{4, 5, 1, 6, 5, 3}}) {
        Solve(s);
        EXPECT_EQ(rt.workNum(6), 0) << s.a1 << " " << s.a2;
    }
}

// Magnitudes without a 32-bit whole number cannot be tested for being a
// multiple: the rule does not hold, and nothing fails.
TEST_F(SolverWorkingTest, MultipleTestsNeverFailOnHugeMagnitudes) {
    EXPECT_NO_THROW(Solve({3e9f, 1, 1, 1e9f, 2, 3}));
    EXPECT_EQ(rt.solverCoef(5), 2);  // the y pair decides, not 3e9 / 1e9
    EXPECT_EQ(rt.solverCoef(6), 1);
    EXPECT_EQ(rt.workNum(6), 0);
    EXPECT_EQ(rt.yText, "ﾀ8/5ﾀ");  // still exact from whole numbers
}

// Working that 64 bits cannot hold is the overflow error, raised before
// anything is drawn: a rounded number is never shown.
TEST_F(SolverWorkingTest, WorkingBeyond64BitsIsAnOverflowBeforeAnythingIsDrawn) {
    for (const System& s : {System{4e18f, 1, 1, 3, 2, 1},    // the common multiple of 4e18 and 3
                            System{1e19f, 1, 1, 1, 2, 1}}) { // a whole number beyond 64 bits
        pf.ClearRecord();
        try {
            Solve(s);
            ADD_FAILURE() << s.a1 << " was worked";
        } catch (const basic::RuntimeError& error) {
            EXPECT_EQ(error.code, basic::kOverflow);
        }
        EXPECT_TRUE(Drawn().empty());
    }
}

// The texts of the working slots after a solve, as the rows used them.
TEST_F(SolverWorkingTest, TermAndSignTexts) {
    struct Case {
        System system;
        std::vector<std::string> work;  // workText 1..6, 21..28
        std::vector<std::string> signs; // auxText 1..4
    };
    const Case cases[] = {
        // y cancels: the y coefficient of the receiving equation has lost
        // its "+" for the closing row; a stays a number.
        {{4, 7, -13, 5, 2, 4},
         {"8", "+14", "35", "+14", "-27", "0", "4", "+7", "5", "+2", "*2", "*7", "4", "7"},
         {"-", "-", "-", "-"}},
        {{2, -1, 7, 5, 3, 1},
         {"6", "-3", "5", "+3", "11", "0", "2", "-", "5", "+3", "*3", "", "2", "-"},
         {"+", "-", "-", "-"}},
        {{1, 1, -3, 1, -1, 7},
         {"", "+", "", "-", "2", "0", "", "+", "", "-", "", "", "1", ""},
         {"+", "-", "+", "-"}},
        // x cancels: a is a coefficient, b a number with its "+".
        {{1, 2, 5, 2, 3, 8},
         {"2", "+4", "2", "+3", "0", "", "", "+2", "2", "+3", "*2", "", "", "+2"},
         {"-", "-", "-", "-"}},
        {{-3, 7, -1, 5, -4, -6},
         {"-15", "+35", "15", "-12", "0", "23", "-3", "+7", "5", "-4", "*5", "*3", "5", "-4"},
         {"+", "-", "+", "+"}},
    };
    for (const Case& c : cases) {
        rt.workText(40) = "kept";
        Solve(c.system);
        std::vector<std::string> work;
        for (int i : {1, 2, 3, 4, 5, 6, 21, 22, 23, 24, 25, 26, 27, 28}) work.push_back(rt.workText(i));
        EXPECT_EQ(work, c.work);
        EXPECT_EQ((std::vector<std::string>{rt.auxText(1), rt.auxText(2), rt.auxText(3), rt.auxText(4)}), c.signs);
        EXPECT_EQ(rt.workText(40), "0");  // every text is rebuilt
    }
}

}  // namespace
