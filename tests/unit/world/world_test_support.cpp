#include "world_test_support.h"

#include "world/angle.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <vector>

const char* const EXAMPLE_LEVEL = R"(style base
height 8
width 10
camera_data
50 -40 60
0 0.6 0.8
0 0.8 -0.6
-1 0 0
objects 6
2 5 rails 1 90
2 4 rails 1 90
2 3 railscorner 1 270
8 6 station 1 0
5 6 50pts 1 0
4 5 rturn 1 0
start 2 6 n
finish 6 3 e
speed 2.5
)";

std::unique_ptr<CLevel> UnreadLevel(CCatalog* catalog) {
    return std::make_unique<CLevel>(nullptr, catalog, "");
}

std::unique_ptr<CLevel> LevelFromText(const std::string& text, int* result) {
    std::unique_ptr<CLevel> level = UnreadLevel();
    std::istringstream input(text);
    const int read = level->ReadLevel(input);
    if (result) {
        *result = read;
    }
    return level;
}

std::unique_ptr<CLevel> Board(int width, int height, int trainX, int trainY, char trainDir,
                              CCatalog* catalog) {
    std::unique_ptr<CLevel> level = UnreadLevel(catalog);
    level->width = width;
    level->height = height;
    level->trainX = trainX;
    level->trainY = trainY;
    level->trainDir = trainDir;
    level->finishX = -100;
    level->finishY = -100;
    level->finishDir = 'n';
    level->TraceTrack(trainX, trainY, trainDir);
    return level;
}

CLevelObject Object(const char* kind, int x, int y, int degrees) {
    CLevelObject object;
    object.kind = kind;
    object.scale = 1.0f;
    object.angle = DegreesToAngle(degrees);
    object.x = x;
    object.y = y;
    return object;
}

std::string TemporaryDirectory() {
    static std::vector<std::filesystem::path> made;
    static const struct Sweeper {
        ~Sweeper() {
            for (const auto& path : made) {
                std::filesystem::remove_all(path);
            }
        }
    } sweeper;
    std::string pattern = (std::filesystem::temp_directory_path() / "rw-world-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    made.emplace_back(pattern);
    return pattern;
}

std::unique_ptr<CCatalog> EmptyCatalog() {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TemporaryDirectory());
    auto catalog = std::make_unique<CCatalog>(nullptr, nullptr);
    std::filesystem::current_path(previous);
    return catalog;
}
