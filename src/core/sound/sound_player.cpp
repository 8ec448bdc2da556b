#include "core/sound/sound_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>
#include <QFileInfo>

#include "core/sound/sound_format.h"

namespace trivanto {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// About 23 ms per buffer: a stop is heard at once, and the audio thread has time enough.
constexpr int kBufferFrames = 1024;

QString sdlError() {
    return QString::fromUtf8(SDL_GetError());
}

Mix_MusicType mixerType(SoundFormat format) {
    switch (format) {
        case SoundFormat::OggVorbis:
            return MUS_OGG;
        case SoundFormat::OggOpus:
            return MUS_OPUS;
        case SoundFormat::Flac:
            return MUS_FLAC;
        case SoundFormat::Wave:
            return MUS_WAV;
        case SoundFormat::Mp3:
            return MUS_MP3;
        case SoundFormat::Unknown:
            break;
    }
    return MUS_NONE;
}

// Starts SDL's audio and the mixer on the driver SDL picks (or the one the hint names).
Status startMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return Status::failure(QStringLiteral("no audio driver: ") + sdlError());
    }
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
        const QString error =
            QStringLiteral("no audio device: ") + QString::fromUtf8(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Status::failure(error);
    }
    return Status::success();
}

}  // namespace

TSoundPlayer::~TSoundPlayer() {
    closeDevice();
}

Status TSoundPlayer::openDevice() {
    if (m_deviceOpen) {
        return Status::success();
    }
    if (!m_deviceError.isEmpty()) {
        return Status::failure(m_deviceError);  // tried before; trying again would only stall
    }
    // Before the first SDL_Init: otherwise SDL takes SIGINT and SIGTERM for an SDL_QUIT event
    // that nobody here reads, and the program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trivanto");
    Status started = startMixer();
    if (!started) {
        // No sound card, no sound server: the dummy driver plays in silence, in real time.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_onDummyDriver = true;
        const Status dummy = startMixer();
        if (!dummy) {
            SDL_ResetHint(SDL_HINT_AUDIODRIVER);
            m_onDummyDriver = false;
            m_deviceError = started.error() + QStringLiteral("; ") + dummy.error();
            return Status::failure(m_deviceError);
        }
    }
    m_deviceOpen = true;
    return Status::success();
}

void TSoundPlayer::closeDevice() {
    if (!m_deviceOpen) {
        return;
    }
    closeInput();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (m_onDummyDriver) {
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        m_onDummyDriver = false;
    }
    m_deviceOpen = false;
}

void TSoundPlayer::closeInput() {
    if (m_music != nullptr) {
        Mix_FreeMusic(m_music);  // halts it first when it plays
        m_music = nullptr;
    }
}

void TSoundPlayer::Stop() {
    if (m_deviceOpen) {
        Mix_HaltMusic();
    }
}

Status TSoundPlayer::InputOpen(const QString& path) {
    closeInput();
    // Only the first bytes are read here; decoding happens while the sound plays.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("%1: no such sound file").arg(path));
    }
    const SoundFormat format = soundFormatOf(file.read(kSoundFormatHeadBytes));
    file.close();
    if (format == SoundFormat::Unknown) {
        return Status::failure(QStringLiteral("%1: not a sound file the player knows").arg(path));
    }
    if (const Status device = openDevice(); !device) {
        return device;
    }
    SDL_RWops* stream = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (stream == nullptr) {
        return Status::failure(QStringLiteral("%1: cannot open (%2)").arg(path, sdlError()));
    }
    // The mixer closes the stream, whether the load succeeds or not.
    m_music = Mix_LoadMUSType_RW(stream, mixerType(format), SDL_TRUE);
    if (m_music == nullptr) {
        return Status::failure(QStringLiteral("%1: damaged sound file (%2)")
                                   .arg(path, QString::fromUtf8(Mix_GetError())));
    }
    return Status::success();
}

Status TSoundPlayer::Play() {
    if (m_music == nullptr) {
        return Status::failure(QStringLiteral("no sound file open"));
    }
    if (Mix_PlayMusic(m_music, 1) != 0) {
        return Status::failure(QStringLiteral("cannot play: ") + QString::fromUtf8(Mix_GetError()));
    }
    return Status::success();
}

void TSoundPlayer::play(const QString& path) {
    Stop();
    Status result = InputOpen(path);
    if (result) {
        result = Play();
    }
    m_lastError = result.error();
}

void TSoundPlayer::stop() {
    Stop();
}

bool TSoundPlayer::playing() const {
    return m_deviceOpen && Mix_PlayingMusic() != 0;
}

QString TSoundPlayer::driver() const {
    if (!m_deviceOpen) {
        return {};
    }
    const char* name = SDL_GetCurrentAudioDriver();
    return name != nullptr ? QString::fromUtf8(name) : QString();
}

}  // namespace trivanto
