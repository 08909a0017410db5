#include "tools/key_script.h"

#include <ctime>

namespace tools {

std::string UnescapeKeys(const std::string& typed) {
    std::string keys;
    for (size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\\' && i + 1 < typed.size()) {
            char next = typed[i + 1];
            if (next == 'r') { keys += '\r'; ++i; continue; }
            if (next == 'b') { keys += '\b'; ++i; continue; }
            if (next == 'f') { keys += '\f'; ++i; continue; }
            if (next == '\\') { keys += '\\'; ++i; continue; }
        }
        keys += typed[i];
    }
    return keys;
}

std::string ClockNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

}  // namespace tools
