#include "drums.h"

#include <cmath>
#include <numbers>

namespace trivanto::synth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A small fast generator of white noise in -1 .. 1 (xorshift).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed != 0 ? seed : 0x9E3779B9u) {}
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// One-pole low pass; the difference of the input and it is the matching high pass.
class OnePole {
public:
    OnePole(double cutoff, double rate) : m_a(std::exp(-kTwoPi * cutoff / rate)) {}
    double lowPass(double x) {
        m_y = (1.0 - m_a) * x + m_a * m_y;
        return m_y;
    }
    double highPass(double x) { return x - lowPass(x); }

private:
    double m_a;
    double m_y = 0;
};

struct Tone {
    double frequency;
    double amplitude;
};

// A short struck tone made of fixed partials (wood block, clock).
void addTones(std::vector<float>& out, const std::vector<Tone>& tones, double decay, double rate) {
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = n / rate;
        double s = 0;
        for (const Tone& tone : tones) {
            s += tone.amplitude * std::sin(kTwoPi * tone.frequency * t);
        }
        out[n] += static_cast<float>(s * std::exp(-t / decay));
    }
}

// A falling sine: the body of a kick or a tom.
void addSweep(std::vector<float>& out, double from, double to, double sweep, double decay,
              double amplitude, double rate) {
    double phase = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = n / rate;
        const double f = to + (from - to) * std::exp(-t / sweep);
        phase += kTwoPi * f / rate;
        out[n] += static_cast<float>(amplitude * std::sin(phase) * std::exp(-t / decay));
    }
}

// Filtered noise with a falling level; `bursts` repeats the onset (a clap's several hands).
void addNoise(std::vector<float>& out, Noise& noise, double lowCut, double highCut, double decay,
              double amplitude, double rate, int bursts = 1) {
    OnePole low(highCut, rate);
    OnePole high(lowCut, rate);
    constexpr double kBurstGap = 0.011;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = n / rate;
        double env = 0;
        for (int b = 0; b < bursts; ++b) {
            const double tb = t - b * kBurstGap;
            if (tb >= 0) {
                env = std::max(env, std::exp(-tb / (b + 1 < bursts ? 0.006 : decay)));
            }
        }
        const double x = high.highPass(low.lowPass(noise.next()));
        out[n] += static_cast<float>(amplitude * x * env);
    }
}

}  // namespace

std::vector<float> renderDrum(Drum drum, double velocity, int sampleRate, std::uint32_t seed) {
    const double rate = sampleRate;
    Noise noise(seed);
    const auto frames = [&](double seconds) {
        return std::vector<float>(static_cast<std::size_t>(seconds * rate), 0.0f);
    };
    std::vector<float> out;
    switch (drum) {
        case Drum::Kick:
            out = frames(0.5);
            addSweep(out, 150, 48, 0.03, 0.16, 0.9, rate);
            addNoise(out, noise, 800, 6000, 0.004, 0.2, rate);
            break;
        case Drum::Snare:
            out = frames(0.35);
            addSweep(out, 240, 185, 0.02, 0.07, 0.45, rate);
            addNoise(out, noise, 1200, 9000, 0.10, 0.75, rate);
            break;
        case Drum::Hat:
            out = frames(0.12);
            addNoise(out, noise, 7000, 16000, 0.025, 0.7, rate);
            break;
        case Drum::OpenHat:
            out = frames(0.6);
            addNoise(out, noise, 6500, 16000, 0.18, 0.6, rate);
            break;
        case Drum::Clap:
            out = frames(0.3);
            addNoise(out, noise, 900, 5000, 0.07, 0.8, rate, 3);
            break;
        case Drum::Tick:
            out = frames(0.08);
            addTones(out, {{2350, 0.6}, {3900, 0.25}}, 0.010, rate);
            addNoise(out, noise, 3000, 12000, 0.002, 0.15, rate);
            break;
        case Drum::Tock:
            out = frames(0.1);
            addTones(out, {{1560, 0.6}, {2700, 0.2}}, 0.014, rate);
            addNoise(out, noise, 2000, 9000, 0.002, 0.12, rate);
            break;
        case Drum::Crash:
            out = frames(2.2);
            addNoise(out, noise, 4000, 15000, 0.65, 0.5, rate);
            addNoise(out, noise, 1500, 6000, 0.25, 0.25, rate);
            break;
        case Drum::Tom:
            out = frames(0.7);
            addSweep(out, 130, 92, 0.08, 0.22, 0.85, rate);
            addNoise(out, noise, 400, 3000, 0.01, 0.15, rate);
            break;
    }
    for (float& s : out) {
        s = static_cast<float>(s * velocity);
    }
    return out;
}

}  // namespace trivanto::synth
