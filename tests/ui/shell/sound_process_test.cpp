// The real program with its real sound player: SDL's "disk" driver writes what would go to the
// sound card into a named pipe, where the test listens; the program's memory map shows whether
// the sound library was loaded at all.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <cstdint>
#include <cstdlib>

#include "support/process_fixture.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

// Reads the pipe until a sample is clearly more than silence.
bool hearsSound(int pipe, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    std::int16_t samples[4096];
    while (clock.elapsed() < timeoutMs) {
        pollfd poller{pipe, POLLIN, 0};
        if (::poll(&poller, 1, static_cast<int>(timeoutMs - clock.elapsed())) <= 0) {
            return false;
        }
        const ssize_t got = ::read(pipe, samples, sizeof samples);
        if (got == 0 || (got < 0 && errno != EAGAIN)) {
            return false;  // the program closed its sound device
        }
        for (ssize_t i = 0; i < got / 2; ++i) {
            if (std::abs(samples[i]) > 1000) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(ShellProcessTest, EndsOnSigtermWhileTheStartCuePlays) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRIVANTO_BUILD_PROG_DIR "/audio01.snd"),
                            path("prog") + QStringLiteral("/audio01.snd")));
    const QByteArray fifo = QFile::encodeName(path("sound.raw"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int pipe = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(pipe, 0);

    auto p = launch({}, {{QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk")},
                         {QStringLiteral("SDL_DISKAUDIOFILE"), path("sound.raw")}});
    const bool heard = hearsSound(pipe, kTimeoutMs);
    EXPECT_TRUE(heard) << "the start cue was not played: "
                       << p->readAllStandardError().toStdString();

    p->terminate();  // SIGTERM
    const bool ended = p->waitForFinished(10000);
    ::close(pipe);
    if (!ended) {
        p->kill();
        p->waitForFinished(kTimeoutMs);
    }
    ASSERT_TRUE(ended) << "SIGTERM did not end the program while the sound played";
    EXPECT_EQ(p->exitStatus(), QProcess::CrashExit);
}

// Whether the running process has the mixer in its memory.
bool mapsTheMixer(const QProcess& p) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(p.processId()));
    EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
    return maps.readAll().contains("libSDL2_mixer");
}

struct SoundLibraryCase {
    const char* name;
    const char* settings;  // the settings file before the start
    bool loaded;
};

class SoundLibraryAtStart : public ShellProcessTest,
                            public ::testing::WithParamInterface<SoundLibraryCase> {};

// The start cue is the first sound: it loads the library; with the sound off nothing does.
TEST_P(SoundLibraryAtStart, IsLoadedOnlyForTheFirstCueHeard) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRIVANTO_BUILD_PROG_DIR "/audio01.snd"),
                            path("prog") + QStringLiteral("/audio01.snd")));
    QFile settings(path("settings.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(GetParam().settings);
    settings.close();

    auto p = launchRunning();
    ASSERT_EQ(p->state(), QProcess::Running);
    EXPECT_EQ(mapsTheMixer(*p), GetParam().loaded);
    p->terminate();
    EXPECT_TRUE(p->waitForFinished(kTimeoutMs));
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundLibraryAtStart,
                         ::testing::Values(SoundLibraryCase{"On", "[Players]\nTon=1\n", true},
                                           SoundLibraryCase{"Off", "[Players]\nTon=0\n", false}),
                         [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
