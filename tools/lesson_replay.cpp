// lesson-replay: runs Kanovel or Tirosam headless on a key script and
// saves what the pupil would have seen.
//
//   lesson-replay --program kanovel|tirosam --keys KEYS [--time hh:mm:ss]
//                 [--log FILE] [--png FILE] [--shots DIR] [--size WxH]
//
// KEYS is typed as it stands; \r is Enter, \b Backspace, \f the clearing
// key (code 12), \\ a backslash, \xNN the key of code NN. The run ends at
// menu entry 8 or where the script runs out at a wait; it exits 1 when it
// ended on the error screen.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "lessons/kanovel/kanovel.h"
#include "lessons/tirosam/tirosam.h"
#include "platform/basic.h"
#include "platform/headless_platform.h"
#include "tools/key_script.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: lesson-replay --program kanovel|tirosam --keys KEYS [--time hh:mm:ss]\n"
                 "                     [--log FILE] [--png FILE] [--shots DIR] [--size WxH]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string program, keys, logFile, pngFile;
    platform::HeadlessOptions options;
    bool haveTime = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        std::string value = argv[++i];
        if (arg == "--program") program = value;
        else if (arg == "--keys") keys = value;
        else if (arg == "--time") options.time = value, haveTime = true;
        else if (arg == "--log") logFile = value;
        else if (arg == "--png") pngFile = value;
        else if (arg == "--shots") options.shotsDir = value;
        else if (arg == "--size") {
            if (std::sscanf(value.c_str(), "%dx%d", &options.width, &options.height) != 2 || options.width < 1 ||
                options.height < 1 || options.width > 8192 || options.height > 8192)
                return Usage();
        } else return Usage();
    }
    if (program != "kanovel" && program != "tirosam") return Usage();
    if (!haveTime) options.time = basic::ClockText();
    options.keys = tools::UnescapeKeys(keys);
    options.render = !pngFile.empty() || !options.shotsDir.empty();

    try {
        platform::HeadlessPlatform headless(options);
        try {
            if (program == "kanovel") kanovel::Run(headless);
            else tirosam::Run(headless);
        } catch (const platform::WindowClosed&) {
        }
        if (!logFile.empty()) {
            std::ofstream out(logFile);
            for (const std::string& line : headless.Log()) out << line << '\n';
        }
        if (!pngFile.empty() && !headless.WritePng(pngFile)) {
            std::fprintf(stderr, "lesson-replay: cannot write %s\n", pngFile.c_str());
            return 1;
        }
        if (headless.ErrorShown()) return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lesson-replay: %s\n", e.what());
        return 1;
    }
    return 0;
}
