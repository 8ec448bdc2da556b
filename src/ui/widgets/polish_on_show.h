#pragma once

namespace trivanto {

// Qt posts a polish request to every new widget and runs them all once the event loop starts.
// Every window is built at the start, most are not seen for a while, and polishing under the
// program's style sheet is the dearest step of a widget's life. Called once the start has
// shown what it shows, this drops the requests of every widget made so far: a window shown
// later is polished then, with all its controls, before it appears, and a control asked for
// its size polishes itself. Widgets made afterwards keep their own requests.
void polishWhenShown();

}  // namespace trivanto
