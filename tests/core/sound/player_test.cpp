// Real playback through SDL's dummy driver: what the mixer sends to the device is measured.
#include <SDL.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <random>

#include "core/app/memory_settings_store.h"
#include "core/game/sound_cues.h"
#include "core/sound/ogg_vorbis.h"
#include "core/sound/sound_player.h"
#include "mix_probe.h"

namespace trivanto {
namespace {

constexpr double kLoud = 0.5;
constexpr double kQuiet = 0.05;

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        // Never the real sound card, also when the test program is started by hand.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_TRUE(writeOggVorbis(path("loud.snd"), sineTone(440, kLoud, 3.0), 0.5f, 1).ok());
        ASSERT_TRUE(writeOggVorbis(path("quiet.snd"), sineTone(660, kQuiet, 3.0), 0.5f, 2).ok());
    }

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // Plays the loud tone and listens until it is heard; the probe stays for the test.
    void playLoudAndHearIt() {
        m_player->play(path("loud.snd"));
        ASSERT_TRUE(m_player->lastError().isEmpty()) << m_player->lastError().toStdString();
        ASSERT_TRUE(m_player->playing());
        m_probe = std::make_unique<MixProbe>();
        ASSERT_TRUE(m_probe->hears(kLoud * 0.8));
    }

    static void expectSilence(const std::vector<double>& peaks) {
        ASSERT_EQ(peaks.size(), 3u) << "the mixer stopped mixing";
        for (const double p : peaks) {
            EXPECT_EQ(p, 0.0);
        }
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TSoundPlayer> m_player = std::make_unique<TSoundPlayer>();
    std::unique_ptr<MixProbe> m_probe;
};

TEST_F(SoundPlayerTest, PlaysTheFileAtItsLevel) {
    playLoudAndHearIt();
    EXPECT_EQ(m_player->driver(), QStringLiteral("dummy"));
    for (const double p : m_probe->nextBufferPeaks(3)) {
        EXPECT_NEAR(p, kLoud, 0.05);
    }
}

TEST_F(SoundPlayerTest, StopSilencesTheVeryNextBuffer) {
    playLoudAndHearIt();
    m_player->stop();
    EXPECT_FALSE(m_player->playing());
    expectSilence(m_probe->nextBufferPeaks(3));

    // The input stays open: Play starts it again from the start.
    EXPECT_TRUE(m_player->Play().ok());
    EXPECT_TRUE(m_probe->hears(kLoud * 0.8));
}

TEST_F(SoundPlayerTest, ASecondCueReplacesTheFirst) {
    playLoudAndHearIt();
    m_player->play(path("quiet.snd"));
    EXPECT_TRUE(m_player->playing());
    for (const double p : m_probe->nextBufferPeaks(3)) {
        EXPECT_NEAR(p, kQuiet, 0.01) << "the first cue still sounds";
    }
}

// A file the player cannot play stays silent, and the cue before it is stopped all the same.
struct BadFile {
    const char* name;
    QByteArray (*content)(const QByteArray& goodOgg);  // nullptr: the file does not exist
    const char* reason;                                // part of the player's explanation
};

void PrintTo(const BadFile& bad, std::ostream* os) {
    *os << bad.name;
}

QByteArray randomBytes(qsizetype size) {
    std::mt19937 random(42);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

const BadFile kBadFiles[] = {
    {"Missing", nullptr, "no such sound file"},
    {"Empty", [](const QByteArray&) { return QByteArray(); }, "not a sound file"},
    {"RandomBytes", [](const QByteArray&) { return randomBytes(20000); }, "not a sound file"},
    {"Text", [](const QByteArray&) { return QByteArray("audio01.snd\nthis is no sound\n"); },
     "not a sound file"},
    {"OggCutInItsHeaders", [](const QByteArray& ogg) { return ogg.first(120); }, "damaged"},
    {"OggHeadThenNoise", [](const QByteArray& ogg) { return ogg.first(60) + randomBytes(20000); },
     "damaged"},
    {"WaveHeadThenNoise",
     [](const QByteArray&) {
         return QByteArray("RIFF\x24\x10\x00\x00WAVEfmt ", 16) + randomBytes(4000);
     },
     "damaged"},
};

class SoundPlayerBadFileTest : public SoundPlayerTest,
                               public ::testing::WithParamInterface<BadFile> {};

TEST_P(SoundPlayerBadFileTest, StaysSilent) {
    const BadFile& bad = GetParam();
    QFile good(path("loud.snd"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray goodOgg = good.readAll();
    if (bad.content != nullptr) {
        QFile file(path("bad.snd"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bad.content(goodOgg));
    }

    playLoudAndHearIt();
    m_player->play(path("bad.snd"));
    EXPECT_FALSE(m_player->playing());
    EXPECT_TRUE(m_player->lastError().contains(QLatin1String(bad.reason)))
        << m_player->lastError().toStdString();
    expectSilence(m_probe->nextBufferPeaks(3));
    EXPECT_FALSE(m_player->Play().ok()) << "no input is left to play";

    // The player carries on with the next good cue.
    m_player->play(path("quiet.snd"));
    EXPECT_TRUE(m_probe->hears(kQuiet * 0.8));
}

INSTANTIATE_TEST_SUITE_P(Files, SoundPlayerBadFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundPlayerTest, AFolderOfTheCueNameStaysSilent) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.snd")));
    m_player->play(path("folder.snd"));
    EXPECT_FALSE(m_player->playing());
    EXPECT_FALSE(m_player->lastError().isEmpty());
}

TEST_F(SoundPlayerTest, FallsBackToTheDummyDriverWhenNoDeviceOpens) {
    const QByteArray before = qgetenv("SDL_AUDIODRIVER");
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    m_player->play(path("loud.snd"));
    setenv("SDL_AUDIODRIVER", before.constData(), 1);
    EXPECT_EQ(m_player->driver(), QStringLiteral("dummy"));
    EXPECT_TRUE(m_player->playing());
    MixProbe probe;
    EXPECT_TRUE(probe.hears(kLoud * 0.8));
}

// The game's cues through the real player: with the sound off nothing is heard, and the audio
// device is not even opened.
TEST_F(SoundPlayerTest, SoundOffIsSilentThroughTheCues) {
    QFile::copy(path("loud.snd"), path("audio05.snd"));
    QFile::copy(path("quiet.snd"), path("audio08.snd"));
    MemorySettingsStore settings;
    settings.setBool(QStringLiteral("Players/Ton"), false);
    SoundCues cues(settings, *m_player, m_dir.path() + QLatin1Char('/'));

    cues.play(Cue::Countdown);
    cues.play(Cue::Right);
    EXPECT_FALSE(m_player->playing());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the device opened with the sound off";

    cues.toggleSound();  // on: nothing starts until the next cue
    EXPECT_FALSE(m_player->playing());
    cues.play(Cue::Countdown);
    ASSERT_TRUE(m_player->playing());
    MixProbe probe;
    EXPECT_TRUE(probe.hears(kLoud * 0.8));

    cues.toggleSound();  // off: silent at once
    EXPECT_FALSE(m_player->playing());
    expectSilence(probe.nextBufferPeaks(3));
    cues.play(Cue::Right);
    EXPECT_FALSE(m_player->playing());
}

TEST_F(SoundPlayerTest, ClosingWhilePlayingReleasesTheDevice) {
    playLoudAndHearIt();
    m_probe.reset();
    m_player.reset();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace
}  // namespace trivanto
