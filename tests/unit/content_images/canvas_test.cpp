// The canvas and its shapes: blending by coverage, clipping at the edges, and anti-aliased
// coverage that adds up to the shape's true area.
#include "images/canvas.h"
#include "images/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const Color kBlack{0, 0, 0};
const Color kWhite{255, 255, 255};

// How much of the canvas a white shape on black covers, in pixels.
double CoveredArea(const Canvas& canvas) {
    double area = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            area += canvas.At(x, y).g / 255.0;
        }
    }
    return area;
}

TEST(Canvas, BlendMixesByCoverage) {
    Canvas canvas(2, 1, Color{100, 100, 100});
    canvas.Blend(0, 0, Color{200, 0, 100}, 0.25f);
    EXPECT_FLOAT_EQ(canvas.At(0, 0).r, 125);
    EXPECT_FLOAT_EQ(canvas.At(0, 0).g, 75);
    EXPECT_FLOAT_EQ(canvas.At(0, 0).b, 100);
    canvas.Blend(1, 0, kWhite, 3);
    EXPECT_FLOAT_EQ(canvas.At(1, 0).r, 255) << "coverage above 1 replaces, no more";
}

TEST(Canvas, BytesAreRoundedAndClamped) {
    Canvas canvas(1, 1, Color{-20, 127.5f, 300});
    EXPECT_EQ(canvas.ToRgb8(), (std::vector<std::uint8_t>{0, 128, 255}));
}

TEST(Canvas, FillRectKeepsToTheCanvas) {
    Canvas canvas(8, 6, kBlack);
    canvas.FillRect(-5, 4, 20, 40, kWhite);
    EXPECT_DOUBLE_EQ(CoveredArea(canvas), 8 * 2);
    EXPECT_EQ(canvas.At(0, 4).g, 255);
    EXPECT_EQ(canvas.At(7, 5).g, 255);
    EXPECT_EQ(canvas.At(7, 3).g, 0);
}

// Shapes hanging over an edge are cut there; nothing wraps into the next row or the far side.
TEST(Shapes, ClipAtTheEdgesWithoutWrapping) {
    Canvas canvas(40, 30, kBlack);
    FillCircle(canvas, {40, 15}, 6, kWhite);
    EXPECT_EQ(canvas.At(39, 15).g, 255);
    const double half_disc = std::numbers::pi * 36 / 2;
    EXPECT_NEAR(CoveredArea(canvas), half_disc, half_disc * 0.02);
    for (int y = 0; y < 30; ++y) {
        EXPECT_EQ(canvas.At(0, y).g, 0) << y;
    }
    Canvas corners(40, 30, kBlack);
    StrokeLine(corners, {-100, -100}, {140, 140}, 9, kWhite);
    const Point off_canvas[] = {{-50, -50}, {-10, -50}, {-10, -10}};
    FillPolygon(corners, off_canvas, kWhite);
    FillRoundedRect(corners, -300, 500, 900, 900, 20, kWhite);
    EXPECT_EQ(corners.At(15, 15).g, 255);
    EXPECT_EQ(corners.At(39, 0).g, 0);
    EXPECT_EQ(corners.At(0, 29).g, 0);
}

TEST(Shapes, CircleCoversItsArea) {
    Canvas canvas(40, 40, kBlack);
    FillCircle(canvas, {20.3, 19.6}, 12.5, kWhite);
    const double area = std::numbers::pi * 12.5 * 12.5;
    EXPECT_NEAR(CoveredArea(canvas), area, area * 0.01);
}

// Corners in either order, convex or not, fill the same area.
TEST(Shapes, PolygonCoversItsAreaInEitherWinding) {
    const Point clockwise[] = {{4, 4}, {36, 4}, {36, 36}, {20, 14}, {4, 36}};
    const Point anticlockwise[] = {{4, 36}, {20, 14}, {36, 36}, {36, 4}, {4, 4}};
    const double area = 32 * 32 - 32 * 22 / 2.0;
    for (const auto& corners :
         {std::span<const Point>(clockwise), std::span<const Point>(anticlockwise)}) {
        Canvas canvas(40, 40, kBlack);
        FillPolygon(canvas, corners, kWhite);
        EXPECT_NEAR(CoveredArea(canvas), area, area * 0.01);
    }
}

// A line is as thick as asked at any angle, with round ends.
TEST(Shapes, LineHasItsWidth) {
    Canvas level(60, 20, kBlack);
    StrokeLine(level, {10, 10}, {50, 10}, 4, kWhite);
    const double capsule = 40 * 4 + std::numbers::pi * 2 * 2;
    EXPECT_NEAR(CoveredArea(level), capsule, capsule * 0.02);
    EXPECT_EQ(level.At(30, 8).g, 255);
    EXPECT_EQ(level.At(30, 11).g, 255);
    EXPECT_EQ(level.At(30, 7).g, 0);
    Canvas slanted(60, 60, kBlack);
    StrokeLine(slanted, {10, 10}, {40, 50}, 4, kWhite);
    const double slanted_capsule = 50 * 4 + std::numbers::pi * 2 * 2;
    EXPECT_NEAR(CoveredArea(slanted), slanted_capsule, slanted_capsule * 0.02);
}

// A figure turned a quarter about its origin and doubled lands where the frame says.
TEST(Placement, ScalesTurnsAndMoves) {
    const Placement at{{100, 50}, 2, std::numbers::pi / 2};
    const Point p = at.Apply({10, 0});
    EXPECT_NEAR(p.x, 100, 1e-9);
    EXPECT_NEAR(p.y, 70, 1e-9) << "positive angles turn clockwise on the screen";
}

} // namespace
