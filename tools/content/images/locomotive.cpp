#include "images/locomotive.h"

#include "images/palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A spoked wheel standing on the rail.
void DrawWheel(Canvas& canvas, const Placement& at, double x, double radius) {
    const Point hub = at.Apply({x, -radius});
    FillCircle(canvas, hub, at.Length(radius), palette::kSoot);
    FillCircle(canvas, hub, at.Length(radius * 0.8), palette::kEngineRed);
    constexpr int kSpokes = 8;
    for (int spoke = 0; spoke < kSpokes / 2; ++spoke) {
        const double angle = std::numbers::pi * spoke / (kSpokes / 2) + 0.2;
        const Point from = at.Apply(
            {x - std::cos(angle) * radius * 0.78, -radius - std::sin(angle) * radius * 0.78});
        const Point to = at.Apply(
            {x + std::cos(angle) * radius * 0.78, -radius + std::sin(angle) * radius * 0.78});
        // No thinner than 3 pixels, which still read when the picture is shown a little smaller.
        StrokeLine(canvas, from, to, std::max(3.0, at.Length(radius * 0.12)), palette::kSoot);
    }
    FillCircle(canvas, hub, at.Length(radius * 0.26), palette::kSoot);
    FillCircle(canvas, hub, at.Length(radius * 0.12), palette::kGold);
}

} // namespace

void DrawLocomotive(Canvas& canvas, const Placement& at) {
    const Color lining = palette::kGold;
    // Chimney and dome stand behind the top of the boiler.
    FillPlacedPolygon(
        canvas, at, {{266, -140}, {292, -140}, {296, -200}, {304, -214}, {254, -214}, {262, -200}},
        palette::kSoot);
    FillCircle(canvas, at.Apply({196, -164}), at.Length(20), lining);
    FillPlacedRect(canvas, at, 176, -164, 216, -148, lining);
    FillCircle(canvas, at.Apply({189, -170}), at.Length(7), palette::kGoldLight);
    // Boiler with its brass bands, the smokebox in front.
    FillPlacedRect(canvas, at, 96, -150, 268, -66, palette::kEngineGreen);
    FillPlacedRect(canvas, at, 96, -150, 268, -138,
                   Mix(palette::kEngineGreen, palette::kWhite, 0.18f));
    for (double band : {132.0, 182.0, 232.0}) {
        FillPlacedRect(canvas, at, band, -150, band + 7, -66, lining);
    }
    FillPlacedRect(canvas, at, 264, -154, 306, -62, palette::kSoot);
    // Cab with its window and an overhanging roof.
    FillPlacedRect(canvas, at, 0, -226, 104, -62, palette::kEngineGreen);
    FillPlacedRect(canvas, at, 8, -218, 96, -70, Mix(palette::kEngineGreen, palette::kWhite, 0.1f));
    FillPlacedRect(canvas, at, 22, -204, 82, -148, palette::kSoot);
    FillPlacedRect(canvas, at, 28, -198, 76, -154, palette::kWindow);
    FillPlacedRect(canvas, at, -12, -242, 116, -226, palette::kSoot);
    // Running board, buffer beam, buffers and the cowcatcher.
    FillPlacedRect(canvas, at, -4, -70, 312, -56, palette::kSoot);
    FillPlacedRect(canvas, at, 0, -70, 306, -66, lining);
    FillPlacedRect(canvas, at, 300, -76, 318, -50, palette::kEngineRed);
    FillPlacedRect(canvas, at, 318, -70, 332, -58, palette::kSteelLight);
    FillPlacedPolygon(canvas, at, {{296, -50}, {316, -50}, {344, -6}, {296, -6}}, palette::kSteel);
    // Two driving wheels joined by a coupling rod, a small leading wheel.
    DrawWheel(canvas, at, 56, 40);
    DrawWheel(canvas, at, 152, 40);
    DrawWheel(canvas, at, 250, 24);
    StrokeLine(canvas, at.Apply({56, -54}), at.Apply({152, -54}), at.Length(10),
               palette::kSteelLight);
    StrokeLine(canvas, at.Apply({56, -54}), at.Apply({152, -54}), at.Length(4), palette::kSteel);
}

void DrawTender(Canvas& canvas, const Placement& at) {
    FillPlacedPolygon(canvas, at,
                      {{-150, -150}, {-118, -176}, {-62, -184}, {-22, -160}, {-18, -150}},
                      palette::kSoot);
    FillPlacedRect(canvas, at, -160, -152, -16, -62, palette::kEngineGreen);
    FillPlacedRect(canvas, at, -152, -144, -24, -70,
                   Mix(palette::kEngineGreen, palette::kWhite, 0.1f));
    FillPlacedRect(canvas, at, -164, -70, -4, -56, palette::kSoot);
    FillPlacedRect(canvas, at, -16, -64, 2, -56, palette::kSteel);
    DrawWheel(canvas, at, -126, 28);
    DrawWheel(canvas, at, -50, 28);
}

Point ChimneyTop(const Placement& at) {
    return at.Apply({279, -216});
}
