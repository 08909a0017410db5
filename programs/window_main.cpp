#include "programs/window_main.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/failure_dialog.h"
#include "platform/window_platform.h"

namespace {

// The program cannot show its lesson: one line on standard error, and, when
// the menu started it, the same line in a dialog; then it ends with a
// failure.
int Fail(const std::string& title, const std::string& why, bool dialog) {
    const std::string line = title + ": " + why;
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    if (dialog) platform::ShowFailureDialog(title, line);
    return 1;
}

}  // namespace

int RunInWindow(const std::string& title, const std::function<void(platform::Platform&)>& run, int argc, char** argv) {
    bool dialog = false;
    for (int i = 1; i < argc; ++i) dialog |= std::strcmp(argv[i], FAILURE_DIALOG_ARGUMENT) == 0;
    try {
        platform::WindowPlatform window(title, [title, dialog](const std::string& why) { Fail(title, why, dialog); });
        try {
            run(window);
        } catch (const platform::WindowClosed&) {
        } catch (const platform::ShowFailure& e) {
            // In a lesson: the window, or the error screen itself, can show
            // nothing any more. Said while the window is still there: its
            // toolkit's shutdown could end the process before the line.
            Fail(title, e.what(), dialog);
            std::_Exit(1);
        }
        // The program is over. The system takes the window and everything
        // else back with the process; the toolkit's own shutdown only sends
        // more requests about windows that are going, and puts back an
        // error handler that ends the program with a failure if one of
        // them is refused. So the process ends here: with a failure when
        // it ended on the error screen.
        std::fflush(nullptr);
        std::_Exit(window.ErrorShown() ? 1 : 0);
    } catch (const platform::NoDisplay& e) {
        return Fail(title, std::string("cannot open a window: ") + e.what(), dialog);
    } catch (const platform::ShowFailure& e) {
        return Fail(title, e.what(), dialog);
    }
}
