// solve-sheet: works one system through the elimination solver, step by
// step as on a random example page, and saves the finished page as a PNG.
//
//   solve-sheet A1 B1 C1 A2 B2 C2 [out.png]
//
// The system is A1x+B1y=C1 (①) and A2x+B2y=C2 (②), whole numbers of up to
// 4 digits: the range in which the solver's working is checked exact. Any
// other number is refused (exit 2) rather than drawn. The page is written
// to out.png (default solve-sheet.png).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/headless_platform.h"
#include "runtime/runtime.h"
#include "solver/elimination_solver.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: solve-sheet A1 B1 C1 A2 B2 C2 [out.png]\n");
    return 2;
}

bool ParseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

// Whether the solver works `value` exactly; says why not when it does not.
bool WithinRange(const char* name, const char* text, double value) {
    const auto largest = static_cast<double>(solver::EliminationSolver::kLargestWhole);
    if (value != std::floor(value)) {
        std::fprintf(stderr, "solve-sheet: %s = %s is not a whole number\n", name, text);
        return false;
    }
    if (std::fabs(value) > largest) {
        std::fprintf(stderr,
                     "solve-sheet: %s = %s is out of range: the solver's working is exact for whole numbers "
                     "from %.0f to %.0f\n",
                     name, text, -largest, largest);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) return Usage();
    const char* const names[] = {"A1", "B1", "C1", "A2", "B2", "C2"};
    float numbers[6];
    for (int i = 0; i < 6; ++i) {
        double value = 0;
        if (!ParseNumber(argv[i + 1], value)) return Usage();
        if (!WithinRange(names[i], argv[i + 1], value)) return 2;
        numbers[i] = static_cast<float>(value);
    }
    const std::string pngFile = argc == 8 ? argv[7] : "solve-sheet.png";

    platform::HeadlessOptions options;
    options.render = true;
    options.keys = std::string(40, ' ');  // more than the solver's waits
    platform::HeadlessPlatform headless(options);
    runtime::ProgramData program;
    program.title = "solve-sheet";
    runtime::Runtime rt(headless, program);
    solver::EliminationSolver solver(rt);

    try {
        rt.StartProgram();
        rt.BoxAt(0, 0, 1760, 1800, 15, 15);
        // As a random example page calls it: the label at the page's column,
        // the pen's end copied into the cursor.
        rt.columnX = 40;
        rt.leftMargin = rt.columnX + 81;
        rt.textColour = 0;
        rt.penX = rt.columnX;
        rt.penY = 30;
        rt.textArg = "例1　";
        rt.DrawMarkupText();
        rt.cursorX = rt.penX;
        rt.cursorY = rt.penY;
        solver.Solve({numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]},
                     solver::SolveOptions().StepByStep());
    } catch (const basic::RuntimeError& error) {
        std::fprintf(stderr, "solve-sheet: runtime error %d\n", error.code);
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "solve-sheet: %s\n", error.what());
        return 1;
    }
    if (!headless.WritePng(pngFile)) {
        std::fprintf(stderr, "solve-sheet: cannot write %s\n", pngFile.c_str());
        return 1;
    }
    std::printf("%s: x=%s, y=%s\n", pngFile.c_str(), rt.xText.c_str(), rt.yText.c_str());
    return 0;
}
