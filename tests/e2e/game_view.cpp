// What the game's window shows, for the end-to-end tests and the screenshot script.
//
// game_view screen SCREENSHOT STYLE_DIR
//     Tells which full-screen picture a screenshot of the client area shows: for each of the
//     title, introduction, complete and gameover pictures (the style's textures) one line
//     "NAME SCORE", the mean colour difference between the screenshot and the picture as the
//     game draws it; then "screen NAME" for the best picture under the threshold, else
//     "screen blank" for a client area of one colour (nothing drawn yet) or "screen play"
//     (a level in play, or anything else).
// game_view tile LEVEL_FILE X Y
//     Prints "PX PY", the client pixel of the windowed game where the centre of tile (X, Y)
//     appears on the ground in that level's view.
//
// Exit code 0 with an answer, 2 for bad arguments or input that cannot be read.
#include "picture_prediction.h"
#include "view_geometry.h"

#include "render/camera.h"
#include "world/level.h"
#include "world/tile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A screenshot shows a picture when its mean difference is below this. The game's own
// frames score at most 0.11 on either build (only pixels on texel borders differ); the
// closest other picture (title and complete, alike in their lower half) 27.7, a level in
// play over 45.
constexpr double kMatchThreshold = 8.0;
// Every 4th pixel each way: about 47,000 points of the client area.
constexpr int kSampleStep = 4;

// A client area counts as one colour when no channel of any sampled pixel is further than
// this from the first pixel's.
constexpr int kBlankSpread = 8;

struct Picture {
    const char* name;
    const char* texture;
};
constexpr Picture kPictures[] = {{"title", "title.png"},
                                 {"introduction", "introduction.png"},
                                 {"complete", "complete.png"},
                                 {"gameover", "gameover.png"}};

int Usage() {
    std::fprintf(stderr, "usage: game_view screen SCREENSHOT STYLE_DIR\n"
                         "       game_view tile LEVEL_FILE X Y\n");
    return 2;
}

bool IsBlank(const RgbImage& image) {
    const Rgb first = image.At(0, 0);
    for (int y = 0; y < image.height; y += kSampleStep) {
        for (int x = 0; x < image.width; x += kSampleStep) {
            const Rgb pixel = image.At(x, y);
            if (std::abs(pixel.r - first.r) > kBlankSpread ||
                std::abs(pixel.g - first.g) > kBlankSpread ||
                std::abs(pixel.b - first.b) > kBlankSpread) {
                return false;
            }
        }
    }
    return true;
}

int ScreenPicture(const std::string& screenshotPath, const std::string& styleDir) {
    const std::optional<RgbImage> screenshot = ReadRgbImage(screenshotPath);
    if (!screenshot) {
        std::fprintf(stderr, "game_view: %s is not a readable image\n", screenshotPath.c_str());
        return 2;
    }
    if (screenshot->width != kGameClientSize.width ||
        screenshot->height != kGameClientSize.height) {
        std::fprintf(stderr, "game_view: %s is %dx%d, not the client area of %dx%d\n",
                     screenshotPath.c_str(), screenshot->width, screenshot->height,
                     kGameClientSize.width, kGameClientSize.height);
        return 2;
    }
    const char* best = IsBlank(*screenshot) ? "blank" : "play";
    double bestScore = kMatchThreshold;
    for (const Picture& picture : kPictures) {
        const std::string path = styleDir + "/textures/" + picture.texture;
        const std::optional<RgbImage> texture = ReadRgbImage(path);
        if (!texture) {
            std::fprintf(stderr, "game_view: %s is not a readable image\n", path.c_str());
            return 2;
        }
        const double score = MeanDifference(*screenshot, *texture, kSampleStep);
        std::printf("%s %.2f\n", picture.name, score);
        if (score < bestScore) {
            best = picture.name;
            bestScore = score;
        }
    }
    std::printf("screen %s\n", best);
    return 0;
}

bool ReadInt(const char* text, int& value) {
    char* end = nullptr;
    const long read = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || read < -1000000 || read > 1000000) {
        return false;
    }
    value = static_cast<int>(read);
    return true;
}

int TilePixel(const std::string& levelPath, const char* xText, const char* yText) {
    int x = 0, y = 0;
    if (!ReadInt(xText, x) || !ReadInt(yText, y)) {
        return Usage();
    }
    // Made from no file, then read here, where the result is seen.
    CLevel level(nullptr, nullptr, "");
    if (level.ReadLevelFile(levelPath) != 0 || level.camera == nullptr) {
        std::fprintf(stderr, "game_view: %s is not a readable level\n", levelPath.c_str());
        return 2;
    }
    if (!level.IsOnGrid(x, y)) {
        std::fprintf(stderr, "game_view: tile (%d, %d) is not on the %d x %d board\n", x, y,
                     level.width, level.height);
        return 2;
    }
    const GroundView view(*level.camera, kGameClientSize);
    const std::optional<D3DXVECTOR2> at = view.ClientPositionOf(TileCentre(x, y));
    if (!at || at->x < 0.0f || at->y < 0.0f || at->x > kGameClientSize.width - 1 ||
        at->y > kGameClientSize.height - 1) {
        std::fprintf(stderr, "game_view: tile (%d, %d) is outside the level's view\n", x, y);
        return 2;
    }
    std::printf("%ld %ld\n", std::lround(at->x), std::lround(at->y));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "screen" && argc == 4) {
        return ScreenPicture(argv[2], argv[3]);
    }
    if (mode == "tile" && argc == 5) {
        return TilePixel(argv[2], argv[3], argv[4]);
    }
    return Usage();
}
