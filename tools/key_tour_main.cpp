// key-tour: drives Kanovel and Tirosam headless through every lesson and
// sub-menu entry with long streams of random keys, for many clock seeds,
// and reports every error screen and every run that overran its time.
//
//   key-tour [--program kanovel|tirosam|both] [--seeds N] [--first-seed S]
//            [--keys N] [--run-seconds S] [--render] [--verbose]
//
// Exits 1 when it found something; each finding comes with the
// lesson-replay command that shows it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/key_tour.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: key-tour [--program kanovel|tirosam|both] [--seeds N] [--first-seed S]\n"
                 "                [--keys N] [--run-seconds S] [--render] [--verbose]\n"
                 "  --seeds N       clock seeds to tour (default %d: every seed the clock gives)\n"
                 "  --first-seed S  the first of them (default 0)\n"
                 "  --keys N        random keys per run, after its lesson and entry (default 2000)\n"
                 "  --run-seconds S wall-clock bound of one run (default 60)\n"
                 "  --render        draw on a 1344x756 canvas too, as the window would\n"
                 "  --verbose       name every run as it starts\n",
                 tour::kClockSeeds);
    return 2;
}

bool ToNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    tour::TourOptions options;
    options.seeds = tour::kClockSeeds;
    options.keysPerRun = 2000;
    options.runSeconds = 60;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--verbose" || arg == "--render") {
            (arg == "--verbose" ? verbose : options.render) = true;
            continue;
        }
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        double number = 0;
        if (arg == "--program") {
            if (value == "both") options.programs = tour::ProgramNames();
            else if (value == "kanovel" || value == "tirosam") options.programs = {value};
            else return Usage();
        } else if (!ToNumber(value, number)) {
            return Usage();
        } else if (arg == "--seeds") {
            options.seeds = static_cast<int>(number);
        } else if (arg == "--first-seed") {
            options.firstSeed = static_cast<int>(number);
        } else if (arg == "--keys") {
            options.keysPerRun = static_cast<int>(number);
        } else if (arg == "--run-seconds") {
            options.runSeconds = number;
        } else {
            return Usage();
        }
    }
    // Progress: every run, or the program and clock of each new seed.
    std::string lastSeed;
    options.onRun = [verbose, &lastSeed](const std::string& label) {
        const std::string seed = label.substr(0, label.find(" lesson "));
        if (verbose) std::fprintf(stderr, "%s\n", label.c_str());
        else if (seed != lastSeed) std::fprintf(stderr, "%s\n", seed.c_str());
        lastSeed = seed;
    };

    const tour::TourReport report = tour::RunTour(options);
    std::printf("key-tour: %d runs, %lld keys driven, seeds %d..%d, %.1f s\n", report.runs, report.keysDriven,
                options.firstSeed, options.firstSeed + options.seeds - 1, report.seconds);
    std::printf("  keys typed at:");
    for (int i = 0; i < tour::kWaitKinds; ++i)
        std::printf("%s %s %lld", i ? "," : "", tour::WaitName(static_cast<tour::Wait>(i)), report.keysAt[static_cast<size_t>(i)]);
    std::printf("; programs ended by their menu and started again: %d\n", report.restarts);
    for (const auto& [program, lessons] : report.exitEntries) {
        std::printf("  %s: %d pages that draw and wait; sub-menu exits:", program.c_str(),
                    report.pagesWithContent.at(program));
        for (const auto& [lesson, exit] : lessons) {
            if (exit > 0) std::printf(" %d:%d", lesson, exit);
            else std::printf(" %d:%s", lesson, exit == 0 ? "none" : "?");
        }
        std::printf("\n");
    }
    for (const tour::Finding& finding : report.findings) std::printf("%s\n", tour::Describe(finding).c_str());
    std::printf("%zu findings\n", report.findings.size());
    return report.findings.empty() ? 0 : 1;
}
