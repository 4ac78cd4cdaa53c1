// Finding a cue in a recording: at its place whatever its gain, under louder noise, and not
// where it never sounded; and recordings that cannot be read.
#include "cue_search.h"
#include "wav_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

std::vector<double> Noise(std::size_t count, double amplitude, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> uniform(-amplitude, amplitude);
    std::vector<double> samples(count);
    for (double& sample : samples) {
        sample = uniform(generator);
    }
    return samples;
}

// A rising chirp of a tenth of a second at 44.1 kHz.
std::vector<double> Chirp() {
    std::vector<double> samples(4410);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        samples[i] = std::sin(2.0 * M_PI * (300.0 + 4000.0 * t) * t);
    }
    return samples;
}

void AddAt(std::vector<double>& recording, const std::vector<double>& cue, std::size_t at,
           double gain) {
    for (std::size_t i = 0; i < cue.size(); ++i) {
        recording[at + i] += gain * cue[i];
    }
}

TEST(CueSearch, FindsAQuietCueAtItsPlaceUnderNoise) {
    const std::vector<double> cue = Chirp();
    std::vector<double> recording = Noise(44100, 0.1, 1);
    AddAt(recording, cue, 12345, 0.3);
    const std::optional<CueMatch> match = CueSearch(recording, 0, 40000, cue.size()).BestMatch(cue);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->offset, 12345u);
    EXPECT_GT(match->score, 0.8);
}

TEST(CueSearch, AnAbsentCueScoresLow) {
    const std::vector<double> cue = Chirp();
    const std::vector<double> recording = Noise(44100, 0.1, 2);
    const std::optional<CueMatch> match = CueSearch(recording, 0, 40000, cue.size()).BestMatch(cue);
    ASSERT_TRUE(match);
    EXPECT_LT(match->score, 0.1);
}

TEST(CueSearch, LooksOnlyWithinTheRangeOfStarts) {
    const std::vector<double> cue = Chirp();
    std::vector<double> recording = Noise(44100, 0.01, 3);
    AddAt(recording, cue, 30000, 1.0);
    const std::optional<CueMatch> before =
        CueSearch(recording, 0, 20000, cue.size()).BestMatch(cue);
    ASSERT_TRUE(before);
    EXPECT_LT(before->score, 0.1);
    // A range running past the end is cut to the last whole stretch.
    const std::optional<CueMatch> after =
        CueSearch(recording, 25000, 1000000, cue.size()).BestMatch(cue);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->offset, 30000u);
}

TEST(CueSearch, NoAnswerWithoutAWholeStretchOrASound) {
    const std::vector<double> cue = Chirp();
    const std::vector<double> recording = Noise(8000, 0.1, 4);
    EXPECT_FALSE(CueSearch(recording, 5000, 6000, cue.size()).BestMatch(cue));
    const std::vector<double> silent(100, 0.0);
    EXPECT_FALSE(CueSearch(recording, 0, 1000, silent.size()).BestMatch(silent));
    // Longer than the search was prepared for.
    EXPECT_FALSE(CueSearch(recording, 0, 1000, 100).BestMatch(cue));
    EXPECT_FALSE(CueSearch(std::vector<double>(100), 0, 0, cue.size()).BestMatch(cue));
}

TEST(CueSearch, OneSearchFindsCuesOfDifferentLengths) {
    const std::vector<double> chirp = Chirp();
    const std::vector<double> burst = Noise(9000, 1.0, 5);
    std::vector<double> recording = Noise(60000, 0.05, 6);
    AddAt(recording, chirp, 40000, 0.5);
    AddAt(recording, burst, 7000, 0.2);
    const CueSearch search(recording, 1000, 45000, burst.size());
    const std::optional<CueMatch> chirpMatch = search.BestMatch(chirp);
    const std::optional<CueMatch> burstMatch = search.BestMatch(burst);
    ASSERT_TRUE(chirpMatch && burstMatch);
    EXPECT_EQ(chirpMatch->offset, 40000u);
    EXPECT_EQ(burstMatch->offset, 7000u);
}

TEST(CueSearch, SilenceMatchesNothing) {
    const std::vector<double> cue = Chirp();
    const std::optional<CueMatch> match =
        CueSearch(std::vector<double>(20000), 0, 10000, cue.size()).BestMatch(cue);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->score, 0.0);
}

class WavSamplesTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

std::string Le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

// A 16-bit PCM file whose data chunk holds the given bytes, declared with that size.
std::string Pcm16(std::uint16_t channels, const std::string& data, std::uint32_t declared) {
    return "RIFF" + Le(36 + declared, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) + Le(channels, 2) +
           Le(44100, 4) + Le(44100 * 2 * channels, 4) + Le(2 * channels, 2) + Le(16, 2) + "data" +
           Le(declared, 4) + data;
}

TEST_F(WavSamplesTest, ReadsTheFirstChannel) {
    // Two stereo frames: (16384, -1), (-32768, 5).
    const std::string data = Le(16384, 2) + Le(0xFFFF, 2) + Le(0x8000, 2) + Le(5, 2);
    WavSamples wav;
    ASSERT_TRUE(ReadWavSamples(Write("stereo.wav", Pcm16(2, data, 8)).c_str(), wav));
    EXPECT_EQ(wav.rate, 44100.0);
    EXPECT_EQ(wav.samples, (std::vector<double>{0.5, -1.0}));
}

TEST_F(WavSamplesTest, AnUnfinishedRecordingIsReadToItsEnd) {
    WavSamples wav;
    const std::string data = Le(16384, 2) + Le(16384, 2);
    ASSERT_TRUE(ReadWavSamples(Write("unfinished.wav", Pcm16(1, data, 0xFFFFFFF0)).c_str(), wav));
    EXPECT_EQ(wav.samples.size(), 2u);
}

TEST_F(WavSamplesTest, RefusesWhatIsNoWav) {
    WavSamples wav;
    EXPECT_FALSE(ReadWavSamples("/nonexistent/sound.wav", wav));
    EXPECT_FALSE(ReadWavSamples(Write("text.wav", "RIFF, but not a wave file").c_str(), wav));
    EXPECT_FALSE(ReadWavSamples(Write("header.wav", Pcm16(1, "", 0).substr(0, 30)).c_str(), wav));
    // 24-bit samples are no format the recorder or the game writes.
    std::string odd = Pcm16(1, Le(0, 3), 3);
    odd[34] = 24;
    EXPECT_FALSE(ReadWavSamples(Write("odd.wav", odd).c_str(), wav));
}

} // namespace
