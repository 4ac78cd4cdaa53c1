// Reads back a generated WAV file the way a player would: chunk by chunk, trusting no size it
// has not checked against the bytes that are there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedWav {
    std::string problem; // empty when the chunks are well formed
    std::uint32_t formatSize = 0;
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<double> samples; // 16-bit samples over 32768, so within [-1, 1)

    double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

DecodedWav DecodeWav(const std::string& bytes);
