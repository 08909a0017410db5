// Start-up, the main menu and the error screen, driven by typed keys.
#include <functional>
#include <stdexcept>

#include "lessons/kanovel/kanovel.h"
#include "lessons/tirosam/tirosam.h"
#include "tests/page_checks.h"

namespace {

using page_checks::CountExact;
using page_checks::FieldBoxErased;
using page_checks::kMenuPanel;
using testing_support::RunProgram;

// The main menu's panel, in the pen width the program starts with.
const std::string kPanel = kMenuPanel + " 3";

TEST(MainMenu, EntryEightEndsBothPrograms) {
    for (const char* program : {"kanovel", "tirosam"}) {
        auto run = RunProgram(program, "8\r");
        EXPECT_TRUE(run.ended) << program;
        EXPECT_EQ(run.log.back(), "end");
        EXPECT_EQ(CountExact(run.log, kPanel), 1);
    }
}

TEST(MainMenu, DrawsTitleEntriesAndPromptInPlace) {
    auto run = RunProgram("tirosam", "8\r");
    const auto& log = run.log;
    ASSERT_GE(log.size(), 5u);
    EXPECT_EQ(log[0], "mapmode 1");
    EXPECT_EQ(log[1], "maximize");
    EXPECT_EQ(log[2], "box 0 0 1760 1800 15 15 3");
    EXPECT_EQ(log[3], kPanel);
    EXPECT_EQ(log[4], "text 264 30 2 3 15 \"ゴシック\" 16 1 0 \"＜\"");
    // Entry i at (44, 120 + 60(i - 1)), odd entries in 13 and even ones in 15.
    for (int i = 1; i <= 8; ++i) {
        std::string start = "text 44 " + std::to_string(120 + 60 * (i - 1)) + " 3 3 " + (i % 2 ? "13" : "15") +
                            " \"ゴシック\" 16 1 0 \"" + std::to_string(i) + "\"";
        EXPECT_EQ(CountExact(log, start), 1) << start;
    }
    // The prompt, drawn by the simple drawer in 0, then again by the entry.
    EXPECT_EQ(CountExact(log, "text 816 648 1 1 0 \"ゴシック\" 16 1 0 \"番\""), 2);
    EXPECT_EQ(CountExact(log, "text 1008 648 1 1 0 \"ゴシック\" 16 1 0 \"入\""), 1);
    EXPECT_EQ(CountExact(log, FieldBoxErased(runtime::kMenuPromptErase) + " 3"), 1);  // the prompt erased
}

platform::HeadlessOptions Keys(const std::string& keys, const std::string& time = "10:20:30") {
    platform::HeadlessOptions options;
    options.keys = keys;
    options.time = time;
    return options;
}

TEST(MainMenu, TitleNamesTheProgram) {
    auto text = [](const runtime::ProgramData& data) {
        platform::HeadlessPlatform pf(Keys("8\r"));
        runtime::Runtime rt(pf, data);
        rt.Run();
        std::string joined;
        for (const auto& call : pf.Calls())
            if (call.kind == platform::DrawKind::Text && call.points[0].y <= 30) joined += call.text;
        return joined;
    };
    EXPECT_EQ(text(kanovel::ProgramData()), "＜Kanovel　メニュー＞");
    EXPECT_EQ(text(tirosam::ProgramData()), "＜Tirosam　メニュー＞");
}

TEST(MainMenu, TitleDrawsTheNameInPlainLettersAndFormulasKeepTheirs) {
    platform::HeadlessPlatform pf(Keys("8\r"));
    runtime::Runtime rt(pf, kanovel::ProgramData());
    rt.Run();
    // Every glyph of the title in the Gothic face on the title's row, the
    // letters 27 apart and the "l" in a cell of 32, as a script l would be.
    std::string places;
    for (const auto& call : pf.Calls())
        if (call.kind == platform::DrawKind::Text && call.points[0].y <= 30) {
            EXPECT_EQ(call.face, "ゴシック") << call.text;
            EXPECT_EQ(call.points[0].y, 30) << call.text;
            places += call.text + platform::FormatNumber(call.points[0].x) + " ";
        }
    EXPECT_EQ(places, "＜264 K298 a325 n352 o379 v406 e433 l460 　492 メ526 ニ560 ュ594 ー628 ＞662 ");
    // Formulas drawn afterwards keep their italic letters and script l.
    pf.ClearRecord();
    rt.penX = 100;
    rt.penY = 200;
    rt.textArg = "ax+cl";
    rt.DrawMarkupText();
    std::vector<std::string> faces;
    for (const auto& call : pf.Calls())
        if (call.kind == platform::DrawKind::Text) faces.push_back(call.face);
    EXPECT_EQ(faces, (std::vector<std::string>{"Times New Roman", "Times New Roman", "Times New Roman", "MT Extra"}));
}

TEST(MainMenu, StrayNumbersRedrawTheMenu) {
    // Each of these is refused; the menu is drawn again for the next one.
    auto run = RunProgram("kanovel", "9\r0\r\r1/0\r7\r-2\r2.5\r5/2\r/\r8\r");
    EXPECT_FALSE(run.errorShown);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(CountExact(run.log, kPanel), 10);
    // Entry 7 fills the screen before the menu comes back.
    EXPECT_EQ(CountExact(run.log, "box 0 0 1760 1800 15 15 3"), 11);
}

// A program whose lessons record which one was entered.
struct Recorder {
    std::vector<int> entered;
    runtime::ProgramData Data() {
        runtime::ProgramData data = kanovel::ProgramData();
        for (int i = 0; i < 6; ++i) data.lessons[static_cast<size_t>(i)] = [this, i] { entered.push_back(i + 1); };
        return data;
    }
};

TEST(MainMenu, EntersTheLessonOfTheNumberTested) {
    Recorder recorder;
    platform::HeadlessPlatform pf(Keys("4/2\r6\r1.0\r8/4/2\r8\r"));
    runtime::Runtime rt(pf, recorder.Data());
    rt.Run();
    EXPECT_EQ(recorder.entered, (std::vector<int>{2, 6, 1, 2}));
    EXPECT_TRUE(pf.Ended());
}

TEST(MainMenu, RuntimeErrorShowsTheErrorScreenAndIgnoresKeys) {
    platform::HeadlessPlatform pf(Keys("1\r8\r"));
    runtime::ProgramData data = tirosam::ProgramData();
    data.lessons[0] = [] { basic::Div(1, 0); };
    runtime::Runtime rt(pf, data);
    EXPECT_THROW(rt.Run(), platform::WindowClosed);
    EXPECT_FALSE(pf.Ended());
    const auto& log = pf.Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], "cls");
    const std::string& text = log[log.size() - 2];
    EXPECT_EQ(text.rfind("text 288 432 1 1 13 ", 0), 0u) << text;
    // A blank before the line number, a blank after the comma, the message
    // right after the code.
    auto quote = text.rfind(" \"");
    std::string shown = text.substr(quote + 2, text.size() - quote - 3);
    EXPECT_EQ(shown[0], ' ');
    EXPECT_NE(shown.find(", 11エラーが発生しました。マウスで×をクリックして下さい。"), std::string::npos) << shown;
    EXPECT_EQ(log.back().rfind("error ", 0), 0u);
}

// The place a division by zero names: this function, on the line below.
constexpr int kFaultLine = __LINE__ + 1;
void DivideByZero() { basic::Div(1, 0); }

// Besides the screen, a fault leaves one line on standard error with the
// whole place, and the platform knows that the program failed (its exit
// status is 1 in the window and in lesson-replay).
TEST(MainMenu, FaultLeavesATraceOnStandardErrorAndFailsTheProgram) {
    struct Case {
        std::function<void()> lesson;
        std::string trace;
        std::string shown;
    };
    const Case cases[] = {
        {DivideByZero,
         "Tirosam: error 11 at tests/main_menu_test.cpp:" + std::to_string(kFaultLine) +
             " in DivideByZero: division by zero\n",
         basic::Str(kFaultLine) + ", 11"},
        // A fault the runtime did not foresee keeps its message.
        {[] { throw std::out_of_range("no row 7"); }, "Tirosam: error 51 at an unknown place: no row 7\n", " 0, 51"},
    };
    for (const Case& c : cases) {
        platform::HeadlessPlatform pf(Keys("1\r"));
        runtime::ProgramData data = tirosam::ProgramData();
        data.lessons[0] = c.lesson;
        runtime::Runtime rt(pf, data);
        testing::internal::CaptureStderr();
        EXPECT_THROW(rt.Run(), platform::WindowClosed);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.trace);
        EXPECT_TRUE(pf.ErrorShown());
        const std::string& screen = pf.Log()[pf.Log().size() - 2];
        EXPECT_NE(screen.find(c.shown + "エラーが発生しました。"), std::string::npos) << screen;
    }
    platform::HeadlessPlatform pf(Keys("8\r"));
    runtime::Runtime rt(pf, tirosam::ProgramData());
    rt.Run();
    EXPECT_FALSE(pf.ErrorShown());
}

// The window can show nothing more (its surface cannot be made, not even at
// the size it had), found at a key poll in a lesson: that is no fault of
// the lesson. The run ends with it at once, without a trace and without
// drawing an error screen that nobody could see.
TEST(MainMenu, AWindowThatCanShowNothingMoreEndsTheRunWithoutAnErrorScreen) {
    struct FailingWindow : platform::HeadlessPlatform {
        using HeadlessPlatform::HeadlessPlatform;
        std::string Inkey() override {
            if (KeysTaken() == 2) throw platform::WindowFailure("cannot make the window's 1344x756 surface");
            return HeadlessPlatform::Inkey();
        }
    };
    FailingWindow pf(Keys("1\r"));
    runtime::Runtime rt(pf, tirosam::ProgramData());
    testing::internal::CaptureStderr();
    EXPECT_THROW(rt.Run(), platform::WindowFailure);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(pf.ErrorShown());
}

TEST(MainMenu, SeedIsTheSumOfTheClockFields) {
    struct Case {
        const char* time;
        float seed;
    } cases[] = {{"10:20:30", 60}, {"10:30:20", 60}, {"00:00:00", 0}, {"23:59:59", 141}};
    for (const Case& c : cases) {
        platform::HeadlessPlatform pf(Keys("", c.time));
        runtime::Runtime rt(pf, kanovel::ProgramData());
        rt.StartProgram();
        EXPECT_EQ(rt.seedValue, c.seed) << c.time;
        EXPECT_EQ(rt.textColour, 4);
        EXPECT_EQ(rt.promptX, runtime::kFieldX);
        EXPECT_EQ(rt.promptY, runtime::kFieldY);
        EXPECT_EQ(pf.GetDrawWidth(), 3);
        EXPECT_EQ(rt.auxNum.Upper(), 80);
    }
    // Equal seeds, equal random examples.
    platform::HeadlessPlatform a(Keys("", "10:20:30")), b(Keys("", "10:30:20"));
    runtime::Runtime ra(a, tirosam::ProgramData()), rb(b, tirosam::ProgramData());
    ra.StartProgram();
    rb.StartProgram();
    EXPECT_EQ(ra.auxNum.Upper(), 40);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(ra.random.Rnd(), rb.random.Rnd());
}

}  // namespace
