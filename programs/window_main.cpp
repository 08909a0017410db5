#include "programs/window_main.h"

#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "platform/window_platform.h"

int RunInWindow(const std::string& title, const std::function<void(platform::Platform&)>& run) {
    try {
        platform::WindowPlatform window(title);
        try {
            run(window);
        } catch (const platform::WindowClosed&) {
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
        std::fprintf(stderr, "%s: cannot open a window: %s\n", title.c_str(), e.what());
    } catch (const platform::MissingFont& e) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    } catch (const platform::WindowFailure& e) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    }
    return 1;
}
