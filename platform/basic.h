// Number and text functions of the programs' runtime library, and the
// runtime error that every fault of a program becomes.
//
// Numbers are single-precision floats. Texts are UTF-8; a character is one
// code point and is "double-byte" when its Shift-JIS form takes two bytes,
// that is everything but ASCII and the half-width katakana U+FF61..U+FF9F.
// The K-functions count characters; Len counts Shift-JIS bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

// Error codes shown on the error screen.
enum ErrorCode : int {
    kBadArgument = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
};

// A place in the source. As a default argument (`Where where =
// Where::Here()`) it is the place of the call, so a checked operation
// names the statement that used it. Built on the compiler's builtins,
// which GCC and clang both understand (std::source_location needs a
// builtin that clang 14 lacks).
struct Where {
    const char* file = "";
    int line = 0;
    const char* function = "";

    static constexpr Where Here(const char* file = __builtin_FILE(), int line = __builtin_LINE(),
                                const char* function = __builtin_FUNCTION()) {
        return {file, line, function};
    }
};

// A fault of the program: division by zero, overflow, an index out of
// range, a bad argument. `line` identifies the failing place (the source
// line of the statement that failed); `where` names its file and function
// as well. The message names the fault ("division by zero").
struct RuntimeError : std::runtime_error {
    explicit RuntimeError(int code, Where where = Where::Here());
    int code;
    int line;
    Where where;
};

[[noreturn]] void Fail(int code, Where where = Where::Here());

// ---- numbers ----

// The number at the start of a text (leading blanks skipped; an optional
// sign, digits with at most one point, an optional exponent); 0 when the
// text does not start with a number.
float Val(std::string_view text);
// The number as text: a blank before a number that is not negative, "-"
// before a negative one, no zero before the point of a value below 1
// (".5"), at most 7 significant digits, never "-0".
std::string Str(float value);
// The largest whole number not above the value.
float Int(float value);
// Conversion to the nearest whole number (halves to even); overflow when
// outside 32 bits.
int32_t Cint(float value, Where where = Where::Here());
// Remainder of the two operands converted to whole numbers; it has the sign
// of the dividend (-7 MOD 3 = -1). A zero divisor is a runtime error.
float Mod(float a, float b, Where where = Where::Here());
// a / b, a runtime error when b is 0 or the quotient overflows.
float Div(float a, float b, Where where = Where::Here());
// A result that is not a finite float is an overflow.
float CheckFinite(float value, Where where = Where::Here());
// a ^ b; overflow and 0 to a negative power are runtime errors.
float Power(float a, float b, Where where = Where::Here());
float Sqr(float value, Where where = Where::Here());

// The random generator: a 32-bit linear congruential generator
// (x' = 1664525 x + 1013904223 mod 2^32) whose top 24 bits give RND in
// [0, 1). Randomize(n) starts the sequence that belongs to the whole number
// n, so equal seeds give equal sequences.
class Random {
public:
    void Randomize(int32_t seed);
    float Rnd();  // 0 <= RND < 1, a multiple of 2^-24
    // The next draws return these values first (for checking a generator
    // against a known order of draws).
    void Feed(std::vector<float> values);
    // How many draws have been taken since the last Randomize.
    long Draws() const { return draws_; }

private:
    uint32_t state_ = 0x2545F491u;
    std::vector<float> fed_;
    size_t fedNext_ = 0;
    long draws_ = 0;
};

// INT(RND * count) + low, within low .. low + count - 1 for every RND. The
// whole part is taken before low is added: INT(RND * count + low) in one
// go can round the sum up to low + count for the largest RND. (The product
// itself stays below a whole count; only a value of 1 or more, fed in by a
// check, is kept at the top draw.)
float RandomWhole(Random& random, float count, float low);
// The same for a given RND value.
float WholeDraw(float rnd, float count, float low);

// ---- texts ----

bool IsDoubleByte(char32_t c);
// The characters of a text, each as its own UTF-8 string.
std::vector<std::string> Chars(std::string_view text);
// Length in Shift-JIS bytes (a double-byte character counts 2).
int Len(std::string_view text);
int KLen(std::string_view text);
std::string KLeft(std::string_view text, int n);
std::string KRight(std::string_view text, int n);
// n characters from character position p (counted from 1); fewer at the end.
std::string KMid(std::string_view text, int p, int n);
// All characters from position p on.
std::string KMid(std::string_view text, int p);
// Character position (from 1) of the first occurrence of `pattern` at or
// after character position `start`; 0 when there is none.
int KInstr(int start, std::string_view text, std::string_view pattern);
// The character with the given code (a code point).
std::string Chr(int code);
// The code of the first character, 0 for an empty text.
int Asc(std::string_view text);
// The local time of day as "hh:mm:ss" (24-hour clock).
std::string ClockText();

// ---- checked arrays ----

// An array whose indices run from 0 to `upper` inclusive; any other index
// is a runtime error.
template <typename T>
class Array {
public:
    Array() = default;
    explicit Array(int upper) { Dim(upper); }
    void Dim(int upper) { items_.assign(static_cast<size_t>(upper) + 1, T{}); }
    int Upper() const { return static_cast<int>(items_.size()) - 1; }
    T& operator()(int i, Where where = Where::Here()) {
        Check(i, where);
        return items_[static_cast<size_t>(i)];
    }
    const T& operator()(int i, Where where = Where::Here()) const {
        Check(i, where);
        return items_[static_cast<size_t>(i)];
    }

private:
    void Check(int i, Where where) const {
        if (i < 0 || i >= static_cast<int>(items_.size())) Fail(kSubscriptOutOfRange, where);
    }
    std::vector<T> items_;
};

// Two-dimensional: indices 0..upper1 by 0..upper2 inclusive. Each index is
// tested against its own bound before the place is worked out, so no
// product of a wild index can overflow into a place that exists.
template <typename T>
class Array2 {
public:
    void Dim(int upper1, int upper2) {
        rows_ = upper1 < 0 ? 0 : upper1 + 1;
        width_ = upper2 < 0 ? 0 : upper2 + 1;
        items_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(width_), T{});
    }
    T& operator()(int i, int j, Where where = Where::Here()) {
        if (i < 0 || j < 0 || i >= rows_ || j >= width_) Fail(kSubscriptOutOfRange, where);
        return items_[static_cast<size_t>(i) * static_cast<size_t>(width_) + static_cast<size_t>(j)];
    }

private:
    int rows_ = 0, width_ = 0;
    std::vector<T> items_;
};

}  // namespace basic
