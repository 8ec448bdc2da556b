#pragma once

#include "core/sound/audio_buffer.h"

namespace trivanto {

// Loudness figures of a sound, so cues can be made equally loud and checked for clipping.
struct LoudnessFigures {
    // Integrated loudness in LUFS (ITU-R BS.1770: K-weighted, 400 ms blocks, absolute gate
    // at -70 LUFS, relative gate 10 LU below); kSilence when nothing passes the gates.
    double integratedLufs = 0.0;
    // The largest absolute sample value (1.0 is full scale).
    double samplePeak = 0.0;
};

inline constexpr double kSilenceLufs = -200.0;

LoudnessFigures measureLoudness(const AudioBuffer& audio);

// Decibels of a linear amplitude (full scale = 0 dB); -200 for silence.
double amplitudeToDb(double amplitude);
double dbToAmplitude(double db);

}  // namespace trivanto
