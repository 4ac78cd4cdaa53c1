// The level won: the train stands at the station under bunting, confetti in the air.
#include "images/lettering.h"
#include "images/locomotive.h"
#include "images/palette.h"
#include "images/pictures.h"
#include "images/random.h"
#include "images/scenery.h"
#include "images/station.h"

#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

namespace {

const Color kFlagColors[] = {palette::kAlarmRed, palette::kTitleGold, palette::kTurnBlue,
                             palette::kWhite, palette::kStraightGreen};

// A string of triangular flags sagging between two points.
void DrawBunting(Canvas& canvas, Point from, Point to, double sag) {
    constexpr int kFlags = 11;
    constexpr double kFlagLength = 30;
    std::vector<Point> line;
    const auto at = [&](double t) {
        return Point{from.x + (to.x - from.x) * t,
                     from.y + (to.y - from.y) * t + sag * 4 * t * (1 - t)};
    };
    for (int step = 0; step <= 40; ++step) {
        line.push_back(at(step / 40.0));
    }
    for (int flag = 0; flag < kFlags; ++flag) {
        const Point left = at((flag + 0.15) / kFlags);
        const Point right = at((flag + 0.85) / kFlags);
        const Point tip{(left.x + right.x) / 2, (left.y + right.y) / 2 + kFlagLength};
        const Point corners[] = {left, right, tip};
        FillPolygon(canvas, corners, kFlagColors[flag % std::size(kFlagColors)]);
    }
    StrokePolyline(canvas, line, 4, palette::kInk);
}

void DrawConfetti(Canvas& canvas, double x0, double y0, double x1, double y1) {
    Random random(29);
    for (int piece = 0; piece < 44; ++piece) {
        const Point centre{random.Range(x0, x1), random.Range(y0, y1)};
        const double angle = random.Range(0, std::numbers::pi);
        const double length = random.Range(7, 12);
        const Point from{centre.x - std::cos(angle) * length, centre.y - std::sin(angle) * length};
        const Point to{centre.x + std::cos(angle) * length, centre.y + std::sin(angle) * length};
        StrokeLine(canvas, from, to, 7, kFlagColors[piece % std::size(kFlagColors)]);
    }
}

} // namespace

Canvas PaintCompletePicture() {
    Canvas canvas(kPictureSize, kPictureSize, palette::kSkyTop);
    PaintLandscape(canvas, SunnyLandscape(600, 11));
    DrawCloud(canvas, {190, 420}, 60, palette::kCloud);
    DrawCloud(canvas, {830, 340}, 48, palette::kCloud);
    DrawConfetti(canvas, 90, 280, 934, 470);
    DrawTree(canvas, {120, 660}, 100, palette::kHillNear);
    constexpr int kRailY = 820;
    DrawStation(canvas, 600, 900, 748);
    PaintTrack(canvas, kRailY, kPictureSize);
    // Flagpole on the platform, bunting to the station roof.
    canvas.FillRect(548, 376, 556, 750, palette::kSoot);
    DrawBunting(canvas, {552, 384}, {830, 420}, 24);
    const Point flag[] = {{556, 380}, {640, 398}, {556, 432}};
    FillPolygon(canvas, flag, palette::kAlarmRed);
    const Placement engine{{225, kRailY}, 0.95, 0};
    DrawSmoke(canvas, ChimneyTop(engine), {-130, -160}, 22, palette::kSteam, 13);
    DrawTender(canvas, engine);
    DrawLocomotive(canvas, engine);

    DrawHeadline(canvas, "Level complete!", 112, palette::kTitleGold, kPictureSize / 2, 220);
    DrawPanel(canvas, 90, 880, 934, 968);
    const KeyHint hints[] = {{"Space", "next level"}, {"Escape", "title screen"}};
    DrawKeyHints(canvas, hints, 34, kPictureSize / 2, 936);
    return canvas;
}
