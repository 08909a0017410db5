#include "platform/failure_dialog.h"

#include <SDL.h>

namespace platform {

void ShowFailureDialog(const std::string& title, const std::string& line) {
    // The video library shows a message box also without a window of ours
    // or its video subsystem (both may be what failed).
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), line.c_str(), nullptr);
}

}  // namespace platform
