#include "wav_samples.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

constexpr std::uint16_t FORMAT_PCM = 1;
constexpr std::uint16_t FORMAT_FLOAT = 3;
constexpr std::uint16_t FORMAT_EXTENSIBLE = 0xFFFE;

std::uint32_t Read32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Read16(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// One sample of the first channel at a byte offset.
double SampleAt(const std::vector<unsigned char>& bytes, std::size_t at, std::uint16_t format,
                std::uint16_t bits) {
    if (format == FORMAT_FLOAT && bits == 32) {
        const std::uint32_t raw = Read32(bytes, at);
        float value;
        static_assert(sizeof value == sizeof raw);
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    if (bits == 16) {
        return static_cast<std::int16_t>(Read16(bytes, at)) / 32768.0;
    }
    return (bytes[at] - 128) / 128.0; // 8-bit samples are unsigned
}

} // namespace

bool ReadWavSamples(const char* path, WavSamples& out) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff length = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::vector<unsigned char> bytes(length > 0 ? static_cast<std::size_t>(length) : 0);
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), length > 0 ? length : 0)) {
        return false;
    }
    if (bytes.size() < 12 || Read32(bytes, 0) != 0x46464952 || Read32(bytes, 8) != 0x45564157) {
        return false; // not "RIFF" ... "WAVE"
    }
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint16_t bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t id = Read32(bytes, at);
        const std::size_t left = bytes.size() - (at + 8);
        std::size_t size = Read32(bytes, at + 4);
        at += 8;
        if (id == 0x20746D66 && size >= 16 && size <= left) { // "fmt "
            format = Read16(bytes, at);
            channels = Read16(bytes, at + 2);
            out.rate = Read32(bytes, at + 4);
            bits = Read16(bytes, at + 14);
            if (format == FORMAT_EXTENSIBLE && size >= 26) {
                format = Read16(bytes, at + 24); // first bytes of the sub-format GUID
            }
        } else if (id == 0x61746164) { // "data"
            if (size > left || size == 0) {
                size = left;
            }
            const bool known = (format == FORMAT_PCM && (bits == 8 || bits == 16)) ||
                               (format == FORMAT_FLOAT && bits == 32);
            if (!known || channels == 0 || out.rate <= 0) {
                return false;
            }
            const std::size_t frame = std::size_t{channels} * (bits / 8);
            out.samples.reserve(size / frame);
            for (std::size_t offset = 0; offset + frame <= size; offset += frame) {
                out.samples.push_back(SampleAt(bytes, at + offset, format, bits));
            }
            return true;
        }
        if (size > left) {
            return false;
        }
        at += size + (size & 1);
    }
    return false;
}
