#pragma once
// Table rows name themselves in the test list and in failures through gtest's PrintTo. Their
// texts are written here in double quotes, every byte outside printable ASCII as \xNN, so that
// a name stays on one line and reads the same on every run.

#include <cstdio>
#include <string>
#include <string_view>

inline std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            quoted.push_back(c);
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
            quoted += escape;
        }
    }
    quoted.push_back('"');
    return quoted;
}
