// The solver: searches for a way to win a level under the game's own rules (the frame update
// at 1/60 s, shots fired from the train's tile towards the centres of tiles).
#pragma once

#include <optional>
#include <string>
#include <vector>

class CCatalog;

// Frames of the solver's clock: 60 to the second, counted from the level's start.
inline constexpr int kFramesPerSecond = 60;

// One click: fired in frame `frame` towards the centre of tile (x, y) on the ground.
struct PlannedShot {
    int frame;
    int x;
    int y;
};

struct Plan {
    std::vector<PlannedShot> shots;
    int winFrame; // the frame in which the train reaches the finish
    int score;
};

struct SolveLimits {
    int maxShots = 8;
    int maxFrames = 600 * kFramesPerSecond; // how long a level may take to win
    double maxSeconds = 20.0;               // search time per level
};

struct SolveOutcome {
    // The plan with the fewest shots found (then the earliest win), if any.
    std::optional<Plan> plan;
    // Without a plan: what stands in the way, as far as the search can tell, one sentence
    // each (for example that no order of the turn targets lays a track to the finish).
    std::vector<std::string> whyNot;
    // True when the search covered everything within its bounds; false when it ran out of
    // time first.
    bool complete = false;
    long statesVisited = 0;
};

// Solves the level file at `levelPath` (a path as the game opens it, "levels\\name.txt") with
// the models of `catalog` (their bounding spheres decide hits). The game-state globals the
// frame update uses (g_pLevel, g_pCatalog, g_bullets) are set while it runs and restored after.
SolveOutcome SolveLevel(CCatalog& catalog, const std::string& levelPath,
                        const SolveLimits& limits = {});
