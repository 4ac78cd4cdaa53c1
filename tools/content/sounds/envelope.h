// Loudness shapes over time for notes and cues. Times are in seconds.
#pragma once

#include <vector>

// A struck sound: rises along a raised cosine for 'attack', then dies away exponentially with
// time constant 'decay'.
double Strike(double t, double attack, double decay);

// A held note: rises over 'attack', holds at 1 until 'length', then falls to 0 over 'release'.
double Held(double t, double length, double attack, double release);

// Raised-cosine fades over the first 'fadeIn' and last 'fadeOut' seconds, so that the sound
// starts and ends at silence without a click.
void FadeEnds(std::vector<double>& samples, int sampleRate, double fadeIn, double fadeOut);
