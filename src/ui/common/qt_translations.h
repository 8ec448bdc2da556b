#pragma once

#include <QTranslator>
#include <memory>

#include "core/lang/message_catalogue.h"

namespace trivanto {

// Qt's own texts (the file dialog's "Look in", "File name", its buttons, the standard
// buttons) in the game's language: the German build installs Qt's German translation from
// the system's Qt translations folder. Null when the language needs none or the translation
// is not installed (Qt's English texts remain).
std::unique_ptr<QTranslator> installQtTranslations(Language language);

}  // namespace trivanto
