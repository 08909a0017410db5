// Reading a lesson page back from the headless log: the glyphs drawn, where
// and in which colour, how many key waits came before each, and where a
// whole row, a brace or a key wait stands.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/solver_script.h"
#include "tests/test_support.h"

namespace page_checks {

// The frame of the key prompt "何かキーを押して下さい。", one per key wait.
inline const char* const kKeyWait = "box 96 657 400 693 13 4";
// The frame of the next-step prompt.
inline const char* const kNextStep = "box 96 639 400 675 13 12";

inline bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

inline int Count(const std::vector<std::string>& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// One glyph of a "text" line: text X Y MAGX MAGY COLOUR "FACE" SIZE BOLD
// ITALIC "TEXT".
struct Glyph {
    float x = 0, y = 0;
    int colour = 0;
    std::string text;
    size_t line = 0;  // its index in the log
};

inline std::vector<Glyph> Glyphs(const std::vector<std::string>& log) {
    std::vector<Glyph> out;
    for (size_t i = 0; i < log.size(); ++i) {
        const std::string& l = log[i];
        if (l.rfind("text ", 0) != 0) continue;
        Glyph g;
        g.line = i;
        size_t pos = 5;
        auto field = [&] {
            size_t end = l.find(' ', pos);
            std::string f = l.substr(pos, end - pos);
            pos = end + 1;
            return f;
        };
        g.x = std::stof(field());
        g.y = std::stof(field());
        field();
        field();
        g.colour = std::stoi(field());
        // The glyph is the last quoted text.
        size_t open = l.rfind(" \"");
        g.text = l.substr(open + 2, l.size() - open - 3);
        out.push_back(g);
    }
    return out;
}

// A row of a page script: its first glyph at (x, y) in `colour`, and the
// number of key waits before it was drawn.
struct Row {
    float x, y;
    int colour;
    const char* glyph;
    int waitsBefore;
    int nth = 0;  // which occurrence of the glyph there, from 0
};

// The index of occurrence `nth` (from 0) of the glyph `glyph` at (x, y) in
// `colour`, or -1.
inline long FindGlyph(const std::vector<std::string>& log, float x, float y, int colour, const std::string& glyph,
                      int nth = 0) {
    for (const Glyph& g : Glyphs(log))
        if (g.x == x && g.y == y && g.colour == colour && g.text == glyph && nth-- == 0)
            return static_cast<long>(g.line);
    return -1;
}

// "+" and "-" are drawn as strokes: the bar of a "+" written at (x, y)
// runs from x + 4 to x + 23 at y + 22, that of a "-" at y + 20.
inline std::string Bar(float x, float y, int colour) {
    auto n = [](float v) { return std::to_string(static_cast<int>(v)); };
    return "line " + n(x + 4) + " " + n(y) + " " + n(x + 23) + " " + n(y) + " " + std::to_string(colour) + " ";
}
inline std::string PlusBar(float x, float y, int colour) { return Bar(x, y + 22, colour); }
inline std::string MinusBar(float x, float y, int colour) { return Bar(x, y + 20, colour); }

// The index of occurrence `nth` (from 0) of a line that starts with
// `prefix`, or -1.
inline long FindLine(const std::vector<std::string>& log, const std::string& prefix, int nth = 0) {
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].rfind(prefix, 0) == 0 && nth-- == 0) return static_cast<long>(i);
    return -1;
}

inline int WaitsBefore(const std::vector<std::string>& log, long line) {
    if (line < 0) return -1;  // not drawn at all
    int waits = 0;
    for (long i = 0; i < line; ++i)
        if (log[static_cast<size_t>(i)].rfind(kKeyWait, 0) == 0) ++waits;
    return waits;
}

// The glyphs drawn on row y from x `from` on, in the order drawn, joined.
inline std::string RowText(const std::vector<std::string>& log, float y, float from = 0, float to = 1e9f) {
    std::string out;
    for (const Glyph& g : Glyphs(log))
        if (g.y == y && g.x >= from && g.x < to) out += g.text;
    return out;
}

// Checks each row of a script; failures name the row.
inline void ExpectRows(const std::vector<std::string>& log, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        const long line = FindGlyph(log, r.x, r.y, r.colour, r.glyph, r.nth);
        EXPECT_GE(line, 0) << r.glyph << " at " << r.x << "," << r.y << " colour " << r.colour;
        if (line >= 0) {
            EXPECT_EQ(WaitsBefore(log, line), r.waitsBefore) << r.glyph << " at " << r.x << "," << r.y;
        }
    }
}

using Log = std::vector<std::string>;

// The first glyph of a sub-menu line, drawn by the prompt drawer at (16, 666).
inline const char* const kSubmenuStart = "text 16 666 1 1 0";

// Where `part` starts as one unbroken run of calls at or after `from`; -1
// when it does not.
inline int Find(const Log& log, const Log& part, int from = 0) {
    for (size_t i = static_cast<size_t>(std::max(from, 0)); i + part.size() <= log.size(); ++i)
        if (std::equal(part.begin(), part.end(), log.begin() + static_cast<std::ptrdiff_t>(i)))
            return static_cast<int>(i);
    return -1;
}

// The calls the runtime makes for one text row, or for a brace.
inline Log RowLines(float colour, float x, float y, const std::string& text) {
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
        if (lineColour == colour && Find(log, RowLines(colour, x, y, text)) >= 0) return true;
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

// How many glyphs `ch` are drawn with the top-left of their cell at (x, y)
// in `colour`, whatever the magnification, face and size.
inline int CountGlyph(const std::vector<std::string>& log, float x, float y, int colour, const std::string& ch) {
    int n = 0;
    for (const Glyph& g : Glyphs(log))
        if (g.x == x && g.y == y && g.colour == colour && g.text == ch) ++n;
    return n;
}

// How many glyphs `ch` are drawn in `colour` anywhere above the prompt bar.
inline int CountInColour(const std::vector<std::string>& log, int colour, const std::string& ch) {
    int n = 0;
    for (const Glyph& g : Glyphs(log))
        if (g.y < 640 && g.colour == colour && g.text == ch) ++n;
    return n;
}

// The number of key waits begun before the `occurrence`-th line (from 1)
// that starts with `prefix` (-1 when there is no such line).
inline int WaitsBefore(const std::vector<std::string>& log, const std::string& prefix, int occurrence = 1) {
    return WaitsBefore(log, FindLine(log, prefix, occurrence - 1));
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
    EXPECT_EQ(Count(run.log, kSubmenuStart), 2);  // the sub-menu line before and after
}

}  // namespace page_checks
