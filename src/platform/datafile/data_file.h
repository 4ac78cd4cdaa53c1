// Opens the game's data files by the paths the game builds, with backslashes between the
// parts ("levels\\first.txt"), on either platform. Game code never converts paths itself.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>

// fopen of the data file at that path, or null when it cannot be opened (or either argument
// is null). On Windows the path is opened as it is; elsewhere each backslash is a separator.
FILE* OpenDataFile(const char* path, const char* mode);

// The same for the game's text streams: opens the stream on the file at that path (text
// mode; an output stream replaces the old content). The stream is left failed when the file
// cannot be opened.
void OpenDataStream(std::ifstream& stream, const std::string& path);
void OpenDataStream(std::ofstream& stream, const std::string& path);
