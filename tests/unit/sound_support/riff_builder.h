// Builds RIFF WAVE files byte by byte for the sound tests, including broken ones: every
// chunk may claim a size other than the bytes it really carries. Also sine tones to fill them.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>

namespace riff {

inline std::string Dword(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[size_t(i)] = char((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

inline std::string Word(uint16_t value) {
    return Dword(value).substr(0, 2);
}

// id, size (the real one unless another is claimed), body, and a pad byte after an odd body.
inline std::string Chunk(const std::string& id, const std::string& body,
                         std::optional<uint32_t> claimedSize = std::nullopt) {
    std::string chunk = id + Dword(claimedSize.value_or(uint32_t(body.size()))) + body;
    if (body.size() % 2 != 0) {
        chunk += '\0';
    }
    return chunk;
}

inline std::string Riff(const std::string& formType, const std::string& chunks,
                        std::optional<uint32_t> claimedSize = std::nullopt) {
    return Chunk("RIFF", formType + chunks, claimedSize);
}

// The 16 bytes of a format: tag, channels, rate, bytes per second, block alignment, bits.
inline std::string FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    uint16_t block = uint16_t(channels * bits / 8);
    return Word(tag) + Word(channels) + Dword(rate) + Dword(rate * block) + Word(block) +
           Word(bits);
}

inline std::string PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
    return Chunk("fmt ", FormatBody(1, channels, rate, bits));
}

inline std::string Wave(const std::string& format, const std::string& data) {
    return Riff("WAVE", format + Chunk("data", data));
}

// A 16-bit mono sine tone as little-endian sample bytes.
inline std::string SineTone16(uint32_t rate, double frequency, double seconds, double amplitude) {
    std::string bytes;
    for (size_t i = 0; i < size_t(rate * seconds); ++i) {
        double value = amplitude * 32767.0 * std::sin(2 * std::numbers::pi * frequency * i / rate);
        bytes += Word(uint16_t(int16_t(std::lround(value))));
    }
    return bytes;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace riff
