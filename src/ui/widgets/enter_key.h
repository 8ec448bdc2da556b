#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace trivanto {

// Enter in a wizard: a text button with the focus is pressed, anywhere else Enter means
// `proceed`. A held key is one press, never a run through the pages. False (and the event left
// alone) for any other key and for Enter with Ctrl, Shift or Alt.
bool pressEnter(QWidget* window, QKeyEvent* event, const std::function<void()>& proceed);

}  // namespace trivanto
