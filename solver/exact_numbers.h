// Whole numbers and fractions that the solver carries exactly. The shared
// number slots are singles, which hold whole numbers exactly only up to
// 2^24 and print 7 significant digits; the solver's working (multiplied
// rows, combined equation, values, known terms) goes far beyond that for
// coefficients of a few digits, so it is worked out here in 64-bit whole
// numbers, every step checked: a result is exact, or it is the overflow
// runtime error, never a rounded value.
#pragma once

#include <cstdint>
#include <string>

#include "platform/basic.h"

namespace solver {

using basic::Where;

// a + b, a - b, a * b and -a; a result outside 64 bits is an overflow.
int64_t Plus(int64_t a, int64_t b, Where where = Where::Here());
int64_t Minus(int64_t a, int64_t b, Where where = Where::Here());
int64_t Times(int64_t a, int64_t b, Where where = Where::Here());
int64_t Negated(int64_t a, Where where = Where::Here());
int64_t Magnitude(int64_t a, Where where = Where::Here());
// The least common multiple of two magnitudes; 0 when either is 0.
int64_t LeastCommonMultiple(int64_t p, int64_t q, Where where = Where::Here());

// Whether a single holds a whole number (an infinity counts as whole and
// overflows in WholeOf; NaN is not whole).
bool IsWhole(float value);
// The whole number a single holds; overflow when it lies beyond 64 bits.
int64_t WholeOf(float value, Where where = Where::Here());

// A fraction in lowest terms with a positive denominator; a whole number
// has the denominator 1.
struct Fraction {
    int64_t num = 0;
    int64_t den = 1;
};

inline Fraction Whole(int64_t n) { return {n, 1}; }
// num/den in lowest terms, the sign on the numerator; a zero denominator is
// a division by zero.
Fraction Reduced(int64_t num, int64_t den, Where where = Where::Here());
// k * v, c - v and v / m, in lowest terms (m not 0).
Fraction Times(int64_t k, const Fraction& v, Where where = Where::Here());
Fraction Minus(int64_t c, const Fraction& v, Where where = Where::Here());
Fraction Over(const Fraction& v, int64_t m, Where where = Where::Here());

// The value as a pupil reads it: its digits when whole, else the fraction
// markup "ﾀn/dﾀ"; "-" in front of a negative value, never "-0". For the
// numbers a single holds exactly below 10^7 this is the text the runtime
// writes of the single.
std::string ValueText(const Fraction& value);
// The single nearest to the value, for the shared number slots.
float Single(const Fraction& value);

}  // namespace solver
