#pragma once

#include <QList>

#include "core/lang/window_texts.h"

class QWidget;

namespace trivanto {

// Sets the texts of a language table on a window's controls, found by objectName (the window
// itself included). Captions go to labels and buttons, hints to tool tips, titles to the
// "title" property of the named object, names to what screen readers call the control. Every
// control gets its hint as its accessible description, and a control without a caption its
// hint as its name (accessible_names.h). Controls the window does not have are skipped: parts
// of a window may be built later. Returns how many texts found their control.
int applyWindowTexts(QWidget* window, const QList<WindowText>& texts);

}  // namespace trivanto
