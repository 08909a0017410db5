// The number field, its parsing, and the key waits.
#include "tests/page_checks.h"
#include "tests/test_support.h"

namespace {

using page_checks::FieldBoxErased;
using page_checks::PlateLine;
using platform::DrawKind;
using testing_support::RuntimeTest;

class Prompts : public RuntimeTest {
protected:
    void Type(const std::string& keys) { pf.AddKeys(keys); }
    std::vector<platform::DrawCall> Echoes() const {
        std::vector<platform::DrawCall> out;
        for (const auto& c : CallsOf(DrawKind::Text))
            if (c.colour == 5) out.push_back(c);
        return out;
    }
};

TEST_F(Prompts, EntryCollectsAcceptedKeysAndEchoesThem) {
    Type("3x.5 \r");
    rt.AskMenuNumber();
    EXPECT_EQ(rt.inputText, "3.5");
    EXPECT_FLOAT_EQ(rt.inputValue, 3.5f);
    EXPECT_EQ(rt.textColour, 5);
    auto echoes = Echoes();
    ASSERT_EQ(echoes.size(), 3u);
    EXPECT_EQ(echoes[0].text, "３");
    EXPECT_EQ(echoes[2].points[0].x, 1072);
    // Label and prompt, then the field erased when the entry ends.
    EXPECT_FALSE(LogLines("text 1008 648 1 1 0").empty());
    EXPECT_EQ(pf.Log().back(), FieldBoxErased(runtime::kFieldErase) + " 3");
}

TEST_F(Prompts, EmptyEntryIsZeroAndColourStaysWithoutEcho) {
    Type("\r");
    rt.ReadNumberField();
    rt.ParseTypedNumber();
    EXPECT_EQ(rt.inputText, "");
    EXPECT_EQ(rt.inputValue, 0);
    EXPECT_EQ(rt.textColour, 0);
}

TEST_F(Prompts, ClearingKeysAndTheEleventhKeyEmptyTheField) {
    // Backspace clears everything; the next digit is echoed at the start.
    Type("12\b7\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "7");
    EXPECT_EQ(Echoes().back().points[0].x, 1056);
    // The clearing key (code 12) does the same.
    Type("99\f4\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "4");
    // Ten characters stand; the next key, Enter included, clears and is lost.
    Type("1234567890\r5\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "5");
    Type("1234567890a\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "");
    // Nine characters can be submitted.
    Type("123456789\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "123456789");
}

TEST_F(Prompts, ParsingSplitsAtTheFirstSlashAndZeroDivisorsGiveZero) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {
        {"", 0},   {"7", 7},       {"4/2", 2},   {"/4", 0},   {"6/4/2", 1.5f}, {"-3/4", -0.75f},
        {"1/0", 0}, {"5/", 0},     {"/", 0},     {"-", 0},    {".", 0},        {"2.5", 2.5f},
        {"1/.", 0}, {"-.5/-.5", 1}, {"12-3", 12}, {"3/-", 0},
    };
    for (const Case& c : cases) {
        rt.inputText = c.text;
        rt.ParseTypedNumber();
        EXPECT_FLOAT_EQ(rt.inputValue, c.value) << c.text;
    }
}

TEST_F(Prompts, WaitAnyKeyRestoresColourAndPenWidth) {
    rt.textColour = 7;
    rt.SetDrawWidth(2);
    pf.PushKey("q");  // already waiting: the first poll ends the wait
    rt.WaitAnyKey();
    EXPECT_EQ(rt.textColour, 7);
    EXPECT_EQ(pf.GetDrawWidth(), 2);
    EXPECT_EQ(rt.keyChar, "q");
    EXPECT_TRUE(rt.textArg.empty());
    const auto& log = pf.Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log.front(), page_checks::kKeyWait + " 3");
    EXPECT_EQ(log[log.size() - 2], "key \"q\"");
    EXPECT_EQ(log.back(), page_checks::kKeyWaitErased + " 3");
    EXPECT_EQ(LogLines("text 128 666 1 1 9").size(), 1u);
}

TEST_F(Prompts, ShowPromptWaitKeyShowsTheCallersTextAndClearsTheBar) {
    rt.textColour = 3;
    rt.textArg = "OK";
    Type(" ");
    rt.ShowPromptWaitKey();
    EXPECT_EQ(rt.textColour, 3);
    EXPECT_EQ(pf.Log().front(), PlateLine(runtime::kCallerPromptPlate) + " 3");
    EXPECT_EQ(LogLines("text 48 666 1 1 9 \"ｺﾞｼｯｸ\" 16 1 0 \"Ｏ\"").size(), 1u);
    EXPECT_EQ(pf.Log().back(), page_checks::kPromptBarErased + " 3");
}

TEST_F(Prompts, AskNextStepRestoresPenWidthOnly) {
    rt.SetDrawWidth(4);
    Type("1\r");
    rt.inputValue = 3;
    rt.AskNextStep();
    EXPECT_EQ(rt.inputValue, 1);
    EXPECT_EQ(pf.GetDrawWidth(), 4);
    EXPECT_EQ(rt.textColour, 5);
    EXPECT_EQ(pf.Log().front(), page_checks::kNextStep + " 2");
    auto tail = std::vector<std::string>(pf.Log().end() - 2, pf.Log().end());
    EXPECT_EQ(tail[0], FieldBoxErased(runtime::kNextStepFieldErase) + " 2");
    EXPECT_EQ(tail[1], page_checks::PlateErased(runtime::kNextStepPlate) + " 2");
}

TEST_F(Prompts, FlushKeysEmptiesTheBuffer) {
    pf.PushKey("1");
    pf.PushKey("2");
    rt.FlushKeys();
    EXPECT_EQ(rt.keyChar, "");
    Type("5\r");
    rt.ReadNumberField();
    EXPECT_EQ(rt.inputText, "5");
}

}  // namespace
