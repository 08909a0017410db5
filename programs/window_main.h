// What both programs' main() do: open the window, run, report start-up
// problems plainly; the exit status is 1 after a start-up problem or the
// error screen.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"

// With the argument the desktop's menu entries pass (FAILURE_DIALOG_ARGUMENT,
// set by the build), a failure to show the lesson is also shown in a
// dialog: nobody reads the standard error of a program started from a menu.
// Runs from a terminal, a script or a test do not pass it and are never
// held up.
int RunInWindow(const std::string& title, const std::function<void(platform::Platform&)>& run, int argc, char** argv);
