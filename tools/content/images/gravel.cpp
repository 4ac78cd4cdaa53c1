// Ballast of the track bed: rounded grey and brown stones of a few pixels, lit from the top
// left, with dark gaps between them.
#include "images/noise.h"
#include "images/palette.h"
#include "images/random.h"
#include "images/smooth_step.h"
#include "images/textures.h"

#include <algorithm>

Canvas PaintGravelTexture() {
    constexpr int kSize = 128;
    constexpr int kStonesAcross = 16;
    return PaintPixels(kSize, kSize, [](int x, int y) {
        const double u = (x + 0.5) / kSize;
        const double v = (y + 0.5) / kSize;
        const CellularSample stone = PeriodicCellular(u, v, kStonesAcross, 5);
        const double hue = LatticeValue(static_cast<int>(stone.cell), 0, 6);
        const double tone = LatticeValue(static_cast<int>(stone.cell), 1, 6);
        Color color = Mix(palette::kBallastGrey, palette::kBallastBrown, static_cast<float>(hue));
        color = Shade(color, static_cast<float>(0.85 + 0.25 * tone));
        // The upper left of each stone faces the light; the gaps between stones lie in shadow.
        const double lit = 1 - 0.22 * std::clamp(stone.offset_x + stone.offset_y, -1.0, 1.0);
        const double gap = SmoothStep(0.3, 0.0, stone.second - stone.nearest);
        return Shade(color, static_cast<float>(lit * (1 - 0.5 * gap)));
    });
}
