// libFuzzer target for level files: the input is a whole level file's text, read into a
// level whose catalog holds no meshes (only bounding spheres for the shot targets). The level
// is then played a little: a shot at each of the first objects, pieces of every turn, frames
// of the train. Any crash, leak, hang or sanitizer report counts.
#include "catalog/catalog.h"
#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/level.h"
#include "world/tile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

// A catalog made in an empty directory (so it reads no lists), with spheres for the kinds a
// shot can hit and none for anything else.
CCatalog* Catalog() {
    static CCatalog* catalog = [] {
        const std::filesystem::path previous = std::filesystem::current_path();
        std::string empty = (std::filesystem::temp_directory_path() / "level-fuzz-XXXXXX").string();
        if (!mkdtemp(empty.data())) {
            std::abort();
        }
        std::filesystem::current_path(empty);
        auto* made = new CCatalog(nullptr, nullptr);
        std::filesystem::current_path(previous);
        std::filesystem::remove(empty);
        made->m_models["bullet"].radius = 1.0f;
        for (const char* kind : {"rturn", "lturn", "rrecht", "50pts", "100pts", "speed", "block"}) {
            made->m_models[kind].radius = 4.0f;
        }
        return made;
    }();
    return catalog;
}

constexpr std::size_t SHOTS = 8;
constexpr int FRAMES = 12;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CLevel level(nullptr, Catalog(), "");
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    level.ReadLevel(input);

    g_pLevel = &level;
    g_pCatalog = Catalog();
    for (std::size_t i = 0; i < level.objects.size() && i < SHOTS; ++i) {
        FireBullet(TileCentre(level.objects[i].x, level.objects[i].y));
    }
    for (int frame = 0; frame < FRAMES; ++frame) {
        UpdateGame(1.0f);
    }
    for (const char turn : {'s', 'l', 'r', 'z'}) {
        level.LayPiece(turn);
    }
    level.gameOver = false;
    for (int frame = 0; frame < FRAMES; ++frame) {
        level.UpdateTrain(level.stepInterval);
    }
    g_bullets.clear();
    g_pLevel = nullptr;
    g_pCatalog = nullptr;
    return 0;
}
