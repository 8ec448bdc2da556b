#include "mix_probe.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace trivanto {

namespace {
constexpr auto kPatience = std::chrono::seconds(10);
}

MixProbe::MixProbe() {
    Mix_SetPostMix(&MixProbe::onMix, this);
}

MixProbe::~MixProbe() {
    Mix_SetPostMix(nullptr, nullptr);
}

void MixProbe::onMix(void* self, std::uint8_t* stream, int bytes) {
    auto* probe = static_cast<MixProbe*>(self);
    // The player opens the device with signed 16-bit samples.
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    int peak = 0;
    for (int i = 0; i < bytes / 2; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    {
        const std::lock_guard lock(probe->m_mutex);
        probe->m_peaks.push_back(peak / 32768.0);
    }
    probe->m_mixed.notify_all();
}

std::vector<double> MixProbe::nextBufferPeaks(int count) {
    std::unique_lock lock(m_mutex);
    const std::size_t from = m_peaks.size();
    m_mixed.wait_for(lock, kPatience,
                     [&] { return m_peaks.size() >= from + static_cast<std::size_t>(count); });
    const std::size_t to = std::min(m_peaks.size(), from + static_cast<std::size_t>(count));
    return {m_peaks.begin() + static_cast<std::ptrdiff_t>(from),
            m_peaks.begin() + static_cast<std::ptrdiff_t>(to)};
}

bool MixProbe::hears(double level) {
    std::unique_lock lock(m_mutex);
    const std::size_t from = m_peaks.size();
    return m_mixed.wait_for(lock, kPatience, [&] {
        return std::any_of(m_peaks.begin() + static_cast<std::ptrdiff_t>(from), m_peaks.end(),
                           [&](double p) { return p > level; });
    });
}

AudioBuffer sineTone(double frequency, double amplitude, double seconds, int sampleRate) {
    AudioBuffer audio;
    audio.sampleRate = sampleRate;
    audio.channels = 2;
    const auto frames = static_cast<std::size_t>(seconds * sampleRate);
    audio.samples.resize(frames * 2);
    for (std::size_t n = 0; n < frames; ++n) {
        const auto s = static_cast<float>(
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * n / sampleRate));
        audio.samples[n * 2] = s;
        audio.samples[n * 2 + 1] = s;
    }
    return audio;
}

}  // namespace trivanto
