#pragma once

#include <vector>

#include "score.h"

namespace trivanto::synth {

// A room around the sound: eight damped feedback combs and four all-passes per side, the
// right side a little longer than the left for width (the well-known "Freeverb" layout).
// Adds the room's echo of the stereo input to it, in place; the tail must already be there.
void addReverb(std::vector<float>& stereo, const Reverb& settings, int sampleRate);

}  // namespace trivanto::synth
