#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "core/sound/audio_buffer.h"

namespace trivanto {

// Listens to what the mixer sends to the audio device (SDL's dummy driver in the tests): the
// peak of every buffer, in order. The device must be open. Waits end after a few seconds at
// most, so a broken player fails the test instead of hanging it.
class MixProbe {
public:
    MixProbe();
    ~MixProbe();
    MixProbe(const MixProbe&) = delete;
    MixProbe& operator=(const MixProbe&) = delete;

    // The peaks (0 .. 1) of the next `count` buffers mixed after this call; fewer when they
    // did not come in time.
    std::vector<double> nextBufferPeaks(int count);
    // Waits until a buffer with a peak above `level` is mixed.
    bool hears(double level);

private:
    static void onMix(void* self, std::uint8_t* stream, int bytes);

    std::mutex m_mutex;
    std::condition_variable m_mixed;
    std::vector<double> m_peaks;
};

// A sine tone, the same on both channels.
AudioBuffer sineTone(double frequency, double amplitude, double seconds, int sampleRate = 44100);

}  // namespace trivanto
