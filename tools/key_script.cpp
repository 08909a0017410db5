#include "tools/key_script.h"

#include <cctype>
#include <cstdio>
#include <string>

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
            if (next == 'x' && i + 3 < typed.size() && std::isxdigit(static_cast<unsigned char>(typed[i + 2])) &&
                std::isxdigit(static_cast<unsigned char>(typed[i + 3]))) {
                keys += static_cast<char>(std::stoi(typed.substr(i + 2, 2), nullptr, 16));
                i += 3;
                continue;
            }
        }
        keys += typed[i];
    }
    return keys;
}

std::string EscapeKeys(const std::string& keys) {
    std::string typed;
    for (char c : keys) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (c == '\r') typed += "\\r";
        else if (c == '\b') typed += "\\b";
        else if (c == '\f') typed += "\\f";
        else if (c == '\\') typed += "\\\\";
        else if (code < 0x20 || code == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", code);
            typed += hex;
        } else {
            typed += c;
        }
    }
    return typed;
}

}  // namespace tools
