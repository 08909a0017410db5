// tour-benchmark: times the scripted tour of every page of Kanovel and
// Tirosam headless, without rendering and rendering on a 1920x1080 canvas,
// and the program's work on each key: from the poll that took the key to
// the next poll that found none. Prints figures; it passes or fails nothing.
//
//   tour-benchmark [--program kanovel|tirosam|both] [--time hh:mm:ss]
//                  [--examples N] [--repeat N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tools/key_script.h"
#include "tools/page_tour.h"

namespace {

using tour::Clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int Usage() {
    std::fprintf(stderr,
                 "usage: tour-benchmark [--program kanovel|tirosam|both] [--time hh:mm:ss]\n"
                 "                      [--examples N] [--repeat N]\n"
                 "  --examples N  examples shown on each page of random examples (default 3)\n"
                 "  --repeat N    tours of each kind (default 3); each key's work is its least\n"
                 "                over them, leaving out pauses of the machine itself\n");
    return 2;
}

struct Figures {
    std::vector<double> tours;  // ms
    std::vector<tour::KeyWork> work;  // the same keys in every tour: the least work of each
    int keys = 0;
    std::string fault;

    void Add(const tour::PageTourResult& result) {
        tours.push_back(Ms(result.total));
        keys = result.keys;
        if (!result.fault.empty()) fault = result.fault;
        if (work.empty()) {
            work = result.work;
            return;
        }
        for (size_t i = 0; i < work.size() && i < result.work.size(); ++i)
            work[i].work = std::min(work[i].work, result.work[i].work);
    }
};

void Print(const std::string& program, const std::string& kind, Figures& f) {
    std::sort(f.tours.begin(), f.tours.end());
    std::vector<double> work;
    for (const auto& w : f.work) work.push_back(Ms(w.work));
    std::sort(work.begin(), work.end());
    const auto worst = std::max_element(f.work.begin(), f.work.end(),
                                        [](const auto& a, const auto& b) { return a.work < b.work; });
    std::printf("%-8s %-21s full tour %9.1f ms (best %.1f), %d keys; work per key: median %.3f ms, worst %.2f ms",
                program.c_str(), kind.c_str(), f.tours[f.tours.size() / 2], f.tours.front(), f.keys,
                work.empty() ? 0 : work[work.size() / 2], work.empty() ? 0 : work.back());
    if (worst != f.work.end())
        std::printf(" on %s (key \"%s\")", worst->page.c_str(), tools::EscapeKeys(worst->key).c_str());
    std::printf("\n");
    if (!f.fault.empty()) std::printf("  the tour did not finish: %s\n", f.fault.c_str());

    // The pages whose heaviest key took longest.
    std::map<std::string, double> pageWorst;
    for (const auto& w : f.work) pageWorst[w.page] = std::max(pageWorst[w.page], Ms(w.work));
    std::vector<std::pair<double, std::string>> pages;
    for (const auto& [page, ms] : pageWorst) pages.emplace_back(ms, page);
    std::sort(pages.rbegin(), pages.rend());
    std::printf("  heaviest pages:");
    for (size_t i = 0; i < pages.size() && i < 4; ++i)
        std::printf("%s %s %.2f ms", i ? "," : "", pages[i].second.c_str(), pages[i].first);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> programs = tour::ProgramNames();
    tour::PageTourOptions options;
    int repeat = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (arg == "--program") {
            if (value == "kanovel" || value == "tirosam") programs = {value};
            else if (value != "both") return Usage();
        } else if (arg == "--time") {
            options.time = value;
        } else if (arg == "--examples") {
            options.examples = std::max(1, std::atoi(value.c_str()));
        } else if (arg == "--repeat") {
            repeat = std::max(1, std::atoi(value.c_str()));
        } else {
            return Usage();
        }
    }
    std::printf("tour-benchmark: clock %s, %d examples on each example page, %d tours of each kind\n",
                options.time.c_str(), options.examples, repeat);
    for (const std::string& name : programs) {
        const tour::Program program = tour::ProgramNamed(name);
        for (bool render : {false, true}) {
            options.render = render;
            Figures figures;
            for (int r = 0; r < repeat; ++r) figures.Add(tour::RunPageTour(program, options));
            Print(name, render ? "rendering 1920x1080" : "no rendering", figures);
        }
    }
    return 0;
}
