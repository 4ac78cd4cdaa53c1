// Shots: firing, flight and range, what each target does when hit, and the frame update's
// removals. The test catalog has no sounds and the player is null, so cues play nothing;
// these tests check the events' effects.
#include "world_test_support.h"

#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/spheres.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class Shots : public testing::Test {
protected:
    void SetUp() override {
        catalog->m_models["bullet"].radius = 1.0f;
        for (const char* kind : {"rturn", "lturn", "rrecht", "50pts", "100pts", "speed", "block"}) {
            catalog->m_models[kind].radius = 2.0f;
        }
        NewLevel();
        g_pCatalog = catalog.get();
    }
    void TearDown() override {
        g_bullets.clear();
        g_pLevel = nullptr;
        g_pCatalog = nullptr;
    }

    // Train on (2, 6) heading north on a 10 by 8 board, holding these objects.
    void NewLevel(std::vector<CLevelObject> objects = {}) {
        level = Board(10, 8, 2, 6, 'n', catalog.get());
        level->objects = std::move(objects);
        g_pLevel = level.get();
    }

    // A shot standing still above the centre of tile (x, y).
    CBullet ShotAt(int x, int y, float height = 0.0f) {
        CBullet shot{};
        shot.position = shot.origin = D3DXVECTOR3(10.0f * x + 5, 10.0f * y + 5, height);
        shot.direction = D3DXVECTOR3(0, 0, 1);
        shot.m_pLevel = level.get();
        shot.m_pCatalog = catalog.get();
        return shot;
    }

    std::unique_ptr<CCatalog> catalog = EmptyCatalog();
    std::unique_ptr<CLevel> level;
};

TEST(SpheresOverlap, TouchingCountsAndApartDoesNot) {
    const D3DXVECTOR3 origin(0, 0, 0);
    EXPECT_TRUE(SpheresOverlap(origin, 1.0f, D3DXVECTOR3(3, 0, 0), 2.0f));
    EXPECT_FALSE(SpheresOverlap(origin, 1.0f, D3DXVECTOR3(3.001f, 0, 0), 2.0f));
    EXPECT_TRUE(SpheresOverlap(origin, 0.0f, origin, 0.0f));
}

TEST_F(Shots, EachTargetHasItsEffect) {
    struct Case {
        const char* kind;
        bool removed;
        int score;
        float interval;
        std::size_t objects; // after the hit: laid pieces are appended
    };
    const Case cases[] = {
        {"rturn", true, 0, 5.0f, 2},    {"lturn", true, 0, 5.0f, 2},
        {"rrecht", true, 0, 5.0f, 2},   {"50pts", true, 50, 5.0f, 1},
        {"100pts", true, 100, 5.0f, 1}, {"speed", true, 0, 4.0f, 1},
        {"block", false, 0, 5.0f, 1},   {"rails", false, 0, 5.0f, 1},
        {"station", false, 0, 5.0f, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        NewLevel({Object(c.kind, 6, 2)});
        CBullet shot = ShotAt(6, 2, 2.5f); // within 2 + 1 of the target's centre
        shot.CheckHits();
        EXPECT_EQ(shot.dead, c.removed || c.kind == std::string("block"));
        EXPECT_EQ(level->objects[0].dead, c.removed);
        EXPECT_EQ(std::make_tuple(level->score, level->stepInterval, level->objects.size()),
                  std::make_tuple(c.score, c.interval, c.objects));
        EXPECT_FALSE(level->gameOver);
        CBullet miss = ShotAt(6, 2, 3.001f);
        miss.CheckHits();
        EXPECT_FALSE(miss.dead);
    }
}

TEST_F(Shots, SpeedHitsLowerTheIntervalButNeverToZero) {
    for (const auto& [before, after] : {std::pair{1.0f, 1.0f}, {1.5f, 0.5f}, {5.0f, 4.0f}}) {
        NewLevel({Object("speed", 6, 2)});
        level->stepInterval = before;
        ShotAt(6, 2).CheckHits();
        EXPECT_EQ(level->stepInterval, after) << before;
    }
    NewLevel({Object("speed", 6, 2), Object("speed", 6, 2)}); // two in one frame
    ShotAt(6, 2).CheckHits();
    EXPECT_EQ(level->stepInterval, 3.0f);
}

TEST_F(Shots, ObstaclesStopShotsWithoutBeingDestroyed) {
    // "blocked" uses the sphere of the straight-piece target; "block" is a target that stays.
    NewLevel({Object("blocked", 6, 2), Object("block", 6, 2)});
    for (int i = 0; i < 2; ++i) {
        CBullet shot = ShotAt(6, 2);
        shot.CheckHits();
        EXPECT_TRUE(shot.dead);
    }
    EXPECT_FALSE(level->objects[0].dead || level->objects[1].dead);
    // Without "rrecht" in the catalog its sphere is the empty one (radius 0), and no mesh is
    // ever needed.
    catalog->m_models.erase("rrecht");
    NewLevel({Object("blocked", 6, 2)});
    CBullet passing = ShotAt(6, 2, 1.5f);
    passing.CheckHits();
    EXPECT_FALSE(passing.dead);
}

TEST_F(Shots, OneShotSetsOffEveryTargetItTouchesInListOrder) {
    // Wide spheres let the shot on (2, 5) reach the targets on (2, 4) too. The straight piece
    // is laid on the tile of its own (dead) target and joins the track; then the left turn's
    // tile is free, as its target is already marked dead.
    catalog->m_models["50pts"].radius = 12.0f;
    catalog->m_models["lturn"].radius = 12.0f;
    NewLevel({Object("rrecht", 2, 5), Object("50pts", 2, 4), Object("lturn", 2, 4)});
    ShotAt(2, 5).CheckHits();
    EXPECT_EQ(level->score, 50);
    EXPECT_EQ(std::make_tuple(level->trackEndX, level->trackEndY, level->trackEndDir),
              std::make_tuple(2, 4, 'w'));
    EXPECT_EQ(level->objects.size(), 5u);
}

TEST_F(Shots, TurnTargetsAfterTheFinishOnlyVanishAndUnlayableOnesLoseTheRun) {
    NewLevel({Object("rturn", 6, 2)});
    std::tie(level->finishX, level->finishY, level->finishDir) = std::make_tuple(2, 6, 'n');
    ShotAt(6, 2).CheckHits();
    EXPECT_TRUE(level->objects[0].dead);
    EXPECT_EQ(level->objects.size(), 1u);
    EXPECT_FALSE(level->gameOver);
    // The tile beyond the track end is taken: the hit loses the run, and the rest of the
    // frame (removals, train) still runs.
    NewLevel({Object("tree", 2, 5), Object("rturn", 6, 2)});
    level->objectCount = 2;
    g_bullets = {ShotAt(6, 2)};
    UpdateGame(0.25f);
    EXPECT_TRUE(level->gameOver);
    EXPECT_TRUE(g_bullets.empty());
    EXPECT_EQ(std::make_tuple(level->objects.size(), level->objectCount, level->stepTimer),
              std::make_tuple(std::size_t{1}, 1, 0.25f));
}

TEST_F(Shots, FiringStartsAboveTheTrainTowardsTheAimPoint) {
    FireBullet(D3DXVECTOR3(25, 25, 0));
    ASSERT_EQ(g_bullets.size(), 1u);
    const CBullet& shot = g_bullets[0];
    EXPECT_EQ(shot.origin, D3DXVECTOR3(25, 65, 3));
    EXPECT_EQ(shot.position, shot.origin);
    EXPECT_EQ(shot.direction.x, 0.0f);
    EXPECT_NEAR(shot.direction.y, -40 / std::sqrt(1609.0), 1e-6);
    EXPECT_NEAR(shot.direction.z, -3 / std::sqrt(1609.0), 1e-6);
    EXPECT_EQ(std::make_tuple(shot.speed, shot.dead, shot.m_pLevel, shot.m_pCatalog),
              std::make_tuple(30.0f, false, level.get(), catalog.get()));
    FireBullet(D3DXVECTOR3(25, 65, 3)); // aimed at its own start: no way to fly
    g_pLevel = nullptr;
    FireBullet(D3DXVECTOR3(0, 0, 0)); // no level
    EXPECT_EQ(g_bullets.size(), 1u);
}

TEST_F(Shots, RangeIsTestedUpToExactlyThreeHundredUnits) {
    // A target 300 units north of the shot's origin, touched at the end of the range.
    for (const float dt : {10.0f, 10.001f}) {
        NewLevel({Object("50pts", 0, 30)});
        g_bullets = {ShotAt(0, 0)};
        g_bullets[0].direction = D3DXVECTOR3(0, 1, 0);
        g_bullets[0].speed = BULLET_SPEED;
        UpdateGame(dt);
        EXPECT_EQ(level->score, dt == 10.0f ? 50 : 0) << dt;
        EXPECT_TRUE(g_bullets.empty());
    }
}

TEST_F(Shots, FrameUpdateMovesShotsAndRemovesTheDeadInOrder) {
    NewLevel({Object("tree", 0, 0), Object("50pts", 6, 2), Object("tree", 1, 0)});
    level->objectCount = 3;
    g_bullets = {ShotAt(0, 7, 50), ShotAt(6, 2), ShotAt(1, 7, 50)};
    g_bullets[0].speed = 1.0f;
    g_bullets[2].speed = 2.0f;
    UpdateGame(0.5f);
    ASSERT_EQ(g_bullets.size(), 2u);
    EXPECT_EQ(g_bullets[0].position.z, 50.5f);
    EXPECT_EQ(g_bullets[1].position.z, 51.0f);
    ASSERT_EQ(level->objects.size(), 2u);
    EXPECT_EQ(level->objects[1].x, 1);
    EXPECT_EQ(level->objectCount, 2);
    EXPECT_EQ(level->stepTimer, 0.5f);
}

TEST_F(Shots, NothingMovesOnceTheRunIsOver) {
    for (const bool lost : {true, false}) {
        NewLevel({Object("50pts", 6, 2)});
        level->objects[0].dead = true;
        level->gameOver = lost;
        level->complete = !lost;
        g_bullets = {ShotAt(0, 0)};
        g_bullets[0].speed = BULLET_SPEED;
        UpdateGame(1.0f);
        EXPECT_EQ(g_bullets[0].position, g_bullets[0].origin);
        EXPECT_EQ(level->objects.size(), 1u);
        EXPECT_EQ(level->stepTimer, 0.0f);
    }
}

} // namespace
