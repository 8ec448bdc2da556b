#pragma once

#include "core/common/result.h"
#include "core/sound/audio_buffer.h"
#include "core/sound/loudness.h"

namespace trivanto::synth {

// Every cue is brought to one loudness, so none is much louder than another, with its peaks
// kept below a ceiling, so none clips (the Vorbis coder adds a little to the peaks).
inline constexpr double kCueLoudnessLufs = -16.0;
inline constexpr double kCuePeakCeilingDb = -1.5;

struct MasteringReport {
    double sourceLufs = 0.0;  // before
    double gainDb = 0.0;      // applied to the whole cue
    double limitedDb = 0.0;   // the most the limiter took off a peak (0: untouched)
    LoudnessFigures result;
};

// Sets the loudness to `targetLufs`; peaks that would pass `ceilingDb` are taken down by a
// look-ahead limiter. A silent buffer is an error: it cannot be brought to any loudness.
Result<MasteringReport> master(AudioBuffer& audio, double targetLufs = kCueLoudnessLufs,
                               double ceilingDb = kCuePeakCeilingDb);

}  // namespace trivanto::synth
