#include "mastering.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace trivanto::synth {

namespace {

constexpr double kLookAheadSeconds = 0.005;
constexpr double kReleaseSeconds = 0.08;
constexpr int kPasses = 4;

void applyGain(AudioBuffer& audio, double db) {
    const auto g = static_cast<float>(dbToAmplitude(db));
    for (float& s : audio.samples) {
        s *= g;
    }
}

// Takes every peak above the ceiling down to it. The gain starts to fall a look-ahead before
// the peak and recovers slowly after it, so the limiting is not heard as distortion.
// Returns the largest reduction in dB.
double limit(AudioBuffer& audio, double ceiling) {
    const std::size_t frames = audio.frames();
    const auto channels = static_cast<std::size_t>(audio.channels);
    const auto ahead =
        std::max<std::size_t>(1, static_cast<std::size_t>(kLookAheadSeconds * audio.sampleRate));
    const double recovery = 1.0 / (kReleaseSeconds * audio.sampleRate);

    // The gain each frame needs on its own.
    std::vector<double> need(frames, 1.0);
    for (std::size_t n = 0; n < frames; ++n) {
        double peak = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            peak = std::max(peak, static_cast<double>(std::fabs(audio.samples[n * channels + c])));
        }
        need[n] = peak > ceiling ? ceiling / peak : 1.0;
    }
    // The least need over the last `ahead` frames, let rise no faster than the recovery.
    std::vector<double> held(frames, 1.0);
    std::deque<std::size_t> window;  // indices of rising need: the front is the minimum
    double previous = 1.0;
    for (std::size_t n = 0; n < frames; ++n) {
        while (!window.empty() && need[window.back()] >= need[n]) {
            window.pop_back();
        }
        window.push_back(n);
        if (window.front() + ahead < n) {
            window.pop_front();
        }
        held[n] = std::min(need[window.front()], previous + recovery);
        previous = held[n];
    }
    // Averaged over the look-ahead and applied that much earlier: at every peak the gain is
    // already down to what the peak needs.
    double deepest = 1.0;
    double sum = 0;
    for (std::size_t m = 0; m < frames + ahead; ++m) {
        sum += m < frames ? held[m] : 1.0;
        if (m >= ahead) {
            sum -= m - ahead < frames ? held[m - ahead] : 1.0;
        }
        if (m < ahead) {
            continue;
        }
        const std::size_t n = m - ahead;  // the frame this gain belongs to
        const double g = std::min(sum / static_cast<double>(ahead), 1.0);
        deepest = std::min(deepest, g);
        for (std::size_t c = 0; c < channels; ++c) {
            audio.samples[n * channels + c] =
                static_cast<float>(audio.samples[n * channels + c] * g);
        }
    }
    return -amplitudeToDb(deepest);
}

}  // namespace

Result<MasteringReport> master(AudioBuffer& audio, double targetLufs, double ceilingDb) {
    MasteringReport report;
    LoudnessFigures figures = measureLoudness(audio);
    report.sourceLufs = figures.integratedLufs;
    if (figures.integratedLufs <= kSilenceLufs) {
        return Result<MasteringReport>::failure(QStringLiteral("the cue is silent"));
    }
    const double ceiling = dbToAmplitude(ceilingDb);
    // Limiting lowers the loudness a little; a few rounds of gain and limiting meet both aims.
    for (int pass = 0; pass < kPasses; ++pass) {
        const double step = targetLufs - figures.integratedLufs;
        applyGain(audio, step);
        report.gainDb += step;
        if (measureLoudness(audio).samplePeak > ceiling) {
            report.limitedDb = std::max(report.limitedDb, limit(audio, ceiling));
        }
        figures = measureLoudness(audio);
        if (std::fabs(figures.integratedLufs - targetLufs) < 0.05) {
            break;
        }
    }
    report.result = figures;
    return report;
}

}  // namespace trivanto::synth
