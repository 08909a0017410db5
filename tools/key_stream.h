// Random keys for the key tours: what a pupil might press anywhere, mixed
// with the entries that mean something to the number field.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>

#include "tools/tour_platform.h"

namespace tour {

class KeyStream {
public:
    explicit KeyStream(std::uint32_t seed) : rng_(seed) {}

    // The next key (one character), given where the program waits. A
    // token of several keys ("1/0\r") is typed to its end whatever the
    // program does meanwhile.
    std::string Next(Wait wait);

private:
    // A whole token for a wait.
    void Queue(Wait wait);
    // An entry the number field takes: digits, signs, points, fractions.
    std::string Entry();
    // Any key at all: printable, control, Japanese.
    std::string AnyKey();
    std::string Digits(int count);
    int Uniform(int low, int high);  // low..high inclusive
    bool Chance(double p);

    std::mt19937 rng_;
    std::deque<std::string> pending_;
};

}  // namespace tour
