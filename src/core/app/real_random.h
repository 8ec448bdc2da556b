#pragma once

#include <random>

#include "core/app/clock.h"
#include "core/app/random_source.h"

namespace trivanto {

// A pseudo-random generator seeded once from the clock's time of day.
class RealRandom final : public RandomSource {
public:
    explicit RealRandom(const Clock& clock);
    int uniform(int low, int high) override;

private:
    std::mt19937 m_engine;
};

}  // namespace trivanto
