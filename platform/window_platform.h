// The real backend: one SDL2 window showing the canvas, the keyboard, the
// close button.
#pragma once

#include <deque>
#include <string>

#include "platform/canvas_platform.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace platform {

// There is no display to open a window on; the message names the displays
// the environment gave.
struct NoDisplay : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class WindowPlatform : public CanvasPlatform {
public:
    // Opens the window at the display's usable size, titled `title`.
    // Throws NoDisplay or MissingFont.
    explicit WindowPlatform(const std::string& title);
    ~WindowPlatform() override;

    std::string Inkey() override;
    [[noreturn]] void IdleUntilClosed() override;
    std::string Time() override;
    void End() override {}
    void MaximizeWindow() override;

protected:
    void Emit(const DrawCall& call) override;

private:
    // Handles one event; throws WindowClosed on a close request.
    void Handle(const SDL_Event& event);
    void Pump(int waitMs);
    // Shows what was drawn since the last present (only that area).
    void Present();
    // A canvas of the window's size, with the display list drawn again.
    void Resize();
    void QueueText(const std::string& utf8);

    SDL_Window* window_ = nullptr;
    SDL_Surface* canvasPixels_ = nullptr;  // the canvas's pixels, seen by SDL
    std::deque<std::string> keys_;
    std::string swallowText_;  // text input already delivered by its key press
    bool dirty_ = true;
};

}  // namespace platform
