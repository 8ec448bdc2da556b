#include "support/scripted_random.h"

#include <gtest/gtest.h>

namespace trivanto {

int ScriptedRandom::uniform(int low, int high) {
    m_requests.emplace_back(low, high);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected draw from " << low << " to " << high;
        return low;
    }
    const int value = m_script.front();
    m_script.pop_front();
    if (value < low || value > high) {
        ADD_FAILURE() << "scripted " << value << " outside " << low << ".." << high;
        return low;
    }
    return value;
}

}  // namespace trivanto
