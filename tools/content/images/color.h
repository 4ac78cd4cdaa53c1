// Colours of the generated images: red, green and blue from 0 to 255, kept as floats so that
// blending and shading lose nothing before the final rounding to bytes.
#pragma once

#include <cstdint>

struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
};

// 0xRRGGBB as a colour.
constexpr Color Hex(std::uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xff), static_cast<float>((rgb >> 8) & 0xff),
            static_cast<float>(rgb & 0xff)};
}

// a at t = 0, b at t = 1.
constexpr Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Every channel times factor: above 1 lighter, below 1 darker.
constexpr Color Shade(Color c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}
