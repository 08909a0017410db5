// Reading a lesson page back from the headless log: the glyphs drawn, where
// and in which colour, how many key waits came before each, where a whole
// row, a brace, a sign bar or a box stands; running a page from the main
// menu with its keys and checking the run; and a page run by itself on a
// runtime of its own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "lessons/kanovel/kanovel_lessons.h"
#include "lessons/tirosam/tirosam.h"
#include "lessons/tirosam/tirosam_lessons.h"
#include "platform/headless_platform.h"
#include "tests/solver_script.h"
#include "tests/test_support.h"

namespace page_checks {

using Log = std::vector<std::string>;
using testing_support::RunResult;
using solver_testing::ContainsRun;
using solver_testing::FindRun;

// ---- Fixed lines of the log ------------------------------------------------

// A box with its corners, frame and fill, as the log writes it, without
// the pen width that ends its line.
inline std::string Box(float x1, float y1, float x2, float y2, int frame, int fill) {
    std::ostringstream s;
    s << "box " << x1 << " " << y1 << " " << x2 << " " << y2 << " " << frame << " " << fill;
    return s.str();
}
// A plate as the log writes it.
inline std::string PlateLine(const runtime::PlateBox& plate) {
    return Box(plate.x0, plate.y0, plate.x1, plate.y1, plate.frame, plate.fill);
}
// A plate's box erased in the background colour.
inline std::string PlateErased(const runtime::PlateBox& plate) {
    return Box(plate.x0, plate.y0, plate.x1, plate.y1, 15, 15);
}
// A box placed from the number field's origin, erased.
inline std::string FieldBoxErased(const runtime::FieldBox& box) {
    const float x = runtime::kFieldX + box.dx, y = runtime::kFieldY + box.dy;
    return Box(x, y, x + box.w, y + box.h, 15, 15);
}
// The frame of the key prompt "何かキーを押して下さい。", one per key wait.
inline const std::string kKeyWait = PlateLine(runtime::kKeyWaitPlate);
// The prompt bar erased after a key wait, from its corner to the plate's.
inline const std::string kKeyWaitErased =
    Box(runtime::kPromptBar.x0, runtime::kPromptBar.y0, runtime::kKeyWaitPlate.x1, runtime::kKeyWaitPlate.y1, 15, 15);
// The whole prompt bar erased.
inline const std::string kPromptBarErased = PlateErased(runtime::kPromptBar);
// The frame of the next-step prompt "次のステップは１を入力。".
inline const std::string kNextStep = PlateLine(runtime::kNextStepPlate);
// The first glyph of a sub-menu line, drawn by the prompt drawer in colour 0.
inline const std::string kSubmenuStart = "text " + std::to_string(static_cast<int>(runtime::kSubmenuLineX)) + " " +
                                         std::to_string(static_cast<int>(runtime::kSubmenuLineY)) + " 1 1 0";
// The main menu's panel.
inline const std::string kMenuPanel = PlateLine(runtime::kMenuPanel);
// The two plates that head a page of problems: the title's corner at
// (x, y), the number's `gap` right of the title and `numberWidth` wide.
struct ChapterPlateLines {
    std::string title, number;
};
inline ChapterPlateLines ChapterPlates(float x, float y, float gap,
                                       float numberWidth = runtime::kChapterNumberPlate.w) {
    const runtime::PlateStyle& title = runtime::kChapterTitlePlate;
    const runtime::PlateStyle& number = runtime::kChapterNumberPlate;
    const float numberX = x + title.w + gap;
    return {Box(x, y, x + title.w, y + title.h, title.frame, title.fill),
            Box(numberX, y, numberX + numberWidth, y + number.h, number.frame, number.fill)};
}
// Key waits of one solver run with a key wait after each step, on a system
// with one solution.
constexpr int kSolverWaits = 15;

// ---- Lines -----------------------------------------------------------------

inline bool StartsWith(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// How many lines start with `prefix`.
inline int Count(const Log& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return StartsWith(l, prefix); }));
}

// How many lines are exactly `line`.
inline int CountExact(const Log& log, const std::string& line) {
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

// One key for each of `n` key waits.
inline std::string Spaces(int n) { return std::string(static_cast<size_t>(n), ' '); }

// The index of occurrence `nth` (from 0) of a line that starts with
// `prefix`, at or after index `from`; -1 when there is none.
inline long FindLine(const Log& log, const std::string& prefix, int nth = 0, long from = 0) {
    for (size_t i = static_cast<size_t>(std::max(from, 0L)); i < log.size(); ++i)
        if (StartsWith(log[i], prefix) && nth-- == 0) return static_cast<long>(i);
    return -1;
}

// ---- Key waits -------------------------------------------------------------

// The key waits begun between two places of the log.
inline int WaitsBetween(const Log& log, long from, long to) {
    int waits = 0;
    for (long i = std::max(from, 0L); i < to && i < static_cast<long>(log.size()); ++i)
        if (StartsWith(log[static_cast<size_t>(i)], kKeyWait)) ++waits;
    return waits;
}

// The key waits begun before log index `line`; -1 when the line was not
// drawn at all (a FindLine or FindGlyph that found nothing).
inline int WaitsBefore(const Log& log, long line) { return line < 0 ? -1 : WaitsBetween(log, 0, line); }

// The key waits begun before the `occurrence`-th line (from 1) that starts
// with `prefix`; -1 when there is no such line.
inline int WaitsBefore(const Log& log, const std::string& prefix, int occurrence = 1) {
    return WaitsBefore(log, FindLine(log, prefix, occurrence - 1));
}

// ---- Glyphs ----------------------------------------------------------------

// One glyph of a "text" line: text X Y MAGX MAGY COLOUR "FACE" SIZE BOLD
// ITALIC "TEXT", and for a digit of a number of several its place.
struct Glyph {
    float x = 0, y = 0;
    int colour = 0;
    std::string text;
    std::string face;
    int size = 0, bold = 0, italic = 0;
    long line = 0;  // its index in the log
};

// Every glyph where it is drawn. The letters of formulas come in an italic
// face of their own 4 right of and 22 above their cell, and an "=" a size
// smaller 4 into its cell; "+" and "-" are strokes, not glyphs.
inline std::vector<Glyph> Glyphs(const Log& log) {
    std::vector<Glyph> out;
    for (size_t i = 0; i < log.size(); ++i) {
        const std::string& l = log[i];
        if (!StartsWith(l, "text ")) continue;
        Glyph g;
        g.line = static_cast<long>(i);
        std::istringstream in(l.substr(5));
        float magX = 0, magY = 0;
        in >> g.x >> g.y >> magX >> magY >> g.colour;
        const size_t faceOpen = l.find('"');
        const size_t faceClose = l.find('"', faceOpen + 1);
        g.face = l.substr(faceOpen + 1, faceClose - faceOpen - 1);
        std::istringstream(l.substr(faceClose + 1)) >> g.size >> g.bold >> g.italic;
        // The glyph is the last quoted text.
        const size_t open = l.find('"', faceClose + 1), close = l.rfind('"');
        g.text = l.substr(open + 1, close - open - 1);
        out.push_back(g);
    }
    return out;
}

// Every glyph at the cell it stands in, as a page lays out its rows: the
// italic letters of formulas are moved back from where they are drawn
// (right of and above their cells); every other glyph stays where it is
// drawn.
inline std::vector<Glyph> CellGlyphs(const Log& log) {
    std::vector<Glyph> out = Glyphs(log);
    for (Glyph& g : out)
        if (g.face == "Times New Roman") {
            g.x -= runtime::kItalicLetterDx;
            g.y -= runtime::kItalicLetterDy;
        }
    return out;
}

// The log index of occurrence `nth` (from 0) of `glyph` at (x, y) in
// `colour` among `glyphs`, or -1.
inline long FindGlyphIn(const std::vector<Glyph>& glyphs, float x, float y, int colour, const std::string& glyph,
                        int nth = 0) {
    for (const Glyph& g : glyphs)
        if (g.x == x && g.y == y && g.colour == colour && g.text == glyph && nth-- == 0) return g.line;
    return -1;
}

// The log index of occurrence `nth` (from 0) of `glyph` drawn at (x, y) in
// `colour`, or -1.
inline long FindGlyph(const Log& log, float x, float y, int colour, const std::string& glyph, int nth = 0) {
    return FindGlyphIn(Glyphs(log), x, y, colour, glyph, nth);
}

// The log index of the first `glyph` in the renderer's own plain font (bold
// ゴシック 16; an "=" a size smaller and a little into its cell) whose cell
// is at (x, y) in `colour`, or -1.
inline long FindPlainGlyph(const Log& log, float x, float y, int colour, const std::string& glyph) {
    const bool equals = glyph == "=";
    for (const Glyph& g : Glyphs(log))
        if (g.x == (equals ? x + runtime::kEqualsDx : x) && g.y == y && g.colour == colour && g.text == glyph &&
            g.face == "ゴシック" && g.size == (equals ? runtime::kEqualsSize : 16) && g.bold == 1 && g.italic == 0)
            return g.line;
    return -1;
}

// How many glyphs `ch` are drawn at (x, y) in `colour`, whatever the
// magnification, face and size.
inline int CountGlyph(const Log& log, float x, float y, int colour, const std::string& ch) {
    int n = 0;
    for (const Glyph& g : Glyphs(log)) n += g.x == x && g.y == y && g.colour == colour && g.text == ch;
    return n;
}

// How many glyphs `ch` are drawn in `colour` anywhere above the prompt bar.
inline int CountInColour(const Log& log, int colour, const std::string& ch) {
    int n = 0;
    for (const Glyph& g : Glyphs(log)) n += g.y < 640 && g.colour == colour && g.text == ch;
    return n;
}

// The glyphs drawn on row y from x `from` (inclusive) to `to`, in the order
// drawn, between log indices `start` and `end` (-1: the end), joined. The
// strokes of "+" and "-" and the italic letters (drawn above the row) are
// not among them; an "=" is.
inline std::string RowText(const Log& log, float y, float from = 0, float to = 1e9f, long start = 0,
                           long end = -1) {
    std::string out;
    for (const Glyph& g : Glyphs(log))
        if (g.line >= start && (end < 0 || g.line < end) && g.y == y && g.x >= from && g.x < to) out += g.text;
    return out;
}

// The x of every glyph `text` drawn on row y between x `from` and `to`.
inline std::vector<float> GlyphXs(const Log& log, float y, const std::string& text, float from = 0,
                                  float to = 1e9f) {
    std::vector<float> out;
    for (const Glyph& g : Glyphs(log))
        if (g.y == y && g.text == text && g.x >= from && g.x < to) out.push_back(g.x);
    return out;
}

// The first "=" of each row at `ys`, between x `from` and `to`: all stand
// one under the other.
inline void ExpectEqualsAligned(const Log& log, float from, float to, std::initializer_list<float> ys) {
    std::vector<float> xs;
    for (float y : ys) {
        const auto row = GlyphXs(log, y, "=", from, to);
        ASSERT_FALSE(row.empty()) << y;
        xs.push_back(row.front());
    }
    for (size_t i = 1; i < xs.size(); ++i) EXPECT_EQ(xs[i], xs[0]) << "row " << i;
}

// ---- Rows of a page script -------------------------------------------------

// A row of a page script: its first glyph at (x, y) in `colour`, and the
// number of key waits before it was drawn.
struct Row {
    float x, y;
    int colour;
    const char* glyph;
    int waitsBefore;
    int nth = 0;  // which occurrence of the glyph there, from 0
};

// Checks each row among `glyphs`; failures name the row.
inline void ExpectRowsIn(const Log& log, const std::vector<Glyph>& glyphs, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        const long line = FindGlyphIn(glyphs, r.x, r.y, r.colour, r.glyph, r.nth);
        EXPECT_GE(line, 0) << r.glyph << " at " << r.x << "," << r.y << " colour " << r.colour;
        if (line >= 0) {
            EXPECT_EQ(WaitsBefore(log, line), r.waitsBefore) << r.glyph << " at " << r.x << "," << r.y;
        }
    }
}

// Each row's first glyph where it is drawn.
inline void ExpectRows(const Log& log, const std::vector<Row>& rows) { ExpectRowsIn(log, Glyphs(log), rows); }

// Each row's first glyph at its cell (an italic letter where its row stands).
inline void ExpectCellRows(const Log& log, const std::vector<Row>& rows) {
    ExpectRowsIn(log, CellGlyphs(log), rows);
}

// ---- What the runtime draws ------------------------------------------------

// The calls the runtime makes for one text row from (x, y).
inline Log RowLines(float colour, float x, float y, const std::string& text) {
    return solver_testing::PageScript().Text(colour, x, y, text).Lines();
}

// The calls the runtime makes for a brace of the usual height at (x, y).
inline Log Brace(float x, float y) { return solver_testing::PageScript().Brace(x, y).Lines(); }

// Where a row from x ends on the screen, as the renderer advances the pen.
inline float RowEnd(float x, const std::string& text) {
    solver_testing::PageScript script;
    script.Text(0, x, 0, text);
    return script.EndX();
}

// Where the row `text` from (x, y) in `colour` starts, drawn whole as the
// runtime draws it, at or after log index `from`; -1 when it is not.
inline long FindRow(const Log& log, float colour, float x, float y, const std::string& text, long from = 0) {
    return FindRun(log, RowLines(colour, x, y, text), from);
}

// Where the sign row `marks` from (x, y) over the column sum's lower row
// `lower` (its rows from resultX) starts, as the runtime draws it.
inline long FindSignRow(const Log& log, float colour, float x, float y, const std::string& marks,
                        const std::string& lower, float resultX, long from = 0) {
    return FindRun(log, solver_testing::PageScript().SignRow(colour, x, y, marks, lower, resultX).Lines(), from);
}

// A whole row of text from (x, y) in `colour`.
struct TextRow {
    float colour, x, y;
    std::string text;
};

// Each row stands in the log as the runtime draws it, glyph for glyph.
inline void ExpectTextRows(const Log& log, const std::vector<TextRow>& rows) {
    for (const TextRow& r : rows)
        EXPECT_GE(FindRow(log, r.colour, r.x, r.y, r.text), 0) << r.text << " at " << r.x << "," << r.y;
}

// Whether a row `text` in `colour` is drawn anywhere, found by its first
// glyph (which must be a plain glyph drawn at the row's own x and y).
inline bool HasRowAnywhere(const Log& log, float colour, const std::string& firstGlyph, const std::string& text) {
    for (const Glyph& g : Glyphs(log))
        if (g.text == firstGlyph && static_cast<float>(g.colour) == colour && FindRow(log, colour, g.x, g.y, text) >= 0)
            return true;
    return false;
}

// The polyline of a brace of `height` at (x, y), in colour 0, as the
// runtime draws it.
inline std::string BracePoly(float x, float y, float height) {
    for (const std::string& line : solver_testing::PageScript().Brace(x, y, height).Lines())
        if (StartsWith(line, "poly ")) return line;
    ADD_FAILURE() << "the runtime drew no brace";
    return "no brace";
}

// A level line from x0 to x1 at y in `colour`, up to its pen width.
inline std::string Bar(float x0, float x1, float y, int colour) {
    std::ostringstream s;
    s << "line " << x0 << " " << y << " " << x1 << " " << y << " " << colour << " ";
    return s.str();
}
// The bar of a sign drawn as strokes (runtime::SignStrokes) in a glyph cell
// at (x, y).
inline std::string StrokeBar(const runtime::SignStrokes& sign, float x, float y, bool plus, int colour) {
    return Bar(x + sign.x0, x + sign.x1, y + (plus ? sign.plusY : sign.minusY), colour);
}
inline std::string PlusBar(float x, float y, int colour) { return StrokeBar(runtime::kBodySign, x, y, true, colour); }
inline std::string MinusBar(float x, float y, int colour) {
    return StrokeBar(runtime::kBodySign, x, y, false, colour);
}

// A sign-change mark over the glyph cell at x of the row 25 below y, in its
// pen width.
inline std::string PlusMark(float x, float y, int colour) {
    return StrokeBar(runtime::kSignMarkStrokes, x, y, true, colour) + std::to_string(runtime::kSignMarkStrokes.pen);
}
inline std::string MinusMark(float x, float y, int colour) {
    return StrokeBar(runtime::kSignMarkStrokes, x, y, false, colour) + std::to_string(runtime::kSignMarkStrokes.pen);
}
// The mark of a term without a sign whose first glyph cell starts at x:
// where its sign would be, just before that glyph.
inline std::string PlusMarkBefore(float x, float y, int colour) {
    return PlusMark(x - runtime::kSignMarkBeforeGlyph, y, colour);
}
inline std::string MinusMarkBefore(float x, float y, int colour) {
    return MinusMark(x - runtime::kSignMarkBeforeGlyph, y, colour);
}

// ---- A page run from the main menu -----------------------------------------

// The keys that open page `entry` of lesson `lesson` from the main menu,
// answer its key waits with `atWaits`, go back by the lesson's last entry
// `lastEntry` and end the program with 8.
inline std::string PageKeys(int lesson, int entry, const std::string& atWaits, int lastEntry) {
    return std::to_string(lesson) + "\r" + std::to_string(entry) + "\r" + atWaits + std::to_string(lastEntry) +
           "\r8\r";
}

// What a sub-menu of `entries` entries refuses, each entered: 0, an empty
// entry, one past the last, a half past the last, a half and a negative
// number.
inline std::string RefusedEntries(int entries) {
    const std::string last = std::to_string(entries);
    return "0\r\r" + std::to_string(entries + 1) + "\r" + last + ".5\r0.5\r-1\r";
}

// A run from the choice in the sub-menu on: the lines after the number
// field of the second prompt (the main menu's is the first) is cleared.
inline Log AfterSubmenuChoice(const Log& log) {
    const long cleared = FindLine(log, FieldBoxErased(runtime::kFieldErase), 1);
    return cleared < 0 ? Log{} : Log(log.begin() + cleared, log.end());
}

// A number between 2 and 3 ("5/2", "2.5", "2.9") typed at the sub-menu of
// main-menu entry `lesson` opens entry 2 as 2 does: the same page, up to its
// first wait.
inline void ExpectNotWholeOpensEntryTwo(const std::string& program, const std::string& lesson) {
    const Log two = AfterSubmenuChoice(testing_support::RunProgram(program, lesson + "\r2\r").log);
    EXPECT_GT(two.size(), 3u) << lesson;
    EXPECT_EQ(Count(two, kSubmenuStart), 0) << lesson;  // no sub-menu line asked again
    for (const char* typed : {"5/2", "2.5", "2.9"}) {
        auto opened = testing_support::RunProgram(program, lesson + "\r" + typed + "\r");
        EXPECT_TRUE(AfterSubmenuChoice(opened.log) == two) << lesson << " " << typed;
    }
}

// "kanovel" or "tirosam" from the main menu to page `entry` of lesson
// `lesson`: a key for each of its `waits` key waits, then back and the end.
inline RunResult RunPage(const std::string& program, int lesson, int entry, int waits, int lastEntry) {
    return testing_support::RunProgram(program, PageKeys(lesson, entry, Spaces(waits), lastEntry));
}

// The page took exactly `waits` key waits and went back to its sub-menu
// with no wait after its last reveal; the sub-menu line was drawn before
// and after it, every key was read and the program ended from the main
// menu without an error screen.
inline void ExpectPageRun(const RunResult& run, int waits) {
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(run.keysTaken, run.keysGiven);
    EXPECT_EQ(Count(run.log, kKeyWait), waits);
    EXPECT_EQ(Count(run.log, kSubmenuStart), 2);
    EXPECT_EQ(WaitsBefore(run.log, kSubmenuStart, 2), waits);
}

// The log of a run up to the sub-menu line drawn after its page.
inline Log PageLog(const RunResult& run) {
    const long end = FindLine(run.log, kSubmenuStart, 1);
    return {run.log.begin(), end < 0 ? run.log.end() : run.log.begin() + end};
}

// A page of the chapter problems: its key waits, and its title plate at
// (left, 30) with the number plate at (numberLeft, 30).
struct PageFrame {
    int entry, waits;
    float left, numberLeft, numberWidth;
};

// Tirosam's chapter page `page.entry` of lesson `lesson` takes all its key
// waits and comes back to the sub-menu with no wait after its last reveal,
// under its two plates.
inline void ExpectPageFrame(int lesson, const PageFrame& page) {
    SCOPED_TRACE(page.entry);
    const auto run = RunPage("tirosam", lesson, page.entry, page.waits, 6);
    ExpectPageRun(run, page.waits);
    EXPECT_GE(Count(run.log, Box(page.left, 30, page.left + 396, 74, 5, 4)), 1);
    EXPECT_GE(Count(run.log, Box(page.numberLeft, 30, page.numberLeft + page.numberWidth, 74, 4, 3)), 1);
}

// ---- A page run by itself --------------------------------------------------

// A runtime with Kanovel's lessons on it, for a page called directly.
class ExamplePageTest : public testing_support::RuntimeTest {
protected:
    kanovel::KanovelLessons lessons{rt};

    Log Drawn() const { return solver_testing::Lines(pf.Calls()); }
    // Whether `text` stands at (x, y) in `colour`, glyph for glyph.
    bool Shows(float colour, float x, float y, const std::string& text) const {
        return ContainsRun(Drawn(), RowLines(colour, x, y, text));
    }
    int CountDrawn(const std::string& prefix) const { return Count(pf.Log(), prefix); }
};

// One page of Tirosam run by itself on typed keys, the runtime started as
// the program starts it and the record cleared; a page that runs out of
// keys stops where it waits.
class PageRun {
public:
    explicit PageRun(const std::string& keys) : pf(Options(keys)), rt(pf, tirosam::ProgramData()), lessons(rt) {
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

}  // namespace page_checks
