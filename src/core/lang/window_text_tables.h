#pragma once

#include <span>

#include "core/lang/window_texts.h"

namespace trivanto {

// One row of a window text table, grouped by window class in the table.
struct RawWindowText {
    const char16_t* windowClass;
    const char16_t* objectName;
    WindowTextKind kind;
    const char16_t* text;
};

std::span<const RawWindowText> englishWindowTexts();
std::span<const RawWindowText> germanWindowTexts();

}  // namespace trivanto
