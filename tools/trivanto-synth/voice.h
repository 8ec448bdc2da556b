#pragma once

#include <vector>

#include "score.h"

namespace trivanto::synth {

// The mono sound of one pitched note: the key is held for `heldSeconds`, then released. The
// result lasts until the release has ended; its peak is at most about `velocity`.
std::vector<float> renderVoice(const Instrument& instrument, int midiNote, double heldSeconds,
                               double velocity, int sampleRate);

// Frequency in Hz of a MIDI note number (A4 = 69 = 440 Hz, equal temperament).
double noteFrequency(int midiNote);

}  // namespace trivanto::synth
