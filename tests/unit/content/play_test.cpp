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

TEST_F(PlayTest, EachStarterLevelIsWonByItsPlanAndLostWithoutAShot) {
    // Shots by time and target kind: aimed at the middle of the first such target's tile.
    using Plan = std::vector<std::pair<float, std::string>>;
    const std::map<std::string, Plan> plans = {
        {"levels\\first_steps.txt", {{0.0f, "rrecht"}}},
        {"levels\\turning_point.txt", {{0.0f, "rturn"}}},
        {"levels\\the_long_way.txt", {{0.0f, "rturn"}, {5.0f, "lturn"}}},
    };
    for (const std::string& path : LevelPaths()) {
        ASSERT_TRUE(plans.contains(path)) << path << " has no plan";
        for (const bool shoot : {true, false}) {
            CLevel level(device_, catalog_.get(), path);
            g_pLevel = &level;
            g_bullets.clear();
            std::size_t next = 0;
            const Plan& plan = plans.at(path);
            for (int frame = 0; frame < 120 * 60 && !level.complete && !level.gameOver; ++frame) {
                while (shoot && next < plan.size() && plan[next].first <= frame * kFrame) {
                    for (const CLevelObject& object : level.objects) {
                        if (object.kind == plan[next].second) {
                            FireBullet(TileCentre(object.x, object.y));
                            break;
                        }
                    }
                    ++next;
                }
                UpdateGame(kFrame);
            }
            EXPECT_EQ(level.complete, shoot) << path;
            EXPECT_EQ(level.gameOver, !shoot) << path;
        }
    }
}

} // namespace
} // namespace content_test
