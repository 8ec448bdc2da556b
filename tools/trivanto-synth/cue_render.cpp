#include "cue_render.h"

#include <QFileInfo>

#include "core/sound/ogg_vorbis.h"
#include "renderer.h"
#include "score_reader.h"

namespace trivanto::synth {

namespace {

// The Ogg stream's serial number, from the file name (FNV-1a): fixed for a given cue.
int streamSerial(const QString& name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name.toUtf8()) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return static_cast<int>(hash & 0x7FFFFFFF);
}

}  // namespace

Result<CueFigures> renderCueFile(const QString& scorePath, const QString& outputPath) {
    auto score = readScoreFile(scorePath);
    if (!score) {
        return score.status();
    }
    AudioBuffer audio = renderScore(score.value());
    auto mastered = master(audio);
    if (!mastered) {
        return Result<CueFigures>::failure(scorePath + QStringLiteral(": ") + mastered.error());
    }
    const QString name = QFileInfo(outputPath).fileName();
    if (Status written =
            writeOggVorbis(outputPath, audio, kCueQuality, streamSerial(name), score->title);
        !written) {
        return written;
    }
    return CueFigures{audio.seconds(), mastered.value()};
}

QString describeFigures(const QString& name, double seconds, const LoudnessFigures& figures) {
    return QStringLiteral("%1: %2 s, %3 LUFS, peak %4 dBFS")
        .arg(name)
        .arg(seconds, 0, 'f', 2)
        .arg(figures.integratedLufs, 0, 'f', 1)
        .arg(amplitudeToDb(figures.samplePeak), 0, 'f', 1);
}

}  // namespace trivanto::synth
