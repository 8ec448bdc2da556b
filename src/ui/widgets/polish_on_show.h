#pragma once

class QWidget;

namespace trivanto {

// Qt posts a polish request to every new widget and runs them all once the event loop starts.
// Every window is built at the start, most are not seen for a while, and polishing under the
// program's style sheet is the dearest step of a widget's life. A window that is not shown
// yet keeps its polish for the moment it is shown: showing a window polishes it and all its
// controls first, and a control asked for its size polishes itself.
void polishWhenShown(QWidget* window);

}  // namespace trivanto
