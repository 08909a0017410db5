#include "platform/basic.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <utility>

namespace basic {

namespace {

const char* FaultName(int code) {
    switch (code) {
        case kBadArgument: return "bad argument";
        case kOverflow: return "overflow";
        case kSubscriptOutOfRange: return "subscript out of range";
        case kDivisionByZero: return "division by zero";
        default: return "runtime error";
    }
}

}  // namespace

RuntimeError::RuntimeError(int c, Where w) : std::runtime_error(FaultName(c)), code(c), line(w.line), where(w) {}

void Fail(int code, Where where) { throw RuntimeError(code, where); }

// ---- numbers ----

float Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++expDigits;
        if (expDigits > 0) end = j;
    }
    std::string number(text.substr(start, end - start));
    double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        Fail(kOverflow);
    return static_cast<float>(value);
}

std::string Str(float value) {
    if (value == 0 || std::isnan(value)) return " 0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(std::fabs(value)));
    std::string body = buffer;
    // "%G" keeps trailing zeros out of the fixed form but writes the
    // exponent as E+07; tidy the mantissa of the exponent form the same way.
    size_t e = body.find('E');
    std::string mantissa = body.substr(0, e);
    std::string exponent = e == std::string::npos ? "" : body.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] == '.') mantissa.erase(0, 1);
    return (value < 0 ? "-" : " ") + mantissa + exponent;
}

float Int(float value) { return std::floor(value); }

int32_t Cint(float value, Where where) {
    if (!std::isfinite(value)) Fail(kOverflow, where);
    float rounded = std::nearbyint(value);
    if (rounded < -2147483648.0f || rounded >= 2147483648.0f) Fail(kOverflow, where);
    return static_cast<int32_t>(rounded);
}

float Mod(float a, float b, Where where) {
    int32_t x = Cint(a, where);
    int32_t y = Cint(b, where);
    if (y == 0) Fail(kDivisionByZero, where);
    if (y == -1) return 0;  // also keeps INT_MIN % -1 defined
    return static_cast<float>(x % y);
}

float Div(float a, float b, Where where) {
    if (b == 0) Fail(kDivisionByZero, where);
    return CheckFinite(a / b, where);
}

float CheckFinite(float value, Where where) {
    if (!std::isfinite(value)) Fail(kOverflow, where);
    return value;
}

float Power(float a, float b, Where where) {
    if (a == 0 && b < 0) Fail(kDivisionByZero, where);
    float result = std::pow(a, b);
    if (std::isnan(result)) Fail(kBadArgument, where);
    return CheckFinite(result, where);
}

float Sqr(float value, Where where) {
    if (value < 0) Fail(kBadArgument, where);
    return std::sqrt(value);
}

void Random::Randomize(int32_t seed) {
    state_ = static_cast<uint32_t>(seed) * 2654435769u + 0x2545F491u;
    Rnd();
    draws_ = 0;
}

void Random::Feed(std::vector<float> values) {
    fed_ = std::move(values);
    fedNext_ = 0;
}

float Random::Rnd() {
    ++draws_;
    if (fedNext_ < fed_.size()) return fed_[fedNext_++];
    state_ = 1664525u * state_ + 1013904223u;
    return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
}

float RandomWhole(Random& random, float count, float low) { return WholeDraw(random.Rnd(), count, low); }

float WholeDraw(float rnd, float count, float low) {
    float draw = Int(rnd * count);
    // Only a fed value of 1 or more comes here: an RND below 1 times a
    // whole count stays below the count.
    if (draw > count - 1) draw = count - 1;
    return draw + low;
}

// ---- texts ----

namespace {

// Decodes one UTF-8 sequence at text[i]; a malformed byte stands alone.
size_t SequenceLength(std::string_view text, size_t i) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (i + n > text.size()) return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

char32_t Decode(std::string_view seq) {
    unsigned char lead = static_cast<unsigned char>(seq[0]);
    if (seq.size() == 1) return lead;
    char32_t c = lead & (0x7F >> seq.size());
    for (size_t k = 1; k < seq.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(seq[k]) & 0x3F);
    return c;
}

}  // namespace

bool IsDoubleByte(char32_t c) { return c >= 0x80 && !(c >= 0xFF61 && c <= 0xFF9F); }

std::vector<std::string> Chars(std::string_view text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = SequenceLength(text, i);
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

int Len(std::string_view text) {
    int bytes = 0;
    for (size_t i = 0; i < text.size();) {
        size_t n = SequenceLength(text, i);
        bytes += IsDoubleByte(Decode(text.substr(i, n))) ? 2 : 1;
        i += n;
    }
    return bytes;
}

int KLen(std::string_view text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); i += SequenceLength(text, i)) ++count;
    return count;
}

namespace {

// Byte offset of character position p (from 1); text.size() past the end.
size_t OffsetOf(std::string_view text, int p) {
    size_t i = 0;
    for (int k = 1; k < p && i < text.size(); ++k) i += SequenceLength(text, i);
    return i;
}

}  // namespace

std::string KMid(std::string_view text, int p, int n) {
    if (p < 1 || n < 0) Fail(kBadArgument);
    size_t from = OffsetOf(text, p);
    size_t to = from;
    for (int k = 0; k < n && to < text.size(); ++k) to += SequenceLength(text, to);
    return std::string(text.substr(from, to - from));
}

std::string KMid(std::string_view text, int p) {
    if (p < 1) Fail(kBadArgument);
    return std::string(text.substr(OffsetOf(text, p)));
}

std::string KLeft(std::string_view text, int n) {
    if (n < 0) Fail(kBadArgument);
    return KMid(text, 1, n);
}

std::string KRight(std::string_view text, int n) {
    if (n < 0) Fail(kBadArgument);
    int length = KLen(text);
    return n >= length ? std::string(text) : KMid(text, length - n + 1);
}

int KInstr(int start, std::string_view text, std::string_view pattern) {
    if (start < 1) Fail(kBadArgument);
    size_t from = OffsetOf(text, start);
    if (from > text.size() || (from == text.size() && start > KLen(text) + 1)) return 0;
    // Only matches that begin on a character boundary count.
    int position = start;
    for (size_t i = from; i <= text.size(); i += SequenceLength(text, i), ++position) {
        if (text.substr(i, pattern.size()) == pattern) return position;
        if (i == text.size()) break;
    }
    return 0;
}

std::string Chr(int code) {
    if (code < 0 || code > 0x10FFFF) Fail(kBadArgument);
    char32_t c = static_cast<char32_t>(code);
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

int Asc(std::string_view text) {
    if (text.empty()) return 0;
    return static_cast<int>(Decode(text.substr(0, SequenceLength(text, 0))));
}

std::string ClockText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

}  // namespace basic
