#include "images/station.h"

#include "images/lettering.h"
#include "images/palette.h"
#include "images/shapes.h"

namespace {

constexpr int kWallHeight = 190;
constexpr int kRoofHeight = 92;
constexpr int kEaves = 26;     // how far the roof reaches past the walls
constexpr int kRoofInset = 36; // how far the ridge stops short of the walls' ends

// A window of four panes in a light frame.
void DrawWindow(Canvas& canvas, int x0, int y0, int x1, int y1) {
    FillRoundedRect(canvas, x0 - 5, y0 - 5, x1 + 5, y1 + 5, 4, palette::kMortar);
    FillRoundedRect(canvas, x0, y0, x1, y1, 2, palette::kWindow);
    const int middle_x = (x0 + x1) / 2;
    const int middle_y = (y0 + y1) / 2;
    canvas.FillRect(middle_x - 2, y0, middle_x + 2, y1, palette::kMortar);
    canvas.FillRect(x0, middle_y - 2, x1, middle_y + 2, palette::kMortar);
}

// Brick walls: courses of mortar lines with staggered joints, like the brick texture.
void DrawWall(Canvas& canvas, int x0, int y0, int x1, int y1) {
    constexpr int kCourse = 16;
    constexpr int kBrick = 36;
    constexpr int kJoint = 3;
    canvas.FillRect(x0, y0, x1, y1, palette::kBrick);
    for (int y = y1 - kCourse, row = 0; y > y0; y -= kCourse, ++row) {
        canvas.FillRect(x0, y, x1, y + kJoint, palette::kMortar);
        for (int x = x0 + (row % 2 + 1) * kBrick / 2; x < x1; x += kBrick) {
            canvas.FillRect(x, y + kJoint, x + kJoint, y + kCourse, palette::kMortar);
        }
    }
}

void DrawRoof(Canvas& canvas, int x0, int x1, int wall_top) {
    const int roof_top = wall_top - kRoofHeight;
    const int eaves_y = wall_top + 4;
    const double ridge_left = x0 + kRoofInset;
    const double ridge_right = x1 - kRoofInset;
    const Point outline[] = {{ridge_left, static_cast<double>(roof_top)},
                             {ridge_right, static_cast<double>(roof_top)},
                             {static_cast<double>(x1 + kEaves), static_cast<double>(eaves_y)},
                             {static_cast<double>(x0 - kEaves), static_cast<double>(eaves_y)}};
    FillPolygon(canvas, outline, palette::kRoofTile);
    // Rows of tiles, each row's lower edge a dark line following the slope.
    constexpr double kTileRow = 22;
    for (double y = roof_top + kTileRow; y < wall_top; y += kTileRow) {
        const double spread = (kRoofInset + kEaves) * (y - roof_top) / (eaves_y - roof_top);
        StrokeLine(canvas, {ridge_left - spread + 4, y}, {ridge_right + spread - 4, y}, 3,
                   palette::kRoofShadow);
    }
    canvas.FillRect(x0, eaves_y, x1, eaves_y + 10, Shade(palette::kBrickDark, 0.6f));
    // The name board on the roof.
    const int middle = (x0 + x1) / 2;
    FillRoundedRect(canvas, middle - 100, roof_top + 18, middle + 100, roof_top + 66, 8,
                    palette::kPanelEdge);
    FillRoundedRect(canvas, middle - 95, roof_top + 23, middle + 95, roof_top + 61, 5,
                    palette::kPanel);
    DrawText(canvas, "STATION", PanelText(28), middle, roof_top + 53, Align::Centre);
}

// A door in a stone frame with a clock above it.
void DrawEntrance(Canvas& canvas, int middle, int ground_y, int wall_top) {
    FillRoundedRect(canvas, middle - 44, ground_y - 124, middle + 44, ground_y + 6, 10,
                    palette::kMortar);
    FillRoundedRect(canvas, middle - 36, ground_y - 116, middle + 36, ground_y + 6, 6,
                    palette::kWoodDark);
    canvas.FillRect(middle - 2, ground_y - 116, middle + 2, ground_y, palette::kSoot);
    const Point clock{static_cast<double>(middle), wall_top + 46.0};
    FillCircle(canvas, clock, 25, palette::kSoot);
    FillCircle(canvas, clock, 20, palette::kWhite);
    StrokeLine(canvas, clock, {clock.x, clock.y - 14}, 4, palette::kSoot);
    StrokeLine(canvas, clock, {clock.x + 10, clock.y + 4}, 4, palette::kSoot);
}

} // namespace

void DrawStation(Canvas& canvas, int x0, int x1, int ground_y) {
    const int wall_top = ground_y - kWallHeight;
    const int roof_top = wall_top - kRoofHeight;
    const int chimney_x = x1 - (x1 - x0) / 4;
    canvas.FillRect(chimney_x, roof_top - 30, chimney_x + 30, wall_top, palette::kBrickDark);
    canvas.FillRect(chimney_x - 5, roof_top - 40, chimney_x + 35, roof_top - 28, palette::kSoot);
    DrawWall(canvas, x0, wall_top, x1, ground_y);
    DrawRoof(canvas, x0, x1, wall_top);
    DrawEntrance(canvas, (x0 + x1) / 2, ground_y, wall_top);
    const int window_inset = (x1 - x0) / 10;
    constexpr int kWindowWidth = 62;
    DrawWindow(canvas, x0 + window_inset, ground_y - 130, x0 + window_inset + kWindowWidth,
               ground_y - 62);
    DrawWindow(canvas, x1 - window_inset - kWindowWidth, ground_y - 130, x1 - window_inset,
               ground_y - 62);
    // The platform in front: lit planks on a stone edge.
    const int platform_x0 = x0 - 60;
    const int platform_x1 = x1 + 30;
    canvas.FillRect(platform_x0, ground_y - 6, platform_x1, ground_y + 22, palette::kWoodLight);
    canvas.FillRect(platform_x0, ground_y - 6, platform_x1, ground_y - 2,
                    Mix(palette::kWoodLight, palette::kWhite, 0.25f));
    canvas.FillRect(platform_x0, ground_y + 22, platform_x1, ground_y + 36, palette::kMortar);
}
