// Helpers of the command-line tools.
#pragma once

#include <string>

namespace tools {

// "\r", "\b", "\f" and "\\" as typed on a command line become Enter,
// Backspace, the clearing key and a backslash, and "\xNN" the key of code
// NN (hexadecimal: Tab, Escape, the arrows); everything else stays.
std::string UnescapeKeys(const std::string& typed);
// The keys as UnescapeKeys reads them back.
std::string EscapeKeys(const std::string& keys);

}  // namespace tools
