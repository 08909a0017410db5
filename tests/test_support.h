// Shared set-up of the tests: a runtime on the headless platform, and
// helpers to read what reached the screen.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/basic.h"
#include "platform/headless_platform.h"
#include "runtime/runtime.h"

namespace testing_support {

// Built with AddressSanitizer (tools/run-tests --sanitize), which runs
// about eight times slower: the long runs take fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderSanitizers = true;
#else
inline constexpr bool kUnderSanitizers = false;
#endif

using platform::DrawCall;
using platform::DrawKind;

// A started runtime (arrays allocated, font and pen set) with an empty
// record.
class RuntimeTest : public ::testing::Test {
protected:
    RuntimeTest();
    platform::HeadlessPlatform pf;
    runtime::Runtime rt;

    // The drawing calls of one kind since the last ClearRecord.
    std::vector<DrawCall> CallsOf(DrawKind kind) const;
    // The texts drawn, in order, joined.
    std::string DrawnText() const;
    // The log lines that start with `prefix`.
    std::vector<std::string> LogLines(const std::string& prefix) const;
};

struct RunResult {
    std::vector<std::string> log;
    bool ended = false;      // menu entry 8
    bool errorShown = false; // the error screen
    int keysGiven = 0;       // the keys of the script
    int keysTaken = 0;       // the keys the program read
};

// Runs "kanovel" or "tirosam" headless on typed keys until entry 8 or the
// script runs out.
RunResult RunProgram(const std::string& program, const std::string& keys, const std::string& time = "10:20:30");

// The runtime error code a call ends with, 0 when it returns normally.
inline int FailureCode(const std::function<void()>& call) {
    try {
        call();
    } catch (const basic::RuntimeError& error) {
        return error.code;
    }
    return 0;
}

}  // namespace testing_support
