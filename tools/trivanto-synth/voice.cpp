#include "voice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trivanto::synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Level of the envelope while the key is held, t seconds after the start.
double heldLevel(const Instrument& in, double t) {
    if (t < in.attack) {
        return t / in.attack;
    }
    return in.sustain + (1.0 - in.sustain) * std::exp(-(t - in.attack) / in.decay);
}

}  // namespace

double noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

std::vector<float> renderVoice(const Instrument& in, int midiNote, double heldSeconds,
                               double velocity, int sampleRate) {
    const double rate = sampleRate;
    const auto heldFrames = static_cast<std::size_t>(std::max(0.0, heldSeconds) * rate);
    const auto total = heldFrames + static_cast<std::size_t>(in.release * rate) + 1;
    std::vector<float> out(total, 0.0f);

    double norm = 0;
    for (const Partial& p : in.partials) {
        norm += p.amplitude;
    }
    if (norm <= 0) {
        return out;
    }
    const double base = noteFrequency(midiNote);
    const double nyquistGuard = 0.45 * rate;
    const double releaseFrom = heldLevel(in, heldFrames / rate);
    // A chorus is two voices a little apart, each at half the level.
    const std::vector<double> detunes =
        in.detuneCents > 0 ? std::vector<double>{-in.detuneCents / 2, in.detuneCents / 2}
                           : std::vector<double>{0.0};
    const double voiceShare = 1.0 / static_cast<double>(detunes.size());

    for (const double cents : detunes) {
        const double freq = base * std::pow(2.0, cents / 1200.0);
        for (const Partial& p : in.partials) {
            const double f = freq * p.ratio;
            if (f >= nyquistGuard || p.amplitude <= 0) {
                continue;  // above what the sample rate can carry: it would fold back as noise
            }
            const double fall = in.damping * (p.ratio - 1.0);
            const double amp = p.amplitude / norm * velocity * voiceShare;
            double phase = 0;
            for (std::size_t n = 0; n < total; ++n) {
                const double t = n / rate;
                double bend = 1.0;
                if (in.vibratoCents > 0) {
                    const double grow =
                        in.vibratoDelay > 0 ? std::min(1.0, t / in.vibratoDelay) : 1.0;
                    bend = std::pow(2.0, grow * in.vibratoCents *
                                             std::sin(kTwoPi * in.vibratoRate * t) / 1200.0);
                }
                phase += kTwoPi * f * bend / rate;
                double level = amp * std::sin(phase);
                if (fall > 0) {
                    level *= std::exp(-fall * t);
                }
                out[n] += static_cast<float>(level);
            }
        }
    }

    // The envelope and the tremolo shape the summed partials.
    const auto releaseFrames = static_cast<double>(total - heldFrames);
    for (std::size_t n = 0; n < total; ++n) {
        const double t = n / rate;
        double env = 0;
        if (n < heldFrames) {
            env = heldLevel(in, t);
        } else {
            const double x = (n - heldFrames) / releaseFrames;
            env = releaseFrom * (1.0 - x) * (1.0 - x);
        }
        if (in.tremoloDepth > 0) {
            env *= 1.0 - in.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * in.tremoloRate * t));
        }
        out[n] = static_cast<float>(out[n] * env);
    }
    return out;
}

}  // namespace trivanto::synth
