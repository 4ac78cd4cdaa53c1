#include "sounds/blues.h"

#include "sounds/band.h"
#include "sounds/blues_form.h"

#include <array>
#include <span>

namespace {

constexpr double kBassLevel = 0.5;
constexpr double kOrganLevel = 0.45;
constexpr double kHiHatLevel = 0.4;
constexpr double kLeadLevel = 0.24;

// Samples from the start of one eighth to the start of another 'eighths' later.
std::size_t EighthsLength(int bar, int eighth, int eighths) {
    return static_cast<std::size_t>(EighthStart(bar, eighth + eighths) - EighthStart(bar, eighth));
}

// The boogie figure the bass walks up and down in each bar: root, third, fifth, sixth, flat
// seventh and back, in semitones above the bar's root.
constexpr std::array<int, 8> kBoogie{0, 4, 7, 9, 10, 9, 7, 4};

void AddBassLine(LoopBuffer& loop) {
    for (int bar = 0; bar < kBluesBars; ++bar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            const double accent = eighth == 0 ? 1.1 : eighth % 2 == 0 ? 1.0 : 0.75;
            const std::size_t length = EighthsLength(bar, eighth, 1) * 85 / 100;
            AddBassNote(loop, static_cast<std::size_t>(EighthStart(bar, eighth)), length,
                        NoteHz(kBarRoots[bar] + kBoogie[eighth]), kBassLevel * accent);
        }
    }
}

// Three-note voicings of A7, D9 and E9 above the bass, in semitones over the tonic, chosen so
// that each voice moves by a step at most from one chord to the next.
std::array<double, 3> ChordFor(int root) {
    switch (root) {
    case 5: // D9: F#, C, E
        return {NoteHz(21), NoteHz(27), NoteHz(31)};
    case 7: // E9: G#, D, F#
        return {NoteHz(23), NoteHz(29), NoteHz(33)};
    default: // A7: G, C#, E
        return {NoteHz(22), NoteHz(28), NoteHz(31)};
    }
}

// The organ answers the backbeat: a stab on beats two and four and a lighter one on the swung
// eighth after each.
void AddComping(LoopBuffer& loop) {
    for (int bar = 0; bar < kBluesBars; ++bar) {
        const std::array<double, 3> chord = ChordFor(kBarRoots[bar]);
        for (int eighth : {2, 6}) {
            AddOrganChord(loop, static_cast<std::size_t>(EighthStart(bar, eighth)),
                          kSamplesPerBeat * 55 / 100, chord, kOrganLevel);
            AddOrganChord(loop, static_cast<std::size_t>(EighthStart(bar, eighth + 1)),
                          kSamplesPerBeat * 25 / 100, chord, 0.6 * kOrganLevel);
        }
    }
}

// The hi-hat keeps the shuffle: every beat, leaning on two and four, and every swung eighth.
void AddHiHats(LoopBuffer& loop) {
    Noise noise(0x4A7u);
    for (int bar = 0; bar < kBluesBars; ++bar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            const double accent = eighth % 2 == 1 ? 0.5 : eighth % 4 == 2 ? 1.0 : 0.7;
            AddHiHat(loop, static_cast<std::size_t>(EighthStart(bar, eighth)), kHiHatLevel * accent,
                     noise);
        }
    }
}

struct LickNote {
    int bar; // from the start of the phrase; -1 is the bar before, for a pickup
    int eighth;
    int eighths;          // how long it is held
    int semitones;        // above A4
    double bendSemitones; // slid into from this far away
};

constexpr int kLeadA4 = 36; // semitones above the tonic

// The call: a pickup that slides up to A across the bar line, a climb to the A above and a
// fall back down the scale to the flat seventh of IV.
constexpr LickNote kCall[] = {
    {-1, 7, 3, 0, -2.0}, {0, 2, 1, 7, 0.0},  {0, 3, 1, 10, 0.0}, {0, 4, 3, 12, -2.0},
    {0, 7, 1, 10, 0.0},  {1, 0, 1, 7, 0.0},  {1, 1, 1, 5, 0.0},  {1, 2, 1, 3, 0.0},
    {1, 3, 1, 0, 0.0},   {1, 4, 3, 3, -1.0},
};

// The answer: down through the V and IV chords and home to A.
constexpr LickNote kAnswer[] = {
    {0, 0, 2, 7, -1.0}, {0, 2, 1, 5, 0.0}, {0, 3, 1, 2, 0.0}, {0, 4, 2, -1, 0.0}, {0, 6, 1, 2, 0.0},
    {0, 7, 1, 5, 0.0},  {1, 0, 1, 3, 0.0}, {1, 1, 1, 0, 0.0}, {1, 2, 1, -3, 0.0}, {1, 3, 1, 0, 0.0},
    {1, 4, 2, 3, -1.0}, {1, 6, 1, 5, 0.0}, {1, 7, 1, 4, 0.0}, {2, 0, 4, 0, 0.0},
};

void AddPhrase(LoopBuffer& loop, int firstBar, std::span<const LickNote> notes) {
    for (const LickNote& note : notes) {
        const int bar = firstBar + note.bar;
        const int start = (EighthStart(bar, note.eighth) + kBluesLength) % kBluesLength;
        const std::size_t length = EighthsLength(bar, note.eighth, note.eighths) * 95 / 100;
        AddLeadNote(loop, static_cast<std::size_t>(start), length, NoteHz(kLeadA4 + note.semitones),
                    note.bendSemitones, kLeadLevel);
    }
}

// Call and response, the way a blues verse goes: the call over I, the same call over IV, and
// the answer over the turnaround.
void AddLick(LoopBuffer& loop) {
    AddPhrase(loop, 0, kCall);
    AddPhrase(loop, 4, kCall);
    AddPhrase(loop, 8, kAnswer);
}

} // namespace

std::vector<double> MakeBlues() {
    LoopBuffer loop(kBluesLength);
    AddBassLine(loop);
    AddComping(loop);
    AddHiHats(loop);
    AddLick(loop);
    return loop.Take();
}
