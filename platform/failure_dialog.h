// A failure a teacher sees: the line the program writes on standard error
// when it cannot show its lesson, also shown in a small dialog.
#pragma once

#include <string>

namespace platform {

// Shows `line` in a dialog titled `title` and returns once it is dismissed;
// returns at once when no dialog can be shown (no display, no memory).
void ShowFailureDialog(const std::string& title, const std::string& line);

}  // namespace platform
