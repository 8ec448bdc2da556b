#pragma once

#include "core/setup/new_game_setup.h"
#include "support/manual_clock.h"

namespace trivanto {

// Runs a game start that "OK" began to its end: the categories' steps on the clock, then the
// write of "game.log", which the last step hands to a worker and the event loop would report.
inline void finishGameStart(NewGameSetup& setup, ManualClock& clock) {
    while (setup.building()) {
        if (setup.writingGameList()) {
            setup.waitForGameList();
        } else if (!clock.advanceToNextTimer()) {
            break;
        }
    }
}

}  // namespace trivanto
