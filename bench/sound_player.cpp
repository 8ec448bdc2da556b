// What a cue costs the user-interface thread: starting one (stop, open, play) and stopping it,
// for cues of 1 to 60 seconds. Streaming keeps the start independent of the cue's length.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>

#include "core/sound/ogg_vorbis.h"
#include "core/sound/sound_player.h"

namespace trivanto {
namespace {

// A chord that lasts `seconds`, written once per length.
QString cueFile(int seconds) {
    static QTemporaryDir dir;
    static std::map<int, QString> files;
    if (const auto it = files.find(seconds); it != files.end()) {
        return it->second;
    }
    AudioBuffer audio;
    audio.samples.resize(static_cast<std::size_t>(seconds) * 44100 * 2);
    for (std::size_t n = 0; n < audio.frames(); ++n) {
        const double t = double(n) / 44100;
        const auto s = static_cast<float>(0.2 * (std::sin(2 * std::numbers::pi * 261.63 * t) +
                                                 std::sin(2 * std::numbers::pi * 329.63 * t) +
                                                 std::sin(2 * std::numbers::pi * 392.0 * t)));
        audio.samples[n * 2] = s;
        audio.samples[n * 2 + 1] = s;
    }
    const QString path = dir.filePath(QStringLiteral("audio%1.snd").arg(seconds));
    if (!writeOggVorbis(path, audio, 0.5f, seconds).ok()) {
        std::abort();
    }
    return files[seconds] = path;
}

TSoundPlayer& player() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static TSoundPlayer instance;
    return instance;
}

void BM_StartCue(benchmark::State& state) {
    const QString path = cueFile(static_cast<int>(state.range(0)));
    TSoundPlayer& p = player();
    for (auto _ : state) {
        p.play(path);
    }
    p.stop();
    if (!p.lastError().isEmpty()) {
        state.SkipWithError(p.lastError().toUtf8().constData());
    }
}
BENCHMARK(BM_StartCue)->Arg(1)->Arg(17)->Arg(60)->Unit(benchmark::kMicrosecond);

void BM_StopCue(benchmark::State& state) {
    const QString path = cueFile(17);
    TSoundPlayer& p = player();
    for (auto _ : state) {
        state.PauseTiming();
        p.play(path);
        state.ResumeTiming();
        p.stop();
    }
}
// Fixed rounds: each needs a start that is not measured, and stops are quick.
BENCHMARK(BM_StopCue)->Iterations(300)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace trivanto
