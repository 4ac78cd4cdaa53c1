// The samples of a WAV file's first channel, for the formats OpenAL's wave recorder writes
// (float32, also as WAVE_FORMAT_EXTENSIBLE) and the game's sounds use (8- and 16-bit PCM).
#pragma once

#include <vector>

struct WavSamples {
    double rate = 0;
    std::vector<double> samples; // first channel, -1 to 1
};

// False for a file that is missing, not RIFF WAVE, or in another format. A data chunk whose
// size claims more than the file holds (a recording that was never finished) is read to the
// end of the file.
bool ReadWavSamples(const char* path, WavSamples& out);
