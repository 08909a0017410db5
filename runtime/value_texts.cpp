// Number texts without blanks, the one sweep that makes all value texts of
// an example, and the two erasing helpers.
#include "runtime/number_text.h"

namespace runtime {

std::string NumberText(Runtime& rt, float value) {
    rt.strArg = basic::Str(value);
    rt.StripSpaces();
    return rt.strArg;
}

void Runtime::MakeValueTexts() {
    // A counter of its own: callers may be inside a loop on loopIndex.
    for (int i = 1; i <= 80; ++i) workText(i) = NumberText(*this, workNum(i));
    for (int i = 1; i <= 40; ++i) auxText(i) = NumberText(*this, auxNum(i));
}

void Runtime::ClearWorkArea() { Erase(0, 54, 1440, 900); }

void Runtime::ClearInputBand() {
    penX = promptX + 80;
    penY = promptY - 72;
    Erase(penX, penY, penX + 1440, penY + 90);
}

}  // namespace runtime
