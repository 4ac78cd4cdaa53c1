// The program's command line: railwright-check [--json] [--no-solve]
// [--search-seconds SECONDS] [CONTENT_FOLDER]
#pragma once

#include "check.h"

#include <filesystem>
#include <string>
#include <vector>

extern const char* const kUsage;

struct Options {
    std::filesystem::path folder = "."; // the working directory, as the game's
    bool json = false;
    bool help = false;
    CheckOptions check;
};

// The options of the arguments after the program's name; the message of what is wrong with
// them in `error` (the options are then not to be used).
Options ParseOptions(const std::vector<std::string>& arguments, std::string& error);
