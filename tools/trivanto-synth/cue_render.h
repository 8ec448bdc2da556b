#pragma once

#include <QString>

#include "core/common/result.h"
#include "mastering.h"

namespace trivanto::synth {

// Vorbis quality of the cue files: about 160 kbit/s for stereo, clean for synthesised music.
inline constexpr float kCueQuality = 0.5f;

struct CueFigures {
    double seconds = 0.0;
    MasteringReport mastering;
};

// Reads a score, renders it, brings it to the cue loudness and writes it as Ogg Vorbis.
// The same score always gives the same file.
Result<CueFigures> renderCueFile(const QString& scorePath, const QString& outputPath);

// One line for people: length, loudness, peak.
QString describeFigures(const QString& name, double seconds, const LoudnessFigures& figures);

}  // namespace trivanto::synth
