// The prompt bar, the number field and the key waits.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::AskMenuNumber() {
    textColour = 0;
    penX = promptX - kMenuPromptOffset;
    penY = promptY;
    textArg = "番号を入力して下さい。";
    DrawPrompt(platform::PieceKind::MenuPrompt);
    ReadNumberField();
    ParseTypedNumber();
}

void Runtime::ClearMenuPrompt() { EraseFromField(kMenuPromptErase); }

void Runtime::AskSubmenuChoice() {
    textColour = 0;
    penX = kSubmenuLineX;
    penY = kSubmenuLineY;
    DrawPrompt(platform::PieceKind::SubmenuLine);
    ReadNumberField();
    ParseTypedNumber();
}

void Runtime::ClearPromptBar() { ErasePlate(kPromptBar); }

void Runtime::DrawPrompt(platform::PieceKind kind) {
    const TextPiece prompt(*this, textArg, kind);
    DrawSimpleText();
}

void Runtime::ReadNumberField() {
    inputX = promptX;
    inputY = promptY;
    inputText.clear();
    textColour = 0;
    penX = inputX - kFieldLabelOffset;
    penY = inputY;
    textArg = "入力";
    DrawPrompt(platform::PieceKind::FieldLabel);
    EditNumberInput();
    EraseFromField(kFieldErase);
}

void Runtime::EraseFromField(const FieldBox& box) { BoxAt(promptX + box.dx, promptY + box.dy, box.w, box.h, 15, 15); }

void Runtime::EditNumberInput() {
    // The cursor disc is drawn before every poll and erased after an empty
    // one. Every other empty poll draws it in the background colour, so it
    // blinks at the rate the platform polls; after a key it shows at once.
    bool cursorShown = true;
    for (;;) {
        Circle(inputX + kFieldCursorInset, inputY + kFieldCursorInset, kFieldCursorRadius, cursorShown ? 5 : 15, 0, 0,
               true);
        keyChar = pf.Inkey();
        if (keyChar.empty()) {
            Circle(inputX + kFieldCursorInset, inputY + kFieldCursorInset, kFieldCursorRadius, 15, 0, 0, true);
            cursorShown = !cursorShown;
            continue;
        }
        cursorShown = true;
        if (keyChar == "\b" || keyChar == "\f" || basic::KLen(inputText) > 9) {
            EraseFromField(kTypedDigitsErase);
            inputText.clear();
            inputX = promptX;
            inputY = promptY;
            keyChar.clear();
            continue;
        }
        if (keyChar == "\r") {
            Circle(inputX + kFieldCursorInset, inputY + kFieldCursorInset, kFieldCursorRadius, 15, 0, 0, true);
            return;
        }
        if (keyChar.size() == 1 && keyChar[0] >= '-' && keyChar[0] <= '9') {
            Circle(inputX + kFieldCursorInset, inputY + kFieldCursorInset, kFieldCursorRadius, 15, 0, 0, true);
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
    DrawPlate(kNextStepPlate);
    textColour = 9;
    penX = kNextStepTextX;
    penY = kNextStepTextY;
    textArg = "次のステップは１を入力。";
    DrawPrompt(platform::PieceKind::NextStepPrompt);
    ReadNumberField();
    ParseTypedNumber();
    EraseFromField(kNextStepFieldErase);
    ErasePlate(kNextStepPlate);
}

void Runtime::WaitAnyKey() {
    textArg = "何かキーを押して下さい。";
    WaitKeyOnPlate(kKeyWaitPlate, kKeyWaitTextX, kKeyWaitPlate.x1, kKeyWaitPlate.y1);
}

void Runtime::ShowPromptWaitKey() {
    WaitKeyOnPlate(kCallerPromptPlate, kCallerPromptTextX, kPromptBar.x1, kPromptBar.y1);
}

void Runtime::WaitKeyOnPlate(const PlateBox& plate, float textX, float eraseRight, float eraseBottom) {
    savedTextColour = textColour;
    const PenWidthScope keepWidth(*this);
    SetDrawWidth(3);
    DrawPlate(plate);
    textColour = 9;
    penX = textX;
    penY = kKeyWaitTextY;
    DrawPrompt(platform::PieceKind::KeyPrompt);
    do {
        keyChar = pf.Inkey();
    } while (keyChar.empty());
    Erase(kPromptBar.x0, kPromptBar.y0, eraseRight, eraseBottom);
    textColour = savedTextColour;
}

}  // namespace runtime
