// Reading a headless run's log for what the lesson pages draw: key waits,
// glyphs at their places and colours, boxes and cells.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace page_checks {

// The plate of a key wait.
inline const char* const kKeyWait = "box 96 657 400 693 13 4";

inline bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

inline int Count(const std::vector<std::string>& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// A glyph line: "text X Y MAGX MAGY COLOUR FACE SIZE BOLD ITALIC TEXT".
struct GlyphLine {
    float x = 0, y = 0;
    int colour = -1;
    std::string text;  // with its quotes
};

inline bool ParseGlyph(const std::string& line, GlyphLine& glyph) {
    if (!StartsWith(line, "text ")) return false;
    std::istringstream fields(line.substr(5));
    float magX = 0, magY = 0;
    fields >> glyph.x >> glyph.y >> magX >> magY >> glyph.colour;
    const size_t quote = line.rfind(" \"");
    glyph.text = quote == std::string::npos ? "" : line.substr(quote + 1);
    return static_cast<bool>(fields);
}

// How many glyphs `ch` are drawn with the top-left of their cell at (x, y)
// in `colour`, whatever the magnification, face and size.
inline int CountGlyph(const std::vector<std::string>& log, float x, float y, int colour, const std::string& ch) {
    int n = 0;
    GlyphLine g;
    for (const std::string& line : log)
        if (ParseGlyph(line, g) && g.x == x && g.y == y && g.colour == colour && g.text == '"' + ch + '"') ++n;
    return n;
}

// How many glyphs `ch` are drawn in `colour` anywhere above the prompt bar.
inline int CountInColour(const std::vector<std::string>& log, int colour, const std::string& ch) {
    int n = 0;
    GlyphLine g;
    for (const std::string& line : log)
        if (ParseGlyph(line, g) && g.y < 640 && g.colour == colour && g.text == '"' + ch + '"') ++n;
    return n;
}

// The number of key waits begun before the `occurrence`-th line that starts
// with `prefix` (-1 when there is no such line).
inline int WaitsBefore(const std::vector<std::string>& log, const std::string& prefix, int occurrence = 1) {
    int waits = 0, seen = 0;
    for (const std::string& line : log) {
        if (StartsWith(line, kKeyWait)) ++waits;
        if (StartsWith(line, prefix) && ++seen == occurrence) return waits;
    }
    return -1;
}

// Kanovel from the main menu to page `entry` of lesson `lesson`: `waits`
// keys for its key waits, then the lesson's last entry and the end.
inline testing_support::RunResult RunPage(int lesson, int entry, int waits, int lastEntry) {
    const std::string keys = std::to_string(lesson) + "\r" + std::to_string(entry) + "\r" + Spaces(waits) +
                             std::to_string(lastEntry) + "\r8\r";
    return testing_support::RunProgram("kanovel", keys);
}

// The page took exactly `waits` key waits and went back to its sub-menu,
// whose line was drawn again, and the program ended from the main menu.
inline void ExpectPageRun(const testing_support::RunResult& run, int waits) {
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kKeyWait), waits);
    EXPECT_EQ(Count(run.log, "text 16 666 1 1 0"), 2);  // the sub-menu line before and after
}

}  // namespace page_checks
