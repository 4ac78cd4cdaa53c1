// The meadow that covers the whole board: quiet green with broad soft variation and a few
// small round patches of sunlit and shaded grass, low in contrast because it repeats every
// two tiles.
#include "images/noise.h"
#include "images/palette.h"
#include "images/random.h"
#include "images/smooth_step.h"
#include "images/textures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSize = 256;

struct Patch {
    double x, y, radius;
    bool sunlit;
};

std::vector<Patch> ScatterPatches() {
    constexpr int kPatches = 14;
    Random random(19);
    std::vector<Patch> patches;
    for (int i = 0; i < kPatches; ++i) {
        patches.push_back(
            {random.Range(0, kSize), random.Range(0, kSize), random.Range(7, 18), i % 2 == 0});
    }
    return patches;
}

// Distance across the texture as it repeats: the shorter way round in x and in y.
double WrappedDistance(double x0, double y0, double x1, double y1) {
    const double dx = std::abs(x1 - x0);
    const double dy = std::abs(y1 - y0);
    return std::hypot(std::min(dx, kSize - dx), std::min(dy, kSize - dy));
}

} // namespace

Canvas PaintGroundTexture() {
    const std::vector<Patch> patches = ScatterPatches();
    return PaintPixels(kSize, kSize, [&](int x, int y) {
        const double u = (x + 0.5) / kSize;
        const double v = (y + 0.5) / kSize;
        const double broad = PeriodicFractalNoise(u, v, 4, 4, 5, 11);
        Color color = Mix(palette::kGrassDark, palette::kGrassLight,
                          static_cast<float>(std::clamp(0.5 + (broad - 0.5) * 1.6, 0.0, 1.0)));
        for (const Patch& patch : patches) {
            const double distance = WrappedDistance(x + 0.5, y + 0.5, patch.x, patch.y);
            const double weight = SmoothStep(patch.radius, patch.radius * 0.3, distance);
            color = patch.sunlit ? Mix(color, palette::kGrassSun, static_cast<float>(0.35 * weight))
                                 : Mix(color, Shade(palette::kGrassDark, 0.9f),
                                       static_cast<float>(0.45 * weight));
        }
        const double tufts = PeriodicNoise(u, v, 64, 64, 37);
        return Shade(color, static_cast<float>(0.98 + 0.04 * tufts));
    });
}
