// Numbers as they stand in an equation that a pupil writes: a coefficient
// 1 left out, -1 a bare "-", "+" in front of a positive term after the
// first, "*" before a multiplier. The one place of these rules, for the
// solver and the pages alike.
#pragma once

#include <string>

#include "runtime/runtime.h"

namespace runtime {

enum class CoefficientForm {
    Leading,     // the first term: 1 nothing, -1 "-", any other number its text
    Following,   // a later term: as Leading, then "+" in front of a positive number
    Signed,      // a number written out after another term: "+" in front of a positive one
    OneOmitted,  // a first term that loses only the digit 1 (-1 stays "-1")
    Multiplier,  // after an equation's label: 1 nothing, any other "*" and its text
};

// The text of `number` in the given form; `text` is the number as written
// (its plain text, "-3" or "7").
std::string CoefficientText(float number, const std::string& text, CoefficientForm form);

// workText(slot) rewritten in the given form from workNum(slot).
void WriteCoefficient(Runtime& rt, int slot, CoefficientForm form);

}  // namespace runtime
