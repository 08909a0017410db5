// Random-key tours: each run opens one main-menu entry and one sub-menu
// entry by number, then types a long stream of random keys wherever the
// program goes. The sub-menu entries are found by trying 1, 2, 3 ... until
// one leads back to the main menu, so pages added later are toured too.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/tour_platform.h"
#include "tools/tour_programs.h"

namespace tour {

struct RunSpec {
    std::string time = "10:20:30";  // the clock, which seeds the examples
    int lesson = 1;                  // main-menu entry
    int entry = 1;                   // sub-menu entry
    int randomKeys = 300;            // typed after the entry is opened
    std::uint32_t keySeed = 1;
    double seconds = 20;             // wall-clock bound of the run
    bool render = false;             // draw on a canvas too (slower)
};

struct RunOutcome {
    bool submenuReached = false;  // the lesson showed its sub-menu
    bool exitEntry = false;       // the entry led back to the main menu
    bool emptyPage = false;       // the entry's page returned at once
    int keysTyped = 0;
    std::array<long long, kWaitKinds> keysAt{};  // keys typed at each kind of wait
    int restarts = 0;             // the program ended (entry 8) and was started again
    // A fault: "error LINE CODE" (the error screen) or "over time".
    std::string fault;
    // The keys typed since the program last started, for lesson-replay.
    std::string keys;
};

RunOutcome RunOnce(const Program& program, const RunSpec& spec);

struct TourOptions {
    std::vector<std::string> programs = ProgramNames();
    int firstSeed = 0;
    int seeds = 4;
    int keysPerRun = 300;
    double runSeconds = 20;
    int maxEntries = 30;  // sub-menu entries tried before giving up on an exit
    bool render = false;
    // Told before each run (for progress and crash notes).
    std::function<void(const std::string& label)> onRun;
};

struct Finding {
    std::string program, time;
    int lesson = 0, entry = 0;
    std::uint32_t keySeed = 0;
    std::string what;
    std::string keys;  // typed since the program last started
};

struct TourReport {
    int runs = 0;
    long long keysDriven = 0;
    std::array<long long, kWaitKinds> keysAt{};
    int restarts = 0;
    double seconds = 0;
    std::vector<Finding> findings;
    // program -> lesson -> number of its sub-menu's exit entry (0: the
    // lesson showed no sub-menu, -1: no exit found).
    std::map<std::string, std::map<int, int>> exitEntries;
    // program -> pages that drew something and waited.
    std::map<std::string, int> pagesWithContent;
};

TourReport RunTour(const TourOptions& options);

// A finding in a line or two, with the lesson-replay command that shows it.
std::string Describe(const Finding& finding);
// The key seed of one run: fixed by what the run opens, so a finding can
// be run again alone.
std::uint32_t KeySeed(const std::string& program, int seed, int lesson, int entry);

}  // namespace tour
