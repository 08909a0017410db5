// Helpers of the command-line tools.
#pragma once

#include <string>

namespace tools {

// "\r", "\b", "\f" and "\\" as typed on a command line become Enter,
// Backspace, the clearing key and a backslash; everything else stays.
std::string UnescapeKeys(const std::string& typed);

// The local time of day as "hh:mm:ss".
std::string ClockNow();

}  // namespace tools
