#include "images/shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Bounds {
    double x0, y0, x1, y1;
};

// Covers the pixels inside bounds by signed_distance(centre of pixel): negative inside the
// shape, positive outside, in pixels. Half a pixel either side of the outline blends.
template <class SignedDistance>
void FillByDistance(Canvas& canvas, Bounds bounds, Color color, float alpha,
                    SignedDistance signed_distance) {
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0 - 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0 - 1)));
    const int x1 = std::min(canvas.width(), static_cast<int>(std::ceil(bounds.x1 + 1)));
    const int y1 = std::min(canvas.height(), static_cast<int>(std::ceil(bounds.y1 + 1)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const double distance = signed_distance(Point{x + 0.5, y + 0.5});
            const double coverage = std::clamp(0.5 - distance, 0.0, 1.0);
            canvas.Blend(x, y, color, static_cast<float>(coverage) * alpha);
        }
    }
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double length_squared = abx * abx + aby * aby;
    double t = 0;
    if (length_squared > 0) {
        t = std::clamp(((p.x - a.x) * abx + (p.y - a.y) * aby) / length_squared, 0.0, 1.0);
    }
    return std::hypot(p.x - (a.x + t * abx), p.y - (a.y + t * aby));
}

Bounds BoundsOf(std::span<const Point> points, double margin) {
    Bounds bounds{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                  std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const Point& p : points) {
        bounds.x0 = std::min(bounds.x0, p.x - margin);
        bounds.y0 = std::min(bounds.y0, p.y - margin);
        bounds.x1 = std::max(bounds.x1, p.x + margin);
        bounds.y1 = std::max(bounds.y1, p.y + margin);
    }
    return bounds;
}

} // namespace

Point Placement::Apply(Point local) const {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {origin.x + scale * (local.x * c - local.y * s),
            origin.y + scale * (local.x * s + local.y * c)};
}

void FillCircle(Canvas& canvas, Point centre, double radius, Color color, float alpha) {
    const Bounds bounds{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    FillByDistance(canvas, bounds, color, alpha,
                   [&](Point p) { return std::hypot(p.x - centre.x, p.y - centre.y) - radius; });
}

void FillPolygon(Canvas& canvas, std::span<const Point> corners, Color color, float alpha) {
    if (corners.size() < 3) {
        return;
    }
    FillByDistance(canvas, BoundsOf(corners, 0), color, alpha, [&](Point p) {
        double distance = std::numeric_limits<double>::max();
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[i];
            const Point b = corners[j];
            distance = std::min(distance, DistanceToSegment(p, a, b));
            if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
                inside = !inside;
            }
        }
        return inside ? -distance : distance;
    });
}

void StrokePolyline(Canvas& canvas, std::span<const Point> points, double width, Color color,
                    float alpha) {
    if (points.empty()) {
        return;
    }
    FillByDistance(canvas, BoundsOf(points, width / 2), color, alpha, [&](Point p) {
        double distance = std::hypot(p.x - points[0].x, p.y - points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) {
            distance = std::min(distance, DistanceToSegment(p, points[i - 1], points[i]));
        }
        return distance - width / 2;
    });
}

void StrokeLine(Canvas& canvas, Point from, Point to, double width, Color color, float alpha) {
    const Point points[] = {from, to};
    StrokePolyline(canvas, points, width, color, alpha);
}

void FillRoundedRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                     Color color, float alpha) {
    const Point centre{(x0 + x1) / 2, (y0 + y1) / 2};
    const double half_width = (x1 - x0) / 2 - radius;
    const double half_height = (y1 - y0) / 2 - radius;
    FillByDistance(canvas, Bounds{x0, y0, x1, y1}, color, alpha, [&](Point p) {
        const double dx = std::abs(p.x - centre.x) - half_width;
        const double dy = std::abs(p.y - centre.y) - half_height;
        const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
        return outside + std::min(std::max(dx, dy), 0.0) - radius;
    });
}

void FillPlacedPolygon(Canvas& canvas, const Placement& at, std::initializer_list<Point> corners,
                       Color color) {
    std::vector<Point> placed;
    for (const Point& corner : corners) {
        placed.push_back(at.Apply(corner));
    }
    FillPolygon(canvas, placed, color);
}

void FillPlacedRect(Canvas& canvas, const Placement& at, double x0, double y0, double x1, double y1,
                    Color color) {
    FillPlacedPolygon(canvas, at, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, color);
}
