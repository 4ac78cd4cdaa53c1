// Helpers for the game-world tests: levels made by hand, and an empty catalog.
#pragma once

#include "catalog/catalog.h"
#include "world/angle.h"
#include "world/level.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

// A 10 by 8 board with the train on (x, y) heading dir, the track traced from there, and the
// finish far away.
inline std::unique_ptr<CLevel> Board(int x, int y, char dir, CCatalog* catalog = nullptr) {
    auto level = std::make_unique<CLevel>(nullptr, catalog, "");
    std::tie(level->width, level->height, level->trainX, level->trainY, level->trainDir) =
        std::make_tuple(10, 8, x, y, dir);
    std::tie(level->finishX, level->finishY, level->finishDir) = std::make_tuple(-100, -100, 'n');
    level->TraceTrack(x, y, dir);
    return level;
}

inline CLevelObject Object(const char* kind, int x, int y, int degrees = 0) {
    return CLevelObject{kind, 1.0f, DegreesToAngle(degrees), x, y, false};
}

// A catalog made in an empty directory, so without list files: it starts empty.
inline std::unique_ptr<CCatalog> EmptyCatalog() {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::string empty = (std::filesystem::temp_directory_path() / "rw-world-XXXXXX").string();
    std::filesystem::current_path(mkdtemp(empty.data()));
    auto catalog = std::make_unique<CCatalog>(nullptr, nullptr);
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(empty);
    return catalog;
}
