// Opens the game's data files by the paths the game builds, with backslashes between the
// parts ("levels\\first.txt"), on either platform. Game code never converts paths itself.
#pragma once

#include <cstdio>

// fopen of the data file at that path, or null when it cannot be opened (or either argument
// is null). On Windows the path is opened as it is; elsewhere each backslash is a separator.
FILE* OpenDataFile(const char* path, const char* mode);
