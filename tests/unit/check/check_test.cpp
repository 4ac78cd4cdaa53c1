// The checker on a content folder made to be wrong: each level and list holds one fault, and
// the check must name every one with its file and line, nothing else; the levels that can be
// won get plans, and each plan, played in the game, wins its level.
#include "check.h"
#include "game_content.h"
#include "report.h"
#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/level.h"
#include "world/tile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

class BrokenContent : public testing::Test {
protected:
    // The faults over the test style's meshes, sounds and textures, in a folder of their own.
    static void SetUpTestSuite() {
        // A folder of each process's own: ctest runs the tests of this suite side by side.
        std::string pattern = testing::TempDir() + "railwright_broken_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::copy(RW_TEST_STYLE_DIR, folder_ / "base", fs::copy_options::recursive);
        for (const char* list : {"models.txt", "sounds.txt", "textures.txt"}) {
            fs::remove(folder_ / "base" / list);
        }
        fs::copy(RW_BROKEN_CONTENT_DIR, folder_,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        report_ = new CheckReport(CheckContent(folder_));
    }
    static void TearDownTestSuite() {
        delete report_;
        fs::remove_all(folder_);
    }

    static const LevelResult& Level(const std::string& name) {
        const auto found =
            std::find_if(report_->levels.begin(), report_->levels.end(),
                         [&](const LevelResult& level) { return level.name == name; });
        static const LevelResult none{};
        EXPECT_NE(found, report_->levels.end()) << name;
        return found != report_->levels.end() ? *found : none;
    }

    static inline fs::path folder_;
    static inline CheckReport* report_ = nullptr;
};

TEST_F(BrokenContent, EachFaultIsNamedWithItsFileAndLine) {
    constexpr Severity E = Severity::Error, W = Severity::Warning;
    const std::tuple<const char*, int, Severity, const char*> expected[] = {
        {"base/models.txt", 0, E, "no model 'pointer'"},
        {"base/models.txt", 16, E, "'base/models/junk.x' of model 'crate' cannot be loaded"},
        {"base/sounds.txt", 5, E, "'base/sounds/noise.wav' of sound 'toot' cannot be loaded"},
        {"base/textures.txt", 2, E, "'base/textures/grass.png' is missing"},
        {"levels/after_the_fault.txt", 12, E, "(listed after a mesh that fails to load)"},
        {"levels/broken_track.txt", 12, E, "no piece can ever be laid there"},
        {"levels/crowded.txt", 12, W, "shares its tile with 'rrecht'"},
        {"levels/cut_off.txt", 11, E, "the file ends inside object 2"},
        {"levels/finish_off_board.txt", 13, E, "the finish (2, 8) is off the board"},
        {"levels/misspelt.txt", 3, E, "expected 'width', found 'widht'"},
        {"levels/no_heading.txt", 12, E, "the start heading 'q' is not one of n, e, s, w"},
        {"levels/off_board.txt", 12, W, "'rturn' at (7, 2) is off the board"},
        {"levels/short_count.txt", 9, E, "'objects' says 3, but only 2 object records follow"},
        {"levels/standstill.txt", 14, E, "a speed of 0"},
        {"levels/too_close.txt", 4, W, "the camera does not show the whole board"},
        {"levels/walled_in.txt", 0, E,
         "no shot from the tiles the train passes takes the 'rrecht' target on (0, 4)"},
        {"levels/windmill.txt", 12, E, "no model 'windmill'"},
        {"levels/wrong_turn.txt", 0, E, "no order of the turn targets lays a track"},
        {"levels.txt", 19, E, "'levels/gone.txt' is missing"},
    };
    for (const auto& [file, line, severity, says] : expected) {
        const auto named = [&](const Finding& f) {
            return f.file == file && f.line == line && f.severity == severity &&
                   f.message.find(says) != std::string::npos;
        };
        EXPECT_TRUE(std::any_of(report_->findings.begin(), report_->findings.end(), named))
            << file << ":" << line << ": " << says;
    }
    EXPECT_EQ(report_->findings.size(), std::size(expected)) << TextReport(*report_);
    EXPECT_FALSE(report_->Passed());
}

TEST_F(BrokenContent, PlansWithTheFewestShotsWinTheirLevelsInTheGame) {
    // Level, shots in its plan.
    const std::map<std::string, std::size_t> winnable = {
        {"laid_already.txt", 0}, {"straight_on.txt", 1}, {"crowded.txt", 1},
        {"turn_first.txt", 2},   {"wait_for_it.txt", 1},
    };
    GameContent content(folder_);
    g_pCatalog = &content.Catalog();
    for (const auto& [name, shots] : winnable) {
        SCOPED_TRACE(name);
        const LevelResult& result = Level(name);
        ASSERT_TRUE(result.search && result.search->plan);
        const Plan& plan = *result.search->plan;
        EXPECT_EQ(plan.shots.size(), shots);
        CLevel level(nullptr, &content.Catalog(), "levels\\" + name);
        g_pLevel = &level;
        std::size_t next = 0;
        int frame = 0;
        for (; frame <= plan.winFrame && !level.complete && !level.gameOver; ++frame) {
            for (; next < plan.shots.size() && plan.shots[next].frame == frame; ++next) {
                FireBullet(TileCentre(plan.shots[next].x, plan.shots[next].y));
            }
            UpdateGame(1.0f / kFramesPerSecond);
        }
        EXPECT_TRUE(level.complete);
        EXPECT_EQ(frame - 1, plan.winFrame);
        EXPECT_EQ(level.score, plan.score);
        g_bullets.clear();
        g_pLevel = nullptr;
    }
    g_pCatalog = nullptr;
    // The target behind the wall can only be hit once the train has gone far enough along.
    EXPECT_GT(Level("wait_for_it.txt").search->plan->shots[0].frame, 3 * 3 * kFramesPerSecond);
    // Right before straight on: the nearer straight target is hit second.
    const Plan& turnFirst = *Level("turn_first.txt").search->plan;
    EXPECT_EQ(turnFirst.shots[0].x, 4);
    EXPECT_GT(turnFirst.shots[1].frame, turnFirst.shots[0].frame);
}

TEST_F(BrokenContent, TheJsonReportCarriesTheSameFindingsAndPlans) {
    const std::string json = JsonReport(*report_);
    EXPECT_NE(json.find("\"passed\": false"), std::string::npos);
    EXPECT_NE(json.find("{\"file\": \"levels/misspelt.txt\", \"line\": 3, \"severity\": "
                        "\"error\", \"message\": \"expected 'width', found 'widht'"),
              std::string::npos);
    EXPECT_NE(json.find("\"name\": \"turn_first.txt\""), std::string::npos);
}

} // namespace
