// Start-up, the main menu, the error screen, and reseeding and flushing.
#include <cstdio>
#include <exception>

#include "runtime/runtime.h"

namespace runtime {

namespace {

// Code shown for a fault the runtime did not foresee (not a number fault).
constexpr int kInternalError = 51;

// Marks the text drawn in its lifetime as a name.
class LettersOfAName {
public:
    explicit LettersOfAName(MarkupState& state) : state_(state) { state_.lettersOfAName = true; }
    ~LettersOfAName() { state_.lettersOfAName = false; }
    LettersOfAName(const LettersOfAName&) = delete;
    LettersOfAName& operator=(const LettersOfAName&) = delete;

private:
    MarkupState& state_;
};

// The screen shows a line number and a code for the pupil; whoever looks
// after the machine gets the whole place on standard error, one line a
// fault, written before the screen is drawn.
void TraceFault(const std::string& program, int code, const basic::Where* where, const char* message) {
    if (where)
        std::fprintf(stderr, "%s: error %d at %s:%d in %s: %s\n", program.c_str(), code, where->file, where->line,
                     where->function, message);
    else
        std::fprintf(stderr, "%s: error %d at an unknown place: %s\n", program.c_str(), code, message);
    std::fflush(stderr);
}

}  // namespace

void Runtime::Run() {
    try {
        StartProgram();
        ShowMainMenu();
    } catch (const basic::RuntimeError& error) {
        TraceFault(program.title, error.code, &error.where, error.what());
        ReportRuntimeError(error.line, error.code);
    } catch (const platform::WindowClosed&) {
        throw;
    } catch (const platform::WindowFailure&) {
        throw;  // no error screen could be seen
    } catch (const std::exception& error) {
        TraceFault(program.title, kInternalError, nullptr, error.what());
        ReportRuntimeError(0, kInternalError);
    }
}

void Runtime::StartProgram() {
    pf.SetMapMode(1);
    pf.MaximizeWindow();
    pf.SetFontName("ｺﾞｼｯｸ");
    pf.SetFontSize(16);
    SetDrawWidth(3);
    ReseedFromClock();
    textColour = 4;
    promptX = kFieldX;
    promptY = kFieldY;
    programTitle = program.title;

    workNum.Dim(80);
    workText.Dim(80);
    auxNum.Dim(program.auxUpper);
    auxText.Dim(40);
    solverCoef.Dim(40);
    solverConst.Dim(40);
    coefPool.Dim(40);
    rowY.Dim(40);
    colX.Dim(10);
    fracText.Dim(10);
    polygonPoints.Dim(10, 2);
    vertexNames.Dim(20);
}

void Runtime::ReseedFromClock() {
    std::string clock = pf.Time();
    float hours = basic::Val(basic::KLeft(clock, 2));
    float minutes = basic::Val(basic::KMid(clock, 4, 2));
    float seconds = basic::Val(basic::KRight(clock, 2));
    seedValue = hours + minutes + seconds;
    random.Randomize(basic::Cint(seedValue));
}

void Runtime::FlushKeys() {
    do {
        keyChar = pf.Inkey();
    } while (!keyChar.empty());
}

void Runtime::ShowMainMenu() {
    for (;;) {
        BoxAt(0, 0, 1760, 1800, 15, 15);
        DrawPlate(kMenuPanel);
        textColour = 15;
        penX = 264;
        penY = 30;
        textArg = "＜" + programTitle + "　メニュー＞";
        {
            // The program's name is no formula: its letters are drawn as
            // the rest of the title.
            const LettersOfAName name(*this);
            DrawMarkupText();
        }
        for (int i = 1; i <= 8; ++i) {
            textColour = i % 2 == 1 ? 13 : 15;
            penX = 44;
            penY = 120 + 60 * (i - 1);
            textArg = program.entries[static_cast<size_t>(i - 1)];
            DrawMarkupText();
        }
        textColour = 0;
        penX = promptX - kMenuPromptOffset;
        penY = promptY;
        textArg = "番号を入力して下さい。";
        DrawSimpleText();
        AskMenuNumber();
        ClearMenuPrompt();

        if (inputValue == 8) {
            pf.End();
            return;
        }
        // Only a whole number names an entry; a fraction or decimal that
        // is not one ("5/2", "2.5") asks again like any other stray number.
        if (inputValue < 1 || inputValue > 7 || inputValue != basic::Int(inputValue)) continue;
        BoxAt(0, 0, 1760, 1800, 15, 15);
        // Entry 7 is blank: the menu is shown again.
        int entry = static_cast<int>(inputValue);
        if (entry == 7) continue;
        if (const auto& lesson = program.lessons[static_cast<size_t>(entry - 1)]) lesson();
    }
}

void Runtime::ReportRuntimeError(int line, int code) {
    pf.Cls();
    std::string text = basic::Str(static_cast<float>(line)) + "," + basic::Str(static_cast<float>(code)) +
                       "エラーが発生しました。マウスで×をクリックして下さい。";
    pf.Symbol({288, 432}, text, 1, 1, 13);
    pf.NoteError(line, code);
    pf.IdleUntilClosed();
    throw platform::WindowClosed();  // not reached: the idle ends only by closing
}

}  // namespace runtime
