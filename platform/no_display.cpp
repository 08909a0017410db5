#include "platform/no_display.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

namespace {

// What the video library holds at once while it starts on an X display: two
// connections to it, and for a moment a third file while it reads the
// display's authorisation; a little over a megabyte of address space for
// its libraries, more for a moment while it loads them. With less than this
// left, that is what it lacked.
constexpr int kStartFiles = 3;
constexpr size_t kStartAddressSpace = size_t{4} << 20;

// The value of an environment variable; empty when it is not set.
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A soft limit of the process, or "" when there is none.
std::string LimitText(int resource, rlim_t unit, const char* unitName) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return "";
    return std::to_string(limit.rlim_cur / unit) + unitName;
}

// The reason a file or a mapping could not be had, when it is one of the
// process's resources running out; "" for any other.
std::string ShortOf(int error) {
    if (error == EMFILE) {
        const std::string limit = LimitText(RLIMIT_NOFILE, 1, "");
        return "too many open files" + (limit.empty() ? "" : " (ulimit -n is " + limit + ")");
    }
    if (error == ENFILE) return "the system has too many open files";
    if (error == ENOMEM) {
        const std::string limit = LimitText(RLIMIT_AS, 1024, " kB");
        return "memory is short" + (limit.empty() ? "" : " (the address space is limited to " + limit + ": ulimit -v)");
    }
    return "";
}

// What the process now lacks of what the video library needs to start: the
// files it opens and the address space it maps are taken for a moment and
// given back. "" when it lacks neither.
std::string ShortResource() {
    int files[kStartFiles];
    int opened = 0, error = 0;
    for (; opened < kStartFiles; ++opened) {
        files[opened] = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (files[opened] < 0) {
            error = errno;
            break;
        }
    }
    for (int i = 0; i < opened; ++i) close(files[i]);
    if (std::string lack = ShortOf(error); !lack.empty()) return lack;
    void* space = mmap(nullptr, kStartAddressSpace, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (space == MAP_FAILED) return ShortOf(errno);
    munmap(space, kStartAddressSpace);
    return "";
}

// Whether the X display answers a connection of ours.
bool Answers(const std::string& display) {
    Display* connection = XOpenDisplay(display.c_str());
    if (!connection) return false;
    XCloseDisplay(connection);
    return true;
}

}  // namespace

// The Wayland driver is tried only when a Wayland display is named: without
// one it looks for a default display and the library behind it complains
// about the environment, which would mislead an operator whose X display
// failed. SDL_VIDEODRIVER, when set, still decides.
const char* VisibleDrivers() { return Environment("WAYLAND_DISPLAY").empty() ? "x11,KMSDRM" : "x11,wayland,KMSDRM"; }

// An operator has to know which display failed, and whether it was the
// display at all: an X display that answers is not blamed for what the
// process lacked (too few files, too little memory) or for what the video
// library found there (a screen without an active output, a driver not
// there).
std::string NoDisplayReason() {
    const std::string said = SDL_GetError();
    const std::string x = Environment("DISPLAY"), wayland = Environment("WAYLAND_DISPLAY");
    const std::string forced = Environment("SDL_VIDEODRIVER");
    const std::string drivers = forced.empty() ? "" : " (SDL_VIDEODRIVER is \"" + forced + "\")";
    const std::string reason = said.empty() ? "" : "; SDL says: " + said;
    // A process short of files or memory could not even try the display
    // fairly; one that is not answers for it.
    const std::string named = !x.empty()         ? "\"" + x + "\" (DISPLAY)"
                              : !wayland.empty() ? "\"" + wayland + "\" (WAYLAND_DISPLAY)"
                                                 : "";
    if (const std::string lacking = ShortResource(); !lacking.empty() && !named.empty())
        return "the video library cannot start on the display " + named + ": " + lacking + drivers + reason;
    if (!x.empty() && Answers(x))
        return "the display \"" + x + "\" (DISPLAY) answers, but the video library cannot start on it" + drivers +
               reason;
    if (x.empty() && wayland.empty())
        return "DISPLAY and WAYLAND_DISPLAY are not set (is there a display?)" + drivers + reason;
    if (wayland.empty())
        return "the display \"" + x + "\" (DISPLAY) cannot be opened, and WAYLAND_DISPLAY is not set" + drivers +
               reason;
    if (x.empty())
        return "the display \"" + wayland + "\" (WAYLAND_DISPLAY) cannot be opened, and DISPLAY is not set" + drivers +
               reason;
    return "neither the display \"" + x + "\" (DISPLAY) nor \"" + wayland + "\" (WAYLAND_DISPLAY) can be opened" +
           drivers + reason;
}

}  // namespace platform
