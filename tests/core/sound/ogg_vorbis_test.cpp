#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "core/sound/loudness.h"
#include "core/sound/ogg_vorbis.h"
#include "mix_probe.h"

namespace trivanto {
namespace {

class OggVorbisTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QByteArray bytes(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

TEST_F(OggVorbisTest, WhatIsWrittenReadsBackTheSame) {
    const AudioBuffer tone = sineTone(523.25, 0.4, 1.5);
    ASSERT_TRUE(writeOggVorbis(path("a.snd"), tone, 0.5f, 7, QStringLiteral("Test")).ok());
    const auto read = readOggVorbis(path("a.snd"));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->sampleRate, 44100);
    EXPECT_EQ(read->channels, 2);
    EXPECT_EQ(read->frames(), tone.frames());
    // Lossy, but close: the level and every sample within a small error.
    double worst = 0;
    for (std::size_t i = 0; i < tone.samples.size(); ++i) {
        worst = std::max(worst, static_cast<double>(std::fabs(read->samples[i] - tone.samples[i])));
    }
    EXPECT_LT(worst, 0.02);
    EXPECT_NEAR(measureLoudness(read.value()).integratedLufs, measureLoudness(tone).integratedLufs,
                0.1);
}

TEST_F(OggVorbisTest, TheSameInputGivesTheSameBytes) {
    const AudioBuffer tone = sineTone(440, 0.3, 0.5);
    ASSERT_TRUE(writeOggVorbis(path("a.snd"), tone, 0.5f, 9).ok());
    ASSERT_TRUE(writeOggVorbis(path("b.snd"), tone, 0.5f, 9).ok());
    EXPECT_FALSE(bytes("a.snd").isEmpty());
    EXPECT_EQ(bytes("a.snd"), bytes("b.snd"));
}

TEST_F(OggVorbisTest, FailuresNameTheFile) {
    const QString nowhere = path("no-such-folder/a.snd");
    const Status written = writeOggVorbis(nowhere, sineTone(440, 0.3, 0.1), 0.5f, 1);
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains(nowhere));

    AudioBuffer noChannels;
    noChannels.channels = 0;
    EXPECT_FALSE(writeOggVorbis(path("c.snd"), noChannels, 0.5f, 1).ok());

    QFile text(path("text.snd"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no sound here");
    text.close();
    const auto read = readOggVorbis(path("text.snd"));
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error().contains(path("text.snd")));
    EXPECT_FALSE(readOggVorbis(path("missing.snd")).ok());
}

TEST_F(OggVorbisTest, ACutFileReadsNoMoreThanItHolds) {
    ASSERT_TRUE(writeOggVorbis(path("a.snd"), sineTone(440, 0.3, 2.0), 0.5f, 1).ok());
    const QByteArray whole = bytes("a.snd");
    QFile cut(path("cut.snd"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.first(whole.size() / 2));
    cut.close();
    const auto read = readOggVorbis(path("cut.snd"));
    if (read.ok()) {
        EXPECT_LT(read->seconds(), 2.0);
    } else {
        EXPECT_TRUE(read.error().contains(path("cut.snd")));
    }
}

}  // namespace
}  // namespace trivanto
