// The content under the game's own rules: targets are hit from the next tile without
// shielding the targets beside them, and the starter levels can be won.
#include "content_fixture.h"

#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/level.h"
#include "world/tile.h"

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace content_test {
namespace {

constexpr float kFrame = 1.0f / 60.0f;

class PlayTest : public ContentTest {
protected:
    void SetUp() override {
        ContentTest::SetUp();
        g_pCatalog = catalog_.get();
        g_pSoundManager = player_.get();
        g_bullets.clear();
    }
    void TearDown() override {
        g_bullets.clear();
        g_pLevel = nullptr;
        g_pCatalog = nullptr;
        g_pSoundManager = nullptr;
        ContentTest::TearDown();
    }

    // A 5 x 5 board with the train standing still on (1, 2) and these objects.
    std::unique_ptr<CLevel> Board(const std::vector<std::pair<Tile, std::string>>& objects) {
        std::ostringstream text;
        text << "style meadow height 5 width 5 camera_data 0 0 0 0 1 0 0 0 1 1 0 0 objects "
             << objects.size() << "\n";
        for (const auto& [tile, kind] : objects) {
            text << tile.x << " " << tile.y << " " << kind << " 1 0\n";
        }
        text << "start 1 2 x finish 4 4 e speed 1000\n";
        auto level = std::make_unique<CLevel>(device_, catalog_.get(), "");
        std::istringstream input(text.str());
        EXPECT_EQ(level->ReadLevel(input), 0);
        g_pLevel = level.get();
        return level;
    }

    // Fires at the middle of a tile and runs frames until the shot is gone; true when it was
    // stopped by a hit (within a second, where a miss flies on for ten).
    static bool ShotHits(Tile tile) {
        FireBullet(TileCentre(tile.x, tile.y));
        for (int frame = 0; frame < 60 && !g_bullets.empty(); ++frame) {
            UpdateGame(kFrame);
        }
        const bool hit = g_bullets.empty();
        g_bullets.clear();
        return hit;
    }

    static bool Stands(const CLevel& level, Tile tile) {
        return level.LiveObjectAt(tile.x, tile.y) != nullptr;
    }
};

TEST_F(PlayTest, TargetsAreHitFromTheNextTileAndLeaveTheTargetsBesideThemAlone) {
    const Tile beside{2, 2}, diagonal{2, 3};
    for (const char* kind : {"rturn", "lturn", "rrecht", "50pts", "100pts", "speed", "block"}) {
        const bool removed = std::string(kind) != "block";
        // Straight ahead of the train.
        auto level = Board({{beside, kind}});
        EXPECT_TRUE(ShotHits(beside)) << kind;
        // On the diagonal, with a coin beside it, nearer the train: only the target is hit.
        level = Board({{diagonal, kind}, {beside, "50pts"}});
        EXPECT_TRUE(ShotHits(diagonal)) << kind;
        EXPECT_EQ(Stands(*level, diagonal), !removed) << kind;
        EXPECT_TRUE(Stands(*level, beside)) << kind << " shielded by the coin beside it";
        // The other way round: the target beside the line of fire is left alone.
        level = Board({{beside, kind}, {diagonal, "50pts"}});
        EXPECT_TRUE(ShotHits(diagonal)) << kind;
        EXPECT_FALSE(Stands(*level, diagonal)) << kind << " shields the coin beside it";
        EXPECT_TRUE(Stands(*level, beside)) << kind;
    }
}

TEST_F(PlayTest, EachLevelIsWonByItsPlanAndLostWithoutAShot) {
    // Shots by time and the tile aimed at (its centre on the ground).
    struct Shot {
        float time;
        Tile tile;
    };
    const std::map<std::string, std::vector<Shot>> plans = {
        {"01_first_light.txt", {{0, {3, 4}}}},
        {"02_the_bend.txt", {{0, {3, 4}}}},
        {"03_left_or_right.txt", {{0, {2, 6}}}},
        {"04_pocket_money.txt", {{0, {3, 5}}}},
        {"05_behind_the_wall.txt", {{9, {3, 3}}}},
        {"06_full_steam.txt", {{0, {5, 3}}, {2, {7, 3}}}},
        {"07_village_green.txt", {{0, {1, 7}}, {9, {5, 1}}, {20, {7, 1}}}},
        {"08_first_things_first.txt", {{0, {4, 6}}, {2, {7, 5}}, {4, {0, 2}}}},
        {"09_against_the_clock.txt", {{0, {3, 6}}, {0, {8, 6}}}},
        {"10_two_stations.txt", {{0, {1, 5}}, {6, {5, 2}}, {12, {7, 2}}, {29, {10, 6}}}},
        {"11_switchback.txt",
         {{0, {3, 8}}, {8, {3, 2}}, {18, {6, 3}}, {28, {10, 7}}, {40, {11, 5}}}},
        {"12_crossfire.txt", {{3.1f, {3, 1}}, {6, {6, 5}}, {9, {6, 5}}, {13, {9, 8}}}},
        {"13_long_haul.txt",
         {{0, {2, 8}}, {8, {6, 4}}, {16, {10, 7}}, {26, {13, 7}}, {36, {9, 2}}}},
        {"14_hide_and_seek.txt", {{8.1f, {10, 5}}, {12.1f, {9, 3}}, {20, {1, 7}}, {30, {1, 0}}}},
        {"15_grand_tour.txt",
         {{0, {6, 10}},
          {11, {0, 6}},
          {22, {3, 6}},
          {39.5f, {5, 2}},
          {63.4f, {9, 6}},
          {70, {12, 2}},
          {82, {12, 9}}}},
    };
    for (const std::string& file : catalog_->m_levels) {
        ASSERT_TRUE(plans.contains(file)) << file << " has no plan";
        for (const bool shoot : {true, false}) {
            CLevel level(device_, catalog_.get(), "levels\\" + file);
            g_pLevel = &level;
            g_bullets.clear();
            std::size_t next = 0;
            const std::vector<Shot>& plan = plans.at(file);
            for (int frame = 0; frame < 300 * 60 && !level.complete && !level.gameOver; ++frame) {
                while (shoot && next < plan.size() && plan[next].time <= frame * kFrame) {
                    FireBullet(TileCentre(plan[next].tile.x, plan[next].tile.y));
                    ++next;
                }
                UpdateGame(kFrame);
            }
            EXPECT_EQ(level.complete, shoot) << file;
            EXPECT_EQ(level.gameOver, !shoot) << file;
        }
    }
}

} // namespace
} // namespace content_test
