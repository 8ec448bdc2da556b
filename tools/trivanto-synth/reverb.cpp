#include "reverb.h"

#include <array>
#include <cmath>

namespace trivanto::synth {

namespace {

// Delay lengths in samples at 44.1 kHz, scaled for other rates.
constexpr std::array<int, 8> kCombs = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllPasses = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr double kInputGain = 0.015;

class Comb {
public:
    explicit Comb(std::size_t size) : m_buffer(size, 0.0) {}
    double process(double x, double feedback, double damp) {
        const double y = m_buffer[m_pos];
        m_store = y * (1.0 - damp) + m_store * damp;
        m_buffer[m_pos] = x + m_store * feedback;
        m_pos = (m_pos + 1) % m_buffer.size();
        return y;
    }

private:
    std::vector<double> m_buffer;
    std::size_t m_pos = 0;
    double m_store = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t size) : m_buffer(size, 0.0) {}
    double process(double x) {
        const double delayed = m_buffer[m_pos];
        m_buffer[m_pos] = x + delayed * 0.5;
        m_pos = (m_pos + 1) % m_buffer.size();
        return delayed - x;
    }

private:
    std::vector<double> m_buffer;
    std::size_t m_pos = 0;
};

struct Side {
    std::vector<Comb> combs;
    std::vector<AllPass> allPasses;

    Side(double scale, int spread) {
        for (const int length : kCombs) {
            combs.emplace_back(static_cast<std::size_t>(std::lround((length + spread) * scale)));
        }
        for (const int length : kAllPasses) {
            allPasses.emplace_back(
                static_cast<std::size_t>(std::lround((length + spread) * scale)));
        }
    }
    double process(double x, double feedback, double damp) {
        double sum = 0;
        for (Comb& c : combs) {
            sum += c.process(x, feedback, damp);
        }
        for (AllPass& a : allPasses) {
            sum = a.process(sum);
        }
        return sum;
    }
};

}  // namespace

void addReverb(std::vector<float>& stereo, const Reverb& settings, int sampleRate) {
    if (settings.mix <= 0) {
        return;
    }
    const double scale = sampleRate / 44100.0;
    Side left(scale, 0);
    Side right(scale, kStereoSpread);
    const double feedback = 0.7 + 0.28 * settings.room;
    const double damp = 0.4 * settings.damp;
    const double wet = settings.mix * 3.0;
    for (std::size_t i = 0; i + 1 < stereo.size(); i += 2) {
        const double in = (stereo[i] + stereo[i + 1]) * kInputGain;
        const double l = left.process(in, feedback, damp);
        const double r = right.process(in, feedback, damp);
        stereo[i] += static_cast<float>(wet * l);
        stereo[i + 1] += static_cast<float>(wet * r);
    }
}

}  // namespace trivanto::synth
