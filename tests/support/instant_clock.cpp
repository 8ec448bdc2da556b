#include "support/instant_clock.h"

namespace trivanto {

void InstantClock::wait(int ms) {
    m_waits.push_back(ms);
    if (ms > 0) {
        m_elapsed += ms;
    }
    if (onWait) {
        onWait(ms);
    }
}

}  // namespace trivanto
