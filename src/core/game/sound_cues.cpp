#include "core/game/sound_cues.h"

#include "core/app/settings_store.h"
#include "core/app/sound_backend.h"
#include "core/common/file_path.h"

namespace trivanto {

namespace {
const QString kTonKey = QStringLiteral("Players/Ton");
}

SoundCues::SoundCues(SettingsStore& settings, SoundBackend& backend, QString progDir)
    : m_settings(settings), m_backend(backend), m_progDir(std::move(progDir)) {
    m_soundOn = m_settings.boolValue(kTonKey, true);
}

void SoundCues::play(Cue cue) {
    if (!m_soundOn) {
        return;
    }
    m_backend.stop();
    m_backend.play(filePath(m_progDir, fileName(cue)));
}

void SoundCues::stop() {
    m_backend.stop();
}

void SoundCues::toggleSound() {
    m_soundOn = !m_soundOn;
    if (!m_soundOn) {
        m_backend.stop();
    }
    m_settings.setBool(kTonKey, m_soundOn);
}

QString SoundCues::fileName(Cue cue) {
    return QStringLiteral("audio%1.snd").arg(static_cast<int>(cue), 2, 10, QLatin1Char('0'));
}

}  // namespace trivanto
