#include "images/target_icons.h"

#include "images/palette.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// A disc with a dark rim, so that it stands out on light and dark backgrounds alike.
void DrawDisc(Canvas& canvas, Point centre, double radius, Color color) {
    FillCircle(canvas, centre, radius, palette::kInk);
    FillCircle(canvas, centre, radius - std::max(3.0, radius * 0.08), color);
}

// Points of a figure laid out on a unit disc, scaled to radius around centre; mirror flips
// left and right.
std::vector<Point> OnDisc(Point centre, double radius, bool mirror,
                          std::initializer_list<Point> unit) {
    std::vector<Point> points;
    for (const Point& p : unit) {
        points.push_back({centre.x + (mirror ? -p.x : p.x) * radius, centre.y + p.y * radius});
    }
    return points;
}

} // namespace

void DrawRailTarget(Canvas& canvas, Point centre, double radius, RailPiece piece) {
    const double stroke = radius * 0.22;
    if (piece == RailPiece::Straight) {
        DrawDisc(canvas, centre, radius, palette::kStraightGreen);
        StrokePolyline(canvas, OnDisc(centre, radius, false, {{0, 0.6}, {0, -0.1}}), stroke,
                       palette::kWhite);
        FillPolygon(canvas,
                    OnDisc(centre, radius, false, {{-0.36, -0.08}, {0, -0.62}, {0.36, -0.08}}),
                    palette::kWhite);
        return;
    }
    DrawDisc(canvas, centre, radius, palette::kTurnBlue);
    // Up from the bottom, then a quarter turn to the right (mirrored for the left).
    const bool mirror = piece == RailPiece::CurveLeft;
    std::vector<Point> shaft = OnDisc(centre, radius, mirror, {{-0.3, 0.6}, {-0.3, 0.08}});
    constexpr int kArcSteps = 8;
    for (int step = 1; step <= kArcSteps; ++step) {
        const double angle = std::numbers::pi * (1 + 0.5 * step / kArcSteps);
        const Point p{0.05 + 0.35 * std::cos(angle), 0.08 + 0.35 * std::sin(angle)};
        shaft.push_back(OnDisc(centre, radius, mirror, {p})[0]);
    }
    shaft.push_back(OnDisc(centre, radius, mirror, {{0.2, -0.27}})[0]);
    StrokePolyline(canvas, shaft, stroke, palette::kWhite);
    FillPolygon(canvas, OnDisc(centre, radius, mirror, {{0.16, -0.6}, {0.64, -0.27}, {0.16, 0.06}}),
                palette::kWhite);
}

void DrawSpeedTarget(Canvas& canvas, Point centre, double radius) {
    DrawDisc(canvas, centre, radius, palette::kSpeedRed);
    std::vector<Point> bolt = OnDisc(
        centre, radius, false,
        {{0.16, -0.72}, {-0.38, 0.1}, {-0.03, 0.1}, {-0.16, 0.72}, {0.4, -0.12}, {0.05, -0.12}});
    FillPolygon(canvas, bolt, palette::kBoltYellow);
    bolt.push_back(bolt.front());
    StrokePolyline(canvas, bolt, std::max(3.0, radius * 0.07), palette::kInk);
}

void DrawWallTarget(Canvas& canvas, Point centre, double radius) {
    const double half_width = radius * 0.95;
    const double half_height = radius * 0.72;
    const double border = std::max(3.0, radius * 0.08);
    FillRoundedRect(canvas, centre.x - half_width, centre.y - half_height, centre.x + half_width,
                    centre.y + half_height, border, palette::kInk);
    const double x0 = centre.x - half_width + border;
    const double y0 = centre.y - half_height + border;
    const double x1 = centre.x + half_width - border;
    const double y1 = centre.y + half_height - border;
    FillRoundedRect(canvas, x0, y0, x1, y1, 1, palette::kMortar);
    // Three courses, the middle one shifted by half a brick.
    constexpr int kCourses = 3;
    const double course = (y1 - y0) / kCourses;
    const double brick = (x1 - x0) / 2;
    const double joint = std::max(3.0, radius * 0.08);
    for (int row = 0; row < kCourses; ++row) {
        const double shift = row % 2 == 1 ? brick / 2 : 0;
        for (double left = x0 - shift; left < x1; left += brick) {
            const double a = std::max(left + joint / 2, x0);
            const double b = std::min(left + brick - joint / 2, x1);
            const Color color = (row + static_cast<int>((left - x0) / brick)) % 2 == 0
                                    ? palette::kBrick
                                    : palette::kBrickLight;
            FillRoundedRect(canvas, a, y0 + row * course + joint / 2, b,
                            y0 + (row + 1) * course - joint / 2, 1, color);
        }
    }
}
