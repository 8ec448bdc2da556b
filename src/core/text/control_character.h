#pragma once

namespace trivanto {

// The characters a line of text cannot show: those below a blank (tab and line breaks among
// them) and DEL. Titles and the texts of questions must not hold them.
constexpr bool isControlCharacter(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace trivanto
