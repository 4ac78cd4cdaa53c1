// The help picture: the goal, what each target does and every key, in three panels over the
// valley.
#include "images/coin.h"
#include "images/lettering.h"
#include "images/palette.h"
#include "images/pictures.h"
#include "images/scenery.h"
#include "images/target_icons.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

constexpr int kLeft = 64;
constexpr int kRight = kPictureSize - 64;
constexpr int kColumnWidth = (kRight - kLeft) / 2;
constexpr int kIndent = 28;
constexpr double kIconRadius = 28;
constexpr int kIconGap = 6;

void DrawGoal(Canvas& canvas, int top, int bottom) {
    DrawPanel(canvas, kLeft, top, kRight, bottom);
    const char* const lines[] = {
        "Lead the steam train to the station at the end of the line.",
        "Every few seconds it rolls on by one tile.",
        "Shoot the arrows to lay the next rail in front of it.",
        "If it leaves the rails or runs into anything, the run is over.",
    };
    int y = top + 46;
    for (const char* line : lines) {
        DrawText(canvas, line, PanelText(27, Typeface::SansRegular), kLeft + kIndent, y,
                 Align::Left);
        y += 36;
    }
}

struct TargetLine {
    // Draws the icons in a row, the first centred on the point, each of the given radius.
    std::function<void(Canvas&, Point, double)> icons;
    int icon_count;
    const char* text;
};

void DrawTargets(Canvas& canvas, int top, int bottom) {
    DrawPanel(canvas, kLeft, top, kRight, bottom);
    DrawText(canvas, "Targets", PanelHeading(32), kLeft + kIndent, top + 46, Align::Left);
    const TargetLine targets[] = {
        {[](Canvas& c, Point p, double r) { DrawRailTarget(c, p, r, RailPiece::CurveRight); }, 1,
         "Curve to the right"},
        {[](Canvas& c, Point p, double r) {
             DrawCoinFace(c, p, r, "50");
             DrawCoinFace(c, {p.x + 2 * r + kIconGap, p.y}, r, "100");
         },
         2, "50 and 100 points"},
        {[](Canvas& c, Point p, double r) { DrawRailTarget(c, p, r, RailPiece::CurveLeft); }, 1,
         "Curve to the left"},
        {[](Canvas& c, Point p, double r) { DrawSpeedTarget(c, p, r); }, 1, "Speeds the train up"},
        {[](Canvas& c, Point p, double r) { DrawRailTarget(c, p, r, RailPiece::Straight); }, 1,
         "Straight rail"},
        {[](Canvas& c, Point p, double r) { DrawWallTarget(c, p, r); }, 1, "Only stops the shot"},
    };
    // Two columns; in each, the texts line up after its widest row of icons.
    constexpr int kRowPitch = 70;
    int most_icons[2] = {};
    for (std::size_t i = 0; i < std::size(targets); ++i) {
        most_icons[i % 2] = std::max(most_icons[i % 2], targets[i].icon_count);
    }
    for (std::size_t i = 0; i < std::size(targets); ++i) {
        const int column_x = kLeft + kIndent + static_cast<int>(i % 2) * kColumnWidth;
        const int middle_y = top + 94 + static_cast<int>(i / 2) * kRowPitch;
        targets[i].icons(canvas, {column_x + kIconRadius, static_cast<double>(middle_y)},
                         kIconRadius);
        const int icons_width =
            most_icons[i % 2] * static_cast<int>(2 * kIconRadius + kIconGap) - kIconGap;
        DrawText(canvas, targets[i].text, PanelText(26), column_x + icons_width + 18, middle_y + 9,
                 Align::Left);
    }
}

struct KeyLine {
    const char* key; // empty for a line of its own
    const char* action;
};

void DrawKeys(Canvas& canvas, int top, int bottom) {
    DrawPanel(canvas, kLeft, top, kRight, bottom);
    DrawText(canvas, "Keys", PanelHeading(32), kLeft + kIndent, top + 46, Align::Left);
    const KeyLine columns[2][7] = {
        {
            {"Mouse", "aim"},
            {"Left button", "shoot"},
            {"Space", "start, try again, next level"},
            {"F1", "this help, from the title"},
            {"Escape", "to the title, then quit"},
            {"Pause", "pause on and off"},
            {"End", "skip the level"},
        },
        {
            {"G", "grid lines on and off"},
            {"V", "show where the pointer is"},
            {"M", "music on and off"},
            {"C", "hold: camera to camera.txt"},
            {"", "While paused:"},
            {"W S A D R F", "fly the camera"},
            {"Arrows N M", "turn the camera"},
        },
    };
    constexpr int kCapSize = 20;
    constexpr int kRowPitch = 42;
    for (int column = 0; column < 2; ++column) {
        const int x = kLeft + kIndent + column * kColumnWidth;
        int y = top + 90;
        for (const KeyLine& line : columns[column]) {
            if (*line.key == '\0') {
                DrawText(canvas, line.action, PanelHeading(24), x, y, Align::Left);
            } else {
                const int cap_right = DrawKeyCap(canvas, line.key, kCapSize, x, y);
                DrawText(canvas, line.action, PanelText(23, Typeface::SansRegular), cap_right + 12,
                         y, Align::Left);
            }
            y += kRowPitch;
        }
    }
}

} // namespace

Canvas PaintIntroductionPicture() {
    Canvas canvas(kPictureSize, kPictureSize, palette::kSkyTop);
    PaintLandscape(canvas, SunnyLandscape(560, 5));
    DrawHeadline(canvas, "How to play", 76, palette::kTitleGold, kPictureSize / 2, 108);
    DrawGoal(canvas, 132, 300);
    DrawTargets(canvas, 316, 594);
    DrawKeys(canvas, 610, 976);
    return canvas;
}
