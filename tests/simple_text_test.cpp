// The simple drawer of prompts and its full-width mapping.
#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;
using platform::DrawKind;

class SimpleText : public RuntimeTest {
protected:
    // Draws `text` from (100, 200) and returns how far the pen moved.
    float Draw(const std::string& text) {
        pf.ClearRecord();
        rt.penX = 100;
        rt.penY = 200;
        rt.textArg = text;
        rt.DrawSimpleText();
        return rt.penX - 100;
    }
    std::vector<std::string> Glyphs() const {
        std::vector<std::string> out;
        for (const auto& c : CallsOf(DrawKind::Text)) out.push_back(c.text);
        return out;
    }
};

TEST_F(SimpleText, AdvancesSixteenPerCharacter) {
    EXPECT_EQ(Draw("番号を入力して下さい。"), 176);
    EXPECT_EQ(Draw("P48 基本の問題 ①　②　③　④終了"), 304);
    EXPECT_EQ(Glyphs().size(), 17u);  // the two half-width spaces draw nothing
    EXPECT_EQ(Glyphs()[0], "Ｐ");
    EXPECT_EQ(Glyphs()[1], "４");
    EXPECT_TRUE(rt.textArg.empty());
}

TEST_F(SimpleText, MapsToFullWidthAndMathematicalPartners) {
    Draw("⑤A=B=C");
    EXPECT_EQ(Glyphs(), (std::vector<std::string>{"⑤", "Α", "＝", "Ｂ", "＝", "Ｃ"}));
    Draw("⑦a,b値");
    EXPECT_EQ(Glyphs(), (std::vector<std::string>{"⑦", "ａ", "，", "ｂ", "値"}));
    Draw("x*/ﾀ?!$@&'[]%~");
    EXPECT_EQ(Glyphs(), (std::vector<std::string>{"χ", "×", "÷", "―", "∽", "√", "≡", "±", "π", "∠", "≦", "≧",
                                                  "°", "△"}));
    // Characters without a partner are drawn as they are, half-width ones
    // four units higher.
    Draw("z#");
    ASSERT_EQ(Glyphs(), (std::vector<std::string>{"z", "#"}));
    EXPECT_EQ(CallsOf(DrawKind::Text)[0].points[0].y, 196);
    EXPECT_EQ(CallsOf(DrawKind::Text)[1].points[0].x, 116);
    EXPECT_TRUE(CallsOf(DrawKind::Text)[0].bold);
}

TEST_F(SimpleText, EscapeDrawsTheNextCharacterAsTyped) {
    EXPECT_EQ(Draw("^x"), 16);
    ASSERT_EQ(Glyphs(), std::vector<std::string>{"x"});
    EXPECT_EQ(CallsOf(DrawKind::Text)[0].points[0].y, 196);
    EXPECT_EQ(rt.escapeFlag, 0);
    Draw("^^x");
    EXPECT_EQ(Glyphs(), std::vector<std::string>{"x"});
    EXPECT_EQ(Draw("^."), 16);  // an escaped point is not kerned
    EXPECT_EQ(Glyphs(), std::vector<std::string>{"."});
    Draw("1^");
    EXPECT_EQ(rt.escapeFlag, 1);  // left pending for the next text of either drawer
    Draw("y");
    EXPECT_EQ(Glyphs(), std::vector<std::string>{"y"});
}

TEST_F(SimpleText, PointIsKernedAndTakesNoRoom) {
    // The echo of "3", ".", "5" one key at a time.
    rt.penX = 1056;
    rt.penY = 648;
    for (const char* key : {"3", ".", "5"}) {
        rt.strArg = key;
        rt.DrawSimpleGlyphs();
        rt.penX = rt.charX;
    }
    auto texts = CallsOf(DrawKind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "３");
    EXPECT_EQ(texts[0].points[0].x, 1056);
    EXPECT_EQ(texts[1].text, "．");
    EXPECT_EQ(texts[1].points[0].x, 1068);
    EXPECT_EQ(texts[2].points[0].x, 1072);
    EXPECT_EQ(rt.penX, 1088);
}

TEST_F(SimpleText, SpacesVanishButStillAdvance) {
    rt.penX = 10;
    rt.strArg = "a b";
    rt.DrawSimpleGlyphs();
    EXPECT_EQ(rt.charX, 42);
    EXPECT_EQ(rt.strArg, "ab");
    rt.strArg = " ";
    pf.ClearRecord();
    rt.DrawSimpleGlyphs();
    EXPECT_EQ(rt.charX, 26);
    EXPECT_TRUE(pf.Calls().empty());
    rt.strArg = " 12　3";
    rt.StripSpaces();
    EXPECT_EQ(rt.strArg, "12　3");  // the full-width space stays
    EXPECT_EQ(Draw(""), 0);
}

}  // namespace
