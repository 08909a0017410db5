// The real program in a real window (run under Xvfb): it opens maximised,
// shows its menu, takes typed keys, blinks its cursor without using the
// processor, and ends from its close button, from menu entry 8, or when
// another program destroys its window.
// gtest first: the X headers define macros (None, Bool) that clash with it.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// clang-format on
#include <execinfo.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Rgb {
    int r, g, b;
};

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12; }

const Rgb kPanel{18, 28, 69};    // palette 10
const Rgb kAnswer{194, 10, 10};  // palette 5
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
const Rgb kKeyWaitPlate{15, 38, 71};    // palette 4
const Rgb kNextStepPlate{143, 46, 79};  // palette 12

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

class RunningProgram {
public:
    // `errors`: a file for the program's standard error.
    explicit RunningProgram(const char* path, const char* errors = nullptr) {
        XSetErrorHandler(IgnoreXErrors);
        display_ = XOpenDisplay(nullptr);
        started_ = Clock::now();
        pid_ = fork();
        if (pid_ == 0) {
            if (errors) freopen(errors, "w", stderr);
            execl(path, path, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProgram() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (display_) XCloseDisplay(display_);
    }

    Display* display() { return display_; }

    // Waits for the top-level window with the given title.
    bool FindWindow(const char* title, double seconds) {
        title_ = title;
        window_ = 0;
        auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until) {
            Window root = DefaultRootWindow(display_), parent, *children = nullptr;
            unsigned count = 0;
            if (XQueryTree(display_, root, &root, &parent, &children, &count)) {
                for (unsigned i = 0; i < count && !window_; ++i) {
                    char* name = nullptr;
                    if (XFetchName(display_, children[i], &name) && name) {
                        if (std::string(name) == title) window_ = children[i];
                        XFree(name);
                    }
                }
                if (children) XFree(children);
            }
            if (window_) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    XWindowAttributes Attributes() {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window_, &attributes);
        return attributes;
    }

    // The pixel at a logical position of the view.
    Rgb PixelAt(float lx, float ly) {
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

    // Whether any pixel of a logical rectangle has the colour.
    bool AreaHas(float lx0, float ly0, float lx1, float ly1, Rgb colour) {
        for (float y = ly0; y <= ly1; y += 0.5f)
            for (float x = lx0; x <= lx1; x += 0.5f)
                if (Near(PixelAt(x, y), colour)) return true;
        return false;
    }

    bool WaitForArea(float lx0, float ly0, float lx1, float ly1, Rgb colour, double seconds) {
        auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until) {
            if (AreaHas(lx0, ly0, lx1, ly1, colour)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    bool WaitForPixel(float lx, float ly, Rgb colour, double seconds) {
        auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until) {
            if (Near(PixelAt(lx, ly), colour)) return true;
            XWindowAttributes a{};
            if (!XGetWindowAttributes(display_, window_, &a)) FindWindow(title_.c_str(), 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    double SecondsSinceStart() const {
        return std::chrono::duration<double>(Clock::now() - started_).count();
    }

    void Key(KeySym sym) {
        KeyCode code = XKeysymToKeycode(display_, sym);
        XTestFakeKeyEvent(display_, code, True, 0);
        XTestFakeKeyEvent(display_, code, False, 0);
        XFlush(display_);
    }

    void Resize(unsigned width, unsigned height) {
        XResizeWindow(display_, window_, width, height);
        XFlush(display_);
    }

    // What the window manager sends when the close button is clicked.
    void Close() {
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

    // What `xdotool windowclose` does: the window is destroyed under the
    // program, without asking it.
    void Destroy() {
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }

    // The exit status, or -1 when the program is still running after the wait.
    int WaitForExit(double seconds) {
        auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    // Processor time used so far, in seconds.
    double CpuSeconds() {
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

    long PeakMemoryKb() {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
        return -1;
    }

private:
    Display* display_ = nullptr;
    Window window_ = 0;
    std::string title_;
    pid_t pid_ = -1;
    bool exited_ = false;
    Clock::time_point started_;
};

TEST(Window, OpensMaximisedTakesKeysBlinksAndClosesFromItsCloseButton) {
    RunningProgram program(KANOVEL_PATH);
    ASSERT_NE(program.display(), nullptr) << "no X display (run under xvfb-run)";
    ASSERT_TRUE(program.FindWindow("Kanovel", 10));
    // The menu panel appears.
    ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    double startup = program.SecondsSinceStart();
    Screen* screen = DefaultScreenOfDisplay(program.display());
    XWindowAttributes a = program.Attributes();
    EXPECT_EQ(a.width, WidthOfScreen(screen));
    EXPECT_EQ(a.height, HeightOfScreen(screen));

    // The cursor disc of the number field blinks.
    bool on = false, off = false;
    for (int i = 0; i < 60 && !(on && off); ++i) {
        Rgb p = program.PixelAt(1064, 656);
        on |= Near(p, kAnswer);
        off |= Near(p, kWhite);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    EXPECT_TRUE(on && off) << "cursor shown " << on << ", hidden " << off;

    // A typed digit is echoed in the answer colour right away.
    auto typed = Clock::now();
    program.Key(XK_5);
    EXPECT_TRUE(program.WaitForArea(1058, 650, 1070, 662, kAnswer, 2));
    double echo = std::chrono::duration<double>(Clock::now() - typed).count();

    // Waiting costs (almost) no processor time.
    const double idleSeconds = std::getenv("IDLE_SECONDS") ? std::atof(std::getenv("IDLE_SECONDS")) : 3;
    double before = program.CpuSeconds();
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    double busy = (program.CpuSeconds() - before) / idleSeconds;
    EXPECT_LT(busy, 0.05);
    std::printf("start-up to first menu frame %.3f s; echo of a key %.3f s; CPU while waiting %.2f%% over %.0f s; "
                "peak memory %ld kB\n",
                startup, echo, busy * 100, idleSeconds, program.PeakMemoryKb());

    // A smaller window shows the same page, scaled down, while the program waits.
    program.Resize(1000, 700);
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 5));
    EXPECT_TRUE(program.WaitForArea(1058, 650, 1070, 662, kAnswer, 2));

    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 0);
}

TEST(Window, MenuEntryEightEndsTheProgram) {
    RunningProgram program(KANOVEL_PATH);
    ASSERT_NE(program.display(), nullptr);
    ASSERT_TRUE(program.FindWindow("Kanovel", 10));
    ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    program.Key(XK_KP_8);  // a keypad digit
    program.Key(XK_Return);
    EXPECT_EQ(program.WaitForExit(5), 0);
}

TEST(Window, EndsWhenAnotherProgramDestroysItsWindow) {
    struct Case {
        const char* wait;
        std::string keys;     // typed from the main menu
        float x, y;           // a pixel that shows the wait
        Rgb colour;
    } cases[] = {
        {"main menu", "", 600, 300, kPanel},
        {"sub-menu", "1\r", 18, 668, kBlack},                          // the "①" of its line
        {"key wait", "1\r1\r", 100, 688, kKeyWaitPlate},
        {"next-step prompt", "2\r3\r" + std::string(40, ' '), 100, 670, kNextStepPlate},  // 例1
    };
    const std::string errors = "/tmp/window-destroyed-" + std::to_string(getpid()) + ".err";
    for (const Case& c : cases) {
        RunningProgram program(KANOVEL_PATH, errors.c_str());
        ASSERT_NE(program.display(), nullptr);
        ASSERT_TRUE(program.FindWindow("Kanovel", 10)) << c.wait;
        ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10)) << c.wait;
        // Keys that the page does not take (spaces in a number field) are
        // ignored, so the program stops at the wait however many are left.
        for (char key : c.keys) program.Key(key == '\r' ? XK_Return : key == ' ' ? XK_space : XK_0 + (key - '0'));
        ASSERT_TRUE(program.WaitForArea(c.x, c.y, c.x + 2, c.y + 2, c.colour, 10)) << c.wait;

        auto destroyed = Clock::now();
        program.Destroy();
        EXPECT_EQ(program.WaitForExit(1), 0) << c.wait;
        std::printf("%s: ended %.3f s after its window was destroyed\n", c.wait,
                    std::chrono::duration<double>(Clock::now() - destroyed).count());
        // Errors about the window that is gone are no news: none is reported.
        std::ifstream file(errors);
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(text.find("X protocol error"), std::string::npos) << c.wait << ":\n" << text;
    }
    std::remove(errors.c_str());
}

// The exit status and standard error of a program that ends by itself at
// start-up, run with each of `variables` set ("NAME=value") or unset
// ("NAME"). XDG_RUNTIME_DIR is unset, so a look for a Wayland display
// would complain.
struct Outcome {
    int status;
    std::string errors;
};
Outcome RunToItsEnd(std::initializer_list<const char*> variables) {
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
        execl(KANOVEL_PATH, KANOVEL_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    std::ifstream file(errors);
    Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                    std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>())};
    std::remove(errors.c_str());
    return outcome;
}

TEST(Window, NoDisplayIsReportedAndFails) {
    const auto npos = std::string::npos;

    const Outcome none = RunToItsEnd({"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.errors.find("DISPLAY and WAYLAND_DISPLAY are not set"), npos) << none.errors;

    // The display that failed is named, in the one line said.
    const Outcome absent = RunToItsEnd({"DISPLAY=:4093", "WAYLAND_DISPLAY"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.errors.find("\":4093\" (DISPLAY)"), npos) << absent.errors;
    EXPECT_NE(absent.errors.find("WAYLAND_DISPLAY is not set"), npos) << absent.errors;
    EXPECT_EQ(std::count(absent.errors.begin(), absent.errors.end(), '\n'), 1) << absent.errors;

    // A driver that shows nothing is refused even where there is a display.
    const Outcome invisible = RunToItsEnd({"SDL_VIDEODRIVER=offscreen"});
    EXPECT_EQ(invisible.status, 1);
    EXPECT_NE(invisible.errors.find("\"offscreen\""), npos) << invisible.errors;
}

// A font the program needs is missing: the start-up message names its
// package, and the program fails before it shows a window. Every face is
// looked up at start-up, so none is found missing later in a lesson.
TEST(Window, MissingFontIsReportedAtStartUpAndFails) {
    const std::string stem = "/tmp/fonts-" + std::to_string(getpid());
    auto configuration = [&](const std::string& name, const std::string& body) {
        std::ofstream(stem + name) << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                                   << "<fontconfig>" << body << "</fontconfig>\n";
        return "FONTCONFIG_FILE=" + stem + name;
    };
    // No font at all: the Gothic face is the first looked for.
    const std::string none = configuration("-none.conf", "");
    const Outcome noFonts = RunToItsEnd({none.c_str()});
    EXPECT_EQ(noFonts.status, 1);
    EXPECT_NE(noFonts.errors.find("Kanovel: the font \"IPAGothic\" is not installed (Debian package "
                                  "fonts-ipafont-gothic)"),
              std::string::npos)
        << noFonts.errors;
    // Only the Gothic face: the serif of the letters is missing.
    const std::string gothic = configuration(
        "-gothic.conf", "<dir>/usr/share/fonts/opentype/ipafont-gothic</dir><cachedir>" + stem + "-cache</cachedir>");
    const Outcome gothicOnly = RunToItsEnd({gothic.c_str()});
    EXPECT_EQ(gothicOnly.status, 1);
    EXPECT_NE(gothicOnly.errors.find("(Debian package fonts-liberation2)"), std::string::npos) << gothicOnly.errors;
    std::remove((stem + "-none.conf").c_str());
    std::remove((stem + "-gothic.conf").c_str());
    std::filesystem::remove_all(stem + "-cache");
}

}  // namespace
