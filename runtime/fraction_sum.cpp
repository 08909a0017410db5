// The sum of two fractions over their least common denominator, with the
// texts of every step of the addition.
#include <cmath>

#include "runtime/number_text.h"

namespace runtime {

namespace {

// Moves the sign of a fraction to its numerator, so that the denominator
// is positive and the pair keeps its value.
void NormaliseSign(float& numerator, float& denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (numerator == 0) numerator = 0;  // no negative zero
}

// A term of the sum: the fraction markup of its magnitude with the sign in
// front. Zero counts as not negative.
std::string Term(float value, const std::string& markup, const char* plusSign) {
    return (value < 0 ? "-" : plusSign) + markup;
}

}  // namespace

void Runtime::AddFractions() {
    // A sum with an undefined term has no value.
    if (fracDen1 == 0 || fracDen2 == 0) basic::Fail(basic::kDivisionByZero);
    NormaliseSign(fracNum1, fracDen1);
    NormaliseSign(fracNum2, fracDen2);

    float common = 0;
    if (fracDen1 == 1 && fracDen2 == 1) {
        common = 1;
        scaledNum1 = fracNum1;
        scaledNum2 = fracNum2;
    } else if (fracDen1 == 1) {
        common = fracDen2;
        scaledNum1 = basic::CheckFinite(fracNum1 * fracDen2);
        scaledNum2 = fracNum2;
    } else if (fracDen2 == 1) {
        common = fracDen1;
        scaledNum1 = fracNum1;
        scaledNum2 = basic::CheckFinite(fracNum2 * fracDen1);
    } else {
        fracNum = fracDen1;
        fracDen = fracDen2;
        ReduceFraction();
        common = fracLcm;
        scaledNum1 = basic::Div(basic::CheckFinite(fracNum1 * fracDen2), fracGcd);
        scaledNum2 = basic::Div(basic::CheckFinite(fracNum2 * fracDen1), fracGcd);
    }
    fracDen = common;
    sumNum = basic::CheckFinite(scaledNum1 + scaledNum2);

    const std::string a = NumberText(*this, std::fabs(scaledNum1));
    const std::string b = NumberText(*this, std::fabs(scaledNum2));
    const std::string s = NumberText(*this, std::fabs(sumNum));
    const std::string t = NumberText(*this, common);
    const std::string first = FractionMarkup(a, t);
    const std::string second = FractionMarkup(b, t);
    const std::string sum = FractionMarkup(s, t);

    upperRow = Term(fracNum1, first, "");
    scaledText1Signed = Term(fracNum1, first, "+");
    fracResult = Term(fracNum2, second, "");
    fracResultSigned = Term(fracNum2, second, "+");
    sumText = Term(sumNum, sum, "");
    sumTextSigned = Term(sumNum, sum, "+");
    sumTermsText = upperRow + fracResultSigned;
    // Both signed numerators over one bar.
    fracEqText = FractionMarkup(Term(fracNum1, a, "") + Term(fracNum2, b, "+"), t);
    scaledText1Plain = first;
    scaledText2Plain = second;
}

}  // namespace runtime
