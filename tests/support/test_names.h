#pragma once

#include <string>
#include <string_view>

namespace trivanto {

// A readable test name from any text: letters and digits stay, everything else becomes "_".
inline std::string testName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        name += plain ? c : '_';
    }
    return name.empty() ? std::string("empty") : name;
}

}  // namespace trivanto
