// A raster image being drawn: width x height colours, row by row from the top left. Drawing
// blends by coverage and silently skips pixels outside the canvas, so shapes may overhang its
// edges.
#pragma once

#include "images/color.h"

#include <cstdint>
#include <vector>

class Canvas {
public:
    Canvas(int width, int height, Color fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The pixel at (x, y), which must lie on the canvas.
    Color At(int x, int y) const;
    // Mixes color into the pixel at (x, y) by coverage (0 keeps the pixel, 1 replaces it).
    void Blend(int x, int y, Color color, float coverage);
    // The pixels with x0 <= x < x1 and y0 <= y < y1.
    void FillRect(int x0, int y0, int x1, int y1, Color color, float coverage = 1);

    // Rows of 8-bit RGB triplets, channels rounded and clamped to 0..255.
    std::vector<std::uint8_t> ToRgb8() const;

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// A canvas whose pixel (x, y) is color_at(x, y): for textures computed pixel by pixel.
template <class ColorAt> Canvas PaintPixels(int width, int height, ColorAt color_at) {
    Canvas canvas(width, height, Color{});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            canvas.Blend(x, y, color_at(x, y), 1);
        }
    }
    return canvas;
}
