// Reading level files: the example's known results, stations and their blocked ring, angles,
// and where reading stops on every kind of bad input.
#include "world_test_support.h"

#include "render/camera.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// The level owns its camera, so it cannot be copied (a copy would delete the camera twice).
static_assert(!std::is_copy_constructible_v<CLevel> && !std::is_copy_assignable_v<CLevel>);

using TileList = std::vector<std::pair<int, int>>;

TileList TilesOf(const CLevel& level, std::size_t from, std::size_t count) {
    TileList tiles;
    for (std::size_t i = from; i < from + count; ++i) {
        tiles.emplace_back(level.objects[i].x, level.objects[i].y);
    }
    return tiles;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string Kinds(const CLevel& level) {
    std::string kinds;
    for (const CLevelObject& object : level.objects) {
        kinds += object.kind + (object.dead ? "+dead " : " ");
    }
    return kinds;
}

void ExpectExampleRead(const CLevel& level) {
    EXPECT_EQ(std::make_tuple(level.height, level.width, level.objectCount),
              std::make_tuple(8, 10, 6));
    EXPECT_EQ(Kinds(level), "rails rails railscorner station blocked blocked blocked blocked "
                            "blocked blocked blocked blocked 50pts rturn ");
    EXPECT_EQ(TilesOf(level, 4, 8),
              (TileList{{9, 6}, {7, 6}, {8, 7}, {8, 5}, {9, 7}, {7, 5}, {9, 5}, {7, 7}}));
    EXPECT_EQ(level.objects[0].angle, 1.5707964f); // nearest float to 90 x 3.1415927 / 180
    EXPECT_EQ(level.objects[12].angle, 0.0f);
    ASSERT_NE(level.camera, nullptr);
    EXPECT_EQ(level.camera->position, D3DXVECTOR3(50, -40, 60));
    EXPECT_EQ(level.camera->right, D3DXVECTOR3(-1, 0, 0));
    EXPECT_EQ(std::make_tuple(level.trainX, level.trainY, level.trainDir, level.finishX,
                              level.finishY, level.finishDir, level.stepInterval),
              std::make_tuple(2, 6, 'n', 6, 3, 'e', 2.5f));
    EXPECT_EQ(std::make_tuple(level.trackEndX, level.trackEndY, level.trackEndDir),
              std::make_tuple(2, 3, 'e'));
}

TEST(LevelFile, ExampleGivesItsKnownResults) {
    int result = -1;
    auto level = LevelFromText(EXAMPLE_LEVEL, &result);
    EXPECT_EQ(result, 0);
    ExpectExampleRead(*level);
    // Anything after the speed number is ignored.
    level = LevelFromText(std::string(EXAMPLE_LEVEL) + "speed 9 junk \x01\x02", &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(level->stepInterval, 2.5f);
}

TEST(LevelFile, StationOnTheCornerBlocksTilesOutsideTheGridToo) {
    const std::string text = Replaced(EXAMPLE_LEVEL, "8 6 station 1 0", "0 0 station 2 90");
    auto level = LevelFromText(text);
    ASSERT_EQ(level->objects.size(), 14u);
    EXPECT_EQ(TilesOf(*level, 4, 8),
              (TileList{{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}, {1, -1}, {-1, 1}}));
    EXPECT_EQ(level->objects[11].scale, 2.0f);
    EXPECT_EQ(level->objects[11].angle, 1.5707964f);
}

// Where reading stops, and what the level then holds: everything before the stop is kept,
// everything after keeps its start value, and the track is not traced.
TEST(LevelFile, BadInputStopsReadingAndKeepsWhatWasRead) {
    struct Case {
        const char* name;
        std::string text;
        int height, width;
        bool camera;
        int objectCount;
        std::size_t objects;
        char trainDir;
        char finishDir = 0;
    };
    const std::string example = EXAMPLE_LEVEL;
    const Case cases[] = {
        {"empty file", "", 0, 0, false, 0, 0, 0},
        {"capital H", Replaced(example, "height", "Height"), 0, 0, false, 0, 0, 0},
        {"word for an integer", Replaced(example, "width 10", "width ten"), 8, 0, false, 0, 0, 0},
        {"word in the camera block", Replaced(example, "0 0.8 -0.6", "0 up -0.6"), 8, 10, true, 0,
         0, 0},
        {"word in a record", Replaced(example, "2 4 rails", "2 four rails"), 8, 10, true, 6, 1, 0},
        {"ends inside a record", example.substr(0, example.find("1 270")), 8, 10, true, 6, 2, 0},
        {"whole-word heading", Replaced(example, "2 6 n", "2 6 north"), 8, 10, true, 6, 14, 'n'},
        {"no speed number", example.substr(0, example.find("2.5")), 8, 10, true, 6, 14, 'n', 'e'},
        {"count beyond the records", Replaced(example, "objects 6", "objects 2147483647"), 8, 10,
         true, INT_MAX, 14, 0},
        {"count beyond 32 bits", Replaced(example, "objects 6", "objects 99999999999"), 8, 10, true,
         0, 0, 0},
        {"binary junk", std::string("\0\xff\x80style", 8), 0, 0, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int result = -1;
        auto level = LevelFromText(c.text, &result);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(level->height, c.height);
        EXPECT_EQ(level->width, c.width);
        EXPECT_EQ(level->camera != nullptr, c.camera);
        EXPECT_EQ(level->objectCount, c.objectCount);
        EXPECT_EQ(level->objects.size(), c.objects);
        EXPECT_EQ(level->trainDir, c.trainDir);
        EXPECT_EQ(level->finishDir, c.finishDir);
        EXPECT_EQ(level->stepInterval, 5.0f);
        EXPECT_EQ(std::make_tuple(level->trackEndX, level->trackEndY, level->trackEndDir),
                  std::make_tuple(0, 0, '\0'));
        // Records are kept as read, never room made for the count.
        EXPECT_LE(level->objects.capacity(), 32u);
    }
}

TEST(LevelFile, NegativeCountsAndSizesAreReadAsWritten) {
    int result = -1;
    std::string text = Replaced(EXAMPLE_LEVEL, "height 8", "height -5");
    text = Replaced(text, "objects 6", "objects -3");
    text.erase(text.find("2 5 rails"), text.find("start") - text.find("2 5 rails"));
    auto level = LevelFromText(text, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(level->height, -5);
    EXPECT_EQ(level->objectCount, -3);
    EXPECT_TRUE(level->objects.empty());
    EXPECT_EQ(level->stepInterval, 2.5f);
}

TEST(LevelFile, ReadsFromBackslashPathsAndSurvivesMissingFiles) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path root = TemporaryDirectory();
    std::filesystem::create_directory(root / "levels");
    std::ofstream(root / "levels" / "first.txt") << EXAMPLE_LEVEL;
    std::filesystem::current_path(root);
    CLevel level(nullptr, nullptr, "levels\\first.txt");
    CLevel missing(nullptr, nullptr, "levels\\absent.txt");
    const int missingResult = missing.ReadLevelFile("levels\\absent.txt");
    std::filesystem::current_path(previous);

    ExpectExampleRead(level);
    EXPECT_EQ(missingResult, 1);
    EXPECT_EQ(missing.camera, nullptr);
    EXPECT_EQ(missing.stepInterval, 5.0f);
}

} // namespace
