// The text of a number, and of a fraction, as the pages show them.
#pragma once

#include <string>

#include "runtime/runtime.h"

namespace runtime {

// The conversion's text of `value` with every blank removed: the digits,
// with "-" in front of a negative number and nothing in front of any other
// (zero is "0"). The text passes through strArg on its way, as in every
// routine that makes number texts, so strArg holds it afterwards.
std::string NumberText(Runtime& rt, float value);

// Fraction markup: the renderer draws the part between the two marks as a
// stacked fraction.
inline std::string FractionMarkup(const std::string& numerator, const std::string& denominator) {
    return "ﾀ" + numerator + "/" + denominator + "ﾀ";
}

}  // namespace runtime
