#include "core/sound/loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trivanto {

namespace {

// One second-order section, direct form I.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double process(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The two stages of the K-weighting filter, designed for any sample rate (at 48 kHz they give
// the coefficients printed in the standard): a high shelf of about +4 dB above 1.7 kHz (the
// head's effect) and a high pass near 38 Hz.
Biquad highShelf(double rate) {
    const double f0 = 1681.974450955533;
    const double gainDb = 3.999843853973347;
    const double q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double vh = std::pow(10.0, gainDb / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    Biquad f;
    f.b0 = (vh + vb * k / q + k * k) / a0;
    f.b1 = 2.0 * (k * k - vh) / a0;
    f.b2 = (vh - vb * k / q + k * k) / a0;
    f.a1 = 2.0 * (k * k - 1.0) / a0;
    f.a2 = (1.0 - k / q + k * k) / a0;
    return f;
}

Biquad highPass(double rate) {
    const double f0 = 38.13547087602444;
    const double q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double a0 = 1.0 + k / q + k * k;
    Biquad f;
    f.b0 = 1.0;
    f.b1 = -2.0;
    f.b2 = 1.0;
    f.a1 = 2.0 * (k * k - 1.0) / a0;
    f.a2 = (1.0 - k / q + k * k) / a0;
    return f;
}

double blockLoudness(double meanSquareSum) {
    return meanSquareSum > 0 ? -0.691 + 10.0 * std::log10(meanSquareSum) : kSilenceLufs;
}

}  // namespace

double amplitudeToDb(double amplitude) {
    return amplitude > 0 ? 20.0 * std::log10(amplitude) : kSilenceLufs;
}

double dbToAmplitude(double db) {
    return std::pow(10.0, db / 20.0);
}

LoudnessFigures measureLoudness(const AudioBuffer& audio) {
    LoudnessFigures figures;
    figures.integratedLufs = kSilenceLufs;
    const std::size_t frames = audio.frames();
    if (frames == 0 || audio.sampleRate <= 0) {
        return figures;
    }
    const auto channels = static_cast<std::size_t>(audio.channels);
    for (const float s : audio.samples) {
        figures.samplePeak = std::max(figures.samplePeak, static_cast<double>(std::fabs(s)));
    }

    // The square of the K-weighted signal, summed over the channels (each weighs 1: the front
    // channels of the standard).
    std::vector<double> power(frames, 0.0);
    for (std::size_t c = 0; c < channels; ++c) {
        Biquad shelf = highShelf(audio.sampleRate);
        Biquad pass = highPass(audio.sampleRate);
        for (std::size_t i = 0; i < frames; ++i) {
            const double y = pass.process(shelf.process(audio.samples[i * channels + c]));
            power[i] += y * y;
        }
    }

    // 400 ms blocks, overlapping by 75 %. A sound shorter than one block is one block.
    const auto blockFrames =
        std::min(frames, static_cast<std::size_t>(std::lround(0.4 * audio.sampleRate)));
    const auto step = std::max<std::size_t>(1, blockFrames / 4);
    std::vector<double> blocks;
    std::vector<double> prefix(frames + 1, 0.0);
    for (std::size_t i = 0; i < frames; ++i) {
        prefix[i + 1] = prefix[i] + power[i];
    }
    for (std::size_t start = 0; start + blockFrames <= frames; start += step) {
        blocks.push_back((prefix[start + blockFrames] - prefix[start]) /
                         static_cast<double>(blockFrames));
    }

    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (const double z : blocks) {
            if (blockLoudness(z) > gate) {
                sum += z;
                ++count;
            }
        }
        return count > 0 ? sum / count : 0.0;
    };
    const double absolute = gatedMean(-70.0);
    if (absolute <= 0) {
        return figures;
    }
    const double relativeGate = std::max(-70.0, blockLoudness(absolute) - 10.0);
    figures.integratedLufs = blockLoudness(gatedMean(relativeGate));
    return figures;
}

}  // namespace trivanto
