#include "shell/load_level.h"

#include "catalog/catalog.h"
#include "render/grid.h"
#include "shell/game_state.h"
#include "world/level.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

// One grid line on every tile border: size + 1 lines, kept within int whatever the level
// file claims (the grid refuses absurd counts itself).
int BorderLines(int tiles) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(tiles) + 1, INT_MAX));
}

} // namespace

int LoadLevel(int n) {
    if (g_pCatalog == nullptr || g_pCatalog->GetLevelCount() == 0) {
        return 1;
    }
    if (n < 0 || n >= g_pCatalog->GetLevelCount()) {
        g_nLevel = 0;
        n = 0;
    }
    auto* level = new CLevel(g_pDevice, g_pCatalog, "levels\\" + g_pCatalog->GetLevelFile(n));
    delete g_pLevel;
    g_pLevel = level;

    // The new grid is made before the old one goes, so the grid's buffer global ends up as
    // the new grid's.
    auto* grid = new CGrid(g_pDevice, static_cast<float>(level->height) * 10.0f,
                           static_cast<float>(level->width) * 10.0f, 0.0f,
                           BorderLines(level->width), BorderLines(level->height));
    delete g_pGrid;
    g_pGrid = grid;

    if (level->camera != nullptr) {
        g_camera = *level->camera;
    }
    g_bullets.clear();
    return 0;
}
