// The real backend: one SDL2 window showing the canvas, the keyboard, the
// close button.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "platform/canvas_platform.h"
#include "platform/no_display.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace platform {

class WindowPlatform : public CanvasPlatform {
public:
    // Opens the window at the display's usable size (at most the largest
    // canvas), titled `title`, and shows a first picture in it. Throws
    // NoDisplay, FontFailure or WindowFailure (what could not be made, how
    // large, and why: "cannot make a 1920x1080 canvas: out of memory").
    // When the connection to the display is lost later, `connectionLost`
    // is told why, and the process then ends with status 1 (the display's
    // library allows nothing else).
    WindowPlatform(const std::string& title, std::function<void(const std::string& why)> connectionLost);
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
    // Shows what was drawn since the last present (only that area; the
    // whole canvas, scaled to fit, while it is not of the window's size).
    void Present();
    // A canvas of the window's size, with the display list drawn again.
    // When it cannot be made, the canvas there is stays and is shown scaled.
    void Resize();
    struct Size {
        int w = 0, h = 0;
        bool operator==(const Size&) const = default;
    };
    // The window's own surface, the window first held within the largest
    // canvas. When none can be made at the window's size after a picture
    // has been shown, the window is set back to the last size whose surface
    // was made (reported once) and the whole page shown there; when not
    // even that can be made, or no picture was ever shown, throws
    // WindowFailure: a window that shows an old picture in a corner while
    // keys move the lesson on unseen would be a lesson run blind.
    SDL_Surface* WindowSurface();
    // Asks for the window at most the largest canvas in each direction, by
    // the size the window has now (under X, as the server has it at that
    // moment), and lets SDL's record of the size catch up.
    void HoldWithinLargestCanvas();
    // SDL's record of the window's size is beyond the largest canvas.
    bool RecordOversize();
    void QueueText(const std::string& utf8);
    // Something the window needs could not be made or done (`what` says
    // which, and why). Before any picture has reached the window that ends
    // the program (WindowFailure); after one, it is reported on standard
    // error, with what the pupil sees `meanwhile`, the first time that kind
    // of failure happens (`kind`), and the program goes on (the next present
    // or resize tries again).
    void Failure(const std::string& kind, const std::string& what, const char* meanwhile);

    std::string title_;
    VideoSession video_;
    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    std::unique_ptr<SDL_Surface, SurfaceDeleter> canvasPixels_;  // the canvas's pixels, seen by SDL
    std::set<std::string> reportedFailures_;  // their kinds
    Size refusedCanvas_;                      // a canvas size that could not be made; another is tried
    bool pictureShown_ = false;               // a picture has reached the window
    Size surfaceMade_;                        // the last window size (in units) whose surface was made
    // The X server reported a size beyond the largest canvas: a hold is
    // due, if the window is still that large.
    bool holdAsked_ = false;
    std::deque<std::string> keys_;
    std::string swallowText_;  // text input already delivered by its key press
    bool dirty_ = true;
};

}  // namespace platform
