// Editing the sign at the front of a value text in strArg. The first
// character is taken whole, so a double-byte character is never mistaken
// for a sign.
#include "runtime/runtime.h"

namespace runtime {

void Runtime::FlipLeadingSign() {
    if (strArg.empty()) return;
    const std::string first = basic::KLeft(strArg, 1);
    if (first == "-") strArg = "+" + basic::KMid(strArg, 2);
    else if (first == "+") strArg = "-" + basic::KMid(strArg, 2);
    else strArg = "-" + strArg;
}

void Runtime::StripLeadingPlus() {
    if (basic::KLeft(strArg, 1) == "+") strArg = basic::KMid(strArg, 2);
}

void Runtime::StripLeadingSign() {
    const std::string first = basic::KLeft(strArg, 1);
    if (first == "+" || first == "-") strArg = basic::KMid(strArg, 2);
}

void Runtime::ParenthesizeIfNegative() {
    if (basic::KInstr(1, strArg, "-") > 0) strArg = "(" + strArg + ")";
}

}  // namespace runtime
