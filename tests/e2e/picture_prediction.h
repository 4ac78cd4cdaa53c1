// What the game shows of a full-screen picture: the picture quad of the style's models seen
// from the title view, sampled nearest-texel, predicted for any client pixel, and how far a
// screenshot is from that prediction.
#pragma once

#include "view_geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Pixels in rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An image file (PNG, BMP, JPEG, TGA); nullopt when it is missing or does not decode.
std::optional<RgbImage> ReadRgbImage(const std::string& path);

// The colour the game draws at a ground point for a picture texture: its texel in the
// central square, its first or last column in the bands beside it, and the clear colour
// (black) beyond. The picture is lit to full brightness, so texels show unchanged.
Rgb PictureColourAt(const RgbImage& picture, const D3DXVECTOR3& ground);

// The mean difference, per channel from 0 to 255, between a screenshot of the client area
// and the picture as the title view shows it, over every step-th pixel each way.
double MeanDifference(const RgbImage& screenshot, const RgbImage& picture, int step);
