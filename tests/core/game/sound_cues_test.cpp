#include <gtest/gtest.h>

#include "core/app/memory_settings_store.h"
#include "core/game/sound_cues.h"
#include "support/recording_sound_backend.h"

namespace trivanto {
namespace {

TEST(SoundCues, PlayStopsFirstAndOnlyWhileOn) {
    MemorySettingsStore settings;
    RecordingSoundBackend backend;
    SoundCues cues(settings, backend, QStringLiteral("dir/"));
    EXPECT_TRUE(cues.SoundOn());  // absent value: on
    cues.play(Cue::Countdown);
    EXPECT_EQ(backend.calls(), (QStringList{"stop", "dir/audio05.snd"}));

    backend.clear();
    cues.toggleSound();
    EXPECT_FALSE(cues.SoundOn());
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Ton"), -1), 0);
    cues.play(Cue::Right);
    cues.stop();  // stops whatever the switch says
    EXPECT_EQ(backend.calls(), (QStringList{"stop", "stop"}));

    backend.clear();
    cues.toggleSound();  // switching on starts nothing
    EXPECT_TRUE(backend.calls().isEmpty());
    EXPECT_EQ(settings.intValue(QStringLiteral("Players/Ton"), -1), 1);

    // The choice survives a restart.
    cues.toggleSound();
    SoundCues restarted(settings, backend, QStringLiteral("dir/"));
    EXPECT_FALSE(restarted.SoundOn());
}

TEST(SoundCues, FileNamesHaveTwoDigits) {
    EXPECT_EQ(SoundCues::fileName(Cue::ProgramStart), QStringLiteral("audio01.snd"));
    EXPECT_EQ(SoundCues::fileName(Cue::DrawBegin), QStringLiteral("audio12.snd"));
}

}  // namespace
}  // namespace trivanto
