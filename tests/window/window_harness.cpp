#include "tests/window/window_harness.h"

// clang-format off
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
// clang-format on
#include <execinfo.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "runtime/layout_metrics.h"

namespace window_test {

namespace {

// A crash of the test itself says where it happened.
void PrintBacktrace(int sig) {
    void* frames[64];
    int n = backtrace(frames, 64);
    backtrace_symbols_fd(frames, n, 2);
    signal(sig, SIG_DFL);
    raise(sig);
}
const bool kBacktraceInstalled = (signal(SIGSEGV, PrintBacktrace), true);

// SDL may replace its first window while it sets up the renderer; a query
// of the old one is then no error of the program.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

void LimitOwnAddressSpace(long kb) {
    if (kb <= 0) return;
    rlimit limit{static_cast<rlim_t>(kb) * 1024, static_cast<rlim_t>(kb) * 1024};
    setrlimit(RLIMIT_AS, &limit);
}

// The exit status of a child that has ended, as a shell gives it.
int ExitStatus(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

RunningProgram::RunningProgram(const char* path, const char* errors, const char* argument) {
    XSetErrorHandler(IgnoreXErrors);
    display_ = XOpenDisplay(nullptr);
    started_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        if (errors) freopen(errors, "w", stderr);
        execl(path, path, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
}

RunningProgram::~RunningProgram() {
    if (pid_ > 0 && !exited_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (display_) XCloseDisplay(display_);
}

bool RunningProgram::FindWindow(const char* title, double seconds) {
    title_ = title;
    window_ = 0;
    auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        Window root = DefaultRootWindow(display_), parent, *children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, root, &root, &parent, &children, &count)) {
            // The name as it is stored, whatever its type: the video
            // library's message box stores its title as UTF-8.
            for (unsigned i = 0; i < count && !window_; ++i) {
                XTextProperty name{};
                if (XGetWMName(display_, children[i], &name) && name.value) {
                    if (std::string(reinterpret_cast<char*>(name.value), name.nitems) == title_) window_ = children[i];
                    XFree(name.value);
                }
            }
            if (children) XFree(children);
        }
        if (window_) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

XWindowAttributes RunningProgram::Attributes() {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window_, &attributes);
    return attributes;
}

bool RunningProgram::WaitForSize(int width, int height, double seconds) {
    auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        XWindowAttributes a = Attributes();
        if (a.width == width && a.height == height) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

Rgb RunningProgram::PixelAt(float lx, float ly) {
    XWindowAttributes a{};
    if (!window_ || !XGetWindowAttributes(display_, window_, &a) || a.width <= 0 || a.height <= 0)
        return {-1, -1, -1};
    double scale = std::min(a.width / 1344.0, a.height / 756.0);
    int px = static_cast<int>((a.width - 1344 * scale) / 2 + lx * scale);
    int py = static_cast<int>((a.height - 756 * scale) / 2 + ly * scale);
    XImage* image = XGetImage(display_, window_, px, py, 1, 1, AllPlanes, ZPixmap);
    if (!image) return {-1, -1, -1};
    unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

bool RunningProgram::AreaHas(float lx0, float ly0, float lx1, float ly1, Rgb colour) {
    for (float y = ly0; y <= ly1; y += 0.5f)
        for (float x = lx0; x <= lx1; x += 0.5f)
            if (Near(PixelAt(x, y), colour)) return true;
    return false;
}

bool RunningProgram::WaitForArea(float lx0, float ly0, float lx1, float ly1, Rgb colour, double seconds) {
    auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        if (AreaHas(lx0, ly0, lx1, ly1, colour)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

bool RunningProgram::WaitForPixel(float lx, float ly, Rgb colour, double seconds) {
    auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        if (Near(PixelAt(lx, ly), colour)) return true;
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display_, window_, &a)) FindWindow(title_.c_str(), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

bool RunningProgram::WaitForFieldCursor(int typed, double seconds) {
    const float x = runtime::kFieldX + runtime::kFieldCursorInset + runtime::kSimpleGlyphAdvance * typed;
    const float y = runtime::kFieldY + runtime::kFieldCursorInset, r = runtime::kFieldCursorRadius / 2;
    return WaitForArea(x - r, y - r, x + r, y + r, kAnswer, seconds);
}

double RunningProgram::SecondsSinceStart() const {
    return std::chrono::duration<double>(Clock::now() - started_).count();
}

void RunningProgram::Key(KeySym sym) {
    KeyCode code = XKeysymToKeycode(display_, sym);
    XTestFakeKeyEvent(display_, code, True, 0);
    XTestFakeKeyEvent(display_, code, False, 0);
    XFlush(display_);
}

bool RunningProgram::LockNumLock() {
    Key(XK_Num_Lock);
    XSync(display_, False);
    const unsigned mask = XkbKeysymToModifiers(display_, XK_Num_Lock);
    XkbStateRec state{};
    return mask != 0 && XkbGetState(display_, XkbUseCoreKbd, &state) == Success && (state.locked_mods & mask) != 0;
}

void RunningProgram::Resize(unsigned width, unsigned height, bool send) {
    XResizeWindow(display_, window_, width, height);
    if (send) XFlush(display_);
}

void RunningProgram::Close() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window_, False, NoEventMask, &event);
    XFlush(display_);
}

void RunningProgram::Destroy() {
    XDestroyWindow(display_, window_);
    XSync(display_, False);
}

void RunningProgram::Disconnect() {
    XKillClient(display_, window_);
    XSync(display_, False);
}

int RunningProgram::WaitForExit(double seconds) {
    auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            return ExitStatus(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

double RunningProgram::CpuSeconds() {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long RunningProgram::StatusKb(const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    const std::string key = std::string(field) + ":";
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    return -1;
}

bool RunningProgram::LimitAddressSpace(long kb) {
    rlimit limit{static_cast<rlim_t>(kb) * 1024, static_cast<rlim_t>(kb) * 1024};
    return prlimit(pid_, RLIMIT_AS, &limit, nullptr) == 0;
}

Outcome RunToItsEnd(std::initializer_list<const char*> variables, Limits limits) {
    const std::string errors = "/tmp/start-up-" + std::to_string(getpid()) + ".err";
    pid_t pid = fork();
    if (pid == 0) {
        unsetenv("XDG_RUNTIME_DIR");
        for (const char* variable : variables) {
            if (std::strchr(variable, '='))
                putenv(const_cast<char*>(variable));
            else
                unsetenv(variable);
        }
        freopen(errors.c_str(), "w", stderr);
        LimitOwnAddressSpace(limits.addressSpaceKb);
        if (limits.openFiles > 0) {
            // What the test runner left open is not the program's.
            close_range(3, ~0U, 0);
            const rlimit files{static_cast<rlim_t>(limits.openFiles), static_cast<rlim_t>(limits.openFiles)};
            setrlimit(RLIMIT_NOFILE, &files);
        }
        execl(KANOVEL_PATH, KANOVEL_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0, result = -1;
    bool ended = false;
    auto until = Clock::now() + std::chrono::seconds(20);
    while (!ended && Clock::now() < until) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
        if (ended) result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        else std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    Outcome outcome{result, FileText(errors)};
    std::remove(errors.c_str());
    return outcome;
}

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

std::string FileText(const std::string& path) {
    std::ifstream file(path);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

}  // namespace window_test
