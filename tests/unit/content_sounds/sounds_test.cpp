// The generated sounds: plain 16-bit mono PCM files under the names the game asks for, the
// same on every run, nowhere near clipping, cues that neither click on nor off, and music that
// loops without a seam.
#include "sounds/blues_form.h"
#include "sounds/sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

std::uint32_t Number(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

// The samples of a file over 32768, after checking its header: RIFF sized as the file, a
// 16-byte PCM mono 16-bit format and one data chunk running to the end.
std::vector<double> Decode(const std::string& bytes) {
    std::vector<double> samples;
    EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8), "RIFFWAVEfmt ");
    EXPECT_EQ(Number(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(Number(bytes, 16, 4), 16u);
    EXPECT_EQ(Number(bytes, 20, 4), 0x10001u) << "PCM, mono";
    EXPECT_EQ(Number(bytes, 28, 4), Number(bytes, 24, 4) * 2) << "bytes per second";
    EXPECT_EQ(Number(bytes, 32, 4), 0x100002u) << "2-byte blocks of 16 bits";
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Number(bytes, 40, 4), bytes.size() - 44);
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(Number(bytes, at, 2)) / 32768.0);
    }
    return samples;
}

const std::vector<std::string> kCues = {"steam", "toot", "coins", "rail", "explode"};

const std::map<std::string, std::vector<double>>& Sounds() {
    static const auto sounds = [] {
        std::map<std::string, std::vector<double>> decoded;
        for (const ContentFile& file : MakeSounds()) {
            decoded[file.path] = Decode(file.bytes);
            const bool music = file.path == "sounds/blues.wav";
            EXPECT_EQ(Number(file.bytes, 24, 4), music ? kBluesRate : 44100u) << "sample rate";
        }
        return decoded;
    }();
    return sounds;
}

const std::vector<double>& Sound(const std::string& name) {
    return Sounds().at("sounds/" + name + ".wav");
}

double Peak(const std::vector<double>& samples, std::size_t begin, std::size_t end) {
    double peak = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        peak = std::max(peak, std::fabs(samples[i]));
    }
    return peak;
}

TEST(Sounds, OneFileForEachNameTheSameOnEveryRun) {
    ASSERT_EQ(Sounds().size(), kCues.size() + 1);
    for (const std::string& name : kCues) {
        EXPECT_GT(Sound(name).size(), 4410u) << name;
    }
    EXPECT_EQ(Sound("blues").size(), static_cast<std::size_t>(kBluesLength));
    const std::vector<ContentFile> first = MakeSounds(), second = MakeSounds();
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].path;
    }
}

// No sample comes within a tenth of full scale, and half a millisecond at each end of a cue
// stays near silence.
TEST(Sounds, NothingClipsAndCuesDoNotClick) {
    for (const auto& [path, samples] : Sounds()) {
        EXPECT_LE(Peak(samples, 0, samples.size()), 0.9) << path;
    }
    for (const std::string& name : kCues) {
        const std::vector<double>& samples = Sound(name);
        const std::size_t edge = 44100 / 2000, size = samples.size();
        EXPECT_LE(std::max(std::fabs(samples.front()), std::fabs(samples.back())), 0.01) << name;
        EXPECT_LE(std::max(Peak(samples, 0, edge), Peak(samples, size - edge, size)), 0.1) << name;
    }
}

double Rms(const std::vector<double>& samples, std::size_t begin, std::size_t end) {
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        sum += samples[i] * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(end - begin));
}

// How much louder the tenth of a second after a bar line is than the tenth before it.
double RiseAcrossBarLine(const std::vector<double>& music, std::size_t barLine) {
    const auto span = static_cast<std::size_t>(0.1 * kBluesRate);
    const std::size_t before = (barLine + music.size() - span) % music.size();
    return 20.0 *
           std::log10(Rms(music, barLine, barLine + span) / Rms(music, before, before + span));
}

// From the last sample back to the first is a step like any other, and the level changes
// across the seam as across the other bar lines: nothing fades out at the end or in at the
// start.
TEST(Sounds, MusicLoopsWithoutASeam) {
    const std::vector<double>& music = Sound("blues");
    ASSERT_GE(music.size(), static_cast<std::size_t>(2 * kSamplesPerBar));
    std::vector<double> steps;
    for (std::size_t i = 0; i + 1 < music.size(); ++i) {
        steps.push_back(std::fabs(music[i + 1] - music[i]));
    }
    const auto typical = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
    std::nth_element(steps.begin(), typical, steps.end());
    EXPECT_LE(std::fabs(music.front() - music.back()), *typical);
    std::vector<double> rises;
    for (std::size_t barLine = kSamplesPerBar; barLine < music.size(); barLine += kSamplesPerBar) {
        rises.push_back(RiseAcrossBarLine(music, barLine));
    }
    const auto [least, most] = std::minmax_element(rises.begin(), rises.end());
    EXPECT_GE(RiseAcrossBarLine(music, 0), *least - 1.5);
    EXPECT_LE(RiseAcrossBarLine(music, 0), *most + 1.5);
}

} // namespace
