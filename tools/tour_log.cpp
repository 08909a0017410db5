// tour-log: writes the log of every drawing call (docs/LOG-FORMAT.md) of
// the scripted tour of every page of both programs, one file per program
// and clock seed, so that two builds that should draw alike can be
// compared call by call (`diff -r`).
//
//   tour-log DIR [--program kanovel|tirosam|both] [--seeds N] [--examples N]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless_platform.h"
#include "tools/page_tour.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: tour-log DIR [--program kanovel|tirosam|both] [--seeds N] [--examples N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::filesystem::path dir = argv[1];
    std::vector<std::string> programs = tour::ProgramNames();
    int seeds = tour::kClockSeeds;
    tour::PageTourOptions options;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string arg = argv[i], value = argv[i + 1];
        if (arg == "--program" && value != "both") programs = {value};
        else if (arg == "--seeds") seeds = std::stoi(value);
        else if (arg == "--examples") options.examples = std::stoi(value);
        else if (arg != "--program") return Usage();
    }
    if (argc % 2 != 0) return Usage();
    std::filesystem::create_directories(dir);
    int failed = 0;
    for (const std::string& name : programs) {
        const tour::Program program = tour::ProgramNamed(name);
        for (int seed = 0; seed < seeds; ++seed) {
            options.time = tour::ClockForSeed(seed);
            const tour::PageTourResult tour = tour::RunPageTour(program, options);
            if (!tour.fault.empty()) {
                std::fprintf(stderr, "%s seed %d: %s\n", name.c_str(), seed, tour.fault.c_str());
                ++failed;
            }
            platform::HeadlessOptions headless;
            headless.time = options.time;
            headless.keys = tour.keysTyped;
            platform::HeadlessPlatform pf(headless);
            try {
                program.run(pf);
            } catch (const platform::WindowClosed&) {
            }
            std::ofstream out(dir / (name + "-" + std::to_string(seed) + ".log"));
            for (const std::string& line : pf.Log()) out << line << '\n';
        }
    }
    return failed == 0 ? 0 : 1;
}
