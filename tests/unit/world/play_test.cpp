// The rules of a run: which sides pieces join, the piece each turn lays, the track's trace;
// the train's run; shots, their targets' effects and the frame update (without sounds).
#include "world_test_support.h"

#include "shell/game_state.h"
#include "world/game_update.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Lays a piece for each turn letter. The results, then the track end, the number of objects,
// the step interval, and "lost" once the run is lost.
std::string Lay(CLevel& level, const std::string& turns) {
    std::ostringstream s;
    for (const char turn : turns) {
        s << level.LayPiece(turn);
    }
    s << ' ' << level.trackEndX << ',' << level.trackEndY << level.trackEndDir << ' '
      << level.objects.size() << ' ' << level.stepInterval << (level.gameOver ? " lost" : "");
    return s.str();
}

// Runs the train for frames of dt: its tile and heading, the gathered time and the outcome.
std::string Drive(CLevel& level, float dt, int frames = 1) {
    for (int i = 0; i < frames; ++i) {
        level.UpdateTrain(dt);
    }
    std::ostringstream s;
    s << level.trainX << ',' << level.trainY << level.trainDir << ' ' << level.stepTimer
      << (level.gameOver ? " lost" : "") << (level.complete ? " complete" : "");
    return s.str();
}

TEST(Track, EachPieceJoinsItsTwoSides) {
    // Per kind and angle, the exits for entering with n, e, s, w and with no heading.
    const std::tuple<const char*, double, const char*> rows[] = {
        {"rails", 0, "xexwx"},         {"rails", 90, "nxsxx"},       {"rails", 180, "xxxxx"},
        {"railscorner", 0, "wsxxx"},   {"railscorner", 90, "xnwxx"}, {"railscorner", 180, "xxenx"},
        {"railscorner", 270, "exxsx"}, {"railscorner", 45, "xxxxx"}, {"Rails", 0, "xxxxx"},
        {"station", 90, "xxxxx"},      {"rails", 89.6, "nxsxx"},     {"rails", 89.4, "xxxxx"},
    };
    for (const auto& [kind, degrees, exits] : rows) {
        CLevelObject piece = Object(kind, 0, 0);
        piece.angle = DegreesToAngle(degrees); // compared in whole degrees after rounding
        std::string found = "neswx";
        for (char& heading : found) {
            heading = CLevel::ExitDirection(piece, heading);
        }
        EXPECT_EQ(found, exits) << kind << " " << degrees;
    }
}

// The piece laid beyond the track end continues it: a straight piece keeps the heading, a
// corner turns it a quarter left or right; the track end moves onto the new piece.
TEST(Track, EachTurnLaysItsPieceBeyondTheTrackEnd) {
    for (int i = 0; i < 12; ++i) {
        const char heading = "nesw"[i % 4], turn = "slr"[i / 4],
                   after = "neswnesw"[i % 4 + "031"[i / 4] - '0'];
        const int x = 5 + (heading == 'e') - (heading == 'w'),
                  y = 5 + (heading == 's') - (heading == 'n');
        auto level = Board(5, 5, heading);
        EXPECT_EQ(Lay(*level, {turn}),
                  "0 " + std::to_string(x) + "," + std::to_string(y) + after + " 1 5");
        EXPECT_EQ(level->objects.at(0).scale * static_cast<float>(level->objectCount), 1.0f);
    }
    // The track is complete when its end reaches the finish with the finish's heading: the
    // train speeds up, and later turns lay nothing and succeed.
    for (const auto& [turns, after] : {std::pair{"sl", "00 2,4w 2 5"}, {"rl", "00 2,5e 1 1"}}) {
        auto level = Board(2, 6, 'n');
        std::tie(level->finishX, level->finishY, level->finishDir) = std::tuple(2, 5, 'e');
        EXPECT_EQ(Lay(*level, turns), after);
    }
}

TEST(Track, TraceRunsOverPiecesAndLayingStopsAtTakenTilesAndTheGridsEdge) {
    // (2, 5) holds a dead target; (2, 4) and (2, 3) lead on and turn east; (3, 3) does not join.
    auto level = Board(2, 6, 'n');
    level->objects = {Object("rrecht", 2, 5), Object("rails", 2, 4, 90),
                      Object("railscorner", 2, 3, 270), Object("rails", 3, 3, 180)};
    level->objects[0].dead = true;
    level->TraceTrack(2, 6, 'n');
    EXPECT_EQ(Lay(*level, ""), " 2,6n 4 5");
    EXPECT_EQ(Lay(*level, "ss"), "01 2,3e 5 5 lost");
    for (const auto& [x, y, heading] :
         {std::tuple{0, 3, 'w'}, {9, 3, 'e'}, {4, 0, 'n'}, {4, 7, 's'}}) {
        EXPECT_EQ(Lay(*Board(x, y, heading), "s"),
                  "1 " + std::to_string(x) + "," + std::to_string(y) + heading + " 0 5 lost");
    }
}

// A closed loop ends the trace at the last tile reached before the tile that comes round a
// second time, with the heading leading into it.
TEST(Track, ClosedLoopsEndTheTrace) {
    auto level = Board(1, 1, 'e');
    level->objects = {Object("railscorner", 2, 1, 0), Object("railscorner", 2, 2, 90),
                      Object("railscorner", 1, 2, 180)};
    level->TraceTrack(1, 1, 'e');
    EXPECT_EQ(Lay(*level, ""), " 1,2n 3 5");
    // A right turn onto the train's tile closes the loop; the next piece finds its tile taken.
    EXPECT_EQ(Lay(*level, "rs"), "01 1,2n 4 5 lost");
    // From a start tile that holds the closing piece: the trace stops on the start tile.
    level->TraceTrack(1, 1, 'e');
    EXPECT_EQ(Lay(*level, ""), " 1,1e 4 5 lost");
}

// Without one of the four headings the tile beyond the track end is that tile itself: a
// straight piece goes there east-west, turns lose the run. An unknown turn lays nothing and
// does not end the run.
TEST(Track, NoHeadingOrUnknownTurn) {
    auto level = Board(2, 6, 'x');
    EXPECT_EQ(Lay(*level, "ss"), "01 2,6x 1 5 lost");
    EXPECT_EQ(level->objects[0].angle, 0.0f);
    EXPECT_EQ(Lay(*Board(2, 6, 'x'), "l"), "1 2,6x 0 5 lost");
    EXPECT_EQ(Lay(*Board(2, 6, 'x'), "r"), "1 2,6x 0 5 lost");
    EXPECT_EQ(Lay(*Board(2, 6, 'n'), "z"), "1 2,6n 0 5");
}

TEST(Train, StepsOneTileEachIntervalAndLosesOffTheTrack) {
    auto level = Board(2, 6, 'n');
    level->objects = {Object("rails", 2, 5, 90), Object("railscorner", 2, 4, 270)};
    std::tie(level->finishX, level->finishY) = std::tuple(2, 4);
    EXPECT_EQ(Drive(*level, 1.0f, 4), "2,6n 4");
    EXPECT_EQ(Drive(*level, 1.0f), "2,5n 0"); // exactly the interval moves the train
    // One long frame moves one tile, the rest dropped; the finish tile completes the run
    // whatever the heading.
    EXPECT_EQ(Drive(*level, 12.0f), "2,4e 0 complete");
    // Running off the grid or onto anything but a rail piece loses the run.
    const std::tuple<int, int, char, const char*, bool> cases[] = {
        {4, 0, 'n', nullptr, false},       {4, 4, 'e', nullptr, false}, {4, 4, 'e', "rturn", false},
        {4, 4, 'e', "blocked", false},     {4, 4, 'e', "tree", false},  {9, 4, 'e', "rails", true},
        {INT_MAX, 4, 'e', nullptr, false},
    };
    for (const auto& [x, y, heading, ahead, moves] : cases) {
        level = Board(x, y, heading);
        if (ahead) {
            level->objects.push_back(Object(ahead, x + 1, y));
        }
        EXPECT_EQ(Drive(*level, 5.0f), std::to_string(moves ? x + 1 : x) + "," + std::to_string(y) +
                                           heading + " 0 lost");
    }
    // A piece entered from a side it does not join holds the train there for good.
    level = Board(2, 6, 'n');
    level->objects = {Object("railscorner", 2, 5, 180)};
    EXPECT_EQ(Drive(*level, 5.0f, 3), "2,5x 0");
}

class Shots : public testing::Test {
protected:
    void SetUp() override {
        for (const char* kind : {"rturn", "lturn", "rrecht", "50pts", "100pts", "speed", "block"}) {
            catalog->m_models[kind].radius = 2.0f;
        }
        catalog->m_models["bullet"].radius = 1.0f;
        g_pCatalog = catalog.get();
    }
    void TearDown() override {
        std::tie(g_bullets, g_pLevel, g_pCatalog) =
            std::tuple(std::vector<CBullet>{}, nullptr, nullptr);
    }

    // Train on (2, 6) heading north, holding these objects.
    void NewLevel(std::vector<CLevelObject> objects) {
        level = Board(2, 6, 'n', catalog.get());
        level->objects = std::move(objects);
        level->objectCount = static_cast<int>(level->objects.size());
        g_pLevel = level.get();
    }

    // A shot at the given height above the centre of tile (x, y), flying up at that speed.
    CBullet ShotAt(int x, int y, float height = 0.0f, float speed = 0.0f) {
        const D3DXVECTOR3 at(10.0f * x + 5, 10.0f * y + 5, height);
        return {at, {0, 0, 1}, at, speed, false, level.get(), catalog.get(), nullptr};
    }

    // Whether the shot was stopped, score, interval, track end, objects (+ dead) and outcome.
    std::string Hit(CBullet shot) {
        shot.CheckHits();
        std::ostringstream s;
        s << (shot.dead ? "stopped " : "on ") << level->score << ' ' << level->stepInterval << ' '
          << level->trackEndX << ',' << level->trackEndY << level->trackEndDir;
        for (const CLevelObject& o : level->objects) {
            s << ' ' << o.kind << (o.dead ? "+" : "");
        }
        return s.str() + (level->gameOver ? " lost" : "");
    }

    std::unique_ptr<CCatalog> catalog = EmptyCatalog();
    std::unique_ptr<CLevel> level;
};

TEST_F(Shots, EachTargetHasItsEffect) {
    // A target is hit within the sum of its radius and the shot's (2 + 1), not beyond.
    const std::pair<const char*, const char*> cases[] = {
        {"rturn", "stopped 0 5 2,5e rturn+ railscorner"},
        {"lturn", "stopped 0 5 2,5w lturn+ railscorner"},
        {"rrecht", "stopped 0 5 2,5n rrecht+ rails"},
        {"50pts", "stopped 50 5 2,6n 50pts+"},
        {"100pts", "stopped 100 5 2,6n 100pts+"},
        {"speed", "stopped 0 4 2,6n speed+"},
        {"block", "stopped 0 5 2,6n block"},
        {"rails", "on 0 5 2,6n rails"},
    };
    for (const auto& [kind, effect] : cases) {
        NewLevel({Object(kind, 6, 2)});
        EXPECT_EQ(Hit(ShotAt(6, 2, 3.001f)), std::string("on 0 5 2,6n ") + kind);
        EXPECT_EQ(Hit(ShotAt(6, 2, 2.5f)), effect);
    }
    // One shot sets off every target it touches; speed targets never take the interval to
    // zero or below.
    NewLevel({Object("speed", 6, 2), Object("speed", 6, 2), Object("speed", 6, 2)});
    level->stepInterval = 2.5f;
    EXPECT_EQ(Hit(ShotAt(6, 2)), "stopped 0 1 2,6n speed+ speed+ speed+");
    // The invisible "blocked" tiles stop shots with the straight-piece target's sphere.
    NewLevel({Object("blocked", 6, 2)});
    EXPECT_EQ(Hit(ShotAt(6, 2, 2.5f)), "stopped 0 5 2,6n blocked");
}

TEST_F(Shots, FiringStartsAboveTheTrainTowardsTheAimPoint) {
    NewLevel({});
    FireBullet(D3DXVECTOR3(25, 25, 0));
    FireBullet(D3DXVECTOR3(25, 65, 3)); // aimed at its own start: no way to fly
    g_pLevel = nullptr;
    FireBullet(D3DXVECTOR3(0, 0, 0)); // no level
    const CBullet& shot = g_bullets.at(0);
    EXPECT_EQ(std::make_tuple(g_bullets.size(), shot.origin, shot.position, shot.speed, shot.dead,
                              shot.m_pLevel),
              std::make_tuple(std::size_t{1}, D3DXVECTOR3(25, 65, 3), D3DXVECTOR3(25, 65, 3), 30.0f,
                              false, level.get()));
    const D3DXVECTOR3 off = shot.direction - D3DXVECTOR3(0, -40, -3) / std::sqrt(1609.0f);
    EXPECT_NEAR(D3DXVec3Length(&off), 0.0f, 1e-6f);
}

TEST_F(Shots, FrameUpdateMovesShotsHitsWithinRangeAndRemovesTheDead) {
    // A target 300 units above the shot's origin is hit at the end of the range, not after.
    for (const float dt : {10.0f, 10.001f}) {
        NewLevel({Object("50pts", 0, 0)});
        g_bullets = {ShotAt(0, 0, -300.0f, BULLET_SPEED)};
        UpdateGame(dt);
        EXPECT_EQ(std::make_pair(level->score, g_bullets.size()),
                  std::make_pair(dt == 10.0f ? 50 : 0, std::size_t{0}));
    }
    // A hit that loses the run (the tile beyond the track end is taken) still lets the rest of
    // the frame run: shots move, the dead go in order, the train gathers time.
    NewLevel({Object("tree", 2, 5), Object("rturn", 6, 2), Object("tree", 1, 0)});
    g_bullets = {ShotAt(0, 7, 50, 1.0f), ShotAt(6, 2), ShotAt(1, 7, 50, 2.0f)};
    UpdateGame(0.5f);
    EXPECT_EQ(std::make_tuple(g_bullets.size(), g_bullets.at(0).position.z,
                              g_bullets.at(1).position.z, level->gameOver),
              std::make_tuple(std::size_t{2}, 50.5f, 51.0f, true));
    EXPECT_EQ(std::make_tuple(level->objects.size(), level->objects.at(1).x, level->objectCount,
                              level->stepTimer),
              std::make_tuple(std::size_t{2}, 1, 2, 0.5f));
    // Once the run is over, nothing moves.
    for (const bool lost : {true, false}) {
        std::tie(level->gameOver, level->complete) = std::make_tuple(lost, !lost);
        UpdateGame(1.0f);
        EXPECT_EQ(std::make_pair(g_bullets.at(0).position.z, level->stepTimer),
                  std::make_pair(50.5f, 0.5f));
    }
}

} // namespace
