// The random elimination example pages, driven through the menus.
#include <algorithm>

#include "tests/page_checks.h"

namespace {

using namespace page_checks;
using testing_support::RunProgram;

TEST(EliminationExamples, Example1ShowsExamplesUntilOneThenItsSummary) {
    const std::string keys = "2\r3\r" + Spaces(kSolverWaits) + "7\r" + Spaces(kSolverWaits) + "\r" +
                             Spaces(kSolverWaits) + "2/2\r" + Spaces(2) + "5\r8\r";
    auto run = RunProgram("kanovel", keys);
    EXPECT_TRUE(run.ended);
    EXPECT_FALSE(run.errorShown);
    EXPECT_EQ(Count(run.log, "text 560 30 2 3 3 \"ゴシック\" 16 1 0 \"例\""), 3);
    EXPECT_EQ(Count(run.log, "text 40 30 2 3 3 \"ゴシック\" 16 1 0 \"連\""), 3);
    EXPECT_EQ(Count(run.log, kNextStep), 3);
    EXPECT_EQ(Count(run.log, kKeyWait), 3 * kSolverWaits + 2);
    EXPECT_EQ(Count(run.log, "box 0 0 1320 1300 15 15"), 3);
    EXPECT_EQ(Count(run.log, "box 0 0 1600 1800 15 15"), 1);
    EXPECT_EQ(Count(run.log, "text 40 210 2 3 5 \"ゴシック\" 16 1 0 \"加\""), 1);
    EXPECT_EQ(Count(run.log, "text 40 360 3 3 3 \"ゴシック\" 16 1 0 \"1\""), 1);
    EXPECT_EQ(Count(run.log, "text 44 610 2 3 7 \"ゴシック\" 16 1 0 \"教\""), 1);
    // The summary comes only after the key that follows the 1.
    auto summary = std::find(run.log.begin(), run.log.end(), "text 40 210 2 3 5 \"ゴシック\" 16 1 0 \"加\"");
    EXPECT_EQ(*(summary - 2), "key \" \"");
}

TEST(EliminationExamples, Example2ClosesWithoutWaits) {
    const std::string keys = "3\r2\r" + Spaces(kSolverWaits) + "0\r" + Spaces(kSolverWaits) + "1\r8\r8\r";
    auto run = RunProgram("kanovel", keys);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, kKeyWait), 2 * kSolverWaits);
    EXPECT_EQ(Count(run.log, "text 560 30 2 3 3 \"ゴシック\" 16 1 0 \"例\""), 2);
    EXPECT_EQ(Count(run.log, "text 40 210 2 3 5 \"ゴシック\" 16 1 0 \"加\""), 1);
    EXPECT_EQ(Count(run.log, "text 40 610 2 3 3 \"ゴシック\" 16 1 0 \"教\""), 1);
}

TEST(EliminationExamples, Example3HasItsOwnColumnAndOneWaitBeforeTheClose) {
    const std::string keys = "3\r5\r" + Spaces(kSolverWaits) + "1.0\r" + Spaces(1) + "8\r8\r";
    auto run = RunProgram("kanovel", keys);
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(Count(run.log, kKeyWait), kSolverWaits + 1);
    EXPECT_EQ(Count(run.log, "text 40 30 2 3 7 \"ゴシック\" 16 1 0 \"連\""), 1);
    EXPECT_EQ(Count(run.log, "text 480 30 2 3 3 \"ゴシック\" 16 1 0 \"例\""), 1);
    EXPECT_EQ(Count(run.log, "text 44 610 2 3 3 \"ゴシック\" 16 1 0 \"教\""), 1);
    EXPECT_EQ(Count(run.log, "text 40 210"), 0);  // no summary
}

TEST(EliminationExamples, EveryExampleOfEverySeedIsSolved) {
    // Many examples from several clocks: every answer line is drawn and
    // nothing reaches the error screen.
    for (const char* time : {"00:00:00", "10:20:30", "23:59:59", "07:07:07"}) {
        for (const char* page : {"2\r3\r", "3\r2\r", "3\r5\r"}) {
            std::string keys = page;
            for (int i = 0; i < 12; ++i) keys += Spaces(kSolverWaits) + "2\r";
            auto run = RunProgram("kanovel", keys, time);
            EXPECT_FALSE(run.errorShown) << time << " " << page;
            int answers = 0;
            for (const auto& line : run.log)
                if (line.find(" 5 \"ゴシック\" 16 1 0 \"答\"") != std::string::npos) ++answers;
            EXPECT_EQ(answers, 12) << time << " " << page;
        }
    }
}

}  // namespace
