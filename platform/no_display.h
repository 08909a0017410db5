// Why no window could be opened: the displays the environment names, whether
// the X display answers, and what the process lacks to start the video
// library on it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace platform {

// There is no display to open a window on, or the video library cannot start
// on the one there is; the message names the displays the environment gave,
// what is known of why, and the reason the video library gave.
struct NoDisplay : ShowFailure {
    using ShowFailure::ShowFailure;
};

// The video drivers that show a window, in the order they are tried.
const char* VisibleDrivers();

// Why the video library could not start, said right after it failed.
std::string NoDisplayReason();

}  // namespace platform
