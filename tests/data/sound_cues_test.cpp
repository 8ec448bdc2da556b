// Checks the built sound cues in the program folder: every cue is there, an Ogg Vorbis file of
// 44.1 kHz that the player accepts, as long as its moment in the game allows, and all of them
// equally loud without clipping. The files are decoded here, as the player would.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "core/sound/loudness.h"
#include "core/sound/ogg_vorbis.h"
#include "core/sound/sound_format.h"
#include "core/sound/sound_player.h"

namespace trivanto {
namespace {

struct CueFile {
    int number;
    const char* role;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const CueFile& cue, std::ostream* os) {
    *os << cue.role;
}

const CueFile kCues[] = {
    {1, "StartJingle", 2, 8},
    {2, "SetupMusic", 20, 60},  // plays while the players set up the game
    {3, "FirstBet", 2, 6},
    {4, "NextBet", 1.5, 5},
    {5, "Countdown", 16.9, 17.1},  // 16 ticks of one second, and the 17th ends the question
    {6, "Joker", 1.5, 6},
    {7, "Estimation", 2, 8},
    {8, "Right", 1, 4},
    {9, "DrawEnd", 0.5, 2.0},  // the game pauses 2000 ms with it, then the bet cue follows
    {10, "Wrong", 1, 4},
    {11, "GameEnd", 4, 15},
    {12, "DrawFlicker", 0.5, 1.0},  // ten flickers of the frame, 60 ms each
};

QString cuePath(int number) {
    return QStringLiteral(TRIVANTO_BUILD_PROG_DIR "/audio%1.snd")
        .arg(number, 2, 10, QLatin1Char('0'));
}

// Mean power (in dB) of the 100 ms windows within 20 dB of the loudest one: the level of what
// is heard, whatever silence a cue ends with.
double activeRmsDb(const AudioBuffer& audio, double fromSeconds = 0, double toSeconds = 1e9) {
    const auto window = static_cast<std::size_t>(audio.sampleRate / 10) * 2;
    const auto first = static_cast<std::size_t>(fromSeconds * audio.sampleRate) * 2;
    const std::size_t last =
        std::min(audio.samples.size(), static_cast<std::size_t>(toSeconds * audio.sampleRate) * 2);
    std::vector<double> powers;
    for (std::size_t start = first; start + window <= last; start += window) {
        double sum = 0;
        for (std::size_t i = start; i < start + window; ++i) {
            sum += double(audio.samples[i]) * audio.samples[i];
        }
        powers.push_back(sum / window);
    }
    const double loudest = *std::max_element(powers.begin(), powers.end());
    double sum = 0;
    int count = 0;
    for (const double p : powers) {
        if (p >= loudest / 100) {
            sum += p;
            ++count;
        }
    }
    return 10 * std::log10(sum / count);
}

class SoundCueFileTest : public ::testing::TestWithParam<CueFile> {};

TEST_P(SoundCueFileTest, IsOggVorbisAt44kHzOfFittingLength) {
    const CueFile& cue = GetParam();
    QFile file(cuePath(cue.number));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing: " << file.fileName().toStdString();
    EXPECT_EQ(soundFormatOf(file.read(kSoundFormatHeadBytes)), SoundFormat::OggVorbis);

    const auto audio = readOggVorbis(file.fileName());
    ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
    EXPECT_EQ(audio->sampleRate, 44100);
    EXPECT_EQ(audio->channels, 2);
    EXPECT_GE(audio->seconds(), cue.minSeconds);
    EXPECT_LE(audio->seconds(), cue.maxSeconds);

    setenv("SDL_AUDIODRIVER", "dummy", 0);
    TSoundPlayer player;
    const Status opened = player.InputOpen(file.fileName());
    EXPECT_TRUE(opened.ok()) << opened.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cues, SoundCueFileTest, ::testing::ValuesIn(kCues), [](const auto& info) {
    return QStringLiteral("audio%1_%2")
        .arg(info.param.number, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(info.param.role))
        .toStdString();
});

TEST(SoundCueFiles, AreEquallyLoudAndNoneClips) {
    std::vector<double> lufs;
    std::vector<double> rms;
    for (const CueFile& cue : kCues) {
        const auto audio = readOggVorbis(cuePath(cue.number));
        ASSERT_TRUE(audio.ok()) << audio.error().toStdString();
        const LoudnessFigures figures = measureLoudness(audio.value());
        lufs.push_back(figures.integratedLufs);
        rms.push_back(activeRmsDb(audio.value()));
        // Headroom left: nothing near full scale, so nothing clips on any device.
        EXPECT_LT(figures.samplePeak, dbToAmplitude(-1.0)) << cue.role;
        std::cout << "audio" << cue.number << " " << cue.role << ": " << audio->seconds() << " s, "
                  << figures.integratedLufs << " LUFS, active RMS " << rms.back() << " dBFS, peak "
                  << amplitudeToDb(figures.samplePeak) << " dBFS\n";
    }
    const auto [quietLufs, loudLufs] = std::minmax_element(lufs.begin(), lufs.end());
    EXPECT_LT(*loudLufs - *quietLufs, 0.5) << "loudness differs between the cues";
    // Plain RMS weighs deep tones more than the ear does; the cues still lie close.
    const auto [quietRms, loudRms] = std::minmax_element(rms.begin(), rms.end());
    EXPECT_LT(*loudRms - *quietRms, 3.0) << "RMS level differs between the cues";
}

TEST(SoundCueFiles, TheCountdownMusicLastsUntilTheTimeIsUp) {
    const auto audio = readOggVorbis(cuePath(5));
    ASSERT_TRUE(audio.ok());
    const double whole = activeRmsDb(audio.value());
    // Every second of the 17 is music, the last one included: no early end, no gap.
    for (int second = 0; second < 17; ++second) {
        EXPECT_GT(activeRmsDb(audio.value(), second, second + 1), whole - 6) << second;
    }
}

}  // namespace
}  // namespace trivanto
