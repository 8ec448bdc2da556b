#pragma once

#include <QString>

#include "core/lang/message_catalogue.h"
#include "core/questions/category_checks.h"

namespace trivanto {

// A finding of the checks the way the editor lists it, in the catalogue's language:
// "Question 5: the same question as question 2".
QString editorFindingText(const CategoryFinding& finding, const MessageCatalogue& catalogue);

}  // namespace trivanto
