#include "platform/basic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace basic;

TEST(Basic, StrWritesBlankOrMinusAndNoLeadingZero) {
    struct Case {
        float value;
        const char* text;
    } cases[] = {
        {0, " 0"},     {-0.0f, " 0"},        {5, " 5"},           {-5, "-5"},
        {0.5f, " .5"}, {-0.25f, "-.25"},     {12.5f, " 12.5"},    {1.0f / 3, " .3333333"},
        {141, " 141"}, {1234567, " 1234567"}, {12345678, " 1.234568E+07"},
    };
    for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.text) << c.value;
}

TEST(Basic, ValReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {
        {"", 0}, {"12", 12}, {" 7", 7}, {"-3", -3}, {"2.5", 2.5f}, {".5", 0.5f}, {"-", 0}, {".", 0},
        {"-.", 0}, {"12abc", 12}, {"3/4", 3}, {"1-2", 1}, {"1.5.2", 1.5f}, {"abc", 0}, {"1e2", 100},
    };
    for (const Case& c : cases) EXPECT_EQ(Val(c.text), c.value) << c.text;
    EXPECT_THROW(Val("1e60"), RuntimeError);
}

TEST(Basic, IntFloorsAndModKeepsTheDividendsSign) {
    EXPECT_EQ(Int(6.5f), 6);
    EXPECT_EQ(Int(-3), -3);
    EXPECT_EQ(Int(-0.5f), -1);
    EXPECT_EQ(Mod(7, 3), 1);
    EXPECT_EQ(Mod(-7, 3), -1);
    EXPECT_EQ(Mod(7, -3), 1);
    EXPECT_EQ(Mod(2.6f, 3), 0);  // operands are rounded to whole numbers first
    try {
        Mod(1, 0);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, kDivisionByZero);
    }
}

TEST(Basic, CheckedArithmeticFailsWithCodes) {
    auto codeOf = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.code;
        }
        return 0;
    };
    EXPECT_EQ(codeOf([] { Div(1, 0); }), kDivisionByZero);
    EXPECT_EQ(codeOf([] { Div(std::numeric_limits<float>::max(), 0.5f); }), kOverflow);
    EXPECT_EQ(codeOf([] { Cint(3e9f); }), kOverflow);
    EXPECT_EQ(codeOf([] { Power(0, -1); }), kDivisionByZero);
    EXPECT_EQ(codeOf([] { Sqr(-1); }), kBadArgument);
    EXPECT_EQ(codeOf([] { KMid("abc", 0, 1); }), kBadArgument);
    EXPECT_FLOAT_EQ(Power(2, 10), 1024);
}

TEST(Basic, ArraysHaveInclusiveBounds) {
    Array<float> a(40);
    a(0) = 1;
    a(40) = 2;
    EXPECT_EQ(a(40), 2);
    EXPECT_THROW(a(41), RuntimeError);
    EXPECT_THROW(a(-1), RuntimeError);
    Array2<float> p;
    p.Dim(10, 2);
    p(10, 2) = 5;
    EXPECT_EQ(p(10, 2), 5);
    EXPECT_THROW(p(11, 0), RuntimeError);
    EXPECT_THROW(p(0, 3), RuntimeError);
    // A row far out whose place i * 3 + j would overflow to an element.
    EXPECT_THROW(p(0x55555556, 0), RuntimeError);
}

TEST(Basic, CharacterFunctionsNeverSplitACharacter) {
    const std::string text = "ﾀ21/2ﾀ連立x";
    EXPECT_EQ(KLen(text), 9);
    EXPECT_EQ(Len(text), 11);  // two double-byte characters
    EXPECT_EQ(KLeft(text, 1), "ﾀ");
    EXPECT_EQ(KMid(text, 6, 2), "ﾀ連");
    EXPECT_EQ(KRight(text, 2), "立x");
    EXPECT_EQ(KMid(text, 8), "立x");
    EXPECT_EQ(KMid(text, 20, 3), "");
    EXPECT_EQ(KInstr(1, text, "ﾀ"), 1);
    EXPECT_EQ(KInstr(2, text, "ﾀ"), 6);
    EXPECT_EQ(KInstr(1, text, "y"), 0);
    EXPECT_EQ(KInstr(1, "表", "\\"), 0);  // a second byte is never a code
    EXPECT_TRUE(IsDoubleByte(U'①'));
    EXPECT_FALSE(IsDoubleByte(U'ﾀ'));
    EXPECT_FALSE(IsDoubleByte(U'x'));
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Chr(Asc("連")), "連");
}

TEST(Basic, RandomSequencesFollowTheSeedAndDrawsStayInRange) {
    Random a, b;
    a.Randomize(60);
    b.Randomize(60);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Rnd(), b.Rnd());
    b.Randomize(61);
    bool differs = false;
    for (int i = 0; i < 10; ++i) differs |= a.Rnd() != b.Rnd();
    EXPECT_TRUE(differs);

    for (int seed = 0; seed <= 141; ++seed) {
        Random r;
        r.Randomize(seed);
        for (int i = 0; i < 2000; ++i) {
            float x = r.Rnd();
            ASSERT_GE(x, 0);
            ASSERT_LT(x, 1);
            float w = RandomWhole(r, 9, 1);
            ASSERT_GE(w, 1);
            ASSERT_LE(w, 9);
            ASSERT_EQ(w, std::floor(w));
        }
    }
}

// INT(RND * count + low) written in one go can reach count + low for the
// largest RND, since the sum rounds in single precision; the draw helper
// keeps the range.
TEST(Basic, WholeDrawKeepsRangeAtTheLargestRnd) {
    const float largest = 1.0f - 1.0f / 16777216.0f;
    ASSERT_EQ(Int(largest * 3 + 100), 103);  // the naive sum really rounds up
    EXPECT_EQ(WholeDraw(largest, 3, 100), 102);
    for (float count : {3.0f, 7.0f, 9.0f, 11.0f}) EXPECT_EQ(WholeDraw(largest, count, 1), count) << count;
    EXPECT_EQ(WholeDraw(0, 9, 1), 1);
}

}  // namespace
