// The sub-menus of both programs: each line in the prompt bar names the
// entries of its list of pages, and a number typed opens the entry of its
// whole part or asks again.
#include <cmath>
#include <limits>

#include "lessons/common/lesson_base.h"
#include "platform/headless_platform.h"
#include "tests/test_support.h"
#include "tools/page_tour.h"

namespace {

// The first sub-menu line drawn.
struct LineRecorder : platform::DrawingObserver {
    void BeginTextPiece(const std::string& source, platform::Point, platform::PieceKind kind) override {
        if (kind == platform::PieceKind::SubmenuLine && line.empty()) line = source;
    }
    std::string line;
};

// The sub-menu line of main-menu entry `lesson`: any key through its goal
// screen, then the script ends at the sub-menu's number field (spaces are
// no digits there).
std::string SubmenuLine(const tour::Program& program, int lesson) {
    platform::HeadlessOptions options;
    options.keys = std::to_string(lesson) + "\r" + std::string(20, ' ');
    platform::HeadlessPlatform pf(options);
    LineRecorder recorder;
    pf.AddObserver(recorder);
    try {
        program.run(pf);
    } catch (const platform::WindowClosed&) {
    }
    return recorder.line;
}

// ①, ②, ... ⑳.
std::string Circled(int n) { return basic::Chr(0x2460 + n - 1); }

// The line names ① to ⓝ in order, and only those, and ends with "ⓝ終了"
// where n is the entry that leads back: a page added without its label
// would move "終了" onto a page.
TEST(SubmenuLines, EachLineNamesItsPagesAndEndsWithTheEntryThatLeadsBack) {
    for (const std::string& name : tour::ProgramNames()) {
        const tour::Program program = tour::ProgramNamed(name);
        const tour::PageTourResult tour = tour::RunPageTour(program, {});
        ASSERT_TRUE(tour.ended) << name << ": " << tour.fault;
        // Entries 1 to 6 are the lessons; entry 7 only shows the menu again.
        ASSERT_EQ(tour.exitEntries.size(), 7u) << name;
        EXPECT_EQ(tour.exitEntries.at(7), 0) << name;
        for (int lesson = 1; lesson <= 6; ++lesson) {
            SCOPED_TRACE(name + " lesson " + std::to_string(lesson));
            const int exit = tour.exitEntries.at(lesson);
            const std::string line = SubmenuLine(program, lesson);
            ASSERT_GT(exit, 1);
            int circled = 0;
            for (const std::string& c : basic::Chars(line)) circled += c >= Circled(1) && c <= Circled(20);
            EXPECT_EQ(circled, exit) << line;
            size_t from = 0;
            for (int entry = 1; entry <= exit; ++entry) {
                from = line.find(Circled(entry), from);
                ASSERT_NE(from, std::string::npos) << line << " has no " << Circled(entry);
            }
            const std::string end = Circled(exit) + "終了";
            EXPECT_EQ(line.substr(line.size() - std::min(line.size(), end.size())), end) << line;
        }
    }
}

TEST(SubmenuLines, ANumberOpensTheEntryOfItsWholePartOrAsksAgain) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    struct Case {
        float typed;
        int entry;
    };
    for (const Case& c : {Case{1, 1}, Case{2.5f, 2}, Case{2.9f, 2}, Case{5, 5}, Case{0.5f, 0}, Case{5.5f, 0},
                          Case{-1, 0}, Case{0, 0}, Case{nan, 0}, Case{inf, 0}, Case{-inf, 0}})
        EXPECT_EQ(lessons::SubmenuEntry(c.typed, 5), c.entry) << c.typed;
}

}  // namespace
