#include "sounds/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kBytesPerSample = 2;

// Little-endian, whatever the machine.
void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void PutTag(std::string& bytes, const char (&tag)[5]) {
    bytes.append(tag, 4);
}

} // namespace

std::string EncodeWav(const std::vector<double>& samples, int sampleRate) {
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::string bytes;
    bytes.reserve(44 + dataSize);
    PutTag(bytes, "RIFF");
    PutLittleEndian(bytes, 36 + dataSize, 4); // "WAVE", the fmt chunk and the data chunk
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutLittleEndian(bytes, 16, 4);
    PutLittleEndian(bytes, 1, 2); // PCM
    PutLittleEndian(bytes, 1, 2); // mono
    PutLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(sampleRate * kBytesPerSample), 4);
    PutLittleEndian(bytes, kBytesPerSample, 2);
    PutLittleEndian(bytes, 8 * kBytesPerSample, 2);
    PutTag(bytes, "data");
    PutLittleEndian(bytes, dataSize, 4);
    for (double sample : samples) {
        const long level = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
        PutLittleEndian(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)), 2);
    }
    return bytes;
}
