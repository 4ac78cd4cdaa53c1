// Sounds as RIFF/WAVE files of 16-bit mono PCM, the form the game plays.
#pragma once

#include <string>
#include <vector>

// The file for samples in [-1, 1] (values beyond are clipped) at sampleRate per second.
std::string EncodeWav(const std::vector<double>& samples, int sampleRate);
