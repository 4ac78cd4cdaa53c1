// Builds RIFF WAVE files byte by byte for the sound tests, including broken ones (a chunk may
// claim a size other than the bytes it really carries), and writes them to disk.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

namespace riff {

inline std::string Dword(uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

inline std::string Word(uint16_t value) {
    return Dword(value).substr(0, 2);
}

// id, size (the real one unless another is claimed), body, and a pad byte after an odd body.
inline std::string Chunk(const std::string& id, const std::string& body,
                         std::optional<uint32_t> claimedSize = std::nullopt) {
    return id + Dword(claimedSize.value_or(uint32_t(body.size()))) + body +
           std::string(body.size() % 2, '\0');
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

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace riff

namespace sound_test {

// Writes a file in a folder of this process's own (tests run side by side), removed at exit.
inline std::string WriteTestFile(const std::string& name, const std::string& bytes) {
    static const auto folder =
        std::filesystem::temp_directory_path() / ("rw_sound_" + std::to_string(getpid()));
    [[maybe_unused]] static const int removal = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    std::filesystem::create_directories((folder / name).parent_path());
    riff::WriteFile((folder / name).string(), bytes);
    return (folder / name).string();
}

} // namespace sound_test
