#pragma once

namespace trivanto {

// Uniform draws. The real source is seeded once from the clock; tests script the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform whole number from `low` to `high`, both included (low <= high).
    virtual int uniform(int low, int high) = 0;
};

}  // namespace trivanto
