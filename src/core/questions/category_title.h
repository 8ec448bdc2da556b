#pragma once

#include <QString>

namespace trivanto {

// Whether a text can be the title of a category, whose file is the title followed by ".trv".
enum class TitleVerdict {
    Valid,
    Empty,
    ForbiddenCharacter,  // one of \ / : * " < > |, which file systems refuse or treat specially
    ControlCharacter,    // a tab, a line break or another character below a blank
    NotCodePage,         // a character Windows-1252 lacks: the header could not hold the title
    TooLong,             // more than a field's 110 characters, or a file name too long
    Hidden,              // begins with "." and so would be a hidden file no list shows
};

TitleVerdict checkCategoryTitle(const QString& title);

// The file name of the category with this title.
QString categoryFileName(const QString& title);
// The title of a category file name: the name without its ".trv".
QString categoryTitleOfFileName(const QString& fileName);

}  // namespace trivanto
