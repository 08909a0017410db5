// Reading Tirosam's pages back from the headless log: where a glyph, a box
// or a line stands, in which colour, and how many key waits came before
// it; and a page run on its own, with the runtime started as the program
// starts it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "lessons/tirosam/tirosam.h"
#include "lessons/tirosam/tirosam_lessons.h"
#include "platform/headless_platform.h"
#include "tests/test_support.h"

namespace tirosam_pages {

using Log = std::vector<std::string>;

// The frame of "何かキーを押して下さい。", one per key wait.
inline const char* const kKeyWait = "box 96 657 400 693 13 4";
// The frame of "次のステップは１を入力。".
inline const char* const kNextStep = "box 96 639 400 675 13 12";

inline int Count(const Log& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// The index of occurrence `nth` (from 0) of a line starting with `prefix`,
// or -1.
inline long FindLine(const Log& log, const std::string& prefix, int nth = 0) {
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].rfind(prefix, 0) == 0 && nth-- == 0) return static_cast<long>(i);
    return -1;
}

// One glyph of a "text" line: text X Y MAGX MAGY COLOUR "FACE" SIZE BOLD
// ITALIC "TEXT".
struct Glyph {
    float x = 0, y = 0;
    int colour = 0;
    std::string text;
    long line = 0;
};

inline std::vector<Glyph> Glyphs(const Log& log) {
    std::vector<Glyph> out;
    for (size_t i = 0; i < log.size(); ++i) {
        const std::string& l = log[i];
        if (l.rfind("text ", 0) != 0) continue;
        Glyph g;
        g.line = static_cast<long>(i);
        std::istringstream in(l.substr(5));
        float magX = 0, magY = 0;
        in >> g.x >> g.y >> magX >> magY >> g.colour;
        const size_t open = l.rfind(" \"");
        g.text = l.substr(open + 2, l.size() - open - 3);
        out.push_back(g);
    }
    return out;
}

// The log index of occurrence `nth` of the glyph at (x, y) in `colour`, or
// -1.
inline long FindGlyph(const Log& log, float x, float y, int colour, const std::string& glyph, int nth = 0) {
    for (const Glyph& g : Glyphs(log))
        if (g.x == x && g.y == y && g.colour == colour && g.text == glyph && nth-- == 0) return g.line;
    return -1;
}

inline int WaitsBetween(const Log& log, long from, long to) {
    int waits = 0;
    for (long i = std::max(from, 0L); i < to && i < static_cast<long>(log.size()); ++i)
        if (log[static_cast<size_t>(i)].rfind(kKeyWait, 0) == 0) ++waits;
    return waits;
}

// The glyphs of the text row at y, from x `from` (inclusive) to `to`, in
// the order drawn, between log indices `start` and `end` (-1: the end).
// "+", "-" and the italic letters are drawn otherwise and do not count; an
// "=" counts.
inline std::string RowGlyphs(const Log& log, float y, float from = 0, float to = 1e9f, long start = 0,
                             long end = -1) {
    std::string out;
    for (const Glyph& g : Glyphs(log))
        if (g.line >= start && (end < 0 || g.line < end) && g.y == y && g.x >= from && g.x < to) out += g.text;
    return out;
}

// A row of a page: its first glyph at (x, y) in `colour`, and the key
// waits of the page before it.
struct Row {
    float x, y;
    int colour;
    const char* glyph;
    int waitsBefore;
    int nth = 0;  // which occurrence of that glyph there
};

inline void ExpectRows(const Log& log, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        const long line = FindGlyph(log, r.x, r.y, r.colour, r.glyph, r.nth);
        EXPECT_GE(line, 0) << r.glyph << " at " << r.x << "," << r.y << " colour " << r.colour;
        if (line >= 0) {
            EXPECT_EQ(WaitsBetween(log, 0, line), r.waitsBefore) << r.glyph << " at " << r.x << "," << r.y;
        }
    }
}

inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// A page of fixed steps run from the main menu: `open` reaches it, one
// key for each of its `waits` takes it to its end, and `leave` goes back to
// the main menu and ends the program. The page took exactly its keys when
// the program ends there without an error screen.
inline Log RunFixedPage(const std::string& open, int waits, const std::string& leave) {
    auto run = testing_support::RunProgram("tirosam", open + Spaces(waits) + leave);
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, kKeyWait), waits);
    return run.log;
}

// One page of Tirosam run by itself on typed keys, the runtime started as
// the program starts it and the record cleared; a page that runs out of
// keys stops where it waits.
class PageRun {
public:
    explicit PageRun(const std::string& keys)
        : pf(Options(keys)), rt(pf, tirosam::ProgramData()), lessons(rt) {
        rt.StartProgram();
        pf.ClearRecord();
    }
    // Runs `page`; true when it returned (rather than waiting for a key
    // that never came).
    template <typename F>
    bool Run(F page) {
        try {
            page();
            return true;
        } catch (const platform::WindowClosed&) {
            return false;
        }
    }
    const Log& log() const { return pf.Log(); }

    platform::HeadlessPlatform pf;
    runtime::Runtime rt;
    tirosam::TirosamLessons lessons;

private:
    static platform::HeadlessOptions Options(const std::string& keys) {
        platform::HeadlessOptions options;
        options.keys = keys;
        options.time = "10:20:30";
        return options;
    }
};

}  // namespace tirosam_pages
