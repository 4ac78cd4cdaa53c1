// The instruments of the blues band. Each call adds one note to the loop: it starts at sample
// 'start', is held for 'length' samples and then rings out for a moment.
#pragma once

#include "sounds/loop_buffer.h"
#include "sounds/noise.h"

#include <span>

// A plucked bass: its upper harmonics die away faster than its fundamental.
void AddBassNote(LoopBuffer& loop, std::size_t start, std::size_t length, double hz,
                 double velocity);

// A chord on a soft drawbar organ with a quick percussive ping on each note.
void AddOrganChord(LoopBuffer& loop, std::size_t start, std::size_t length,
                   std::span<const double> hz, double velocity);

// A closed hi-hat tap: a short burst of high noise.
void AddHiHat(LoopBuffer& loop, std::size_t start, double velocity, Noise& noise);

// A mellow lead voice that slides into its pitch from bendSemitones away and gets a gentle
// vibrato when held.
void AddLeadNote(LoopBuffer& loop, std::size_t start, std::size_t length, double hz,
                 double bendSemitones, double velocity);
