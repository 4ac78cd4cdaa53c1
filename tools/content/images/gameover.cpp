// The run lost: at dusk the track breaks off and the engine lies nose down in the meadow
// beyond it, smoking.
#include "images/lettering.h"
#include "images/locomotive.h"
#include "images/palette.h"
#include "images/pictures.h"
#include "images/random.h"
#include "images/scenery.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

Landscape DuskLandscape(int horizon_y) {
    const Color dusk = palette::kDuskShade;
    return {palette::kDuskTop,
            palette::kDuskHorizon,
            Mix(palette::kHillFar, dusk, 0.5f),
            Mix(palette::kHillNear, dusk, 0.4f),
            Mix(palette::kGrassLight, dusk, 0.3f),
            Mix(palette::kGrassDark, dusk, 0.3f),
            horizon_y,
            17};
}

// A comic-book burst: a star of points around centre.
void DrawBurst(Canvas& canvas, Point centre, double outer, double inner, Color color) {
    constexpr int kPoints = 9;
    std::vector<Point> corners;
    for (int i = 0; i < kPoints * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = std::numbers::pi * i / kPoints;
        corners.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    std::vector<Point> outline = corners;
    outline.push_back(corners.front());
    FillPolygon(canvas, corners, color);
    StrokePolyline(canvas, outline, 5, palette::kInk);
}

void DrawStars(Canvas& canvas) {
    Random random(31);
    for (int star = 0; star < 24; ++star) {
        const Point centre{random.Range(90, 934), random.Range(60, 330)};
        FillCircle(canvas, centre, random.Range(2, 3.5), palette::kWhite, 0.85f);
    }
}

} // namespace

Canvas PaintGameOverPicture() {
    Canvas canvas(kPictureSize, kPictureSize, palette::kDuskTop);
    PaintLandscape(canvas, DuskLandscape(600));
    DrawStars(canvas);
    constexpr int kRailY = 800;
    constexpr int kTrackEnd = 470;
    PaintTrack(canvas, kRailY, kTrackEnd);
    // The last rail bent upwards where the track breaks off.
    const Point bent[] = {
        {kTrackEnd - 2, kRailY + 4}, {kTrackEnd + 40, kRailY - 6}, {kTrackEnd + 70, kRailY - 40}};
    StrokePolyline(canvas, bent, 9, palette::kSteel);
    const Placement engine{{kTrackEnd + 40, kRailY - 8}, 1.0, 0.26};
    DrawSmoke(canvas, ChimneyTop(engine), {-240, -210}, 30, palette::kSmokeDark, 19);
    DrawLocomotive(canvas, engine);
    // The nose has dug into a heap of churned earth.
    const Point heap[] = {{700, 880}, {735, 842}, {790, 826}, {850, 818}, {905, 838}, {940, 880}};
    FillPolygon(canvas, heap, palette::kEarth);
    DrawBurst(canvas, {880, 770}, 62, 34, palette::kTitleGold);
    DrawBurst(canvas, {880, 770}, 34, 18, palette::kAlarmRed);

    DrawHeadline(canvas, "Off the rails!", 124, palette::kAlarmRed, kPictureSize / 2, 230);
    DrawPanel(canvas, 70, 880, 954, 968);
    const KeyHint hints[] = {{"Space", "try this level again"}, {"Escape", "title screen"}};
    DrawKeyHints(canvas, hints, 34, kPictureSize / 2, 936);
    return canvas;
}
