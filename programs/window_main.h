// What both programs' main() do: open the window, run, report start-up
// problems plainly; the exit status is 1 after a start-up problem or the
// error screen.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"

int RunInWindow(const std::string& title, const std::function<void(platform::Platform&)>& run);
