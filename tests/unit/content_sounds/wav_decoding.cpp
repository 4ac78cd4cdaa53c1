#include "wav_decoding.h"

namespace {

std::uint32_t ReadLittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void ReadFormat(const std::string& bytes, std::size_t at, DecodedWav& wav) {
    wav.formatTag = static_cast<std::uint16_t>(ReadLittleEndian(bytes, at, 2));
    wav.channels = static_cast<std::uint16_t>(ReadLittleEndian(bytes, at + 2, 2));
    wav.sampleRate = ReadLittleEndian(bytes, at + 4, 4);
    wav.byteRate = ReadLittleEndian(bytes, at + 8, 4);
    wav.blockAlign = static_cast<std::uint16_t>(ReadLittleEndian(bytes, at + 12, 2));
    wav.bitsPerSample = static_cast<std::uint16_t>(ReadLittleEndian(bytes, at + 14, 2));
}

void ReadSamples(const std::string& bytes, std::size_t at, std::size_t size, DecodedWav& wav) {
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto value = static_cast<std::int16_t>(ReadLittleEndian(bytes, at + i, 2));
        wav.samples.push_back(value / 32768.0);
    }
}

} // namespace

DecodedWav DecodeWav(const std::string& bytes) {
    DecodedWav wav;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        wav.problem = "no RIFF/WAVE header";
        return wav;
    }
    if (ReadLittleEndian(bytes, 4, 4) != bytes.size() - 8) {
        wav.problem = "the RIFF size is not the file's size less 8";
        return wav;
    }
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at < bytes.size()) {
        if (bytes.size() - at < 8) {
            wav.problem = "a chunk header is cut off";
            return wav;
        }
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = ReadLittleEndian(bytes, at + 4, 4);
        at += 8;
        if (size > bytes.size() - at) {
            wav.problem = "chunk '" + id + "' runs past the end of the file";
            return wav;
        }
        if (id == "fmt " && size >= 16) {
            wav.formatSize = static_cast<std::uint32_t>(size);
            ReadFormat(bytes, at, wav);
            haveFormat = true;
        } else if (id == "data" && haveFormat && size % 2 == 0) {
            ReadSamples(bytes, at, size, wav);
            haveData = true;
        } else if (id == "fmt " || id == "data") {
            wav.problem = "chunk '" + id + "' is malformed or out of order";
            return wav;
        }
        at += size + size % 2; // chunks are padded to an even length
    }
    if (!haveData) {
        wav.problem = "no data chunk";
    }
    return wav;
}
