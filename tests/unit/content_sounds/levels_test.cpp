// The cues are short, even in loudness and free of clicks; the music plays under them; nothing
// comes near clipping; and each cue has the colour its name promises.
#include "generated_sounds.h"

#include "sounds/loudness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double Loudness(const std::string& name) {
    const DecodedWav& wav = Sound(name);
    return LoudnessDb(wav.samples, static_cast<int>(wav.sampleRate));
}

double Peak(const std::vector<double>& samples, std::size_t begin, std::size_t end) {
    double peak = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        peak = std::max(peak, std::fabs(samples[i]));
    }
    return peak;
}

// The frequency of a sine wave with the same ratio of slope to level: a rough measure of how
// bright a sound is.
double BrightnessHz(const DecodedWav& wav) {
    double level = 0.0;
    double slope = 0.0;
    for (std::size_t i = 0; i + 1 < wav.samples.size(); ++i) {
        level += wav.samples[i] * wav.samples[i];
        const double step = wav.samples[i + 1] - wav.samples[i];
        slope += step * step;
    }
    return wav.sampleRate / (2.0 * std::numbers::pi) * std::sqrt(slope / level);
}

TEST(SoundLevels, CuesLastUnderASecond) {
    for (const std::string& name : kCueNames) {
        EXPECT_GT(Sound(name).Seconds(), 0.1) << name;
        EXPECT_LT(Sound(name).Seconds(), 1.0) << name;
    }
}

TEST(SoundLevels, NoSampleAboveNinetyPercentOfFullScale) {
    std::vector<std::string> names = kCueNames;
    names.push_back(kMusicName);
    for (const std::string& name : names) {
        const std::vector<double>& samples = Sound(name).samples;
        EXPECT_LE(Peak(samples, 0, samples.size()), 0.9) << name;
    }
}

TEST(SoundLevels, CuesAreEquallyLoudWithinTwoDecibels) {
    std::vector<double> levels;
    for (const std::string& name : kCueNames) {
        levels.push_back(Loudness(name));
    }
    const auto [quietest, loudest] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(*loudest - *quietest, 2.0);
}

TEST(SoundLevels, MusicIsAtLeastSixDecibelsUnderEveryCue) {
    for (const std::string& name : kCueNames) {
        EXPECT_LE(Loudness(kMusicName), Loudness(name) - 6.0) << name;
    }
}

// Half a millisecond at each end stays near silence, so a cue neither clicks on nor off.
TEST(SoundLevels, CuesStartAndEndWithoutAClick) {
    for (const std::string& name : kCueNames) {
        const DecodedWav& wav = Sound(name);
        const std::size_t edge = wav.sampleRate / 2000;
        const std::size_t size = wav.samples.size();
        EXPECT_LE(std::fabs(wav.samples.front()), 0.01) << name;
        EXPECT_LE(std::fabs(wav.samples.back()), 0.01) << name;
        EXPECT_LE(Peak(wav.samples, 0, edge), 0.1) << name;
        EXPECT_LE(Peak(wav.samples, size - edge, size), 0.1) << name;
    }
}

TEST(SoundCharacter, ExplosionIsDarkWhileSteamAndCoinsAreBright) {
    EXPECT_LT(BrightnessHz(Sound("explode")), 800.0);
    EXPECT_GT(BrightnessHz(Sound("steam")), 3000.0);
    EXPECT_GT(BrightnessHz(Sound("coins")), 2000.0);
}

} // namespace
