// The glyph rules of markup text: fonts, positions, magnifications,
// strokes and advances.
#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;

class MarkupGlyphs : public RuntimeTest {
protected:
    // Draws one run at (100, 200) and returns its advance.
    float Run(const std::string& run, bool inFraction = false) {
        pf.ClearRecord();
        rt.penX = 100;
        rt.penY = 200;
        rt.textColour = 0;
        rt.strArg = run;
        rt.fractionMode = inFraction ? 1 : 0;
        rt.DrawMarkupGlyphs();
        rt.fractionMode = 0;
        return rt.penX - 100;
    }
    // The font that later text comes out in, as "FACE SIZE BOLD ITALIC".
    std::string FontNow() {
        pf.Symbol({0, 0}, "?", 1, 1, 0);
        const auto& c = pf.Calls().back();
        return c.face + " " + std::to_string(c.size) + " " + std::to_string(c.bold) + " " + std::to_string(c.italic);
    }
};

TEST_F(MarkupGlyphs, SingleCharactersInRunningTextAndFractionParts) {
    struct Case {
        const char* run;
        bool inFraction;
        float advance;
        std::vector<std::string> log;
    } cases[] = {
        {"3", false, 27, {"text 100 200 3 3 0 \"ゴシック\" 16 1 0 \"3\""}},
        {"3", true, 32, {"text 100 200 4 2 0 \"ゴシック\" 16 1 0 \"3\""}},
        {"y", false, 27, {"text 100 200 3 3 0 \"ゴシック\" 16 1 0 \"y\""}},
        {"x", false, 27, {"text 104 178 10 7 0 \"Times New Roman\" 8 1 1 \"x\""}},
        {"x", true, 32, {"text 104 184 12 5 0 \"Times New Roman\" 8 1 1 \"x\""}},
        {"l", false, 32, {"text 100 200 6 3 0 \"MT Extra\" 16 1 0 \"l\""}},
        {"-", false, 27, {"line 105.5 220 121.5 220 0 5"}},
        {"-", true, 32, {"line 109 216 123 216 0 5"}},
        {"+", false, 27, {"line 105.5 221 121.5 221 0 5", "line 113.5 213 113.5 229 0 5"}},
        {"+", true, 32, {"line 109 216 123 216 0 5", "line 116 209 116 223 0 5"}},
        {"=", false, 32, {"text 104 200 3 3 0 \"ゴシック\" 14 1 0 \"=\""}},
        {"①", false, 34, {"text 100 200 2 3 0 \"ゴシック\" 16 1 0 \"①\""}},
        {"①", true, 38, {"text 100 200 3 3 0 \"ゴシック\" 11 1 0 \"①\""}},
        {"*", false, 27, {"text 96 200 2 3 0 \"ゴシック\" 16 1 0 \"×\""}},
        {"*", true, 38, {"text 100 200 3 3 0 \"ゴシック\" 11 1 0 \"×\""}},
        {"/", false, 27, {"text 96 200 2 3 0 \"ゴシック\" 16 1 0 \"÷\""}},
        {"@", false, 27, {"text 96 200 2 3 0 \"ゴシック\" 16 1 0 \"±\""}},
        {"%", false, 12, {"text 100 200 3 3 0 \"ゴシック\" 16 1 0 \"°\""}},
        {"'", false, 12, {"text 100 200 3 3 0 \"ゴシック\" 16 1 0 \"'\""}},
        {".", false, 8, {"text 97 214 3 2 0 \"ゴシック\" 16 1 0 \".\""}},
        {" ", false, 27, {}},
        {"$", false, 27, {"text 100 200 3 3 0 \"ゴシック\" 16 1 0 \"$\""}},
        {"ｱ", true, 32, {"text 100 200 4 2 0 \"ゴシック\" 16 1 0 \"ｱ\""}},
        {"&", false, 36, {"poly 0 5 104 240 111 208 132 208 125 240 104 240"}},
        {"!", false, 28, {"poly 0 3 104 236 108 224 116 240 124 196 132 196"}},
        {"!", true, 26, {"poly 0 3 104 224 108 213 116 229 124 194 126 194"}},
        {"", false, 27, {}},
        {"", true, 32, {}},
    };
    for (const Case& c : cases) {
        rt.radicalMode = 0;
        EXPECT_EQ(Run(c.run, c.inFraction), c.advance) << c.run << " " << c.inFraction;
        EXPECT_EQ(pf.Log(), c.log) << c.run << " " << c.inFraction;
        EXPECT_EQ(pf.GetDrawWidth(), 3) << c.run;  // the width found at entry
        EXPECT_EQ(FontNow(), "ゴシック 16 0 0") << c.run;
    }
}

TEST_F(MarkupGlyphs, DoubleByteCharactersNeverActAsCodes) {
    for (const char* ch : {"表", "み", "安", "／", "①", "　", "…", "人", "√"}) {
        if (std::string(ch) == "√") continue;
        EXPECT_EQ(Run(ch), 34) << ch;
        ASSERT_EQ(pf.Calls().size(), 1u) << ch;
        EXPECT_EQ(pf.Calls()[0].text, ch);
        EXPECT_EQ(rt.raiseFlag, 0);
        EXPECT_EQ(rt.escapeFlag, 0);
    }
}

TEST_F(MarkupGlyphs, ExponentAndRaiseCodes) {
    // "2^3" in a fraction part: the 3 small and lifted.
    EXPECT_EQ(Run("2^3", true), 56);
    ASSERT_EQ(pf.Log().size(), 2u);
    EXPECT_EQ(pf.Log()[1], "text 132 196 6 3 0 \"ゴシック\" 8 1 0 \"3\"");
    EXPECT_EQ(rt.escapeFlag, 0);
    // "\" then "^": the 2 raised, the 3 an exponent of running text; by
    // its text, "23" is still one number.
    EXPECT_EQ(Run("\\^23"), 48);
    EXPECT_EQ(pf.Log()[0], "text 100 190 6 3 0 \"ゴシック\" 8 1 0 \"2\" place 0/2");
    EXPECT_EQ(pf.Log()[1], "text 124 200 3 2 0 \"ゴシック\" 16 1 0 \"3\" place 1/2");
    // An exponent letter is upright Gothic, not the italic serif.
    EXPECT_EQ(Run("^x"), 24);
    EXPECT_EQ(pf.Log()[0], "text 100 200 3 2 0 \"ゴシック\" 16 1 0 \"x\"");
    // The point does not use a pending exponent; the glyph after it does.
    EXPECT_EQ(Run("^.5"), 8 + 24);
    EXPECT_EQ(pf.Log()[1], "text 108 200 3 2 0 \"ゴシック\" 16 1 0 \"5\"");
    // A run that is only "^" leaves the code pending for the next run.
    EXPECT_EQ(Run("^"), 0);
    EXPECT_EQ(rt.escapeFlag, 1);
    EXPECT_EQ(Run("7"), 24);
    EXPECT_EQ(rt.escapeFlag, 0);
    // An empty run uses up a pending raise without drawing.
    rt.raiseFlag = 1;
    EXPECT_EQ(Run(""), 24);
    EXPECT_EQ(rt.raiseFlag, 0);
    EXPECT_TRUE(pf.Log().empty());
}

TEST_F(MarkupGlyphs, RadicalOverlines) {
    // "!2" in running text: the medium sign, then one overline from x+28.
    EXPECT_EQ(Run("!2"), 55);
    ASSERT_EQ(pf.Log().size(), 3u);
    EXPECT_EQ(pf.Log()[1], "text 128 200 3 3 0 \"ゴシック\" 16 1 0 \"2\"");
    EXPECT_EQ(pf.Log()[2], "line 128 196 155 196 0 3");
    EXPECT_EQ(rt.radicalMode, 1);
    // The open radical overlines the next run, from where it started.
    Run("3");
    EXPECT_EQ(pf.Log()[1], "line 128 196 127 196 0 3");
    // "ﾝ" closes it and gets no overline.
    Run("ﾝ4");
    EXPECT_EQ(rt.radicalMode, 0);
    EXPECT_EQ(pf.Log().size(), 1u);
    EXPECT_EQ(rt.radicalStartX, 127);
    // Small radical in a fraction part: overline 6 above.
    Run("!2ﾝ", true);
    EXPECT_EQ(pf.Log()[2], "line 126 194 158 194 0 3");
    // "&" inside an open radical moves the overline's start past itself.
    Run("!&5");
    EXPECT_EQ(rt.radicalStartX, 128 + 36);
    EXPECT_EQ(pf.Log().back(), "line 164 196 191 196 0 3");
    rt.radicalMode = 0;
    // A tall radical's overline is drawn in running text only.
    rt.radicalMode = 22;
    rt.radicalStartX = 50;
    Run("6");
    EXPECT_EQ(pf.Log().back(), "line 50 186 127 186 0 3");
    Run("6", true);
    EXPECT_EQ(pf.Log().size(), 1u);
    EXPECT_EQ(rt.radicalStartX, 132);
    rt.radicalMode = 0;
}

TEST_F(MarkupGlyphs, ScriptLSwitchesBoldOffForTheRestOfTheRun) {
    Run("l2", true);
    ASSERT_EQ(pf.Calls().size(), 2u);
    EXPECT_FALSE(pf.Calls()[1].bold);
    Run("l=2", true);
    EXPECT_TRUE(pf.Calls()[2].bold);  // "=" switches bold on again
    Run("x3");
    EXPECT_EQ(FontNow(), "ゴシック 16 0 0");
}

TEST_F(MarkupGlyphs, PenWidthIsRestoredWhateverItWas) {
    for (int width : {1, 2, 4, 5}) {
        rt.SetDrawWidth(width);
        Run("-!3+ﾝ&", false);
        EXPECT_EQ(pf.GetDrawWidth(), width);
        Run("!-", true);
        EXPECT_EQ(pf.GetDrawWidth(), width);
        rt.radicalMode = 0;
    }
}

}  // namespace
