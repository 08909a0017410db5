// Reading the pages of the chapter problems back from the headless log:
// glyphs with their places and colours, the key waits before them, and the
// boxes, braces and dots that were drawn.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace chapter_checks {

// The frame of "何かキーを押して下さい。", one per key wait.
inline const char* const kKeyWait = "box 96 657 400 693 13 4";

inline bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

inline int Count(const std::vector<std::string>& log, const std::string& prefix) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// One glyph of a "text" line: text X Y MAGX MAGY COLOUR "FACE" SIZE BOLD
// ITALIC "TEXT". The formula letters come in an italic face, drawn 4 right
// of and 22 above their cell; Glyphs gives them at their cell.
struct Glyph {
    float x = 0, y = 0;
    int colour = 0;
    std::string text;
    size_t line = 0;
};

inline std::vector<Glyph> Glyphs(const std::vector<std::string>& log) {
    std::vector<Glyph> out;
    for (size_t i = 0; i < log.size(); ++i) {
        const std::string& l = log[i];
        if (!StartsWith(l, "text ")) continue;
        std::istringstream in(l.substr(5));
        Glyph g;
        int magX = 0, magY = 0;
        in >> g.x >> g.y >> magX >> magY >> g.colour;
        if (l.find("\"Times New Roman\"") != std::string::npos) {
            g.x -= 4;
            g.y += 22;
        }
        const size_t open = l.rfind(" \"");
        g.text = l.substr(open + 2, l.size() - open - 3);
        g.line = i;
        out.push_back(g);
    }
    return out;
}

inline int WaitsBefore(const std::vector<std::string>& log, long line) {
    int waits = 0;
    for (long i = 0; i < line && i < static_cast<long>(log.size()); ++i)
        if (StartsWith(log[static_cast<size_t>(i)], kKeyWait)) ++waits;
    return waits;
}

// The log index of the first glyph `text` at (x, y) in `colour`, or -1.
inline long FindGlyph(const std::vector<std::string>& log, float x, float y, int colour, const std::string& text) {
    for (const Glyph& g : Glyphs(log))
        if (g.x == x && g.y == y && g.colour == colour && g.text == text) return static_cast<long>(g.line);
    return -1;
}

// A row of a page: its first glyph at (x, y) in `colour`, drawn after
// `waitsBefore` key waits.
struct Row {
    float x, y;
    int colour;
    const char* glyph;
    int waitsBefore;
};

inline void ExpectRows(const std::vector<std::string>& log, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        const long line = FindGlyph(log, r.x, r.y, r.colour, r.glyph);
        EXPECT_GE(line, 0) << r.glyph << " at " << r.x << "," << r.y << " colour " << r.colour;
        if (line >= 0) {
            EXPECT_EQ(WaitsBefore(log, line), r.waitsBefore) << r.glyph << " at " << r.x << "," << r.y;
        }
    }
}

// The x of every glyph `text` on row y between x `from` and `to`.
inline std::vector<float> GlyphXs(const std::vector<std::string>& log, float y, const std::string& text,
                                  float from = 0, float to = 1e9f) {
    std::vector<float> out;
    for (const Glyph& g : Glyphs(log))
        if (g.y == y && g.text == text && g.x >= from && g.x < to) out.push_back(g.x);
    return out;
}

// The first "=" of each row at `ys`, between x `from` and `to`: all stand
// one under the other.
inline void ExpectEqualsAligned(const std::vector<std::string>& log, float from, float to,
                                std::initializer_list<float> ys) {
    std::vector<float> xs;
    for (float y : ys) {
        const auto row = GlyphXs(log, y, "=", from, to);
        ASSERT_FALSE(row.empty()) << y;
        xs.push_back(row.front());
    }
    for (size_t i = 1; i < xs.size(); ++i) EXPECT_EQ(xs[i], xs[0]) << "row " << i;
}

// The polyline of a brace of `height` at (x, y), in colour 0, width 5.
inline std::string Brace(float x, float y, float height) {
    const float b = y + height - 10, m = (y + 5 + b) / 2;
    std::ostringstream s;
    s << "poly 0 5 " << x + 35 << " " << y + 5 << " " << x + 23 << " " << y + 8 << " " << x + 23 << " " << m - 7
      << " " << x + 8 << " " << m << " " << x + 23 << " " << m + 7 << " " << x + 23 << " " << b - 3 << " " << x + 35
      << " " << b;
    return s.str();
}

// The strokes of a plus or minus sign whose glyph cell is at (x, y): the
// renderer draws them as lines, the bar 4 right of the cell.
inline std::string PlusBar(float x, float y, int colour) {
    std::ostringstream s;
    s << "line " << x + 4 << " " << y + 22 << " " << x + 23 << " " << y + 22 << " " << colour << " ";
    return s.str();
}
inline std::string MinusBar(float x, float y, int colour) {
    std::ostringstream s;
    s << "line " << x + 4 << " " << y + 20 << " " << x + 23 << " " << y + 20 << " " << colour << " ";
    return s.str();
}

// A box with its corners, frame and fill, as the log writes it.
inline std::string Box(float x1, float y1, float x2, float y2, int frame, int fill) {
    std::ostringstream s;
    s << "box " << x1 << " " << y1 << " " << x2 << " " << y2 << " " << frame << " " << fill;
    return s.str();
}

// The first glyph of a sub-menu line drawn in the prompt bar.
inline const char* const kSubmenuLine = "text 16 666 1 1 0";

// The log index of the sub-menu line drawn `nth` (from 0), or -1.
inline long SubmenuLine(const std::vector<std::string>& log, int nth) {
    for (size_t i = 0; i < log.size(); ++i)
        if (StartsWith(log[i], kSubmenuLine) && nth-- == 0) return static_cast<long>(i);
    return -1;
}

// Tirosam's lesson `lesson`, page `entry`, `waits` key presses, then the
// last sub-menu entry and the end of the program.
inline testing_support::RunResult RunChapterPage(int lesson, int entry, int waits) {
    return testing_support::RunProgram(
        "tirosam", std::to_string(lesson) + "\r" + std::to_string(entry) + "\r" + Spaces(waits) + "6\r8\r");
}

// The log of a run up to the sub-menu line drawn after its page.
inline std::vector<std::string> PageLog(const testing_support::RunResult& run) {
    const long end = SubmenuLine(run.log, 1);
    return {run.log.begin(), end < 0 ? run.log.end() : run.log.begin() + end};
}

// A page of the chapter problems: its key waits, and its title plate at
// (left, 30) with the number plate at (numberLeft, 30).
struct PageFrame {
    int entry, waits;
    float left, numberLeft, numberWidth;
};

// The page takes all its key waits and comes back to the sub-menu with no
// wait after its last reveal, under its two plates.
inline void ExpectPageFrame(int lesson, const PageFrame& page) {
    auto run = RunChapterPage(lesson, page.entry, page.waits);
    EXPECT_TRUE(run.ended) << page.entry;
    EXPECT_FALSE(run.errorShown) << page.entry;
    const long back = SubmenuLine(run.log, 1);
    ASSERT_GE(back, 0) << page.entry;
    EXPECT_EQ(WaitsBefore(run.log, back), page.waits) << page.entry;
    EXPECT_EQ(Count(PageLog(run), kKeyWait), page.waits) << page.entry;
    EXPECT_GE(Count(run.log, Box(page.left, 30, page.left + 396, 74, 5, 4)), 1) << page.entry;
    EXPECT_GE(Count(run.log, Box(page.numberLeft, 30, page.numberLeft + page.numberWidth, 74, 4, 3)), 1)
        << page.entry;
}

}  // namespace chapter_checks
