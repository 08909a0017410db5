#include "programs/window_main.h"

#include <cstdio>

#include "platform/fonts.h"
#include "platform/window_platform.h"

int RunInWindow(const std::string& title, const std::function<void(platform::Platform&)>& run) {
    try {
        platform::WindowPlatform window(title);
        try {
            run(window);
        } catch (const platform::WindowClosed&) {
        }
        return 0;
    } catch (const platform::NoDisplay& e) {
        std::fprintf(stderr, "%s: cannot open a window: %s (is there a display?)\n", title.c_str(), e.what());
    } catch (const platform::MissingFont& e) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), e.what());
    }
    return 1;
}
