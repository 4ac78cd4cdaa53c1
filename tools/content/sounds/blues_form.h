// The form of the background music: one chorus of a twelve-bar shuffle blues in A, at a pace
// whose beats and swung eighths fall on whole samples, so that the loop is a whole number of
// bars long and repeats without a stumble.
#pragma once

#include <array>
#include <cmath>

constexpr int kBluesRate = 22050;
constexpr int kBluesBars = 12;
constexpr int kBeatsPerBar = 4;
constexpr int kSamplesPerBeat = kBluesRate * 60 / 90; // 90 beats a minute
constexpr int kSamplesPerBar = kBeatsPerBar * kSamplesPerBeat;
constexpr int kBluesLength = kBluesBars * kSamplesPerBar;
static_assert(kSamplesPerBeat * 90 == kBluesRate * 60 && kSamplesPerBeat % 3 == 0);

constexpr double kTonicHz = 55.0; // A1, the bass's home note

// Each bar's chord root in semitones above the tonic: I I IV I, IV IV I I, V IV I V, with the
// quick change to IV in the second bar and the turnaround to V in the last.
constexpr std::array<int, kBluesBars> kBarRoots{0, 5, 0, 0, 5, 5, 0, 0, 7, 5, 0, 7};

// The sample at which an eighth note starts, counting eighths from the loop's start. Each beat
// is split long-short, 2:1, which gives the shuffle its lilt.
constexpr int EighthStart(int bar, int eighth) {
    const int beat = eighth / 2;
    const int swing = eighth % 2 == 1 ? 2 * kSamplesPerBeat / 3 : 0;
    return bar * kSamplesPerBar + beat * kSamplesPerBeat + swing;
}

// The frequency of the note that many semitones above the tonic.
inline double NoteHz(double semitones) {
    return kTonicHz * std::pow(2.0, semitones / 12.0);
}
