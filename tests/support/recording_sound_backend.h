#pragma once

#include <QString>
#include <QStringList>

#include "core/app/sound_backend.h"

namespace trivanto {

// Records the calls in order: "stop" for a stop, the path for a play.
class RecordingSoundBackend final : public SoundBackend {
public:
    void play(const QString& path) override {
        m_calls.append(path);
        m_played.append(path);
    }
    void stop() override { m_calls.append(QStringLiteral("stop")); }

    const QStringList& calls() const { return m_calls; }
    // Only the played paths, in order.
    const QStringList& played() const { return m_played; }
    void clear() {
        m_calls.clear();
        m_played.clear();
    }

private:
    QStringList m_calls;
    QStringList m_played;
};

}  // namespace trivanto
