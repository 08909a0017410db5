// Square roots simplified, small prime factors and lists of divisors.
#include <cmath>

#include "runtime/runtime.h"

namespace runtime {

namespace {

// The number with the blank the number text writes before it removed.
std::string Plain(Runtime& rt, const std::string& text) {
    rt.strArg = text;
    rt.StripSpaces();
    return rt.strArg;
}

// Every trial divides 0, so a search over the factors of 0 would never end.
void RequireNonZero(float n) {
    if (basic::Cint(n) == 0) basic::Fail(basic::kBadArgument);
}

}  // namespace

void Runtime::SimplifySquareRoot() {
    const float given = radicand;
    RequireNonZero(given);
    float n = given, coefficient = 1;
    // Every square k*k with k from 2 to 200 comes out as often as it
    // divides; the search starts again from 2 after each.
    for (float k = 2; k != 201;) {
        if (basic::Mod(n, k * k) != 0) {
            ++k;
            continue;
        }
        coefficient *= k;
        n /= k * k;
        k = 2;
    }
    rootCoef = coefficient;
    radicand = n;
    const std::string radical = n == 1 ? "" : "!" + basic::Str(n);
    if (n == 1 && coefficient == 1) rootCoefText = "1";
    else if (coefficient == 1) rootCoefText.clear();
    else rootCoefText = basic::Str(coefficient);
    rootText = rootCoefText + radical + "ﾝ";
    rootEqText = n == given ? "" : "!" + basic::Str(given) + "ﾝ=";
    radicalText = radical + "ﾝ";
    rootCoefText = Plain(*this, rootCoefText);
    rootText = Plain(*this, rootText);
    rootEqText = Plain(*this, rootEqText);
    radicalText = Plain(*this, radicalText);
}

void Runtime::FactorIntoSmallPrimes() {
    for (int row = 1; row <= 10; ++row) {
        primeFactors(row, 1) = 0;
        primeFactors(row, 2) = 0;
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int i = 1; i <= 10; ++i) smallPrimes(i) = primes[i - 1];
    float n = std::fabs(factorNumber);
    RequireNonZero(n);
    const float whole = n;
    // Only 2 to 23 are tried; row 10 keeps what is left.
    int row = 1;
    for (int j = 1; j != 10;) {
        if (basic::Mod(n, smallPrimes(j)) == 0) {
            primeFactors(row, 1) = smallPrimes(j);
            primeFactors(row, 2) += 1;
            n /= smallPrimes(j);
        } else {
            if (primeFactors(row, 1) != 0) ++row;
            ++j;
        }
    }
    factorCount = static_cast<float>(row - 1);
    primeFactors(10, 1) = n;
    primeFactors(10, 2) = 1;
    factorNumber = whole;
}

void Runtime::ListDivisors() {
    const float n = std::fabs(divisorNumber);
    divisorNumber = n;
    // The counter is a single: from 2^24 on it no longer grows by 1.
    if (!(n < 16777216)) basic::Fail(basic::kBadArgument);
    divisorCount = 0;
    loopIndex = 1;
    do {
        const float quotient = n / loopIndex;
        if (quotient - basic::Int(quotient) == 0) {
            ++divisorCount;
            divisorList(static_cast<int>(divisorCount)) = loopIndex;
            coDivisorList(static_cast<int>(divisorCount)) = quotient;
        }
    } while (++loopIndex <= n);
    divisorHalfCount = static_cast<float>(basic::Cint(divisorCount / 2));
}

}  // namespace runtime
