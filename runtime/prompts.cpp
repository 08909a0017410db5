// The prompt bar, the number field and the key waits.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::AskMenuNumber() {
    textColour = 0;
    penX = promptX - 240;
    penY = promptY;
    textArg = "番号を入力して下さい。";
    DrawSimpleText();
    ReadNumberField();
    ParseTypedNumber();
}

void Runtime::ClearMenuPrompt() { BoxAt(promptX - 240, promptY - 8, 1056, 50, 15, 15); }

void Runtime::AskSubmenuChoice() {
    textColour = 0;
    penX = 16;
    penY = 666;
    DrawSimpleText();
    ReadNumberField();
    ParseTypedNumber();
}

void Runtime::ClearPromptBar() { Erase(0, 657, 992, 720); }

void Runtime::ReadNumberField() {
    inputX = promptX;
    inputY = promptY;
    inputText.clear();
    textColour = 0;
    penX = inputX - 48;
    penY = inputY;
    textArg = "入力";
    DrawSimpleText();
    EditNumberInput();
    BoxAt(promptX - 48, promptY - 8, 240, 30, 15, 15);
}

void Runtime::EditNumberInput() {
    // The cursor disc is drawn before every poll and erased after an empty
    // one. Every other empty poll draws it in the background colour, so it
    // blinks at the rate the platform polls; after a key it shows at once.
    bool cursorShown = true;
    for (;;) {
        Circle(inputX + 8, inputY + 8, 4, cursorShown ? 5 : 15, 0, 0, true);
        keyChar = pf.Inkey();
        if (keyChar.empty()) {
            Circle(inputX + 8, inputY + 8, 4, 15, 0, 0, true);
            cursorShown = !cursorShown;
            continue;
        }
        cursorShown = true;
        if (keyChar == "\b" || keyChar == "\f" || basic::KLen(inputText) > 9) {
            BoxAt(promptX, promptY - 8, 192, 30, 15, 15);
            inputText.clear();
            inputX = promptX;
            inputY = promptY;
            keyChar.clear();
            continue;
        }
        if (keyChar == "\r") {
            Circle(inputX + 8, inputY + 8, 4, 15, 0, 0, true);
            return;
        }
        if (keyChar.size() == 1 && keyChar[0] >= '-' && keyChar[0] <= '9') {
            Circle(inputX + 8, inputY + 8, 4, 15, 0, 0, true);
            textColour = 5;
            strArg = keyChar;
            penX = inputX;
            penY = inputY;
            DrawSimpleGlyphs();
            inputX = charX;
            inputText += keyChar;
        }
    }
}

void Runtime::ParseTypedNumber() {
    textLen = static_cast<float>(basic::KLen(inputText));
    int slash = basic::KInstr(1, inputText, "/");
    if (slash == 0) {
        inputValue = basic::Val(inputText);
        return;
    }
    strArg = basic::KLeft(inputText, slash - 1);
    curChar = basic::KRight(inputText, static_cast<int>(textLen) - slash);
    // A zero divisor ("1/0", "5/", "/") makes the entry 0, which every
    // caller refuses or takes as "another example"; it is no fault.
    float divisor = basic::Val(curChar);
    inputValue = divisor == 0 ? 0 : basic::Div(basic::Val(strArg), divisor);
}

void Runtime::AskNextStep() {
    const PenWidthScope keepWidth(*this);
    SetDrawWidth(2);
    BoxFromTo(96, 639, 400, 675, 13, 12);
    textColour = 9;
    penX = 128;
    penY = 648;
    textArg = "次のステップは１を入力。";
    DrawSimpleText();
    ReadNumberField();
    ParseTypedNumber();
    BoxAt(promptX - 48, promptY - 9, 160, 27, 15, 15);
    Erase(96, 639, 400, 675);
}

void Runtime::WaitAnyKey() {
    textArg = "何かキーを押して下さい。";
    WaitKeyOnPlate(96, 400, 128, 400, 693);
}

void Runtime::ShowPromptWaitKey() { WaitKeyOnPlate(16, 496, 48, 992, 720); }

void Runtime::WaitKeyOnPlate(float left, float right, float textX, float eraseRight, float eraseBottom) {
    savedTextColour = textColour;
    const PenWidthScope keepWidth(*this);
    SetDrawWidth(3);
    BoxFromTo(left, 657, right, 693, 13, 4);
    textColour = 9;
    penX = textX;
    penY = 666;
    DrawSimpleText();
    do {
        keyChar = pf.Inkey();
    } while (keyChar.empty());
    Erase(0, 657, eraseRight, eraseBottom);
    textColour = savedTextColour;
}

}  // namespace runtime
