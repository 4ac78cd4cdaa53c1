// Helpers for the game-world tests: levels made from text or by hand, an empty catalog, and
// the example level file with its known results.
#pragma once

#include "catalog/catalog.h"
#include "world/level.h"

#include <memory>
#include <string>

// A complete example level file: a 10 by 8 grid, three rail pieces from
// the train's tile (2, 6) north and turning east, a station, a score and a turn target.
extern const char* const EXAMPLE_LEVEL;

// A level whose file could not be read: every field at its start value.
std::unique_ptr<CLevel> UnreadLevel(CCatalog* catalog = nullptr);

// A level read from text; the reader's result goes to *result when asked for.
std::unique_ptr<CLevel> LevelFromText(const std::string& text, int* result = nullptr);

// A width by height board with the train on (trainX, trainY) heading trainDir, the track
// traced from there, and the finish far away unless set by the test.
std::unique_ptr<CLevel> Board(int width, int height, int trainX, int trainY, char trainDir,
                              CCatalog* catalog = nullptr);

CLevelObject Object(const char* kind, int x, int y, int degrees = 0);

// A catalog made in a directory without list files: it starts empty.
std::unique_ptr<CCatalog> EmptyCatalog();

// A fresh empty directory, removed with its content at the end of the test program.
std::string TemporaryDirectory();
