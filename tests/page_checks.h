// Checks of whole lesson pages run through the menus: where a row, a brace
// or a key wait stands in the log of a run.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/solver_script.h"

namespace page_checks {

using Log = std::vector<std::string>;

inline const char* const kKeyWait = "box 96 657 400 693 13 4";
// The first glyph of a sub-menu line, drawn by the prompt drawer at (16, 666).
inline const char* const kSubmenuStart = "text 16 666 1 1 0";

inline int Count(const Log& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// Where `part` starts as one unbroken run of calls at or after `from`; -1
// when it does not.
inline int Find(const Log& log, const Log& part, int from = 0) {
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i + part.size() <= log.size(); ++i)
        if (std::equal(part.begin(), part.end(), log.begin() + static_cast<std::ptrdiff_t>(i)))
            return static_cast<int>(i);
    return -1;
}

// What the runtime draws for one text row, or for a brace.
inline Log Row(float colour, float x, float y, const std::string& text) {
    solver_testing::PageScript script;
    script.Text(colour, x, y, text);
    return script.Lines();
}
inline Log Brace(float x, float y) {
    solver_testing::PageScript script;
    script.Brace(x, y);
    return script.Lines();
}

// Where the row ends on the screen, as the renderer advances the pen.
inline float RowEnd(float x, const std::string& text) {
    solver_testing::PageScript script;
    script.Text(0, x, 0, text);
    return script.EndX();
}

// Whether a row `text` in `colour` is drawn anywhere, found by its first
// glyph (which must be a plain glyph drawn at the row's own x and y).
inline bool HasRowAnywhere(const Log& log, float colour, const std::string& firstGlyph, const std::string& text) {
    const std::string tail = " \"" + firstGlyph + "\"";
    for (const std::string& line : log) {
        if (line.rfind("text ", 0) != 0 || line.size() < tail.size() ||
            line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
            continue;
        std::istringstream in(line.substr(5));
        float x, y, magX, magY, lineColour;
        in >> x >> y >> magX >> magY >> lineColour;
        if (lineColour == colour && Find(log, Row(colour, x, y, text)) >= 0) return true;
    }
    return false;
}

// The key waits between two places of the log.
inline int WaitsBetween(const Log& log, int from, int to) {
    int waits = 0;
    for (int i = std::max(from, 0); i < to && i < static_cast<int>(log.size()); ++i)
        if (log[static_cast<size_t>(i)].rfind(kKeyWait, 0) == 0) ++waits;
    return waits;
}

}  // namespace page_checks
