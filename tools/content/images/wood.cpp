// Planks running along u with wavy grain, a dark gap between planks and one butt joint in each.
#include "images/noise.h"
#include "images/palette.h"
#include "images/random.h"
#include "images/textures.h"

#include <cmath>
#include <numbers>

Canvas PaintWoodTexture() {
    constexpr int kSize = 128;
    constexpr int kPlankWidth = 32;
    constexpr int kGapWidth = 2;
    constexpr int kGrainLines = 9; // per texture height; whole, so that the grain wraps
    return PaintPixels(kSize, kSize, [](int x, int y) {
        const double u = (x + 0.5) / kSize;
        const double v = (y + 0.5) / kSize;
        const int plank = y / kPlankWidth;
        const int across = y % kPlankWidth;
        const int joint = static_cast<int>(LatticeValue(plank, 0, 41) * kSize);
        const int from_joint = (x - joint + kSize) % kSize;
        if (across >= kPlankWidth - kGapWidth || from_joint < kGapWidth) {
            return Shade(palette::kWoodDark, 0.55f);
        }
        const double warp = PeriodicFractalNoise(u, v, 2, 8, 3, 43);
        const double grain =
            0.5 + 0.5 * std::sin(2 * std::numbers::pi * (v * kGrainLines * 4 + warp * 3));
        const double streaks = PeriodicFractalNoise(u, v, 4, 32, 2, 47);
        Color color = Mix(palette::kWoodLight, palette::kWoodDark,
                          static_cast<float>(0.55 * grain * grain + 0.5 * (streaks - 0.5)));
        // Each plank has its own shade; its edges catch a little light and shadow.
        const float plank_tone = static_cast<float>(0.9 + 0.18 * LatticeValue(plank, 1, 41));
        const float bevel =
            across == 0 ? 1.08f : (across == kPlankWidth - kGapWidth - 1 ? 0.9f : 1);
        return Shade(color, plank_tone * bevel);
    });
}
