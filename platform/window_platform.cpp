#include "platform/window_platform.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/basic.h"

namespace platform {

namespace {

// How long a poll that finds no key sleeps on the event queue. A key or
// any other event ends the sleep at once, so keys are answered at once;
// the number field's cursor disc, drawn and erased around every poll,
// blinks at this rate.
constexpr int kPollWaitMs = 250;

// What a pupil sees after a passing failure to show the page.
constexpr const char* kOlderPicture = "the window may show an older picture";

std::string Code(int c) { return std::string(1, static_cast<char>(c)); }

// Our window as the X server knows it, and whether a request about it was
// refused because it no longer exists. The error handler has no other way
// to reach the platform.
XID ourXWindow = 0;
bool ourXWindowGone = false;

// How many refused requests about other windows are reported before the
// rest are ignored silently.
constexpr int kReportedXErrors = 10;

// A request that names a window gone meanwhile (another program's, say) is
// answered with a protocol error; the default answer to that is to end the
// program, which a pupil must never see. A refusal that names our own
// window says another program destroyed it: the program then ends as at
// a close, without a word.
int NoteXError(Display*, XErrorEvent* error) {
    if (ourXWindow != 0 && error->resourceid == ourXWindow &&
        (error->error_code == BadWindow || error->error_code == BadDrawable)) {
        ourXWindowGone = true;
        return 0;
    }
    static int reported = 0;
    if (reported < kReportedXErrors) {
        std::fprintf(stderr, "X protocol error %d (request %d) ignored%s\n", error->error_code,
                     error->request_code, ++reported == kReportedXErrors ? "; further ones are not reported" : "");
    }
    return 0;
}

// What the program says when its connection to the X display is lost
// (see WindowPlatform's constructor); empty until a window is made.
std::function<void(const std::string&)> sayConnectionLost;

// The X display has closed our connection, or memory ran short for what it
// sent. Xlib ends the process as soon as this returns, and no exception can
// pass through it: the program says why here and ends with a failure,
// rather than Xlib's own lines.
int ConnectionLost(Display* x) {
    const int error = errno;
    static bool saying = false;
    if (!saying) {  // saying it (in a dialog) could lose a connection again
        saying = true;
        const std::string why = "the connection to the display \"" + std::string(DisplayString(x)) +
                                "\" is lost: " + (error == ENOMEM ? "memory is short" : "the display closed it");
        if (sayConnectionLost) sayConnectionLost(why);
    }
    std::fflush(nullptr);
    std::_Exit(1);
}

// The X window behind an SDL window; 0 with another video driver.
XID XWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
}

// Full-width digits and signs typed through an input method count as their
// half-width keys.
std::string HalfWidthKey(const std::string& ch) {
    static const char* const kFull[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "－", "．", "／", "　"};
    static const char kHalf[] = "0123456789-./ ";
    for (size_t i = 0; i < sizeof kFull / sizeof kFull[0]; ++i)
        if (ch == kFull[i]) return Code(kHalf[i]);
    return ch;
}

// The key a keypad key stands for, whatever the state of Num Lock.
char KeypadKey(SDL_Scancode code) {
    switch (code) {
        case SDL_SCANCODE_KP_0: return '0';
        case SDL_SCANCODE_KP_1: return '1';
        case SDL_SCANCODE_KP_2: return '2';
        case SDL_SCANCODE_KP_3: return '3';
        case SDL_SCANCODE_KP_4: return '4';
        case SDL_SCANCODE_KP_5: return '5';
        case SDL_SCANCODE_KP_6: return '6';
        case SDL_SCANCODE_KP_7: return '7';
        case SDL_SCANCODE_KP_8: return '8';
        case SDL_SCANCODE_KP_9: return '9';
        case SDL_SCANCODE_KP_PERIOD: return '.';
        case SDL_SCANCODE_KP_MINUS: return '-';
        case SDL_SCANCODE_KP_DIVIDE: return '/';
        case SDL_SCANCODE_KP_PLUS: return '+';
        case SDL_SCANCODE_KP_MULTIPLY: return '*';
        default: return 0;
    }
}

bool IsModifier(SDL_Keycode key) {
    switch (key) {
        case SDLK_LSHIFT: case SDLK_RSHIFT: case SDLK_LCTRL: case SDLK_RCTRL: case SDLK_LALT:
        case SDLK_RALT: case SDLK_LGUI: case SDLK_RGUI: case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR:
        case SDLK_SCROLLLOCK: case SDLK_MODE: case SDLK_APPLICATION:
            return true;
        default:
            return false;
    }
}

// How long a window manager that places the window is given to carry out
// a hold, and how often SDL's record of the size is read meanwhile.
constexpr int kHoldAnswerMs = 100;
constexpr int kHoldAnswerStepMs = 10;

bool Oversize(int width, int height) { return width > kLargestCanvasWidth || height > kLargestCanvasHeight; }

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

// The window units that show `largest` pixels, where `units` window units
// show `pixels` pixels (the two differ on a display that scales windows).
int UnitsShowing(int largest, int units, int pixels) {
    if (units <= 0 || pixels <= 0) return largest;
    return std::max(1, static_cast<int>(static_cast<long long>(largest) * units / pixels));
}

}  // namespace

WindowPlatform::VideoSession::~VideoSession() {
    if (started) SDL_Quit();
}

void WindowPlatform::WindowDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }

void WindowPlatform::SurfaceDeleter::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }

WindowPlatform::WindowPlatform(const std::string& title, std::function<void(const std::string&)> connectionLost)
    : title_(title) {
    sayConnectionLost = std::move(connectionLost);
    // The canvas reaches the window by the system's own image transfer of
    // the changed area; an accelerated framebuffer would upload the whole
    // window at every blink of the cursor.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Without a display SDL would fall back to drivers that show nothing; a
    // pupil would face a program that runs where nobody can see it.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, VisibleDrivers());
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw NoDisplay(NoDisplayReason());
    video_.started = true;
    // A driver asked for by SDL_VIDEODRIVER may still be one of those.
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (driver != "x11" && driver != "wayland" && driver != "KMSDRM")
        throw NoDisplay("the video driver \"" + driver + "\" (SDL_VIDEODRIVER) shows no window");
    if (driver == "x11") {
        XSetErrorHandler(NoteXError);
        XSetIOErrorHandler(ConnectionLost);
        // The server tells every client that watches a window when it is
        // destroyed; SDL passes that on only as a raw system event, which
        // is off unless asked for.
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    }
    fonts_ = std::make_unique<FontBook>();
    SDL_Rect usable{0, 0, 1344, 756};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
    window_.reset(SDL_CreateWindow(title.c_str(), usable.x, usable.y, std::min(usable.w, kLargestCanvasWidth),
                                   std::min(usable.h, kLargestCanvasHeight),
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_ALLOW_HIGHDPI));
    if (!window_) throw NoDisplay(SDL_GetError());
    // A desktop that heeds the hint maximises the window to at most the
    // largest canvas; Pump and WindowSurface hold it there against any other
    // request.
    int units = 0, unitsDown = 0, pixels = 0, pixelsDown = 0;
    SDL_GetWindowSize(window_.get(), &units, &unitsDown);
    SDL_GetWindowSizeInPixels(window_.get(), &pixels, &pixelsDown);
    SDL_SetWindowMaximumSize(window_.get(), UnitsShowing(kLargestCanvasWidth, units, pixels),
                             UnitsShowing(kLargestCanvasHeight, unitsDown, pixelsDown));
    Resize();
    // The first picture, a blank page, reaches the window before the
    // program starts: a window that cannot show one ends it here.
    Present();
    SDL_StartTextInput();
}

// The surface goes before the canvas whose pixels it shows; the window and
// the video subsystem follow as the members go.
WindowPlatform::~WindowPlatform() { canvasPixels_.reset(); }

void WindowPlatform::Failure(const std::string& kind, const std::string& what, const char* meanwhile) {
    if (!pictureShown_) throw WindowFailure(what);
    if (!reportedFailures_.insert(kind).second) return;
    std::fprintf(stderr, "%s: %s; %s (reported once)\n", title_.c_str(), what.c_str(), meanwhile);
}

void WindowPlatform::MaximizeWindow() { SDL_MaximizeWindow(window_.get()); }

std::string WindowPlatform::Time() { return basic::ClockText(); }

void WindowPlatform::Emit(const DrawCall& call) {
    CanvasPlatform::Emit(call);
    dirty_ = true;
}

bool WindowPlatform::RecordOversize() {
    Size pixels;
    SDL_GetWindowSizeInPixels(window_.get(), &pixels.w, &pixels.h);
    return Oversize(pixels.w, pixels.h);
}

void WindowPlatform::HoldWithinLargestCanvas() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window_.get(), &info) && info.subsystem == SDL_SYSWM_X11) {
        ::Display* x = info.info.x11.display;  // the X type, not the display list
        const Window ours = info.info.x11.window;
        // The size is read and held while the server carries out no other
        // program's request: a hold worked out from a size that another
        // program has since overtaken (an ordinary size asked right after
        // an oversize one) would be carried out after it and undo the size
        // asked last.
        XGrabServer(x);
        XWindowAttributes now{};
        if (XGetWindowAttributes(x, ours, &now) && Oversize(now.width, now.height))
            XResizeWindow(x, ours, static_cast<unsigned>(std::min(now.width, kLargestCanvasWidth)),
                          static_cast<unsigned>(std::min(now.height, kLargestCanvasHeight)));
        XUngrabServer(x);
        // Every size the server has given the window so far, the hold's own
        // where no window manager stands between, is read before anything
        // is made at SDL's record of the size.
        XSync(x, False);
    } else {
        // Where no other program can size the window, SDL's record is its
        // size; a window `units` large shows `pixels`.
        Size units, pixels;
        SDL_GetWindowSize(window_.get(), &units.w, &units.h);
        SDL_GetWindowSizeInPixels(window_.get(), &pixels.w, &pixels.h);
        if (Oversize(pixels.w, pixels.h))
            SDL_SetWindowSize(
                window_.get(),
                pixels.w > kLargestCanvasWidth ? UnitsShowing(kLargestCanvasWidth, units.w, pixels.w) : units.w,
                pixels.h > kLargestCanvasHeight ? UnitsShowing(kLargestCanvasHeight, units.h, pixels.h) : units.h);
    }
    // A window manager that places the window answers a hold in a moment.
    for (int waited = 0;; waited += kHoldAnswerStepMs) {
        SDL_PumpEvents();
        if (!RecordOversize() || waited >= kHoldAnswerMs) break;
        SDL_Delay(kHoldAnswerStepMs);
    }
}

SDL_Surface* WindowPlatform::WindowSurface() {
    // SDL makes the surface at the size it last heard of: held first.
    if (RecordOversize()) HoldWithinLargestCanvas();
    Size units, pixels;
    SDL_GetWindowSize(window_.get(), &units.w, &units.h);
    SDL_GetWindowSizeInPixels(window_.get(), &pixels.w, &pixels.h);
    if (SDL_Surface* surface = SDL_GetWindowSurface(window_.get())) {
        surfaceMade_ = units;
        return surface;
    }
    const std::string failed =
        "cannot make the window's " + SizeText(pixels.w, pixels.h) + " surface: " + SDL_GetError();
    if (!pictureShown_ || surfaceMade_.w == 0) throw WindowFailure(failed);
    // Back to the last size that was shown, as the hold does for a window
    // that is too large; the surface of the failed size has gone already.
    const Size back = surfaceMade_;
    SDL_SetWindowSize(window_.get(), back.w, back.h);
    SDL_Surface* surface = SDL_GetWindowSurface(window_.get());
    if (!surface)
        throw WindowFailure(failed + "; nor at " + SizeText(back.w, back.h) + ", the size it had: " + SDL_GetError());
    const std::string shown = "the window is set back to " + SizeText(back.w, back.h);
    Failure("surface", failed, shown.c_str());
    if (canvas_) canvas_->MarkAllDirty();
    dirty_ = true;
    return surface;
}

void WindowPlatform::Resize() {
    SDL_Surface* window = WindowSurface();
    // The canvas is bounded also where the window could not be held.
    const Size size{std::min(window->w, kLargestCanvasWidth), std::min(window->h, kLargestCanvasHeight)};
    if (canvas_ && canvasPixels_ && size == Size{canvas_->Width(), canvas_->Height()}) return;
    if (canvas_ && size == refusedCanvas_) return;
    // The new canvas and SDL's view of its pixels are made before the old
    // ones go: when memory is short, the page there is stays, scaled.
    std::unique_ptr<Canvas> canvas;
    std::unique_ptr<SDL_Surface, SurfaceDeleter> pixels;
    std::string failure;
    try {
        canvas = std::make_unique<Canvas>(*fonts_, size.w, size.h);
        // The display list holds everything drawn so far, also what was
        // drawn while there was no canvas yet.
        canvas->Replay(display_.Calls());
        cairo_surface_t* surface = canvas->Surface();
        pixels.reset(SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(surface), size.w, size.h, 32,
                                                        cairo_image_surface_get_stride(surface),
                                                        SDL_PIXELFORMAT_RGB888));
        if (!pixels) failure = "cannot hand a " + SizeText(size.w, size.h) + " canvas to the window: " + SDL_GetError();
    } catch (const ShowFailure& refused) {
        // The canvas, or the page drawn again on it (a face at the new
        // scale), could not be made.
        failure = refused.what();
    }
    if (!failure.empty()) {
        refusedCanvas_ = size;
        if (canvas_) {
            canvas_->MarkAllDirty();
            dirty_ = true;
        }
        return Failure("canvas", failure, "the page is shown scaled");
    }
    refusedCanvas_ = {};
    canvasPixels_ = std::move(pixels);  // the old view goes before the pixels it shows
    canvas_ = std::move(canvas);
    canvas_->MarkAllDirty();
    dirty_ = true;
}

void WindowPlatform::Present() {
    dirty_ = false;
    SDL_Surface* window = WindowSurface();
    if (!canvasPixels_ || window->w != canvas_->Width() || window->h != canvas_->Height()) {
        Resize();
        window = WindowSurface();
        dirty_ = false;
        if (!canvasPixels_) return;
    }
    Canvas::Area area = canvas_->TakeDirty();
    if (area.w == 0) return;
    canvas_->Flush();
    SDL_Rect rect{area.x, area.y, area.w, area.h};
    int copied = 0;
    if (window->w == canvas_->Width() && window->h == canvas_->Height()) {
        copied = SDL_BlitSurface(canvasPixels_.get(), &rect, window, &rect);
    } else {
        // A canvas of another size (one of the window's could not be made):
        // the whole of it, scaled uniformly to fit and centred.
        const double scale = std::min(static_cast<double>(window->w) / canvas_->Width(),
                                      static_cast<double>(window->h) / canvas_->Height());
        const int w = std::max(1, static_cast<int>(canvas_->Width() * scale));
        const int h = std::max(1, static_cast<int>(canvas_->Height() * scale));
        SDL_Rect fitted{(window->w - w) / 2, (window->h - h) / 2, w, h};
        const Rgb& paper = PaletteColour(15);
        SDL_FillRect(window, nullptr,
                     SDL_MapRGB(window->format, static_cast<Uint8>(paper.r * 255), static_cast<Uint8>(paper.g * 255),
                                static_cast<Uint8>(paper.b * 255)));
        copied = SDL_BlitScaled(canvasPixels_.get(), nullptr, window, &fitted);
        rect = {0, 0, window->w, window->h};
    }
    if (copied != 0)
        return Failure("blit", std::string("cannot copy the canvas to the window: ") + SDL_GetError(), kOlderPicture);
    if (SDL_UpdateWindowSurfaceRects(window_.get(), &rect, 1) != 0)
        return Failure("update", std::string("cannot update the window: ") + SDL_GetError(), kOlderPicture);
    pictureShown_ = true;
}

void WindowPlatform::QueueText(const std::string& utf8) {
    for (const std::string& key : basic::Chars(utf8)) keys_.push_back(HalfWidthKey(key));
}

void WindowPlatform::Handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            throw WindowClosed();
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) throw WindowClosed();
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED || event.window.event == SDL_WINDOWEVENT_RESIZED)
                Resize();
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED && canvas_) {
                canvas_->MarkAllDirty();
                dirty_ = true;
            }
            break;
        case SDL_SYSWMEVENT: {
            const SDL_SysWMmsg* message = event.syswm.msg;
            if (!message || message->subsystem != SDL_SYSWM_X11) break;
            const XEvent& x = message->msg.x11.event;
            // Another program destroyed the window (a close without asking):
            // nothing can be shown any more, so the program ends as at a close.
            if (x.type == DestroyNotify && x.xdestroywindow.window == ourXWindow) throw WindowClosed();
            // The server gave the window an oversize size, also where SDL's
            // own record of it falls behind requests that cross (another
            // program resizing the window while it is being held). Whether
            // it still is that size the hold asks the server itself.
            if (x.type == ConfigureNotify && x.xconfigure.window == ourXWindow &&
                Oversize(x.xconfigure.width, x.xconfigure.height))
                holdAsked_ = true;
            break;
        }
        case SDL_TEXTINPUT: {
            std::string text = event.text.text;
            if (!swallowText_.empty() && text == swallowText_) {
                swallowText_.clear();
                break;
            }
            QueueText(text);
            break;
        }
        case SDL_KEYDOWN: {
            swallowText_.clear();
            SDL_Keycode key = event.key.keysym.sym;
            Uint16 mod = event.key.keysym.mod;
            if (char pad = KeypadKey(event.key.keysym.scancode)) {
                // With Num Lock on, the same press also arrives as text.
                keys_.push_back(Code(pad));
                swallowText_ = Code(pad);
            } else if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_RETURN2) {
                keys_.push_back("\r");
            } else if (key == SDLK_BACKSPACE) {
                keys_.push_back("\b");
            } else if (key == SDLK_DELETE) {
                keys_.push_back("\f");  // the key that clears the number field
            } else if ((mod & KMOD_CTRL) && key >= SDLK_a && key <= SDLK_z) {
                keys_.push_back(Code(key & 0x1F));
            } else if (key >= 32 && key < 127 && !(mod & (KMOD_CTRL | KMOD_ALT))) {
                // printable: its text input event carries the character
            } else if (key == SDLK_TAB) {
                keys_.push_back("\t");
            } else if (key == SDLK_RIGHT || key == SDLK_LEFT || key == SDLK_UP || key == SDLK_DOWN) {
                keys_.push_back(Code(key == SDLK_RIGHT ? 28 : key == SDLK_LEFT ? 29 : key == SDLK_UP ? 30 : 31));
            } else if (!IsModifier(key)) {
                keys_.push_back("\x1b");  // any other key still counts as a key press
            }
            break;
        }
        default:
            break;
    }
}

void WindowPlatform::Pump(int waitMs) {
    ourXWindow = XWindowOf(window_.get());
    SDL_Event event;
    if (waitMs > 0 && SDL_WaitEventTimeout(&event, waitMs)) Handle(event);
    while (SDL_PollEvent(&event)) Handle(event);
    if (ourXWindowGone) throw WindowClosed();
    if (holdAsked_) {
        holdAsked_ = false;
        HoldWithinLargestCanvas();
    }
}

std::string WindowPlatform::Inkey() {
    Pump(0);
    if (keys_.empty()) {
        if (dirty_) Present();
        Pump(kPollWaitMs);
    }
    if (dirty_) Present();
    if (keys_.empty()) return "";
    std::string key = keys_.front();
    keys_.pop_front();
    return key;
}

void WindowPlatform::IdleUntilClosed() {
    for (;;) {
        if (dirty_) Present();
        Pump(1000);
    }
}

}  // namespace platform
