// Finds pure tones in a recorded WAV file, so the end-to-end test can tell which of the
// game's sound cues were played and when.
//
// wav_tones FILE NAME=HZ...
//
// The first channel is cut into windows of 1/20 s and each tone's amplitude is measured in
// every window (Goertzel). For each NAME one line is printed: "NAME FIRST ACTIVE", the start
// of the first window in which the tone is present and the total time it is present, both in
// seconds (FIRST is -1 when it never sounds). A first line "length SECONDS" gives the length
// of the recording. A data chunk whose size claims more than the file holds (a recording
// that was never finished) is read to the end of the file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A tone counts as present in a window above this amplitude (full scale is 1).
constexpr double PRESENT_AMPLITUDE = 0.05;
constexpr int WINDOWS_PER_SECOND = 20;

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

struct Recording {
    double rate = 0;
    std::vector<double> samples; // first channel, -1 to 1
};

// One sample of the first channel at a byte offset, for the formats OpenAL's wave writer uses.
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

bool ReadRecording(const char* path, Recording& out) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
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

// The amplitude of one frequency in a run of samples.
double ToneAmplitude(const double* samples, std::size_t count, double hz, double rate) {
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * hz / rate);
    double previous = 0;
    double beforePrevious = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wav_tones FILE NAME=HZ...\n");
        return 2;
    }
    Recording recording;
    if (!ReadRecording(argv[1], recording)) {
        std::fprintf(stderr, "wav_tones: %s is not a readable WAV recording\n", argv[1]);
        return 2;
    }
    const std::size_t window = static_cast<std::size_t>(recording.rate / WINDOWS_PER_SECOND);
    const std::size_t windows = window == 0 ? 0 : recording.samples.size() / window;
    std::printf("length %.3f\n", static_cast<double>(recording.samples.size()) / recording.rate);
    for (int arg = 2; arg < argc; ++arg) {
        const std::string tone = argv[arg];
        const std::size_t equals = tone.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "wav_tones: %s is not NAME=HZ\n", argv[arg]);
            return 2;
        }
        const double hz = std::atof(tone.c_str() + equals + 1);
        double first = -1;
        std::size_t present = 0;
        for (std::size_t w = 0; w < windows; ++w) {
            const double amplitude =
                ToneAmplitude(recording.samples.data() + w * window, window, hz, recording.rate);
            if (amplitude > PRESENT_AMPLITUDE) {
                if (first < 0) {
                    first = static_cast<double>(w) / WINDOWS_PER_SECOND;
                }
                ++present;
            }
        }
        std::printf("%s %.3f %.3f\n", tone.substr(0, equals).c_str(), first,
                    static_cast<double>(present) / WINDOWS_PER_SECOND);
    }
    return 0;
}
