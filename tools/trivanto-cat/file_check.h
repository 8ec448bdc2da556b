#pragma once

#include <QString>

#include "core/questions/question_file.h"
#include "problem.h"

namespace trivanto::cat {

// Every problem of the category file at `path`, each naming its slot; empty when clean.
Problems checkCategoryFile(const QString& path);
// The problems of a record already read (size problems aside).
Problems checkCategoryRecord(const TQuestionFile& file);

}  // namespace trivanto::cat
