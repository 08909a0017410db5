// Kanovel: simultaneous linear equations in six lessons.
#pragma once

#include "platform/platform.h"
#include "runtime/runtime.h"

namespace kanovel {

// The title, menu entries and array bound of Kanovel.
runtime::ProgramData ProgramData();

// Runs Kanovel on the platform until entry 8 of its menu (returns) or until
// the window is closed (platform::WindowClosed).
void Run(platform::Platform& platform);

}  // namespace kanovel
