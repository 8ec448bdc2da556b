#pragma once

#include <QByteArray>

#include "core/questions/question_file.h"

namespace trivanto::cat {

// UTF-8 JSON of the title and of slots 1 to N, the way the game reads them.
QByteArray dumpCategory(const TQuestionFile& file);

}  // namespace trivanto::cat
