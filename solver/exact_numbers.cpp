// Checked 64-bit arithmetic, fractions in lowest terms and their texts.
#include "solver/exact_numbers.h"

#include <cmath>
#include <limits>
#include <numeric>

#include "platform/basic.h"
#include "runtime/number_text.h"

namespace solver {

using basic::Fail;
using basic::kDivisionByZero;
using basic::kOverflow;

int64_t Plus(int64_t a, int64_t b, Where where) {
    int64_t result;
    if (__builtin_add_overflow(a, b, &result)) Fail(kOverflow, where);
    return result;
}

int64_t Minus(int64_t a, int64_t b, Where where) {
    int64_t result;
    if (__builtin_sub_overflow(a, b, &result)) Fail(kOverflow, where);
    return result;
}

int64_t Times(int64_t a, int64_t b, Where where) {
    int64_t result;
    if (__builtin_mul_overflow(a, b, &result)) Fail(kOverflow, where);
    return result;
}

int64_t Negated(int64_t a, Where where) { return Minus(0, a, where); }

int64_t Magnitude(int64_t a, Where where) { return a < 0 ? Negated(a, where) : a; }

int64_t LeastCommonMultiple(int64_t p, int64_t q, Where where) {
    if (p == 0 || q == 0) return 0;
    return Times(p / std::gcd(p, q), q, where);
}

bool IsWhole(float value) { return value == std::floor(value); }

int64_t WholeOf(float value, Where where) {
    // -2^63 is a single and a 64-bit number; 2^63 is a single but no longer
    // a 64-bit number.
    constexpr float kLimit = 9223372036854775808.0f;
    if (!IsWhole(value) || !(value >= -kLimit && value < kLimit)) Fail(kOverflow, where);
    return static_cast<int64_t>(value);
}

Fraction Reduced(int64_t num, int64_t den, Where where) {
    if (den == 0) Fail(kDivisionByZero, where);
    if (den < 0) {
        num = Negated(num, where);
        den = Negated(den, where);
    }
    // The magnitude is taken checked, so that gcd never meets -2^63.
    const int64_t divisor = std::gcd(Magnitude(num, where), den);
    return {num / divisor, den / divisor};
}

Fraction Times(int64_t k, const Fraction& v, Where where) { return Reduced(Times(k, v.num, where), v.den, where); }

Fraction Minus(int64_t c, const Fraction& v, Where where) {
    return Reduced(Minus(Times(c, v.den, where), v.num, where), v.den, where);
}

Fraction Over(const Fraction& v, int64_t m, Where where) { return Reduced(v.num, Times(v.den, m, where), where); }

std::string ValueText(const Fraction& value) {
    const std::string minus = value.num < 0 ? "-" : "";
    // The magnitude in unsigned arithmetic, which holds that of -2^63 too.
    const uint64_t magnitude = value.num < 0 ? 0 - static_cast<uint64_t>(value.num) : static_cast<uint64_t>(value.num);
    const std::string digits = std::to_string(magnitude);
    if (value.den == 1) return minus + digits;
    return minus + runtime::FractionMarkup(digits, std::to_string(value.den));
}

float Single(const Fraction& value) {
    // Both parts are exact singles in every case the lessons meet, so the
    // quotient is the one the single division of the working gave.
    return static_cast<float>(value.num) / static_cast<float>(value.den);
}

}  // namespace solver
