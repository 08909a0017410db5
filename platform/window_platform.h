// The real backend: one SDL2 window showing the canvas, the keyboard, the
// close button.
#pragma once

#include <deque>
#include <memory>
#include <set>
#include <string>

#include "platform/canvas_platform.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace platform {

// There is no display to open a window on; the message names the displays
// the environment gave, and the reason the video library gave.
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
    // Owners of the SDL handles: the video subsystem, the window, and the
    // surface that shows the canvas's pixels. Declared in this order, they
    // go in the reverse one.
    struct VideoSession {
        VideoSession() = default;
        VideoSession(const VideoSession&) = delete;
        VideoSession& operator=(const VideoSession&) = delete;
        ~VideoSession();
        bool started = false;
    };
    struct WindowDeleter {
        void operator()(SDL_Window* window) const;
    };
    struct SurfaceDeleter {
        void operator()(SDL_Surface* surface) const;
    };

    // Handles one event; throws WindowClosed on a close request.
    void Handle(const SDL_Event& event);
    void Pump(int waitMs);
    // Shows what was drawn since the last present (only that area).
    void Present();
    // A canvas of the window's size, with the display list drawn again.
    void Resize();
    void QueueText(const std::string& utf8);
    // A failed SDL call, reported on standard error the first time that
    // call fails; the program goes on (the next present or resize tries
    // again).
    void ReportFailure(const char* call);

    std::string title_;
    VideoSession video_;
    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    std::unique_ptr<SDL_Surface, SurfaceDeleter> canvasPixels_;  // the canvas's pixels, seen by SDL
    std::set<std::string> failedCalls_;
    std::deque<std::string> keys_;
    std::string swallowText_;  // text input already delivered by its key press
    bool dirty_ = true;
};

}  // namespace platform
