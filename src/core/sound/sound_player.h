#pragma once

#include <QString>

#include "core/app/sound_backend.h"
#include "core/common/result.h"

struct _Mix_Music;

namespace trivanto {

struct SdlMixerLibrary;

// The game's sound player on SDL2_mixer. One sound at a time, streamed: the file is opened
// here and decoded piece by piece on SDL's audio thread, so no call waits for the sound, and
// Stop silences it before it returns. The mixer's libraries are loaded and the audio device
// opens with the first sound to be heard (a game with the sound off never loads them); when no
// device opens, SDL's "dummy" driver takes over, so the game runs the same without sound, and
// without the libraries it runs in silence. SDL's signal handlers stay off: SIGINT and
// SIGTERM end the program as they would without sound.
//
// The mixer is one per process; so is this player.
class TSoundPlayer final : public SoundBackend {
public:
    TSoundPlayer() = default;
    ~TSoundPlayer() override;
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    // Stops the sound at once; the input stays open, so Play starts it again.
    void Stop();
    // Makes the file the input, closing the one before (which stops it). A missing file, one
    // of no known sound format or one whose decoder refuses it leaves no input.
    Status InputOpen(const QString& path);
    // Plays the input once from its start; without input, nothing.
    Status Play();

    // The cues: Stop, InputOpen, Play. A failure stays silent; lastError() tells it.
    void play(const QString& path) override;
    void stop() override;

    // Whether a sound is being played right now.
    bool playing() const;
    // The SDL audio driver in use ("pulseaudio", "alsa", "dummy", ...); empty while no device
    // is open.
    QString driver() const;
    // Why the last cue stayed silent; empty when it played.
    const QString& lastError() const { return m_lastError; }

private:
    Status openDevice();
    void closeDevice();
    void closeInput();

    const SdlMixerLibrary* m_sdl = nullptr;  // set once the device has been tried
    _Mix_Music* m_music = nullptr;
    bool m_deviceOpen = false;
    bool m_onDummyDriver = false;
    QString m_deviceError;  // set once no device, not even the dummy, could be opened
    QString m_lastError;
};

}  // namespace trivanto
