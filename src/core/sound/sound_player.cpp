#include "core/sound/sound_player.h"

#include <QFile>
#include <QFileInfo>

#include "core/sound/sdl_mixer_library.h"
#include "core/sound/sound_format.h"

namespace trivanto {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// About 23 ms per buffer: a stop is heard at once, and the audio thread has time enough.
constexpr int kBufferFrames = 1024;

QString sdlError(const SdlMixerLibrary& sdl) {
    return QString::fromUtf8(sdl.GetError());
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
Status startMixer(const SdlMixerLibrary& sdl) {
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return Status::failure(QStringLiteral("no audio driver: ") + sdlError(sdl));
    }
    if (sdl.OpenAudio(kRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
        const QString error = QStringLiteral("no audio device: ") + sdlError(sdl);
        sdl.QuitSubSystem(SDL_INIT_AUDIO);
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
    const auto library = sdlMixerLibrary();
    if (!library.ok()) {
        m_deviceError = library.error();
        return Status::failure(m_deviceError);
    }
    m_sdl = *library;
    const SdlMixerLibrary& sdl = *m_sdl;
    // Before the first SDL_Init: otherwise SDL takes SIGINT and SIGTERM for an SDL_QUIT event
    // that nobody here reads, and the program would no longer end on them.
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Trivanto");
    Status started = startMixer(sdl);
    if (!started) {
        // No sound card, no sound server: the dummy driver plays in silence, in real time.
        sdl.SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_onDummyDriver = true;
        const Status dummy = startMixer(sdl);
        if (!dummy) {
            sdl.ResetHint(SDL_HINT_AUDIODRIVER);
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
    m_sdl->CloseAudio();
    m_sdl->Quit();
    m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
    if (m_onDummyDriver) {
        m_sdl->ResetHint(SDL_HINT_AUDIODRIVER);
        m_onDummyDriver = false;
    }
    m_deviceOpen = false;
}

void TSoundPlayer::closeInput() {
    if (m_music != nullptr) {
        m_sdl->FreeMusic(m_music);  // halts it first when it plays
        m_music = nullptr;
    }
}

void TSoundPlayer::Stop() {
    if (m_deviceOpen) {
        m_sdl->HaltMusic();
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
    SDL_RWops* stream = m_sdl->RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (stream == nullptr) {
        return Status::failure(QStringLiteral("%1: cannot open (%2)").arg(path, sdlError(*m_sdl)));
    }
    // The mixer closes the stream, whether the load succeeds or not.
    m_music = m_sdl->LoadMUSType_RW(stream, mixerType(format), SDL_TRUE);
    if (m_music == nullptr) {
        return Status::failure(
            QStringLiteral("%1: damaged sound file (%2)").arg(path, sdlError(*m_sdl)));
    }
    return Status::success();
}

Status TSoundPlayer::Play() {
    if (m_music == nullptr) {
        return Status::failure(QStringLiteral("no sound file open"));
    }
    if (m_sdl->PlayMusic(m_music, 1) != 0) {
        return Status::failure(QStringLiteral("cannot play: ") + sdlError(*m_sdl));
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
    return m_deviceOpen && m_sdl->PlayingMusic() != 0;
}

QString TSoundPlayer::driver() const {
    if (!m_deviceOpen) {
        return {};
    }
    const char* name = m_sdl->GetCurrentAudioDriver();
    return name != nullptr ? QString::fromUtf8(name) : QString();
}

}  // namespace trivanto
