#include "tools/tour_programs.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "lessons/kanovel/kanovel.h"
#include "lessons/tirosam/tirosam.h"

namespace tour {

Program ProgramNamed(const std::string& name) {
    // Every menu entry but the last (which ends the program) is toured.
    if (name == "kanovel")
        return {name, [](platform::Platform& pf) { kanovel::Run(pf); },
                static_cast<int>(kanovel::ProgramData().entries.size()) - 1};
    if (name == "tirosam")
        return {name, [](platform::Platform& pf) { tirosam::Run(pf); },
                static_cast<int>(tirosam::ProgramData().entries.size()) - 1};
    throw std::invalid_argument("no program named " + name);
}

std::vector<std::string> ProgramNames() { return {"kanovel", "tirosam"}; }

std::string ClockForSeed(int seed) {
    int rest = seed % kClockSeeds;
    const int hours = std::min(rest, 23);
    rest -= hours;
    const int minutes = std::min(rest, 59);
    const int seconds = rest - minutes;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    return text;
}

}  // namespace tour
