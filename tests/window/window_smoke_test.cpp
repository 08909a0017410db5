// The real program in a real window (run under Xvfb): it opens maximised,
// shows its menu, takes typed keys (a keypad digit once, Num Lock on or
// off), blinks its cursor without using the processor, and ends from its
// close button, from menu entry 8, or when another program destroys its
// window; a start-up without a display or a font says why and fails.
// gtest first: the X headers define macros (None, Bool) that clash with it.
#include <gtest/gtest.h>
// clang-format off
#include "tests/window/window_harness.h"
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>
// clang-format on
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace window_test;

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

    // A typed digit is taken right away.
    auto typed = Clock::now();
    program.Key(XK_5);
    EXPECT_TRUE(program.WaitForFieldCursor(1, 2));
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

    // A smaller window shows the same page, scaled down, while the program
    // waits: the panel, and the digit (the cursor stands after it).
    program.Resize(1000, 700);
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 5));
    EXPECT_TRUE(program.WaitForArea(1058, 650, 1070, 662, kAnswer, 2));

    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 0);
}

// On a desktop without a window manager (a kiosk), another program asks for
// an oversize window and then for an ordinary one: the window ends at the
// size asked last, not held at the largest canvas, however the two reach
// the program: both in one batch of events, or the oversize one alone and
// the ordinary one while the program is answering it.
TEST(Window, TheLastOfTwoResizesWins) {
    RunningProgram program(KANOVEL_PATH);
    ASSERT_NE(program.display(), nullptr) << "no X display (run under xvfb-run)";
    ASSERT_TRUE(program.FindWindow("Kanovel", 10));
    ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    struct Pair {
        bool together;  // sent in one write
        int gapUs;      // else: the second after this long
    };
    const Pair pairs[] = {{true, 0},     {true, 0},     {false, 0},     {false, 0},    {false, 1000},
                          {false, 2000}, {false, 5000}, {false, 10000}, {false, 20000}};
    int typed = 0;
    for (const Pair& pair : pairs) {
        const unsigned width = 1000 + typed, height = 700;
        program.Resize(16000, 16000, !pair.together);
        std::this_thread::sleep_for(std::chrono::microseconds(pair.gapUs));
        program.Resize(width, height);
        // A key typed after both reaches the program after both sizes: once
        // it is taken, the program has handled them, and any hold it asked
        // for has been carried out.
        program.Key(XK_5);
        const bool taken = program.WaitForFieldCursor(++typed, 10);
        const XWindowAttributes a = program.Attributes();
        EXPECT_EQ(a.width, static_cast<int>(width)) << "pair " << typed;
        EXPECT_EQ(a.height, static_cast<int>(height)) << "pair " << typed;
        ASSERT_TRUE(taken) << "the key after pair " << typed << " was not taken";
    }
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 5));
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

// With Num Lock on, a keypad key also arrives as text: the digit is taken
// once, so "8" and Enter end the program, and the field's cursor stands
// after one digit (at 1080), never after a second (at 1096).
TEST(Window, KeypadDigitWithNumLockOnArrivesOnce) {
    RunningProgram program(KANOVEL_PATH);
    ASSERT_NE(program.display(), nullptr);
    ASSERT_TRUE(program.FindWindow("Kanovel", 10));
    ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    ASSERT_TRUE(program.LockNumLock());
    program.Key(XK_KP_8);
    EXPECT_TRUE(program.WaitForFieldCursor(1, 2));
    EXPECT_FALSE(program.WaitForFieldCursor(2, 1));
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

// The X server closes the program's connection (as `xkill` has it do, or
// as at the server's end): the program can show nothing more. It says so in
// its own one line, also in a dialog when the menu started it, and fails.
TEST(Window, ALostConnectionToTheDisplayIsSaidInOneLineAndFails) {
    const std::string errors = "/tmp/connection-lost-" + std::to_string(getpid()) + ".err";
    for (const char* argument : {static_cast<const char*>(nullptr), FAILURE_DIALOG_ARGUMENT}) {
        RunningProgram program(KANOVEL_PATH, errors.c_str(), argument);
        ASSERT_NE(program.display(), nullptr) << "no X display (run under xvfb-run)";
        ASSERT_TRUE(program.FindWindow("Kanovel", 10));
        ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
        program.Disconnect();
        if (argument) {
            ASSERT_TRUE(program.FindWindow("Kanovel", 10)) << "no dialog";
            EXPECT_EQ(program.WaitForExit(0.5), -1) << "the program did not wait for the dialog";
            program.Close();
        }
        EXPECT_EQ(program.WaitForExit(5), 1);
        EXPECT_EQ(FileText(errors), "Kanovel: the connection to the display \"" +
                                        std::string(DisplayString(program.display())) +
                                        "\" is lost: the display closed it\n");
    }
    std::remove(errors.c_str());
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
    EXPECT_EQ(Lines(absent.errors), 1) << absent.errors;

    // A driver that shows nothing is refused even where there is a display.
    const Outcome invisible = RunToItsEnd({"SDL_VIDEODRIVER=offscreen"});
    EXPECT_EQ(invisible.status, 1);
    EXPECT_NE(invisible.errors.find("\"offscreen\""), npos) << invisible.errors;

    // A driver that is not there: the line names it, and says why SDL
    // refused it.
    const Outcome unknown = RunToItsEnd({"SDL_VIDEODRIVER=nosuchdriver"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.errors.find("(SDL_VIDEODRIVER is \"nosuchdriver\"); SDL says: nosuchdriver not available"), npos)
        << unknown.errors;
    EXPECT_EQ(Lines(unknown.errors), 1) << unknown.errors;
}

// Too few files may be open (ulimit -n): the display is not blamed, nor a
// font that is installed; what ran short is named, whichever part of the
// start-up it stopped. The server lets any local program in, so that
// connecting to it takes no file of the program's (its authorisation).
TEST(Window, TooFewOpenFilesAreNamedAsTheReasonAndFail) {
    if (kProgramsSanitized) GTEST_SKIP() << "the sanitizers' checks read files of their own";
    const char* display = std::getenv("DISPLAY");
    Display* server = XOpenDisplay(nullptr);
    ASSERT_NE(server, nullptr) << "no X display (run under xvfb-run)";
    XDisableAccessControl(server);
    XSync(server, False);
    // Too few for the video library's connections to the display.
    const Outcome video = RunToItsEnd({"WAYLAND_DISPLAY", "XAUTHORITY"}, {.openFiles = 4});
    EXPECT_EQ(video.status, 1);
    EXPECT_EQ(video.errors, "Kanovel: cannot open a window: the video library cannot start on the display \"" +
                                std::string(display) +
                                "\" (DISPLAY): too many open files (ulimit -n is 4); SDL says: x11,KMSDRM not "
                                "available\n");
    // One more: the video library starts, and fontconfig cannot open its
    // configuration (it says so too, in a line of its own before ours).
    const Outcome fonts = RunToItsEnd({"WAYLAND_DISPLAY", "XAUTHORITY"}, {.openFiles = 5});
    EXPECT_EQ(fonts.status, 1);
    const size_t ours = fonts.errors.rfind("Kanovel: fontconfig cannot read its configuration \"");
    ASSERT_NE(ours, std::string::npos) << fonts.errors;
    EXPECT_TRUE(fonts.errors.ends_with("\": Too many open files, so the font \"IPAGothic\" cannot be found\n"))
        << fonts.errors;
    EXPECT_EQ(Lines(fonts.errors.substr(ours)), 1) << fonts.errors;
    XEnableAccessControl(server);
    XCloseDisplay(server);
}

// The X server runs but shows nothing: every output is off (a monitor off
// or unplugged, a remote session not attached). The line names the display
// and gives the reason SDL found.
TEST(Window, NoActiveOutputIsReportedWithItsReasonAndFails) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "no X display (run under xvfb-run)";
    XRRScreenResources* screen = XRRGetScreenResources(display, DefaultRootWindow(display));
    ASSERT_NE(screen, nullptr);
    // Every output off, as `xrandr --output screen --off` does; the server
    // keeps that while this connection is open.
    struct Crtc {
        RRCrtc id;
        XRRCrtcInfo* info;
    };
    std::vector<Crtc> crtcs;
    for (int i = 0; i < screen->ncrtc; ++i) {
        crtcs.push_back({screen->crtcs[i], XRRGetCrtcInfo(display, screen, screen->crtcs[i])});
        XRRSetCrtcConfig(display, screen, screen->crtcs[i], CurrentTime, 0, 0, 0, RR_Rotate_0, nullptr, 0);
    }
    XSync(display, False);

    const Outcome dark = RunToItsEnd({});
    EXPECT_EQ(dark.status, 1);
    const std::string named =
        "\"" + std::string(DisplayString(display)) + "\" (DISPLAY) answers, but the video library cannot start on it";
    EXPECT_NE(dark.errors.find(named), std::string::npos) << dark.errors;
    EXPECT_NE(dark.errors.find("; SDL says: No available displays"), std::string::npos) << dark.errors;
    EXPECT_EQ(Lines(dark.errors), 1) << dark.errors;

    for (const Crtc& crtc : crtcs) {
        XRRSetCrtcConfig(display, screen, crtc.id, CurrentTime, crtc.info->x, crtc.info->y, crtc.info->mode,
                         crtc.info->rotation, crtc.info->outputs, crtc.info->noutput);
        XRRFreeCrtcInfo(crtc.info);
    }
    XRRFreeScreenResources(screen);
    XCloseDisplay(display);
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

// Started from the desktop's menu (with the argument its entry passes), a
// program that cannot start also shows its one line in a dialog titled with
// its name, since nobody reads its standard error there, and fails once the
// dialog is dismissed. Started without it, as from a terminal or a script,
// it is never held up (the test above).
TEST(Window, AStartUpFailureFromTheMenuIsShownInADialog) {
    const std::string stem = "/tmp/fonts-dialog-" + std::to_string(getpid());
    std::ofstream(stem + ".conf") << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    setenv("FONTCONFIG_FILE", (stem + ".conf").c_str(), 1);
    RunningProgram program(KANOVEL_PATH, (stem + ".err").c_str(), FAILURE_DIALOG_ARGUMENT);
    unsetenv("FONTCONFIG_FILE");
    ASSERT_NE(program.display(), nullptr) << "no X display (run under xvfb-run)";
    ASSERT_TRUE(program.FindWindow("Kanovel", 10)) << "no dialog";
    EXPECT_EQ(program.WaitForExit(0.5), -1) << "the program did not wait for the dialog";
    EXPECT_EQ(FileText(stem + ".err"),
              "Kanovel: the font \"IPAGothic\" is not installed (Debian package fonts-ipafont-gothic)\n");
    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 1);
    std::remove((stem + ".conf").c_str());
    std::remove((stem + ".err").c_str());
}

}  // namespace
