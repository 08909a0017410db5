// Reducing a fraction by its gcd and writing it as fraction markup, and
// stripping the markup codes from a text.
#include <cmath>
#include <utility>

#include "runtime/number_text.h"

namespace runtime {

namespace {

// The classes a reduced fraction falls into.
constexpr float kZeroDenominator = 0;
constexpr float kWhole = 1;
constexpr float kReduced = 2;
constexpr float kInLowestTerms = 3;
constexpr float kOverOne = 4;
constexpr float kZeroNumerator = 5;

}  // namespace

void Runtime::ComputeGcdLcm() {
    float a = fracNum, b = fracDen;
    const float product = a * b;
    while (b != 0) {
        a = a - b * basic::Int(basic::Div(a, b));
        std::swap(a, b);
    }
    if (fracDen == 0) {
        fracGcd = fracNum;
        fracLcm = 0;
    } else if (fracDen == 1) {
        fracGcd = 1;
        fracLcm = fracNum;
    } else {
        fracGcd = a;
        fracLcm = basic::Div(product, fracGcd);
    }
}

void Runtime::ReduceFraction() {
    const float n = fracNum, d = fracDen;
    fracSign = n * d < 0 ? -1 : 1;
    // Every caller may want the fraction as it was given, before any
    // reduction: the left side of the equation fracEqText writes.
    const std::string given = FractionMarkup(NumberText(*this, n), NumberText(*this, d));
    upperRow = given;

    float reducedNum = 0, reducedDen = 0;
    if (d == 0) {
        fracKind = kZeroDenominator;
        fracGcd = std::fabs(n);
        fracLcm = 0;
        fracEqText = given + "=" + fracResult;  // the earlier result stands
        return;
    }
    if (std::fabs(d) == 1) {
        fracKind = kOverOne;
        fracGcd = 1;
        fracLcm = std::fabs(n);
        reducedNum = std::fabs(n);
        reducedDen = 1;
    } else if (n == 0) {
        fracKind = kZeroNumerator;
        fracGcd = std::fabs(d);
        fracLcm = 0;
        reducedDen = std::fabs(d);
    } else {
        fracNum = std::fabs(n);
        fracDen = std::fabs(d);
        ComputeGcdLcm();
        reducedNum = basic::Div(std::fabs(n), fracGcd);
        reducedDen = basic::Div(std::fabs(d), fracGcd);
        if (reducedDen == 1) {
            fracKind = kWhole;
        } else if (reducedDen == d && fracSign == 1) {
            fracKind = kInLowestTerms;
            fracProduct = reducedNum * reducedDen;
        } else {
            fracKind = kReduced;
        }
    }
    // The pair keeps the value of the fraction: the sign goes with the
    // numerator.
    fracNum = fracSign * reducedNum;
    fracDen = reducedDen;

    const bool negative = fracSign == -1;
    const std::string minus = negative ? "-" : "";
    if (fracKind == kInLowestTerms) {
        fracResult = given;
        fracResultSigned = "+" + given;
        fracEqText = fracResult;
        return;
    }
    const std::string r = NumberText(*this, reducedNum);
    const std::string body = fracKind == kReduced ? FractionMarkup(r, NumberText(*this, reducedDen)) : r;
    fracResult = minus + body;
    fracResultSigned = negative ? fracResult : "+" + body;
    fracEqText = given + "=" + fracResult;
}

void Runtime::StripMarkup() {
    // Whole characters are compared, so the codes are never found inside
    // a double-byte character.
    for (const char* code : {"^", "ﾝ", "ﾀ", "="}) {
        for (int at = basic::KInstr(1, strArg, code); at > 0; at = basic::KInstr(1, strArg, code))
            strArg = basic::KLeft(strArg, at - 1) + basic::KMid(strArg, at + 1);
    }
}

}  // namespace runtime
