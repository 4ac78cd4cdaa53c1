// A 16-bit mono sine tone as little-endian sample bytes.
#pragma once

#include <cmath>
#include <numbers>

#include "riff_builder.h"

namespace riff {

inline std::string SineTone16(uint32_t rate, double frequency, double seconds, double amplitude) {
    std::string bytes;
    size_t frames = size_t(rate * seconds);
    for (size_t i = 0; i < frames; ++i) {
        double value = amplitude * 32767.0 * std::sin(2 * std::numbers::pi * frequency * i / rate);
        bytes += Word(uint16_t(int16_t(std::lround(value))));
    }
    return bytes;
}

} // namespace riff
