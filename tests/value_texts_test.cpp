// Value texts, the erasing helpers and the sign-string routines.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;
using ValueTextsTest = RuntimeTest;

TEST_F(ValueTextsTest, MakesEveryTextWithoutBlanks) {
    rt.workNum(1) = -12;
    rt.workNum(2) = 7;
    rt.workNum(3) = -0.0f;
    rt.workNum(80) = 1200;
    rt.auxNum(1) = -3;
    rt.auxNum(40) = 15;
    rt.auxNum(41) = 99;
    rt.workNum(0) = 5;
    rt.workText(0) = "kept";
    rt.auxText(0) = "kept";
    rt.workText(4) = "patched";
    rt.MakeValueTexts();
    EXPECT_EQ(rt.workText(1), "-12");
    EXPECT_EQ(rt.workText(2), "7");
    EXPECT_EQ(rt.workText(3), "0");
    EXPECT_EQ(rt.workText(4), "0");
    EXPECT_EQ(rt.workText(80), "1200");
    EXPECT_EQ(rt.auxText(1), "-3");
    EXPECT_EQ(rt.auxText(40), "15");
    EXPECT_EQ(rt.workText(0), "kept");
    EXPECT_EQ(rt.auxText(0), "kept");
    EXPECT_EQ(rt.strArg, "15");
    for (int i = 1; i <= 80; ++i) EXPECT_EQ(rt.workText(i).find(' '), std::string::npos);
    rt.MakeValueTexts();
    EXPECT_EQ(rt.workText(1), "-12");
    EXPECT_TRUE(pf.Calls().empty());
}

TEST_F(ValueTextsTest, ClearsTheWorkAreaAndTheInputBand) {
    rt.ClearWorkArea();
    rt.ClearInputBand();
    EXPECT_EQ(rt.penX, 1136);
    EXPECT_EQ(rt.penY, 576);
    EXPECT_EQ(pf.Log(), (std::vector<std::string>{"box 0 54 1440 900 15 15 3", "box 1136 576 2576 666 15 15 3"}));
}

struct SignCase {
    std::string in, flipped, plusStripped, signStripped, bracketed;
};

TEST_F(ValueTextsTest, SignStrings) {
    const std::vector<SignCase> cases = {
        {"", "", "", "", ""},
        {"-", "+", "-", "", "(-)"},
        {"+", "-", "", "", "+"},
        {"5", "-5", "5", "5", "5"},
        {"-3", "+3", "-3", "3", "(-3)"},
        {"+3", "-3", "3", "3", "+3"},
        {"++3", "-+3", "+3", "+3", "++3"},
        {"+-3", "--3", "-3", "-3", "(+-3)"},
        {"--3", "+-3", "--3", "-3", "(--3)"},
        {"x-1", "-x-1", "x-1", "x-1", "(x-1)"},
        {"3+x", "-3+x", "3+x", "3+x", "3+x"},
        {"(-2)", "-(-2)", "(-2)", "(-2)", "((-2))"},
        {"-ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "(-ﾀ3/4ﾀ)"},
        // A double-byte character behind the sign stays whole; a full-width
        // minus is no sign.
        {"-ａ", "+ａ", "-ａ", "ａ", "(-ａ)"},
        {"－3", "-－3", "－3", "－3", "－3"},
    };
    for (const SignCase& c : cases) {
        SCOPED_TRACE(c.in);
        rt.strArg = c.in;
        rt.FlipLeadingSign();
        EXPECT_EQ(rt.strArg, c.flipped);
        rt.strArg = c.in;
        rt.StripLeadingPlus();
        EXPECT_EQ(rt.strArg, c.plusStripped);
        rt.strArg = c.in;
        rt.StripLeadingSign();
        EXPECT_EQ(rt.strArg, c.signStripped);
        rt.strArg = c.in;
        rt.ParenthesizeIfNegative();
        EXPECT_EQ(rt.strArg, c.bracketed);
    }
}

}  // namespace
