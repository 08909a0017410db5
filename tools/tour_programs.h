// The programs a tour drives, and the clock readings that seed them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tour {

struct Program {
    std::string name;
    std::function<void(platform::Platform&)> run;
    // Main-menu entries 1..lessons open something; the entry after them
    // ends the program.
    int lessons = 7;
};

// "kanovel" or "tirosam"; throws std::invalid_argument for another name.
Program ProgramNamed(const std::string& name);
std::vector<std::string> ProgramNames();

// The runtime seeds its random examples from hours + minutes + seconds of
// the start time, so the seeds 0..141 are all there are: a clock reading
// for each (seed 141 is 23:59:59). Larger seeds wrap round.
std::string ClockForSeed(int seed);
inline constexpr int kClockSeeds = 142;

}  // namespace tour
