// Tirosam: word problems solved with simultaneous equations, in six lessons.
#pragma once

#include "platform/platform.h"
#include "runtime/runtime.h"

namespace tirosam {

// The title, menu entries and array bound of Tirosam.
runtime::ProgramData ProgramData();

// Runs Tirosam on the platform until entry 8 of its menu (returns) or until
// the window is closed (platform::WindowClosed).
void Run(platform::Platform& platform);

}  // namespace tirosam
