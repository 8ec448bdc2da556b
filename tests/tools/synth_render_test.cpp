#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "core/sound/ogg_vorbis.h"
#include "cue_render.h"
#include "drums.h"
#include "mastering.h"
#include "renderer.h"
#include "score_reader.h"

namespace trivanto::synth {
namespace {

Score readOrFail(const char* json) {
    auto score = readScore(QByteArray(json));
    EXPECT_TRUE(score.ok()) << score.error().toStdString();
    return score.ok() ? score.value() : Score{};
}

// Frequency of the left channel from its rising zero crossings between two times.
double frequencyBetween(const AudioBuffer& audio, double from, double to) {
    const auto first = static_cast<std::size_t>(from * audio.sampleRate);
    const auto last = static_cast<std::size_t>(to * audio.sampleRate);
    std::size_t firstCross = 0;
    std::size_t lastCross = 0;
    int crossings = 0;
    for (std::size_t n = first + 1; n < last; ++n) {
        if (audio.samples[(n - 1) * 2] < 0 && audio.samples[n * 2] >= 0) {
            if (crossings == 0) {
                firstCross = n;
            }
            lastCross = n;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * audio.sampleRate / double(lastCross - firstCross) : 0;
}

const char kTwoNotes[] = R"({"title": "T", "tempo": 60, "tail": 0.5,
    "instruments": {"sine": {"partials": [1], "attack": 0.01, "sustain": 1, "release": 0.05}},
    "parts": [{"instrument": "sine", "gate": 1, "notes": "A4:1 E5:1"}]})";

TEST(Renderer, PlaysEachNoteAtItsPitchAndTime) {
    const AudioBuffer audio = renderScore(readOrFail(kTwoNotes));
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.channels, 2);
    EXPECT_NEAR(audio.seconds(), 2.5, 1e-3);  // two beats at 60 per minute and the tail
    EXPECT_NEAR(frequencyBetween(audio, 0.2, 0.9), 440.0, 1.0);
    EXPECT_NEAR(frequencyBetween(audio, 1.2, 1.9), 659.26, 1.0);
    // The release has ended long before the end: nothing sounds there, nothing clicks.
    EXPECT_LT(std::fabs(audio.samples.back()), 1e-6);
}

TEST(Renderer, FixedLengthAndPanning) {
    const AudioBuffer audio = renderScore(readOrFail(R"({"title": "T", "length": 1.25,
        "instruments": {"sine": {"partials": [1]}},
        "parts": [{"instrument": "sine", "pan": -1, "notes": "C4:8"}]})"));
    EXPECT_EQ(audio.frames(), 55125u);  // 1.25 s, though the note is longer
    double left = 0;
    double right = 0;
    for (std::size_t n = 0; n < audio.frames(); ++n) {
        left = std::max(left, double(std::fabs(audio.samples[n * 2])));
        right = std::max(right, double(std::fabs(audio.samples[n * 2 + 1])));
    }
    EXPECT_GT(left, 0.5);
    EXPECT_LT(right, 1e-6);
}

TEST(Renderer, TheSameScoreGivesTheSameSamples) {
    const char json[] = R"({"title": "T", "tempo": 140, "reverb": {"mix": 0.3},
        "instruments": {"bell": {"partials": [[1, 1], [2.76, 0.4]], "sustain": 0, "damping": 2}},
        "parts": [{"instrument": "bell", "notes": "C5:0.5 E5 G5"},
                  {"instrument": "drums", "notes": "kick+hat:0.5 snare+crash clap"}]})";
    const AudioBuffer first = renderScore(readOrFail(json));
    const AudioBuffer second = renderScore(readOrFail(json));
    EXPECT_EQ(first.samples, second.samples);
}

TEST(Drums, EveryDrumSoundsAndStaysWithinItsVelocity) {
    for (int d = 0; d <= static_cast<int>(Drum::Tom); ++d) {
        const std::vector<float> hit = renderDrum(static_cast<Drum>(d), 0.5, 44100, 7);
        double peak = 0;
        for (const float s : hit) {
            peak = std::max(peak, double(std::fabs(s)));
        }
        EXPECT_GT(peak, 0.05) << "drum " << d;
        EXPECT_LE(peak, 0.5) << "drum " << d;
        EXPECT_LT(std::fabs(hit.back()), 0.01) << "drum " << d << " ends in a click";
    }
}

TEST(Mastering, BringsQuietAndLoudCuesToOneLoudness) {
    for (const double level : {0.01, 0.3, 0.9}) {
        AudioBuffer audio = renderScore(readOrFail(kTwoNotes));
        for (float& s : audio.samples) {
            s = static_cast<float>(s * level);
        }
        const auto report = master(audio);
        ASSERT_TRUE(report.ok());
        EXPECT_NEAR(report->result.integratedLufs, kCueLoudnessLufs, 0.1) << level;
        EXPECT_NEAR(measureLoudness(audio).integratedLufs, kCueLoudnessLufs, 0.1) << level;
        EXPECT_LE(report->result.samplePeak, dbToAmplitude(kCuePeakCeilingDb) + 1e-6);
    }
}

TEST(Mastering, LimitsPeaksThatWouldPassTheCeiling) {
    // A soft tone with sharp clicks: at the cue loudness the clicks would clip.
    AudioBuffer audio = renderScore(readOrFail(kTwoNotes));
    for (float& s : audio.samples) {
        s *= 0.02f;
    }
    for (std::size_t n = 10000; n < audio.frames(); n += 20000) {
        audio.samples[n * 2] = 0.5f;
        audio.samples[n * 2 + 1] = -0.5f;
    }
    const auto report = master(audio);
    ASSERT_TRUE(report.ok());
    EXPECT_GT(report->limitedDb, 3.0);
    EXPECT_LE(measureLoudness(audio).samplePeak, dbToAmplitude(kCuePeakCeilingDb) + 1e-6);
    EXPECT_NEAR(measureLoudness(audio).integratedLufs, kCueLoudnessLufs, 0.2);
}

TEST(Mastering, RefusesSilence) {
    AudioBuffer silent;
    silent.samples.assign(44100 * 2, 0.0f);
    EXPECT_FALSE(master(silent).ok());
}

TEST(CueRender, WritesTheCueAsOggVorbisAtTheCueLoudness) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString scorePath = dir.filePath(QStringLiteral("cue.json"));
    QFile score(scorePath);
    ASSERT_TRUE(score.open(QIODevice::WriteOnly));
    score.write(kTwoNotes);
    score.close();

    const QString out = dir.filePath(QStringLiteral("audio99.snd"));
    const auto figures = renderCueFile(scorePath, out);
    ASSERT_TRUE(figures.ok()) << figures.error().toStdString();
    const auto decoded = readOggVorbis(out);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded->sampleRate, 44100);
    EXPECT_NEAR(decoded->seconds(), figures->seconds, 1e-3);
    EXPECT_NEAR(measureLoudness(decoded.value()).integratedLufs, kCueLoudnessLufs, 0.2);

    // Built again, the file has the same bytes: the build is reproducible.
    QFile first(out);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray bytes = first.readAll();
    first.close();
    ASSERT_TRUE(renderCueFile(scorePath, out).ok());
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), bytes);

    const auto broken = renderCueFile(dir.filePath(QStringLiteral("missing.json")), out);
    ASSERT_FALSE(broken.ok());
    EXPECT_TRUE(broken.error().contains(QStringLiteral("missing.json")));
}

}  // namespace
}  // namespace trivanto::synth
