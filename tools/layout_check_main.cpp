// layout-check: reads every screen of both programs as ink and reports
// what does not read cleanly (see layout_check.h). Exits 1 when it finds
// anything not on the accepted list.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "tools/layout_check.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: layout-check [--program kanovel|tirosam|both] [--seeds N | --seed S ...]\n"
                 "                    [--examples N] [--accepted FILE] [--all] [--pngs DIR]\n");
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    layout::CheckOptions options;
    std::string acceptedPath;
    bool showAll = false;
    bool seedsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage();
            return argv[++i];
        };
        if (arg == "--program") {
            const std::string name = value();
            if (name != "both") options.programs = {name};
        } else if (arg == "--seeds") {
            // N seeds spread evenly over all clock seeds 0..141.
            const int n = std::atoi(value().c_str());
            if (n < 1) Usage();
            options.seeds.clear();
            for (int k = 0; k < n; ++k) options.seeds.push_back(n == 1 ? 0 : k * 141 / (n - 1));
            seedsGiven = true;
        } else if (arg == "--seed") {
            if (!seedsGiven) options.seeds.clear();
            seedsGiven = true;
            options.seeds.push_back(std::atoi(value().c_str()));
        } else if (arg == "--examples") {
            options.examples = std::atoi(value().c_str());
        } else if (arg == "--accepted") {
            acceptedPath = value();
        } else if (arg == "--pngs") {
            options.pngDir = value();
        } else if (arg == "--all") {
            showAll = true;  // list accepted findings too
        } else {
            Usage();
        }
    }
    try {
        const std::vector<layout::Accepted> accepted =
            acceptedPath.empty() ? std::vector<layout::Accepted>{} : layout::ReadAccepted(acceptedPath);
        const layout::CheckReport report = layout::RunLayoutCheck(options);
        int open = 0;
        for (const layout::Occurrence& f : report.findings) {
            const bool ok = layout::IsAccepted(accepted, f);
            open += !ok;
            if (ok && !showAll) continue;
            std::printf("%s%s: %s, %s: %s\n  %s\n  on %d screen(s); first after %zu keys: %s\n",
                        ok ? "(accepted) " : "", layout::KindName(f.kind), f.program.c_str(), f.page.c_str(),
                        f.what.c_str(), f.detail.c_str(), f.screens, f.typed.size(), layout::ReplayCommand(f).c_str());
        }
        for (const std::string& fault : report.faults) std::printf("fault: %s\n", fault.c_str());
        for (const auto& [program, n] : report.read)
            std::printf("%s: read %d screens, %d text pieces, %d sign marks, column sums %d of the runtime and %d of "
                        "the solver, figures %d braces, %d rules and %d labelled\n",
                        program.c_str(), n.screens, n.textPieces, n.signMarks, n.runtimeSums, n.solverSums, n.braces,
                        n.rules, n.labelled);
        std::printf("%d screens; with a finding of each kind:", report.screens);
        for (int k = 0; k < layout::kKinds; ++k)
            std::printf("%s %s %d", k ? "," : "", layout::KindName(static_cast<layout::Kind>(k)),
                        report.screensWith[k]);
        std::printf("; %zu findings, %d not accepted\n", report.findings.size(), open);
        return open > 0 || !report.faults.empty() ? 1 : 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "layout-check: %s\n", error.what());
        return 2;
    }
}
