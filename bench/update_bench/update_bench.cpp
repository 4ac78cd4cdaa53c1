// Time of one frame's game update with 200 shots in flight over a level of n objects: every
// shot is tested against every object, so the cost grows with shots x objects.
#include "catalog/catalog.h"
#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/level.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr int kShots = 200;

// A level with n objects of every kind the shots look at, on a board big enough to hold
// them, and the train waiting far longer than the benchmark runs.
void MakeLevel(CLevel& level, int objects) {
    static const std::array<const char*, 6> kinds = {"rails", "50pts",   "rturn",
                                                     "block", "blocked", "tree"};
    level.width = level.height = 100;
    level.trainX = level.trainY = 0;
    level.trainDir = 'e';
    level.stepInterval = 1e9f;
    for (int i = 0; i < objects; ++i) {
        CLevelObject object;
        object.kind = kinds[i % kinds.size()];
        object.scale = 1.0f;
        object.x = 1 + i % 99;
        object.y = 1 + (i / 99) % 99;
        level.objects.push_back(object);
    }
    level.objectCount = objects;
}

// Shots high above the board, flying level and slowly enough never to leave their range or
// touch a target while the benchmark runs: every frame tests all of them.
void FireShots(CLevel& level, CCatalog& catalog) {
    g_bullets.clear();
    for (int i = 0; i < kShots; ++i) {
        CBullet shot{};
        shot.origin = shot.position = D3DXVECTOR3(5.0f + i, 5.0f, 50.0f);
        shot.direction = D3DXVECTOR3(0.0f, 1.0f, 0.0f);
        shot.speed = BULLET_SPEED;
        shot.m_pLevel = &level;
        shot.m_pCatalog = &catalog;
        g_bullets.push_back(shot);
    }
}

void UpdateWithShots(benchmark::State& state) {
    CCatalog catalog(nullptr, nullptr);
    for (const char* kind : {"bullet", "50pts", "rturn", "block", "rrecht"}) {
        catalog.m_models[kind].radius = 3.0f;
    }
    CLevel level(nullptr, &catalog, "no level file");
    MakeLevel(level, static_cast<int>(state.range(0)));
    FireShots(level, catalog);
    g_pLevel = &level;
    for (auto _ : state) {
        UpdateGame(1e-6f);
    }
    if (g_bullets.size() != kShots) {
        state.SkipWithError("a shot was lost");
    }
    state.SetComplexityN(state.range(0));
    g_pLevel = nullptr;
    g_bullets.clear();
}

} // namespace

BENCHMARK(UpdateWithShots)
    ->DenseRange(100, 1000, 300)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
