// Where a digit that a text routine draws by itself stands in its number,
// for the platform, whose face may set the digits of one number close.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace runtime {

// The place of `characters[at]` in its number, the run of digits 0 to 9
// around it. Any other character, a lone digit among them, is the one digit
// of a number of one.
platform::NumberPlace PlaceInNumber(const std::vector<std::string>& characters, size_t at);

}  // namespace runtime
