#include "renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drums.h"
#include "reverb.h"
#include "voice.h"

namespace trivanto::synth {

namespace {

constexpr double kFadeOutSeconds = 0.04;
constexpr double kDcCutoffHz = 10.0;

double scoreSeconds(const Score& score) {
    if (score.length > 0) {
        return score.length;
    }
    double endBeat = 0;
    for (const Part& part : score.parts) {
        for (const NoteEvent& e : part.events) {
            endBeat = std::max(endBeat, e.beat + e.beats);
        }
    }
    return endBeat * score.secondsPerBeat() + score.tail;
}

}  // namespace

AudioBuffer renderScore(const Score& score, int sampleRate) {
    AudioBuffer audio;
    audio.sampleRate = sampleRate;
    audio.channels = 2;
    const auto frames = static_cast<std::size_t>(std::lround(scoreSeconds(score) * sampleRate));
    audio.samples.assign(frames * 2, 0.0f);
    const double spb = score.secondsPerBeat();

    for (std::size_t p = 0; p < score.parts.size(); ++p) {
        const Part& part = score.parts[p];
        const bool drums = part.instrument == kDrumsInstrument;
        const Instrument* instrument = drums ? nullptr : &score.instruments.at(part.instrument);
        // Equal power across the field; the middle gives each side full level.
        const double angle = (part.pan + 1.0) * std::numbers::pi / 4.0;
        const double gain = std::pow(10.0, part.gainDb / 20.0);
        const double left = gain * std::cos(angle) * std::numbers::sqrt2;
        const double right = gain * std::sin(angle) * std::numbers::sqrt2;

        for (std::size_t e = 0; e < part.events.size(); ++e) {
            const NoteEvent& event = part.events[e];
            const auto start = static_cast<std::size_t>(std::lround(event.beat * spb * sampleRate));
            for (const int key : event.keys) {
                const auto seed = static_cast<std::uint32_t>(p * 7919u + e * 104729u +
                                                             static_cast<unsigned>(key) * 31u + 1u);
                const std::vector<float> mono =
                    drums ? renderDrum(static_cast<Drum>(key), event.velocity, sampleRate, seed)
                          : renderVoice(*instrument, key, event.beats * spb * part.gate,
                                        event.velocity, sampleRate);
                for (std::size_t i = 0; i < mono.size() && start + i < frames; ++i) {
                    audio.samples[(start + i) * 2] += static_cast<float>(mono[i] * left);
                    audio.samples[(start + i) * 2 + 1] += static_cast<float>(mono[i] * right);
                }
            }
        }
    }

    addReverb(audio.samples, score.reverb, sampleRate);

    // A sound that does not swing around zero wastes headroom; a gentle high pass far below
    // anything audible takes the offset out.
    const double pole = std::exp(-2.0 * std::numbers::pi * kDcCutoffHz / sampleRate);
    for (std::size_t c = 0; c < 2; ++c) {
        double previousIn = 0;
        double previousOut = 0;
        for (std::size_t n = 0; n < frames; ++n) {
            const double in = audio.samples[n * 2 + c];
            previousOut = in - previousIn + pole * previousOut;
            previousIn = in;
            audio.samples[n * 2 + c] = static_cast<float>(previousOut);
        }
    }

    const auto fade = std::min(frames, static_cast<std::size_t>(kFadeOutSeconds * sampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const std::size_t n = frames - fade + i;
        const float level = static_cast<float>(fade - i) / static_cast<float>(fade);
        audio.samples[n * 2] *= level;
        audio.samples[n * 2 + 1] *= level;
    }
    return audio;
}

}  // namespace trivanto::synth
