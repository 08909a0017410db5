// Helpers of the solver tests: a system handed to the solver as a lesson
// page hands it, and the page it should produce written as a script of
// texts, waits, a brace and a rule, drawn on a second runtime so that the
// drawing calls can be compared one by one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "lessons/kanovel/kanovel.h"
#include "platform/headless_platform.h"
#include "runtime/runtime.h"
#include "solver/elimination_solver.h"
#include "tests/test_support.h"

namespace solver_testing {

using solver::System;

// Sets the system and the page position of a caller that has drawn its
// label and copied the pen into the cursor.
inline void HandOver(runtime::Runtime& rt, const System& s, float labelEndX, float rowY, float columnX) {
    rt.solverCoef(1) = s.a1, rt.solverCoef(2) = s.b1, rt.solverConst(1) = s.c1;
    rt.solverCoef(3) = s.a2, rt.solverCoef(4) = s.b2, rt.solverConst(2) = s.c2;
    rt.penX = rt.cursorX = labelEndX;
    rt.penY = rt.cursorY = rowY;
    rt.columnX = columnX;
}

inline std::vector<std::string> Lines(const std::vector<platform::DrawCall>& calls) {
    std::vector<std::string> out;
    for (const auto& call : calls) out.push_back(platform::FormatCall(call));
    return out;
}

// The expected page, drawn by the runtime's own text, brace, line and
// key-wait routines at the places the script names.
class PageScript {
public:
    PageScript() : rt_(pf_, kanovel::ProgramData()) {
        rt_.StartProgram();
        pf_.ClearRecord();
    }
    // A text from (x, y).
    PageScript& Text(float colour, float x, float y, const std::string& text) {
        rt_.penX = x;
        rt_.penY = y;
        return Draw(colour, text);
    }
    // A text from where the last one ended, dx further right.
    PageScript& Then(float colour, const std::string& text, float dx = 0) {
        rt_.penX = endX_ + dx;
        rt_.penY = endY_;
        return Draw(colour, text);
    }
    // A sign-change mark for the term that starts in the glyph cell at x of
    // the row 25 below y.
    PageScript& Mark(float colour, float x, float y, const std::string& sign, const std::string& term) {
        rt_.textColour = colour;
        rt_.penX = x;
        rt_.penY = y;
        rt_.textArg = sign;
        rt_.strArg = term;
        rt_.DrawSignMark();
        return *this;
    }
    // A sign row from (x, y) over the lower row `lower` of a column sum
    // whose rows start at resultX.
    PageScript& SignRow(float colour, float x, float y, const std::string& marks, const std::string& lower,
                        float resultX) {
        rt_.textColour = colour;
        rt_.penX = x;
        rt_.penY = y;
        rt_.textArg = marks;
        rt_.lowerRow = lower;
        rt_.resultX = resultX;
        rt_.DrawSignRow();
        return *this;
    }
    PageScript& Wait() {
        pf_.PushKey(" ");
        rt_.WaitAnyKey();
        return *this;
    }
    PageScript& Brace(float x, float y, float height = 100) {
        rt_.penX = x;
        rt_.penY = y;
        rt_.boxWidth = height;
        rt_.textColour = 0;
        rt_.DrawLeftBrace();
        return *this;
    }
    PageScript& Rule(float x1, float y, float x2) {
        const float width = rt_.GetDrawWidth();
        rt_.SetDrawWidth(3);
        rt_.Line(x1, y, x2, y, 0);
        rt_.SetDrawWidth(width);
        return *this;
    }
    std::vector<std::string> Lines() const { return solver_testing::Lines(pf_.Calls()); }
    // Where the last text ended.
    float EndX() const { return endX_; }

private:
    PageScript& Draw(float colour, const std::string& text) {
        rt_.textColour = colour;
        rt_.textArg = text;
        rt_.DrawMarkupText();
        endX_ = rt_.penX;
        endY_ = rt_.penY;
        return *this;
    }
    platform::HeadlessPlatform pf_{platform::HeadlessOptions{}};
    runtime::Runtime rt_;
    float endX_ = 0, endY_ = 0;
};

// Where `part` starts in `whole` as one unbroken run of calls at or after
// index `from`; -1 when it does not. An empty `part` is a fault of the
// check (it would be found anywhere): it fails the test.
inline long FindRun(const std::vector<std::string>& whole, const std::vector<std::string>& part, long from = 0) {
    if (part.empty()) {
        ADD_FAILURE() << "an empty run of calls was looked for";
        return -1;
    }
    for (size_t i = static_cast<size_t>(std::max(from, 0L)); i + part.size() <= whole.size(); ++i)
        if (std::equal(part.begin(), part.end(), whole.begin() + static_cast<std::ptrdiff_t>(i)))
            return static_cast<long>(i);
    return -1;
}

// Whether `part` stands in `whole` as one unbroken run of calls; an empty
// `part` fails the test.
inline bool ContainsRun(const std::vector<std::string>& whole, const std::vector<std::string>& part) {
    return FindRun(whole, part) >= 0;
}

// A runtime on the headless platform with a solver on it.
class SolverTest : public testing_support::RuntimeTest {
protected:
    solver::EliminationSolver solver{rt};

    // Solves without waits, after the caller's set-up.
    void Solve(const System& s, float labelEndX = 182, float rowY = 30, float columnX = 40) {
        HandOver(rt, s, labelEndX, rowY, columnX);
        solver.SolveByElimination();
    }
    std::vector<std::string> Drawn() const { return Lines(pf.Calls()); }
};

}  // namespace solver_testing
