// The real program on a machine short of memory, and in a window far larger
// than any screen (run under Xvfb): it never crashes and never runs on
// blind; what it cannot make at start-up (a face, the window's surface, the
// canvas) it names, and fails; a resize it cannot follow keeps the page,
// scaled, or sets the window back to the size it had, and the lesson goes
// on; a huge window is held to the largest canvas and answers its close
// button at once.
// gtest first: the X headers define macros (None, Bool) that clash with it.
#include <gtest/gtest.h>
// clang-format off
#include "tests/window/window_harness.h"
#include <X11/keysym.h>
// clang-format on
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>

#include "platform/platform.h"

namespace {

using namespace window_test;

// What a canvas or the window's own surface of a size takes, in kB (four
// bytes a pixel).
long PixelsKb(long width, long height) { return width * height * 4 / 1024; }

// The address space the program takes once its menu shows, in kB, on this
// server; the limits below are set from it, so that they fall between what
// the program holds before and after the surface that should fail.
long AddressSpaceAtTheMenu() {
    RunningProgram program(KANOVEL_PATH);
    if (!program.display() || !program.FindWindow("Kanovel", 10) || !program.WaitForPixel(600, 300, kPanel, 10))
        return -1;
    const long kb = program.StatusKb("VmSize");
    program.Close();
    program.WaitForExit(5);
    return kb;
}

// On a 5000x3000 screen the window's surface and the canvas take 58 MiB
// each, made in that order; the limits leave half of one of them short.
TEST(Window, ShortOfMemoryAtStartUpSaysWhatCannotBeMadeAndFails) {
    if (kProgramsSanitized) GTEST_SKIP() << "AddressSanitizer takes more address space than any limit";
    const long atMenu = AddressSpaceAtTheMenu();
    ASSERT_GT(atMenu, 0) << "the program did not show its menu (run under xvfb-run with a 5000x3000 screen)";
    const long surfaceKb = PixelsKb(5000, 3000);

    const Outcome noCanvas = RunToItsEnd({}, {.addressSpaceKb = atMenu - surfaceKb / 2});
    EXPECT_EQ(noCanvas.status, 1);
    EXPECT_EQ(noCanvas.errors, "Kanovel: cannot make a 5000x3000 canvas: out of memory\n");

    // Without a surface of its own the window could never show a picture.
    const Outcome noSurface = RunToItsEnd({}, {.addressSpaceKb = atMenu - surfaceKb - surfaceKb / 2});
    EXPECT_EQ(noSurface.status, 1);
    EXPECT_EQ(noSurface.errors.rfind("Kanovel: cannot make the window's 5000x3000 surface: ", 0), 0u)
        << noSurface.errors;
    EXPECT_EQ(Lines(noSurface.errors), 1) << noSurface.errors;
}

// The program's menu shown, and then shown at the view's own size: once the
// program has let go of its first, larger, surface and canvas, the address
// space it then takes, in kB; -1 when it showed no menu or kept them.
long StartedAtTheViewSize(RunningProgram& program) {
    if (!program.display() || !program.FindWindow("Kanovel", 10) || !program.WaitForPixel(600, 300, kPanel, 10))
        return -1;
    const long large = PixelsKb(5000, 3000);
    const long atLarge = program.StatusKb("VmSize");
    program.Resize(1344, 756);
    if (!program.WaitForSize(1344, 756, 5)) return -1;
    // Both the larger surface and the larger canvas have gone once the
    // address space has shrunk by more than one and a half of them (the
    // surface goes first, then the canvas).
    long atSmall = atLarge;
    for (int i = 0; i < 1000 && atSmall > atLarge - large - large / 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        atSmall = program.StatusKb("VmSize");
    }
    // Until the program shows its page at the new size, the window keeps
    // the top left of the larger picture: the panel, also where the menu at
    // the view's size is white.
    if (atSmall > atLarge - large - large / 2 || !program.WaitForPixel(600, 300, kPanel, 5) ||
        !program.WaitForPixel(100, 700, kWhite, 5))
        return -1;
    return program.StatusKb("VmSize");
}

// The faces are loaded before the window's surface and canvas are made, and
// kept loaded: short of a little more than the surface, the first thing
// the program cannot make is a face, and it names the face and fails before
// it shows anything. A face whose file is first read when a page draws its
// text would leave that page, and every later one, without text.
TEST(Window, ShortOfMemoryForAFaceAtStartUpNamesItAndFails) {
    if (kProgramsSanitized) GTEST_SKIP() << "AddressSanitizer takes more address space than any limit";
    const long atMenu = AddressSpaceAtTheMenu();
    ASSERT_GT(atMenu, 0) << "the program did not show its menu (run under xvfb-run with a 5000x3000 screen)";
    const long surfaceKb = PixelsKb(5000, 3000);

    // Down from a limit where the surface is what is missing, a MB at a
    // time, to the first one where something made before it is.
    Outcome first{-1, ""};
    for (long kb = atMenu - 2 * surfaceKb; kb > atMenu - 2 * surfaceKb - 40L * 1024; kb -= 1024) {
        const Outcome outcome = RunToItsEnd({}, {.addressSpaceKb = kb});
        // Xlib may not get the memory for the display either, now and then.
        if (outcome.errors.rfind("Kanovel: cannot make the window's", 0) == 0 ||
            outcome.errors.find("cannot open a window") != std::string::npos)
            continue;
        first = outcome;
        break;
    }
    EXPECT_EQ(first.status, 1);
    EXPECT_EQ(first.errors.rfind("Kanovel: cannot load the font \"", 0), 0u) << first.errors;
    EXPECT_NE(first.errors.find("): out of memory\n"), std::string::npos) << first.errors;
    EXPECT_EQ(Lines(first.errors), 1) << first.errors;
}

// The window is made small, the address space limited to what a 5000x3000
// window's surface needs and half its canvas, and then the window is made
// that large.
TEST(Window, ShortOfMemoryAtAResizeKeepsThePageScaledAndTheLessonGoesOn) {
    if (kProgramsSanitized) GTEST_SKIP() << "AddressSanitizer takes more address space than any limit";
    const std::string errors = "/tmp/short-resize-" + std::to_string(getpid()) + ".err";
    RunningProgram program(KANOVEL_PATH, errors.c_str());
    const long small = PixelsKb(1344, 756), large = PixelsKb(5000, 3000);
    const long atSmall = StartedAtTheViewSize(program);
    ASSERT_GT(atSmall, 0)
        << "no menu (run under xvfb-run with a 5000x3000 screen), or the program kept its first canvas or surface";
    ASSERT_TRUE(program.LimitAddressSpace(atSmall - small + large + large / 2));

    program.Resize(5000, 3000);
    ASSERT_TRUE(program.WaitForSize(5000, 3000, 5));
    // The page stays, scaled to the window.
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    // The lesson goes on: a typed digit is echoed.
    program.Key(XK_5);
    EXPECT_TRUE(program.WaitForFieldCursor(1, 5));
    // Said once, also when the next resize fails as well.
    program.Resize(4900, 2900);
    ASSERT_TRUE(program.WaitForSize(4900, 2900, 5));
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));
    EXPECT_EQ(FileText(errors),
              "Kanovel: cannot make a 5000x3000 canvas: out of memory; the page is shown scaled (reported once)\n");

    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 0);
    std::remove(errors.c_str());
}

// The address space left short of even the window's own surface at
// 5000x3000: the window goes back to the size it had, the page is shown
// there whole, and the lesson goes on (never an old picture in a corner
// while keys move the lesson on unseen).
TEST(Window, ShortOfMemoryForTheWindowAtAResizeSetsItBackAndTheLessonGoesOn) {
    if (kProgramsSanitized) GTEST_SKIP() << "AddressSanitizer takes more address space than any limit";
    const std::string errors = "/tmp/short-surface-" + std::to_string(getpid()) + ".err";
    RunningProgram program(KANOVEL_PATH, errors.c_str());
    const long atSmall = StartedAtTheViewSize(program);
    ASSERT_GT(atSmall, 0)
        << "no menu (run under xvfb-run with a 5000x3000 screen), or the program kept its first canvas or surface";
    ASSERT_TRUE(program.LimitAddressSpace(atSmall + PixelsKb(5000, 3000) / 2));

    program.Resize(5000, 3000);
    std::string said;
    for (int i = 0; i < 500 && said.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        said = FileText(errors);
    }
    EXPECT_EQ(said.rfind("Kanovel: cannot make the window's 5000x3000 surface: ", 0), 0u) << said;
    EXPECT_NE(said.find("; the window is set back to 1344x756 (reported once)\n"), std::string::npos) << said;
    EXPECT_TRUE(program.WaitForSize(1344, 756, 5));
    // The whole page, at the window's size: the panel, and white above it.
    EXPECT_TRUE(program.WaitForPixel(600, 300, kPanel, 5));
    EXPECT_TRUE(program.WaitForPixel(100, 4, kWhite, 5));
    program.Key(XK_5);
    EXPECT_TRUE(program.WaitForFieldCursor(1, 5));
    EXPECT_EQ(program.Attributes().width, 1344);

    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 0);
    std::remove(errors.c_str());
}

// In a lesson, the address space left short even of the window's surface
// at the size it had: the window can show nothing more. The program says so
// in one line and ends with a failure; it draws no error screen on a window
// that cannot show it, and never ends as if all went well.
TEST(Window, ShortOfMemoryForTheWindowEvenAtItsOldSizeInALessonSaysSoAndFails) {
    if (kProgramsSanitized) GTEST_SKIP() << "AddressSanitizer takes more address space than any limit";
    const std::string errors = "/tmp/short-window-" + std::to_string(getpid()) + ".err";
    RunningProgram program(KANOVEL_PATH, errors.c_str());
    ASSERT_GT(StartedAtTheViewSize(program), 0)
        << "no menu (run under xvfb-run with a 5000x3000 screen), or the program kept its first canvas or surface";
    // Lesson 1, its first page: a key wait. Once it shows, the program has
    // taken the keys, and reads no more of them (or of the keyboard's map,
    // which the first typed key changes) under the limit below.
    for (KeySym key : {XK_1, XK_Return, XK_1, XK_Return}) program.Key(key);
    ASSERT_TRUE(program.WaitForArea(100, 688, 102, 690, kKeyWaitPlate, 10));

    // Once the window's surface has gone, a quarter of it is left.
    const long small = PixelsKb(1344, 756);
    ASSERT_TRUE(program.LimitAddressSpace(program.StatusKb("VmSize") - small + small / 4));
    program.Resize(5000, 3000);
    EXPECT_EQ(program.WaitForExit(10), 1);
    const std::string said = FileText(errors);
    EXPECT_EQ(said.rfind("Kanovel: cannot make the window's 5000x3000 surface: ", 0), 0u) << said;
    EXPECT_NE(said.find("; nor at 1344x756, the size it had: "), std::string::npos) << said;
    EXPECT_EQ(Lines(said), 1) << said;
    std::remove(errors.c_str());
}

// Another program asks for a window of 16000x16000 (a desktop spanning
// many monitors would, too): the window is held to the largest canvas, its
// memory stays within a few hundred MiB, and the close button is answered
// within a second, also right after such a request.
TEST(Window, AHugeWindowIsHeldToTheLargestCanvasAndClosesAtOnce) {
    RunningProgram program(KANOVEL_PATH);
    ASSERT_NE(program.display(), nullptr) << "no X display (run under xvfb-run)";
    ASSERT_TRUE(program.FindWindow("Kanovel", 10));
    ASSERT_TRUE(program.WaitForPixel(600, 300, kPanel, 10));

    program.Resize(16000, 16000);
    EXPECT_TRUE(program.WaitForSize(platform::kLargestCanvasWidth, platform::kLargestCanvasHeight, 10));
    // The page at the held size: white above the menu panel, where the
    // page of the first size showed the panel.
    EXPECT_TRUE(program.WaitForPixel(100, 4, kWhite, 10));
    const long peakKb = program.PeakMemoryKb();
    // AddressSanitizer keeps freed memory aside for a while.
    if (!kProgramsSanitized) {
        EXPECT_LT(peakKb, 400 * 1024);
    }

    program.Resize(15000, 15500);
    auto asked = Clock::now();
    program.Close();
    EXPECT_EQ(program.WaitForExit(5), 0);
    const double answered = std::chrono::duration<double>(Clock::now() - asked).count();
    EXPECT_LT(answered, 1.0);
    std::printf("held at %dx%d; peak memory %ld MiB; closed %.3f s after a resize to 15000x15500 and the close "
                "button\n",
                platform::kLargestCanvasWidth, platform::kLargestCanvasHeight, peakKb / 1024, answered);
}

}  // namespace
