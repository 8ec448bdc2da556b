#pragma once

#include <QString>

namespace trivanto {

class SettingsStore;
class SoundBackend;

// The game's sound cues; the number is the one in the file name "audioNN.snd".
enum class Cue {
    ProgramStart = 1,
    NewGame = 2,
    FirstQuestion = 3,
    NextQuestion = 4,
    Countdown = 5,
    Joker = 6,
    Estimation = 7,
    Right = 8,
    DrawEnd = 9,
    Wrong = 10,
    GameEnd = 11,
    DrawBegin = 12,
};

// Plays one cue at a time from the program folder while the sound is on. The on/off choice
// lives in the settings value "Players/Ton" (1 or 0, on when absent).
class SoundCues final {
public:
    SoundCues(SettingsStore& settings, SoundBackend& backend, QString progDir);

    bool SoundOn() const { return m_soundOn; }
    // Stops the sound before, then plays the cue; nothing at all while the sound is off.
    void play(Cue cue);
    // Stops whatever plays, whether the sound is on or not.
    void stop();
    // The sound button: toggles, stops when switched off, remembers the choice.
    void toggleSound();

    // "audio01.snd" .. "audio12.snd".
    static QString fileName(Cue cue);

private:
    SettingsStore& m_settings;
    SoundBackend& m_backend;
    QString m_progDir;
    bool m_soundOn = true;
};

}  // namespace trivanto
