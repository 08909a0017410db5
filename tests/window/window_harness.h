// The real program run by the window tests (under Xvfb): started as a child
// process, its window found by title and read back pixel by pixel, keys
// typed through XTest, closed as a window manager closes it, and its memory
// and processor time read from /proc.
// Include gtest before this header: the X headers define macros (None,
// Bool) that clash with it.
#pragma once

// clang-format off
#include <X11/Xlib.h>
// clang-format on
#include <sys/types.h>

#include <chrono>
#include <initializer_list>
#include <string>

namespace window_test {

using Clock = std::chrono::steady_clock;

struct Rgb {
    int r, g, b;
};

// A pixel read back shows a palette colour: within a shade or two of it in
// each channel, never as near another colour a test looks for.
constexpr bool Near(Rgb a, Rgb b) {
    constexpr int kShades = 6;
    return a.r - b.r < kShades && b.r - a.r < kShades && a.g - b.g < kShades && b.g - a.g < kShades &&
           a.b - b.b < kShades && b.b - a.b < kShades;
}

inline constexpr Rgb kPanel{18, 28, 69};    // palette 10
inline constexpr Rgb kAnswer{194, 10, 10};  // palette 5
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kKeyWaitPlate{15, 38, 71};    // palette 4
inline constexpr Rgb kNextStepPlate{143, 46, 79};  // palette 12

// A wait for one of them must not be met by another: the menu's panel
// taken for a key-wait plate let a test go on before its keys were read.
constexpr bool AllToldApart(std::initializer_list<Rgb> colours) {
    for (const Rgb* a = colours.begin(); a != colours.end(); ++a)
        for (const Rgb* b = a + 1; b != colours.end(); ++b)
            if (Near(*a, *b)) return false;
    return true;
}
static_assert(AllToldApart({kPanel, kAnswer, kWhite, kBlack, kKeyWaitPlate, kNextStepPlate}));

// Whether the programs under test are built with AddressSanitizer, which
// reserves far more address space than any limit a test could set.
inline constexpr bool kProgramsSanitized = PROGRAMS_SANITIZED;

class RunningProgram {
public:
    // `errors`: a file for the program's standard error; `argument`: one
    // argument to start it with.
    explicit RunningProgram(const char* path, const char* errors = nullptr, const char* argument = nullptr);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    Display* display() { return display_; }

    // Waits for the top-level window with the given title.
    bool FindWindow(const char* title, double seconds);
    XWindowAttributes Attributes();
    // Waits until the window is width x height.
    bool WaitForSize(int width, int height, double seconds);

    // The pixel at a logical position of the view.
    Rgb PixelAt(float lx, float ly);
    // Whether any pixel of a logical rectangle has the colour.
    bool AreaHas(float lx0, float ly0, float lx1, float ly1, Rgb colour);
    bool WaitForArea(float lx0, float ly0, float lx1, float ly1, Rgb colour, double seconds);
    bool WaitForPixel(float lx, float ly, Rgb colour, double seconds);

    // Waits until the number field's cursor stands after `typed`
    // characters: the program has taken every key typed so far. (The disc
    // blinks at the field's start in the colour of the digits, so a look
    // for a digit's colour there could see the cursor before the key.)
    bool WaitForFieldCursor(int typed, double seconds);

    double SecondsSinceStart() const;
    void Key(KeySym sym);
    // Presses Num Lock, as a user does; whether it is locked after.
    bool LockNumLock();
    // What another program's resize request does; `send` false leaves the
    // request to go in one write with the next.
    void Resize(unsigned width, unsigned height, bool send = true);
    // What the window manager sends when the close button is clicked.
    void Close();
    // What `xdotool windowclose` does: the window is destroyed under the
    // program, without asking it.
    void Destroy();
    // What `xkill` does: the X server closes the program's connection.
    void Disconnect();
    // The exit status, or -1 when the program is still running after the wait.
    int WaitForExit(double seconds);

    // Processor time used so far, in seconds.
    double CpuSeconds();
    // A line of /proc/PID/status in kB ("VmHWM", "VmSize"); -1 when absent.
    long StatusKb(const char* field);
    long PeakMemoryKb() { return StatusKb("VmHWM"); }
    // Limits the running program's address space from now on.
    bool LimitAddressSpace(long kb);

private:
    Display* display_ = nullptr;
    Window window_ = 0;
    std::string title_;
    pid_t pid_ = -1;
    bool exited_ = false;
    Clock::time_point started_;
};

// Limits a program is started with; 0 leaves one as it is.
struct Limits {
    long addressSpaceKb = 0;
    int openFiles = 0;  // it starts with only standard input, output and error open
};

// The exit status and standard error of a program that ends by itself at
// start-up, run with each of `variables` set ("NAME=value") or unset
// ("NAME"), within `limits`. XDG_RUNTIME_DIR is unset, so a look for a
// Wayland display would complain. A program still running after 20 s is
// killed: status -1.
struct Outcome {
    int status;
    std::string errors;
};
Outcome RunToItsEnd(std::initializer_list<const char*> variables, Limits limits = {});

// The number of lines of a text.
long Lines(const std::string& text);
// The whole of a file; empty when there is none.
std::string FileText(const std::string& path);

}  // namespace window_test
