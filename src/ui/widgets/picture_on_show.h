#pragma once

#include <QPixmap>
#include <functional>

class QLabel;

namespace trivanto {

// Gives `label` its picture when it is first shown, drawn then. Every window is built at the
// start, and most of their pictures (the results of a question, the wizards' pages) are not
// seen for a while, or not at all in a run: drawing them on the way costs the start its time
// and memory. Asked again before the show, the later picture replaces the earlier one.
void setPictureWhenShown(QLabel* label, std::function<QPixmap()> picture);

}  // namespace trivanto
