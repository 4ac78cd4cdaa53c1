// The list files: styles.txt, levels.txt and style 0's models.txt, sounds.txt and
// textures.txt, each read by the token scanner in the catalog's record shapes and held
// against what the catalog (the game's own loading) made of it.
#pragma once

#include "findings.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

class CCatalog;

// A level of the game's level list and the line of levels.txt that names it.
struct LevelEntry {
    std::string name;
    int line;
};

// What the rest of the check needs to know of the lists.
struct ListsOutcome {
    std::string style0; // the folder of style 0, "" when styles.txt names none
    // The names models.txt and sounds.txt list (lost or not); none for a list that could not
    // be read.
    std::optional<std::set<std::string>> models;
    std::optional<std::set<std::string>> sounds;
    std::string modelsList; // "meadow/models.txt"
    std::string soundsList;
    std::vector<LevelEntry> levels; // in the order of play
};

// Checks every list of a catalog made in the content folder (the working directory).
ListsOutcome CheckLists(CCatalog& catalog, Findings& findings);

// The models and sounds the game asks for by name, whatever its levels hold.
void CheckRequiredNames(const ListsOutcome& lists, Findings& findings);
