// The train's run: step timing, where a step loses or wins the run, and a piece entered
// from a side it does not join.
#include "world_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

std::tuple<int, int, char> Train(const CLevel& level) {
    return {level.trainX, level.trainY, level.trainDir};
}

// Train on (2, 6) heading north with straight pieces on (2, 5) and (2, 4).
std::unique_ptr<CLevel> StraightRun() {
    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("rails", 2, 5, 90), Object("rails", 2, 4, 90)};
    return level;
}

TEST(Train, StepsWhenTheGatheredTimeReachesTheInterval) {
    auto level = StraightRun();
    for (int frame = 0; frame < 4; ++frame) {
        level->UpdateTrain(1.0f);
    }
    EXPECT_EQ(Train(*level), std::make_tuple(2, 6, 'n'));
    EXPECT_EQ(level->stepTimer, 4.0f);
    level->UpdateTrain(1.0f); // exactly 5.0: equality moves the train
    EXPECT_EQ(Train(*level), std::make_tuple(2, 5, 'n'));
    EXPECT_EQ(level->stepTimer, 0.0f);
    level->UpdateTrain(12.0f); // one long frame: one tile, the rest dropped
    EXPECT_EQ(Train(*level), std::make_tuple(2, 4, 'n'));
    EXPECT_EQ(level->stepTimer, 0.0f);
    EXPECT_FALSE(level->gameOver);
    EXPECT_FALSE(level->complete);
}

TEST(Train, RunningOffTheTrackOrTheGridLosesTheRun) {
    struct Case {
        const char* name;
        int x, y;
        char heading;
        const char* kindAhead; // on the next tile, or null for none
        bool moves;
    };
    const Case cases[] = {
        {"off the north edge", 4, 0, 'n', nullptr, false},
        {"empty tile", 4, 4, 'e', nullptr, false},
        {"target", 4, 4, 'e', "rturn", false},
        {"blocked", 4, 4, 'e', "blocked", false},
        {"scenery", 4, 4, 'e', "tree", false},
        {"rail outside the grid", 9, 4, 'e', "rails", true},
        {"end of the 32-bit range", INT_MAX, 4, 'e', nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto level = Board(10, 8, c.x, c.y, c.heading);
        if (c.kindAhead) {
            level->objects.push_back(Object(c.kindAhead, c.x + 1, c.y, 0));
        }
        level->UpdateTrain(5.0f);
        EXPECT_TRUE(level->gameOver);
        EXPECT_FALSE(level->complete);
        EXPECT_EQ(level->trainX != c.x, c.moves);
    }
}

TEST(Train, FinishTileCompletesWithAnyHeading) {
    auto level = StraightRun();
    level->finishX = 2;
    level->finishY = 5;
    level->finishDir = 'w';
    level->UpdateTrain(5.0f);
    EXPECT_TRUE(level->complete);
    EXPECT_FALSE(level->gameOver);
}

TEST(Train, PieceEnteredFromAnUnjoinedSideHoldsTheTrain) {
    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("railscorner", 2, 5, 180)}; // joins north and east only
    level->UpdateTrain(5.0f);
    EXPECT_EQ(Train(*level), std::make_tuple(2, 5, 'x'));
    for (int frame = 0; frame < 3; ++frame) {
        level->UpdateTrain(5.0f);
    }
    EXPECT_EQ(Train(*level), std::make_tuple(2, 5, 'x'));
    EXPECT_FALSE(level->gameOver);
    EXPECT_FALSE(level->complete);
}

} // namespace
