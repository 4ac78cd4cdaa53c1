// The title picture: the game's name over a sunny valley with the train steaming along.
#include "images/lettering.h"
#include "images/locomotive.h"
#include "images/palette.h"
#include "images/pictures.h"
#include "images/scenery.h"

Canvas PaintTitlePicture() {
    Canvas canvas(kPictureSize, kPictureSize, palette::kSkyTop);
    PaintLandscape(canvas, SunnyLandscape(600, 3));
    DrawSun(canvas, {820, 420}, 52);
    DrawCloud(canvas, {230, 400}, 70, palette::kCloud);
    DrawCloud(canvas, {700, 470}, 50, palette::kCloud);
    DrawTree(canvas, {120, 640}, 90, palette::kHillNear);
    DrawTree(canvas, {880, 650}, 110, palette::kHillNear);
    DrawTree(canvas, {930, 630}, 70, palette::kHillNear);
    constexpr int kRailY = 800;
    PaintTrack(canvas, kRailY, kPictureSize);
    const Placement engine{{440, kRailY}, 1.15, 0};
    DrawSmoke(canvas, ChimneyTop(engine), {-330, -150}, 26, palette::kSteam, 7);
    DrawTender(canvas, engine);
    DrawLocomotive(canvas, engine);

    DrawHeadline(canvas, "Railwright", 150, palette::kTitleGold, kPictureSize / 2, 240);
    DrawPanel(canvas, 90, 870, 934, 960);
    DrawText(canvas, "Space to play, F1 for help, Escape to quit", PanelText(36), kPictureSize / 2,
             928, Align::Centre);
    return canvas;
}
