// The music is a twelve-bar shuffle blues that loops without a seam: a whole number of bars,
// the bass on each bar's root, the off-beats swung, and no jump or change of level where the
// end runs into the start.
#include "generated_sounds.h"

#include "sounds/blues_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const std::vector<double>& Music() {
    return Sound(kMusicName).samples;
}

double Rms(const std::vector<double>& samples, std::size_t begin, std::size_t end) {
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        sum += samples[i] * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(end - begin));
}

// The strength of one frequency over samples [begin, end), by the Goertzel recurrence.
double ToneLevel(const std::vector<double>& samples, std::size_t begin, std::size_t end,
                 double hz) {
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hz / kBluesRate);
    double previous = 0.0;
    double beforeThat = 0.0;
    for (std::size_t i = begin; i < end; ++i) {
        const double next = samples[i] + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = next;
    }
    const double power =
        previous * previous + beforeThat * beforeThat - coefficient * previous * beforeThat;
    return std::sqrt(std::max(power, 0.0)) / static_cast<double>(end - begin);
}

// The energy of the hi-hat's sizzle over 'seconds' from each point the given fraction into a
// beat, summed over every beat. The second difference keeps the highs and drops the bass.
double SizzleAt(double beatFraction, double seconds) {
    const std::vector<double>& music = Music();
    const auto offset = static_cast<std::size_t>(beatFraction * kSamplesPerBeat);
    const auto length = static_cast<std::size_t>(seconds * kBluesRate);
    double energy = 0.0;
    for (std::size_t beat = 0; beat < music.size() / kSamplesPerBeat; ++beat) {
        const std::size_t begin = beat * kSamplesPerBeat + offset;
        for (std::size_t i = std::max<std::size_t>(begin, 1); i < begin + length; ++i) {
            const double curve = music[i + 1] - 2.0 * music[i] + music[i - 1];
            energy += curve * curve;
        }
    }
    return energy;
}

TEST(BluesLoop, IsAWholeNumberOfBarsOfTwentyToFortySeconds) {
    ASSERT_EQ(Sound(kMusicName).sampleRate, static_cast<unsigned>(kBluesRate));
    EXPECT_EQ(Music().size() % kSamplesPerBar, 0u);
    EXPECT_EQ(Music().size() / kSamplesPerBar % 12, 0u) << "not whole choruses of twelve bars";
    EXPECT_GE(Sound(kMusicName).Seconds(), 20.0);
    EXPECT_LE(Sound(kMusicName).Seconds(), 40.0);
}

// From the last sample back to the first is a step like any other in the music.
TEST(BluesLoop, SeamJumpsNoMoreThanOrdinarySteps) {
    const std::vector<double>& music = Music();
    ASSERT_GT(music.size(), 1u);
    std::vector<double> steps;
    for (std::size_t i = 0; i + 1 < music.size(); ++i) {
        steps.push_back(std::fabs(music[i + 1] - music[i]));
    }
    const auto typical = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100);
    std::nth_element(steps.begin(), typical, steps.end());
    EXPECT_LE(std::fabs(music.front() - music.back()), *typical);
}

// How much louder the tenth of a second after a bar line is than the tenth before it.
double RiseAcrossBarLine(const std::vector<double>& music, std::size_t barLine) {
    const auto span = static_cast<std::size_t>(0.1 * kBluesRate);
    const std::size_t before = (barLine + music.size() - span) % music.size();
    return 20.0 *
           std::log10(Rms(music, barLine, barLine + span) / Rms(music, before, before + span));
}

// The level changes across the seam as it does across the other bar lines: nothing fades out
// at the end or in at the start.
TEST(BluesLoop, LevelCarriesAcrossTheSeamAsAcrossAnyBarLine) {
    const std::vector<double>& music = Music();
    ASSERT_GE(music.size(), static_cast<std::size_t>(2 * kSamplesPerBar));
    std::vector<double> rises;
    for (std::size_t barLine = kSamplesPerBar; barLine < music.size(); barLine += kSamplesPerBar) {
        rises.push_back(RiseAcrossBarLine(music, barLine));
    }
    const auto [least, most] = std::minmax_element(rises.begin(), rises.end());
    const double seam = RiseAcrossBarLine(music, 0);
    EXPECT_GE(seam, *least - 1.5);
    EXPECT_LE(seam, *most + 1.5);
}

// On the first eighth of every bar the bass sounds that bar's root, I, IV or V of the key,
// clearly above the other two: the twelve-bar changes with the quick change to IV in bar two
// and the turnaround to V in bar twelve.
TEST(BluesLoop, BassFollowsTheTwelveBarChanges) {
    const double one = kTonicHz;
    const double four = kTonicHz * std::pow(2.0, 5.0 / 12.0);
    const double five = kTonicHz * std::pow(2.0, 7.0 / 12.0);
    const double expected[12] = {one, four, one, one, four, four, one, one, five, four, one, five};
    const std::vector<double>& music = Music();
    ASSERT_GE(music.size(), static_cast<std::size_t>(12 * kSamplesPerBar));
    for (std::size_t bar = 0; bar < 12; ++bar) {
        const std::size_t begin = bar * kSamplesPerBar;
        const std::size_t end = begin + static_cast<std::size_t>(kSamplesPerBeat * 6 / 10);
        const double root = ToneLevel(music, begin, end, expected[bar]);
        for (double other : {one, four, five}) {
            if (other != expected[bar]) {
                EXPECT_GT(root, 4.0 * ToneLevel(music, begin, end, other))
                    << "bar " << bar + 1 << " at " << other << " Hz";
            }
        }
    }
}

// The off-beat eighths land two thirds of the way into each beat, not half way: the shuffle.
TEST(BluesLoop, OffBeatsAreSwung) {
    EXPECT_GT(SizzleAt(2.0 / 3.0, 0.05), 10.0 * SizzleAt(1.0 / 2.0, 0.05));
}

} // namespace
