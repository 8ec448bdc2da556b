#pragma once

#include <cstdint>
#include <vector>

#include "score.h"

namespace trivanto::synth {

// The mono sound of one drum hit, as loud as `velocity` at most. `seed` fixes the noise, so the
// same score always gives the same samples.
std::vector<float> renderDrum(Drum drum, double velocity, int sampleRate, std::uint32_t seed);

}  // namespace trivanto::synth
