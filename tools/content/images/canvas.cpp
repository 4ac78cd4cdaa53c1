#include "images/canvas.h"

#include <algorithm>
#include <cassert>

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

Color Canvas::At(int x, int y) const {
    assert(Contains(x, y));
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::Blend(int x, int y, Color color, float coverage) {
    if (!Contains(x, y) || coverage <= 0) {
        return;
    }
    Color& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
    pixel = Mix(pixel, color, std::min(coverage, 1.0f));
}

void Canvas::FillRect(int x0, int y0, int x1, int y1, Color color, float coverage) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
            Blend(x, y, color, coverage);
        }
    }
}

std::vector<std::uint8_t> Canvas::ToRgb8() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    const auto to_byte = [](float channel) {
        return static_cast<std::uint8_t>(std::clamp(channel, 0.0f, 255.0f) + 0.5f);
    };
    for (const Color& pixel : pixels_) {
        bytes.push_back(to_byte(pixel.r));
        bytes.push_back(to_byte(pixel.g));
        bytes.push_back(to_byte(pixel.b));
    }
    return bytes;
}
