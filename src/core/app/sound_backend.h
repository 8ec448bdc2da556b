#pragma once

#include <QString>

namespace trivanto {

// Plays one sound file at a time, asynchronously. A missing or bad file stays silent;
// nothing here ever blocks the caller.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

// A backend that plays nothing (no audio device, or sound not built yet).
class SilentSoundBackend final : public SoundBackend {
public:
    void play(const QString&) override {}
    void stop() override {}
};

}  // namespace trivanto
