// The markup walker, stacked fractions and the state that carries over.
#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;
using platform::DrawKind;

class MarkupText : public RuntimeTest {
protected:
    // Draws a text at (100, 200) and returns how far the pen moved.
    float Draw(const std::string& text) {
        pf.ClearRecord();
        rt.penX = 100;
        rt.penY = 200;
        rt.textColour = 0;
        rt.textArg = text;
        rt.DrawMarkupText();
        return rt.penX - 100;
    }
    // Where the text calls put their glyphs, as "text@x,y".
    std::vector<std::string> Placed() const {
        std::vector<std::string> out;
        for (const auto& c : CallsOf(DrawKind::Text))
            out.push_back(c.text + "@" + platform::FormatNumber(c.points[0].x) + "," +
                          platform::FormatNumber(c.points[0].y));
        return out;
    }
    using Strings = std::vector<std::string>;
};

TEST_F(MarkupText, PlainTextsAndLoneFractionMarks) {
    EXPECT_EQ(Draw(""), 0);
    EXPECT_TRUE(pf.Calls().empty());
    EXPECT_TRUE(rt.textArg.empty());
    EXPECT_EQ(Draw("ﾀ12"), 54);  // no closing mark: drawn as running text
    EXPECT_EQ(Placed(), (Strings{"1@100,200", "2@127,200"}));
    EXPECT_EQ(Draw("ﾀ"), 0);
    EXPECT_TRUE(pf.Calls().empty());
    EXPECT_EQ(Draw("x^2"), 51);
    EXPECT_EQ(rt.escapeFlag, 0);
    EXPECT_EQ(Draw("16cm,"), 27 * 5);
    EXPECT_EQ(CallsOf(DrawKind::Text)[2].face, "Times New Roman");
    EXPECT_EQ(CallsOf(DrawKind::Text)[3].face, "ゴシック");
    EXPECT_EQ(Draw("…①速さ(m／分)"), 34 * 2 + 34 + 34 + 27 + 27 + 34 + 34 + 27);
}

TEST_F(MarkupText, StackedFractionLayouts) {
    EXPECT_EQ(Draw("ﾀ2/3ﾀ"), 32);
    EXPECT_EQ(pf.Log()[0], "line 102 225 130 225 0 4");
    EXPECT_EQ(Placed(), (Strings{"3@100,228", "2@100,190"}));
    EXPECT_EQ(pf.GetDrawWidth(), 3);

    EXPECT_EQ(Draw("ﾀ21/2ﾀ"), 64);
    EXPECT_EQ(Placed(), (Strings{"2@116,228", "2@100,190", "1@132,190"}));

    EXPECT_EQ(Draw("-ﾀ3/2ﾀ"), 59);
    EXPECT_EQ(pf.Log()[1], "line 129 225 157 225 0 4");

    EXPECT_EQ(Draw("ﾀ1/2ﾀ+ﾀ1/3ﾀ"), 32 + 27 + 32);

    // x/80: the numerator is indented by half the difference.
    EXPECT_EQ(Draw("ﾀx/80ﾀ"), 64);
    EXPECT_EQ(CallsOf(DrawKind::Text)[2].points[0].x, 100 + 16 + 4);
    // A difference that is odd leaves half a unit.
    Draw("ﾀ 1/2ﾀ");
    EXPECT_EQ(CallsOf(DrawKind::Text)[0].points[0].x, 113.5f);
    // A second "/" stays in the denominator as a division sign.
    Draw("ﾀ6/4/2ﾀ");
    EXPECT_EQ(Placed(), (Strings{"4@100,228", "÷@132,228", "2@170,228", "6@135,190"}));
}

TEST_F(MarkupText, DenominatorDropsForRadicalsAndExponents) {
    struct Case {
        const char* text;
        float denominatorY;
    } cases[] = {{"ﾀ1/x^2ﾀ", 236}, {"ﾀ!3ﾝ/2ﾀ", 236}, {"ﾀ1/√3ﾝﾀ", 244}, {"ﾀ1/2ﾀ", 228}};
    for (const Case& c : cases) {
        Draw(c.text);
        float firstY = CallsOf(DrawKind::Text)[0].points[0].y;
        // The italic x sits 16 above its cell; everything else at the row.
        if (CallsOf(DrawKind::Text)[0].text == "x") firstY += 16;
        EXPECT_EQ(firstY, c.denominatorY) << c.text;
        EXPECT_EQ(rt.radicalMode, 0) << c.text;
    }
}

TEST_F(MarkupText, WorkedEquationLine) {
    EXPECT_EQ(Draw("ﾀ1/4ﾀx+ﾀ2/3ﾀy=-1…②"), 299);
    auto texts = CallsOf(DrawKind::Text);
    auto at = [&](const std::string& t) {
        for (const auto& c : texts)
            if (c.text == t) return c.points[0].x;
        return -1.0f;
    };
    EXPECT_EQ(at("x"), 100 + 32 + 4);
    EXPECT_EQ(at("y"), 100 + 118);
    EXPECT_EQ(at("="), 100 + 145 + 4);
    EXPECT_EQ(at("…"), 100 + 231);
    EXPECT_EQ(at("②"), 100 + 265);
    EXPECT_EQ(pf.Log()[4], "line 164.5 225 180.5 225 0 5");  // the plus after x, from x+59, on the bar
}

TEST_F(MarkupText, SignJustBeforeAFractionStandsOnItsBar) {
    // The sign's stroke (and the cross-bar of a "+") lies on the line of
    // the bar, at the row's y + 25; the upright of a "+" is centred on it.
    for (const char* text : {"-ﾀ1/7ﾀx", "+ﾀ1/3ﾀy", "=-ﾀ20/100ﾀy"}) {
        SCOPED_TRACE(text);
        Draw(text);
        const auto lines = CallsOf(DrawKind::Line);
        ASSERT_GE(lines.size(), 2u);
        const auto bar = std::find_if(lines.begin(), lines.end(), [](const auto& c) { return c.width == 4; });
        ASSERT_NE(bar, lines.end());
        EXPECT_EQ(lines[0].width, 5);
        EXPECT_EQ(lines[0].points[0].y, bar->points[0].y);
        EXPECT_EQ(lines[0].points[1].y, bar->points[0].y);
    }
    Draw("+ﾀ1/3ﾀ");
    EXPECT_EQ(pf.Log()[1], "line 113.5 217 113.5 233 0 5");
    // Signs elsewhere keep their places: "-" at y + 20, "+" across at y + 21,
    // also after a fraction and before a lone fraction mark.
    Draw("3-1+ﾀ1/2ﾀ-1+2-ﾀ");
    Strings across;
    for (const auto& c : CallsOf(DrawKind::Line))
        if (c.width == 5 && c.points[0].y == c.points[1].y) across.push_back(platform::FormatNumber(c.points[0].y));
    EXPECT_EQ(across, (Strings{"220", "225", "220", "221", "220"}));
}

TEST_F(MarkupText, TallRadicalOverAFraction) {
    rt.SetDrawWidth(2);
    EXPECT_EQ(Draw("#ﾀ2/3ﾀﾝ"), 64);
    EXPECT_EQ(pf.Log()[0], "poly 0 3 104 236 108 224 116 260 130 186 138 186");
    EXPECT_EQ(pf.Log()[1], "line 134 225 162 225 0 4");
    EXPECT_EQ(pf.Log()[2], "line 132 186 164 186 0 3");
    EXPECT_EQ(rt.radicalMode, 0);
    EXPECT_EQ(pf.GetDrawWidth(), 2);
    rt.SetDrawWidth(3);
}

TEST_F(MarkupText, StateCarriesOverToTheNextText) {
    // An open tall radical overlines the next text, wherever it stands.
    Draw("#2");
    EXPECT_EQ(rt.radicalMode, 22);
    pf.ClearRecord();
    rt.penX = 500;
    rt.penY = 400;
    rt.textArg = "7ﾝ";
    rt.DrawMarkupText();
    EXPECT_EQ(pf.Log().back(), "line 132 386 527 386 0 3");
    EXPECT_EQ(rt.radicalMode, 0);
    // A text ending in "^" makes the next glyph an exponent.
    Draw("3^");
    Draw("5");
    EXPECT_EQ(pf.Log()[0], "text 100 200 3 2 0 \"ゴシック\" 16 1 0 \"5\"");
    // A pending exponent before a fraction is used up while measuring it.
    Draw("^ﾀ1/2ﾀ");
    EXPECT_EQ(CallsOf(DrawKind::Text)[1].magX, 4);
    EXPECT_EQ(rt.escapeFlag, 0);
}

TEST_F(MarkupText, FractionBodyWithoutSlashShowsAnEmptyNumerator) {
    EXPECT_EQ(Draw("ﾀ12ﾀ"), 64);
    EXPECT_EQ(Placed(), (Strings{"1@100,228", "2@132,228"}));
    EXPECT_EQ(Draw("ﾀﾀ"), 0);  // an empty body measures 0 wide
}

TEST_F(MarkupText, MeasuringGivesTheDrawnWidthAndDrawsNothing) {
    for (const char* text : {"", "x+2y=5…①", "ﾀ1/2ﾀ+ﾀ1/3ﾀ", "ﾀ21/2ﾀx-ﾀ3/4ﾀ", "#ﾀ2/3ﾀﾝ", "!2ﾝ", "連立方程式"}) {
        pf.ClearRecord();
        rt.penX = 7;
        rt.penY = 9;
        rt.strArg = text;
        rt.MeasureText();
        EXPECT_TRUE(pf.Calls().empty()) << text;
        EXPECT_EQ(rt.penX, 7);
        EXPECT_EQ(rt.penY, 9);
        EXPECT_EQ(rt.strArg, text);
        EXPECT_TRUE(rt.textArg.empty());
        float measured = rt.textWidth;
        EXPECT_EQ(Draw(text), measured) << text;
    }
}

}  // namespace
