#include "runtime/coefficient_text.h"

namespace runtime {

std::string CoefficientText(float number, const std::string& text, CoefficientForm form) {
    // The tests are exact comparisons of the single: 1, -1 and 0 are the
    // numbers the rules name.
    switch (form) {
        case CoefficientForm::Leading:
            return number == 1 ? "" : number == -1 ? "-" : text;
        case CoefficientForm::Following: {
            const std::string leading = CoefficientText(number, text, CoefficientForm::Leading);
            return number > 0 ? "+" + leading : leading;
        }
        case CoefficientForm::Signed:
            return number > 0 ? "+" + text : text;
        case CoefficientForm::OneOmitted:
            return number == 1 ? "" : text;
        case CoefficientForm::Multiplier:
            return number == 1 ? "" : "*" + text;
    }
    return text;
}

void WriteCoefficient(Runtime& rt, int slot, CoefficientForm form) {
    rt.workText(slot) = CoefficientText(rt.workNum(slot), rt.workText(slot), form);
}

}  // namespace runtime
