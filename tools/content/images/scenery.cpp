#include "images/scenery.h"

#include "images/palette.h"
#include "images/random.h"
#include "images/smooth_step.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Rows y0..y1 as a vertical gradient; the same colour across every row.
void FillRowGradient(Canvas& canvas, int y0, int y1, Color top, Color bottom) {
    for (int y = y0; y < y1; ++y) {
        const float t = static_cast<float>(y - y0) / static_cast<float>(std::max(1, y1 - y0 - 1));
        canvas.FillRect(0, y, canvas.width(), y + 1, Mix(top, bottom, t));
    }
}

// 0 in the side bands, rising smoothly to 1 over the next 160 columns on either side.
double AwayFromSides(double x, int width) {
    constexpr double kRise = 160;
    return SmoothStep(kSideBand, kSideBand + kRise, x) *
           SmoothStep(width - kSideBand, width - kSideBand - kRise, x);
}

// A range of hills: a low ridge all along the horizon with rounded tops rising from it in the
// middle of the picture. Each column is filled from its top down to the horizon, its top pixel
// covered by the fraction the outline leaves.
void PaintHills(Canvas& canvas, int horizon_y, double ridge, double rise, Color color,
                std::uint32_t seed) {
    Random random(seed);
    const double phase1 = random.Range(0, 2 * std::numbers::pi);
    const double phase2 = random.Range(0, 2 * std::numbers::pi);
    const double wave1 = random.Range(2.2, 2.8);
    const double wave2 = random.Range(4.5, 5.5);
    for (int x = 0; x < canvas.width(); ++x) {
        const double t = (x + 0.5) / canvas.width();
        const double bumps = 0.55 + 0.3 * std::sin(2 * std::numbers::pi * wave1 * t + phase1) +
                             0.15 * std::sin(2 * std::numbers::pi * wave2 * t + phase2);
        const double top =
            horizon_y - ridge - rise * bumps * AwayFromSides(x + 0.5, canvas.width());
        const int first = static_cast<int>(std::floor(top));
        canvas.Blend(x, first, color, static_cast<float>(first + 1 - top));
        canvas.FillRect(x, first + 1, x + 1, horizon_y, color);
    }
}

} // namespace

Landscape SunnyLandscape(int horizon_y, std::uint32_t seed) {
    return {palette::kSkyTop,     palette::kSkyHorizon, palette::kHillFar, palette::kHillNear,
            palette::kGrassLight, palette::kGrassDark,  horizon_y,         seed};
}

void PaintLandscape(Canvas& canvas, const Landscape& look) {
    FillRowGradient(canvas, 0, look.horizon_y, look.sky_top, look.sky_horizon);
    FillRowGradient(canvas, look.horizon_y, canvas.height(), look.meadow_far, look.meadow_near);
    PaintHills(canvas, look.horizon_y, 34, 120, look.hill_far, look.seed);
    PaintHills(canvas, look.horizon_y, 12, 70, look.hill_near, look.seed + 1);
}

void PaintTrack(Canvas& canvas, int rail_y, int end_x) {
    constexpr int kBedAbove = 30; // ballast above the near rail's top
    constexpr int kBedBelow = 22;
    constexpr int kBedPastEnd = 24;
    constexpr int kSleeperWidth = 18;
    constexpr int kSleeperPitch = 42;
    constexpr int kFadeWidth = 90;
    const int width = canvas.width();
    const int bed_top = rail_y - kBedAbove;
    const int bed_bottom = rail_y + kBedBelow;
    const int bed_end = end_x + kBedPastEnd;
    // The ballast bed: a lit top edge, the stones, a shadowed foot.
    canvas.FillRect(0, bed_top - 4, bed_end, bed_top,
                    Mix(palette::kBallastGrey, palette::kWhite, 0.3f));
    canvas.FillRect(0, bed_top, bed_end, bed_bottom, palette::kBallastGrey);
    canvas.FillRect(0, bed_bottom, bed_end, bed_bottom + 5, Shade(palette::kBallastBrown, 0.7f));
    // Sleepers, seen a little from above between the two rails.
    for (int x = 20; x + kSleeperWidth < end_x; x += kSleeperPitch) {
        const double fade =
            SmoothStep(kSideBand, kSideBand + kFadeWidth, x) *
            SmoothStep(width - kSideBand, width - kSideBand - kFadeWidth, x + kSleeperWidth);
        canvas.FillRect(x, bed_top + 6, x + kSleeperWidth, bed_bottom - 4, palette::kWoodDark,
                        static_cast<float>(fade));
    }
    // The far rail thin and in shadow, the near one with a bright running surface.
    canvas.FillRect(0, bed_top + 10, end_x, bed_top + 16, Shade(palette::kSteel, 0.75f));
    canvas.FillRect(0, rail_y, end_x, rail_y + 9, palette::kSteel);
    canvas.FillRect(0, rail_y, end_x, rail_y + 3, palette::kSteelLight);
}

void DrawSun(Canvas& canvas, Point centre, double radius) {
    for (int ring = 3; ring >= 1; --ring) {
        FillCircle(canvas, centre, radius * (1 + 0.35 * ring), palette::kSun, 0.12f);
    }
    FillCircle(canvas, centre, radius, palette::kSun);
}

void DrawCloud(Canvas& canvas, Point centre, double size, Color color) {
    const double s = size;
    FillRoundedRect(canvas, centre.x - s, centre.y - s * 0.25, centre.x + s, centre.y + s * 0.3,
                    s * 0.27, color);
    FillCircle(canvas, {centre.x - s * 0.45, centre.y - s * 0.2}, s * 0.38, color);
    FillCircle(canvas, {centre.x + s * 0.05, centre.y - s * 0.38}, s * 0.5, color);
    FillCircle(canvas, {centre.x + s * 0.55, centre.y - s * 0.12}, s * 0.34, color);
}

void DrawTree(Canvas& canvas, Point ground, double height, Color leaves) {
    const double h = height;
    canvas.FillRect(static_cast<int>(ground.x - h * 0.06), static_cast<int>(ground.y - h * 0.5),
                    static_cast<int>(ground.x + h * 0.06), static_cast<int>(ground.y),
                    palette::kWoodDark);
    FillCircle(canvas, {ground.x, ground.y - h * 0.62}, h * 0.36, Shade(leaves, 0.82f));
    FillCircle(canvas, {ground.x - h * 0.05, ground.y - h * 0.67}, h * 0.3, leaves);
}

void DrawSmoke(Canvas& canvas, Point chimney, Point drift, double puff_radius, Color color,
               std::uint32_t seed) {
    Random random(seed);
    constexpr int kPuffs = 10;
    for (int puff = kPuffs - 1; puff >= 0; --puff) {
        const double t = static_cast<double>(puff) / (kPuffs - 1);
        const double wobble = random.Range(-0.5, 0.5) * puff_radius;
        const Point centre{chimney.x + drift.x * t + wobble,
                           chimney.y + drift.y * t - wobble * 0.5};
        FillCircle(canvas, centre, puff_radius * (0.6 + 1.4 * t), color,
                   static_cast<float>(0.95 - 0.45 * t));
    }
}
