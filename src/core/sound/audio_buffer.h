#pragma once

#include <cstddef>
#include <vector>

namespace trivanto {

// Decoded or synthesised sound: interleaved float samples, nominally within -1 .. 1.
struct AudioBuffer {
    int sampleRate = 44100;
    int channels = 2;
    std::vector<float> samples;

    std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    double seconds() const {
        return sampleRate > 0 ? static_cast<double>(frames()) / sampleRate : 0.0;
    }
};

}  // namespace trivanto
