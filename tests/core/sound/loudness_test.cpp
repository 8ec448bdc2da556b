// The loudness meter against the reference figures of ITU-R BS.1770 and EBU Tech 3341.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/sound/loudness.h"
#include "mix_probe.h"

namespace trivanto {
namespace {

AudioBuffer monoSine(double frequency, double amplitude, double seconds, int rate = 48000) {
    AudioBuffer audio;
    audio.sampleRate = rate;
    audio.channels = 1;
    audio.samples.resize(static_cast<std::size_t>(seconds * rate));
    for (std::size_t n = 0; n < audio.samples.size(); ++n) {
        audio.samples[n] =
            static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * frequency * n / rate));
    }
    return audio;
}

TEST(Loudness, FullScaleSineOnOneChannelReadsMinus3) {
    // The standard's calibration: a 0 dBFS 1 kHz sine in one channel reads -3.01 LUFS.
    for (const int rate : {44100, 48000}) {
        const LoudnessFigures f = measureLoudness(monoSine(1000, 1.0, 2.0, rate));
        EXPECT_NEAR(f.integratedLufs, -3.01, 0.05) << rate;
        EXPECT_NEAR(f.samplePeak, 1.0, 1e-3);
    }
}

TEST(Loudness, StereoAddsTheChannels) {
    // EBU Tech 3341 case 1: a 1 kHz sine at -23 dBFS in both channels reads -23 LUFS.
    const LoudnessFigures f = measureLoudness(sineTone(1000, dbToAmplitude(-23), 3.0, 48000));
    EXPECT_NEAR(f.integratedLufs, -23.0, 0.1);
}

TEST(Loudness, HighTonesWeighMoreThanDeepOnes) {
    const double mid = measureLoudness(monoSine(1000, 0.5, 2.0)).integratedLufs;
    const double high = measureLoudness(monoSine(8000, 0.5, 2.0)).integratedLufs;
    const double deep = measureLoudness(monoSine(30, 0.5, 2.0)).integratedLufs;
    EXPECT_NEAR(high - mid, 3.34, 0.1);  // the shelf of the head
    EXPECT_NEAR(deep - mid, -9.0, 0.2);  // the high pass
}

TEST(Loudness, QuietPassagesDoNotPullTheFigureDown) {
    // EBU Tech 3341 case 3 in short: -36 / -23 / -36 dBFS; the relative gate keeps the -23.
    AudioBuffer audio = sineTone(1000, dbToAmplitude(-36), 3.0, 48000);
    const AudioBuffer loud = sineTone(1000, dbToAmplitude(-23), 20.0, 48000);
    audio.samples.insert(audio.samples.end(), loud.samples.begin(), loud.samples.end());
    const AudioBuffer tail = sineTone(1000, dbToAmplitude(-36), 3.0, 48000);
    audio.samples.insert(audio.samples.end(), tail.samples.begin(), tail.samples.end());
    EXPECT_NEAR(measureLoudness(audio).integratedLufs, -23.0, 0.15);
}

TEST(Loudness, SilenceAndNothingReadAsSilence) {
    AudioBuffer silent = sineTone(1000, 0.0, 1.0);
    EXPECT_EQ(measureLoudness(silent).integratedLufs, kSilenceLufs);
    EXPECT_EQ(measureLoudness(AudioBuffer{}).integratedLufs, kSilenceLufs);
    // Shorter than one 400 ms block: measured as one block.
    EXPECT_NEAR(measureLoudness(monoSine(1000, 1.0, 0.2)).integratedLufs, -3.01, 0.1);
}

}  // namespace
}  // namespace trivanto
