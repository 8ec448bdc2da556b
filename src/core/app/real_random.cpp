#include "core/app/real_random.h"

#include <utility>

namespace trivanto {

RealRandom::RealRandom(const Clock& clock)
    : m_engine(static_cast<std::mt19937::result_type>(clock.now().toMSecsSinceEpoch())) {}

int RealRandom::uniform(int low, int high) {
    if (high < low) {
        std::swap(low, high);
    }
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

}  // namespace trivanto
