#pragma once

#include "core/sound/audio_buffer.h"
#include "score.h"

namespace trivanto::synth {

inline constexpr int kCueSampleRate = 44100;

// Plays the score into a stereo buffer: every part's notes at their beats, panned, with the
// room added. The buffer lasts the score's length, or until the last note plus the tail; it
// fades out over its last 40 ms so it never ends in a click. Levels are not yet adjusted.
AudioBuffer renderScore(const Score& score, int sampleRate = kCueSampleRate);

}  // namespace trivanto::synth
