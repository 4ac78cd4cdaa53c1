// Track rules: which sides each piece joins, the piece laid for each turn and heading, and
// how the trace follows, stops at and loops over pieces; the train's run along it: step
// timing, where a step loses or wins the run, and a piece entered from a side it does not join.
#include "world_test_support.h"

#include "world/angle.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

namespace {

char Opposite(char heading) {
    const std::string ring = "nesw";
    return ring[(ring.find(heading) + 2) % 4];
}

std::tuple<int, int, char> TrackEnd(const CLevel& level) {
    return {level.trackEndX, level.trackEndY, level.trackEndDir};
}

TEST(Track, EachPieceJoinsItsTwoSidesBothWays) {
    // Per kind and angle, the exits for entering with n, e, s, w.
    struct Row {
        const char* kind;
        int degrees;
        const char* exits;
    };
    const Row rows[] = {
        {"rails", 0, "xexw"},         {"rails", 90, "nxsx"},        {"rails", 180, "xxxx"},
        {"rails", 270, "xxxx"},       {"railscorner", 0, "wsxx"},   {"railscorner", 90, "xnwx"},
        {"railscorner", 180, "xxen"}, {"railscorner", 270, "exxs"}, {"railscorner", 45, "xxxx"},
        {"railscorner", -90, "xxxx"}, {"Rails", 0, "xxxx"},         {"station", 90, "xxxx"},
    };
    const char headings[] = "nesw";
    for (const Row& row : rows) {
        const CLevelObject piece = Object(row.kind, 0, 0, row.degrees);
        for (int i = 0; i < 4; ++i) {
            const char exit = CLevel::ExitDirection(piece, headings[i]);
            EXPECT_EQ(exit, row.exits[i]) << row.kind << " " << row.degrees << " " << headings[i];
            if (exit != 'x') { // the way back through the same piece
                EXPECT_EQ(CLevel::ExitDirection(piece, Opposite(exit)), Opposite(headings[i]));
            }
        }
        EXPECT_EQ(CLevel::ExitDirection(piece, 'x'), 'x');
    }
    // Angles are compared in whole degrees after rounding.
    CLevelObject nearly = Object("rails", 0, 0);
    nearly.angle = DegreesToAngle(89.6);
    EXPECT_EQ(CLevel::ExitDirection(nearly, 'n'), 'n');
    nearly.angle = DegreesToAngle(89.4);
    EXPECT_EQ(CLevel::ExitDirection(nearly, 'n'), 'x');
}

TEST(Track, EachTurnLaysItsPieceBeyondTheTrackEnd) {
    struct Row {
        char turn, heading;
        const char* kind;
        int degrees;
        char after;
    };
    const Row rows[] = {
        {'s', 'n', "rails", 90, 'n'},        {'s', 's', "rails", 90, 's'},
        {'s', 'e', "rails", 0, 'e'},         {'s', 'w', "rails", 0, 'w'},
        {'l', 'n', "railscorner", 0, 'w'},   {'l', 'e', "railscorner", 90, 'n'},
        {'l', 's', "railscorner", 180, 'e'}, {'l', 'w', "railscorner", 270, 's'},
        {'r', 'n', "railscorner", 270, 'e'}, {'r', 'e', "railscorner", 0, 's'},
        {'r', 's', "railscorner", 90, 'w'},  {'r', 'w', "railscorner", 180, 'n'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((std::string{row.turn, ' ', row.heading}));
        auto level = Board(10, 10, 5, 5, row.heading);
        ASSERT_EQ(TrackEnd(*level), std::make_tuple(5, 5, row.heading));
        EXPECT_EQ(level->LayPiece(row.turn), 0);
        ASSERT_EQ(level->objects.size(), 1u);
        const CLevelObject& piece = level->objects[0];
        const int nx = 5 + (row.heading == 'e') - (row.heading == 'w');
        const int ny = 5 + (row.heading == 's') - (row.heading == 'n');
        EXPECT_EQ(std::make_tuple(piece.kind, piece.x, piece.y, piece.scale, piece.dead),
                  std::make_tuple(std::string(row.kind), nx, ny, 1.0f, false));
        EXPECT_EQ(piece.angle, DegreesToAngle(row.degrees));
        EXPECT_EQ(level->objectCount, 1);
        EXPECT_EQ(TrackEnd(*level), std::make_tuple(nx, ny, row.after));
        EXPECT_FALSE(level->gameOver);
    }
}

TEST(Track, TraceRunsOverPreplacedPiecesAndStopsAtUnjoinedOnes) {
    // Train on (2, 6) heading north; (2, 5) is free, (2, 4) and (2, 3) lead on and turn east.
    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("rails", 2, 4, 90), Object("railscorner", 2, 3, 270),
                      Object("rails", 3, 3, 180)};
    level->TraceTrack(2, 6, 'n');
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(2, 6, 'n'));
    EXPECT_EQ(level->LayPiece('s'), 0);
    // The laid piece joins the ones beyond; the rails at 180 on (3, 3) are not track.
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(2, 3, 'e'));
    EXPECT_EQ(level->LayPiece('s'), 1);
    EXPECT_TRUE(level->gameOver);
}

TEST(Track, NothingIsLaidOffTheGridOrOntoALiveObject) {
    const std::tuple<int, int, char> edges[] = {{0, 3, 'w'}, {9, 3, 'e'}, {4, 0, 'n'}, {4, 7, 's'}};
    for (const auto& [x, y, heading] : edges) {
        auto level = Board(10, 8, x, y, heading);
        EXPECT_EQ(level->LayPiece('s'), 1);
        EXPECT_TRUE(level->gameOver);
        EXPECT_TRUE(level->objects.empty());
        EXPECT_EQ(level->objectCount, 0);
    }
    // A live object behind a dead one still fills the tile.
    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("rturn", 2, 5), Object("block", 2, 5)};
    level->objects[0].dead = true;
    EXPECT_EQ(level->LayPiece('l'), 1);
    EXPECT_TRUE(level->gameOver);
}

TEST(Track, FinishNeedsTheSameHeadingAndThenSpeedsTheTrainUp) {
    for (const char turn : {'s', 'r'}) {
        auto level = Board(10, 8, 2, 6, 'n');
        std::tie(level->finishX, level->finishY, level->finishDir) = std::make_tuple(2, 5, 'e');
        EXPECT_EQ(level->LayPiece(turn), 0);
        EXPECT_EQ(level->stepInterval, turn == 'r' ? 1.0f : 5.0f);
        // Complete: turns lay nothing and succeed. Not complete: laying goes on beyond.
        EXPECT_EQ(level->LayPiece('l'), 0);
        EXPECT_EQ(level->objects.size(), turn == 'r' ? 1u : 2u);
        EXPECT_FALSE(level->gameOver);
    }
}

// A closed loop ends the trace at the last tile reached before the tile that comes round a
// second time, with the heading leading into it.
TEST(Track, ClosedLoopsEndTheTrace) {
    // The train's tile (1, 1) is free; the pieces lead east, south, west, north back to it.
    auto level = Board(10, 10, 1, 1, 'e');
    level->objects = {Object("railscorner", 2, 1, 0), Object("railscorner", 2, 2, 90),
                      Object("railscorner", 1, 2, 180)};
    level->TraceTrack(1, 1, 'e');
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(1, 2, 'n'));
    // A right turn onto the train's tile closes the loop: the trace comes round once and
    // stops on (1, 2) again; the next piece finds the tile beyond taken.
    EXPECT_EQ(level->LayPiece('r'), 0);
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(1, 2, 'n'));
    EXPECT_EQ(level->LayPiece('s'), 1);
    EXPECT_TRUE(level->gameOver);
    // From a file whose start tile holds the closing piece: the trace stops on the start tile.
    level->TraceTrack(1, 1, 'e');
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(1, 1, 'e'));
}

TEST(Track, DeadRecordsAreAnsweredByObjectAtButPassedOverByTheTrack) {
    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("rrecht", 2, 5), Object("50pts", 2, 5)};
    EXPECT_EQ(level->ObjectAt(2, 5).kind, "rrecht"); // the earlier of two records
    level->objects[0].dead = true;
    level->objects.pop_back();
    EXPECT_EQ(level->LayPiece('s'), 0);
    EXPECT_EQ(TrackEnd(*level), std::make_tuple(2, 5, 'n'));
    const CLevelObject first = level->ObjectAt(2, 5);
    EXPECT_EQ(first.kind, "rrecht");
    EXPECT_TRUE(first.dead);
    EXPECT_EQ(level->LiveObjectAt(2, 5)->kind, "rails");
    const CLevelObject none = level->ObjectAt(7, 7);
    EXPECT_TRUE(none.dead);
    EXPECT_EQ(none.kind, "");
}

// A track end whose heading is not one of the four letters: the tile beyond it is the
// track-end tile itself. A straight piece goes there, east-west, and the track end stays;
// turns have no corner for it and lose the run; a taken tile loses it for every turn. A turn
// letter other than l, r, s lays nothing and fails without touching gameOver.
TEST(Track, NoHeadingOrUnknownTurn) {
    for (const char heading : {'x', '\0'}) {
        auto level = Board(10, 8, 2, 6, heading);
        EXPECT_EQ(TrackEnd(*level), std::make_tuple(2, 6, heading));
        EXPECT_EQ(level->LayPiece('s'), 0);
        ASSERT_EQ(level->objects.size(), 1u);
        EXPECT_EQ(level->objects[0].kind, "rails");
        EXPECT_EQ(level->objects[0].x, 2);
        EXPECT_EQ(level->objects[0].y, 6);
        EXPECT_EQ(AngleToWholeDegrees(level->objects[0].angle), 0.0);
        EXPECT_EQ(TrackEnd(*level), std::make_tuple(2, 6, heading));
        EXPECT_FALSE(level->gameOver);
        EXPECT_EQ(level->LayPiece('s'), 1) << "the tile is taken now";
        EXPECT_TRUE(level->gameOver);

        for (const char turn : {'l', 'r'}) {
            level = Board(10, 8, 2, 6, heading);
            EXPECT_EQ(level->LayPiece(turn), 1);
            EXPECT_TRUE(level->gameOver);
            EXPECT_TRUE(level->objects.empty());
        }
    }
    auto level = Board(10, 8, 2, 6, 'n');
    EXPECT_EQ(level->LayPiece('z'), 1);
    EXPECT_FALSE(level->gameOver);
    EXPECT_TRUE(level->objects.empty());
}

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

// The finish tile completes the run whatever the heading; a piece entered from a side it
// does not join (this corner joins north and east) holds the train there for good.
TEST(Train, FinishTileCompletesAndAnUnjoinedPieceHoldsTheTrain) {
    auto finish = StraightRun();
    std::tie(finish->finishX, finish->finishY, finish->finishDir) = std::make_tuple(2, 5, 'w');
    finish->UpdateTrain(5.0f);
    EXPECT_TRUE(finish->complete && !finish->gameOver);

    auto level = Board(10, 8, 2, 6, 'n');
    level->objects = {Object("railscorner", 2, 5, 180)};
    for (int frame = 0; frame < 4; ++frame) {
        level->UpdateTrain(5.0f);
        EXPECT_EQ(Train(*level), std::make_tuple(2, 5, 'x')) << frame;
    }
    EXPECT_FALSE(level->gameOver || level->complete);
}

} // namespace
