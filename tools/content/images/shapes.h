// Anti-aliased shapes on a canvas. Each pixel is covered by how far its centre lies inside the
// shape's outline, so edges are smooth at any size and angle. Pixel (x, y) spans x..x+1 and
// y..y+1; coordinates are in pixels with y downwards.
#pragma once

#include "images/canvas.h"

#include <initializer_list>
#include <span>

struct Point {
    double x = 0;
    double y = 0;
};

// A local drawing frame: a figure drawn around its own origin, then scaled, turned (radians,
// clockwise on the screen) and moved to origin on the canvas.
struct Placement {
    Point origin;
    double scale = 1;
    double angle = 0;

    Point Apply(Point local) const;
    double Length(double local) const { return local * scale; }
};

void FillCircle(Canvas& canvas, Point centre, double radius, Color color, float alpha = 1);
// Either winding; self-intersections fill by the even-odd rule.
void FillPolygon(Canvas& canvas, std::span<const Point> corners, Color color, float alpha = 1);
// A line width pixels thick with round ends and joints.
void StrokePolyline(Canvas& canvas, std::span<const Point> points, double width, Color color,
                    float alpha = 1);
void StrokeLine(Canvas& canvas, Point from, Point to, double width, Color color, float alpha = 1);
void FillRoundedRect(Canvas& canvas, double x0, double y0, double x1, double y1, double radius,
                     Color color, float alpha = 1);
// A polygon and a rectangle of a figure, given in its local frame.
void FillPlacedPolygon(Canvas& canvas, const Placement& at, std::initializer_list<Point> corners,
                       Color color);
void FillPlacedRect(Canvas& canvas, const Placement& at, double x0, double y0, double x1, double y1,
                    Color color);
