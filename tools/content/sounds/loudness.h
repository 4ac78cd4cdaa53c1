// How loud a sound is, so that the cues can be matched to one another and the music kept
// under them.
#pragma once

#include <vector>

// The RMS level in dB below full scale (a full-scale square wave is 0 dB), taken over the
// 10 ms blocks no more than 30 dB quieter than the loudest block: silence and a faint tail do
// not make a short cue count as quieter than it sounds.
double LoudnessDb(const std::vector<double>& samples, int sampleRate);

// Scales the samples, which must not be all silent, so that LoudnessDb gives targetDb.
void SetLoudness(std::vector<double>& samples, int sampleRate, double targetDb);
