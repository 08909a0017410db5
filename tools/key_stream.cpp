#include "tools/key_stream.h"

#include <array>

#include "platform/basic.h"

namespace tour {

namespace {

// Entries the number field must survive: zero divisors, stray signs and
// points, and fractions whose parts are not plain numbers.
constexpr std::array kOddEntries = {"1/0", "5/",  "/",    "0/0", "-3/0", "/7",  "4/2", "12/-3", "1/3",  "3/0.0",
                                    "0/5", "-/-", "//",   "1//2", "-",   ".",   "-.",  "--1",   "1.2.3", "..",
                                    "-0",  ".5",  "5.",   "1-2", "/-",   "-/0", "0.0", "1e5",   "7/2/0"};

// Characters a Japanese keyboard and input method deliver besides ASCII
// (full-width digits and signs reach the program as half-width keys).
constexpr std::array kJapaneseKeys = {"あ", "ア", "ｱ", "漢", "ａ", "Ａ", "、", "。", "「", "ー", "＋", "×"};

}  // namespace

int KeyStream::Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

bool KeyStream::Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

std::string KeyStream::Digits(int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Uniform(0, 9));
    return digits;
}

std::string KeyStream::Entry() {
    static const char kFieldChars[] = "0123456789012345678901234567890123456789-./";
    std::string entry;
    for (int n = Uniform(1, 12); n > 0; --n) entry += kFieldChars[Uniform(0, sizeof kFieldChars - 2)];
    return entry;
}

std::string KeyStream::AnyKey() {
    const int pick = Uniform(1, 100);
    if (pick <= 55) return std::string(1, static_cast<char>(Uniform(32, 126)));
    if (pick <= 75) return std::string(1, static_cast<char>(Chance(0.5) ? Uniform('a', 'z') : Uniform('A', 'Z')));
    if (pick <= 85) {
        // Tab, Escape, Ctrl+letter and the arrows arrive as control codes.
        return std::string(1, static_cast<char>(Uniform(1, 31)));
    }
    if (pick <= 95) return kJapaneseKeys[static_cast<size_t>(Uniform(0, kJapaneseKeys.size() - 1))];
    return "\r";
}

void KeyStream::Queue(Wait wait) {
    auto push = [this](const std::string& keys) {
        for (std::string& key : basic::Chars(keys)) pending_.push_back(std::move(key));
    };
    const bool field = wait != Wait::AnyKey;
    if (field && Chance(0.5)) {
        // Something the field's owner takes as an answer.
        switch (wait) {
            case Wait::MainMenu:
                // 8 ends the program; now and then is enough.
                push(Chance(0.03) ? "8\r" : std::to_string(Uniform(1, 7)) + "\r");
                return;
            case Wait::Submenu: push(std::to_string(Uniform(1, 10)) + "\r"); return;
            case Wait::NextStep: push(Chance(0.2) ? "1\r" : std::to_string(Uniform(2, 9)) + "\r"); return;
            default: push(Entry() + "\r"); return;
        }
    }
    const int pick = Uniform(1, 100);
    if (pick <= 30) push(AnyKey());
    else if (pick <= 42) push(Digits(1));
    else if (pick <= 52) push("\r");
    else if (pick <= 58) push(Chance(0.5) ? "\b" : "\f");
    else if (pick <= 68) push((Chance(0.3) ? "-" : "") + Digits(Uniform(10, 16)) + (Chance(0.7) ? "\r" : ""));
    else if (pick <= 78) push(std::string(kOddEntries[static_cast<size_t>(Uniform(0, kOddEntries.size() - 1))]) + "\r");
    else if (pick <= 86) push(Entry() + (Chance(0.7) ? "\r" : ""));
    else if (pick <= 90) push(std::string(static_cast<size_t>(Uniform(1, 3)), ' ') + Digits(1) + "\r");
    else if (pick <= 95) push(Entry() + (Chance(0.5) ? "\b" : "\f") + Digits(1) + "\r");
    else push(Digits(Uniform(2, 9)) + "\r");
}

std::string KeyStream::Next(Wait wait) {
    if (pending_.empty()) Queue(wait);
    std::string key = pending_.front();
    pending_.pop_front();
    return key;
}

}  // namespace tour
