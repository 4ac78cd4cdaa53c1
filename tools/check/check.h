// Checking a content folder: everything the game reads, read with the game's own code, every
// problem reported with its file and line, and every level that reads cleanly handed to the
// solver for a plan that wins it.
#pragma once

#include "findings.h"
#include "solver/solver.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct CheckOptions {
    bool solve = true; // false: read and check only
    SolveLimits limits;
};

// One level of levels.txt.
struct LevelResult {
    int index = 0;      // its place in levels.txt, from 0
    std::string name;   // as levels.txt names it
    std::string file;   // "levels/first.txt"
    bool found = false; // the file could be read
    int width = 0;
    int height = 0;
    bool readCleanly = false;           // no errors: handed to the solver
    std::optional<SolveOutcome> search; // when the solver was asked
    double searchSeconds = 0.0;
};

struct CheckReport {
    std::string folder;
    std::vector<Finding> findings; // files in the order checked, each file's by line
    std::vector<LevelResult> levels;
    double checkSeconds = 0.0;  // all of the check, the search included
    double searchSeconds = 0.0; // the solver's part

    int Count(Severity severity) const;
    // No errors: every level reads cleanly and can be won.
    bool Passed() const { return Count(Severity::Error) == 0; }
};

CheckReport CheckContent(const std::filesystem::path& folder, const CheckOptions& options = {});
