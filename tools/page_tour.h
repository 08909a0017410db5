// The scripted tour of every page: each main-menu entry by number, each of
// its sub-menu entries in turn until the one that leads back, every wait
// answered plainly, a few examples on each page of random examples, and
// the menu's last entry at the end. The benchmark times it key by key.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/tour_platform.h"
#include "tools/tour_programs.h"

namespace tour {

struct PageTourOptions {
    std::string time = "10:20:30";
    int examples = 3;  // examples shown on a page of random examples before 1 is typed
    bool render = false;
    int width = 1920, height = 1080;  // the canvas when rendering
    int maxEntries = 30;
    int maxKeysPerPage = 5000;
    double seconds = 300;
};

// The program's work on one key, and the page it was typed on
// ("lesson 3 entry 2", "lesson 3" for its goal screen, "main menu").
struct KeyWork {
    std::string page;
    std::string key;
    Clock::duration work{};
};

struct PageTourResult {
    bool ended = false;  // the tour came back to the main menu and ended the program
    std::string fault;   // "error LINE CODE", "over time", or where the tour got stuck
    int keys = 0;
    Clock::duration total{};
    std::vector<KeyWork> work;
    // lesson -> the sub-menu entry that leads back (0: no sub-menu)
    std::map<int, int> exitEntries;
    std::string keysTyped;  // the whole tour, for lesson-replay
};

PageTourResult RunPageTour(const Program& program, const PageTourOptions& options);

}  // namespace tour
