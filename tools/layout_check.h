// The layout check: both programs driven through every menu entry and
// every page, each page in a run of its own from start-up, stopping at
// every key wait; every screen is read as ink (ink_scene.h) and what does
// not read cleanly is reported with the keys that show it again.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "tools/ink_scene.h"

namespace layout {

struct CheckOptions {
    std::vector<std::string> programs = {"kanovel", "tirosam"};
    // Clock seeds; the random example pages differ by seed.
    std::vector<int> seeds = {0, 18, 36, 54, 72, 90, 108, 126, 141};
    int examples = 3;     // examples shown on a page of random examples
    int maxEntries = 30;  // sub-menu entries tried before giving up
    double runSeconds = 60;
    // When set: the last screen of every run, as DIR/program-time-page.png,
    // for looking at the pages side by side with another build's.
    std::string pngDir;
};

// A finding, where it was first seen.
struct Occurrence {
    Kind kind = Kind::Collision;
    std::string program, page, what;
    std::string detail;  // the inks, where first seen
    std::string time;   // the clock of the run
    std::string typed;  // the keys typed before the screen
    int screens = 0;    // screens it was on, over all runs
};

struct CheckReport {
    std::vector<Occurrence> findings;  // one per program, page, kind and what
    int screens = 0;
    std::map<std::string, ReadCounts> read;  // by program
    std::array<int, kKinds> screensWith{};  // screens with a finding of each kind
    std::vector<std::string> faults;        // runs that went wrong
};

CheckReport RunLayoutCheck(const CheckOptions& options);

// The lesson-replay command that shows the screen of a finding.
std::string ReplayCommand(const Occurrence& finding);

// Findings a teacher would accept, one per line:
//   kind | program | page | what | reason
// "what" is the finding's as the check prints it, or the same without its
// places and measures (each group of numbers in parentheses, "(76,180)",
// "(12.4)", "(36,30)-(432,74)", with the blank before it; texts in quotes
// kept whole), which then matches the finding wherever it stands. Ending
// in "*", it matches every finding that starts with the rest. "#" starts
// a comment line.
struct Accepted {
    Kind kind = Kind::Collision;
    std::string program, page, what, reason;
};
// Throws std::runtime_error naming the line that is not of that form or
// gives no reason.
std::vector<Accepted> ReadAccepted(const std::string& path);
bool IsAccepted(const std::vector<Accepted>& accepted, const Occurrence& finding);

}  // namespace layout
