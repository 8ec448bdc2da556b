#pragma once

#include <span>

#include "core/lang/message_catalogue.h"

namespace trivanto {

// One text of a language table; the tables list every key once, in slot order.
struct CatalogueEntry {
    Msg key;
    const char16_t* text;
};

std::span<const CatalogueEntry> englishCatalogue();
std::span<const CatalogueEntry> germanCatalogue();

}  // namespace trivanto
