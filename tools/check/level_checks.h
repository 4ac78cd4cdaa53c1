// The checks of one level file: how the game's reader takes it, then what it read: the
// board, the camera, the objects and their models, the start, the finish, the speed and the
// track the train starts on.
#pragma once

#include "findings.h"

#include <optional>
#include <set>
#include <string>

// What the level checks need to know of the rest of the content.
struct LevelContext {
    std::string style0; // the folder of style 0, "" when styles.txt names none
    // The model names the style's models.txt lists; none when it could not be read, and the
    // kinds of objects then go unchecked.
    std::optional<std::set<std::string>> listedModels;
    std::string modelsList; // the list's file, for messages
    // The models the catalog holds: listed ones after a mesh that fails are not among them.
    std::set<std::string> loadedModels;
};

struct LevelSummary {
    int width = 0;
    int height = 0;
    bool readCleanly = false; // no errors: the level may be handed to the solver
};

LevelSummary CheckLevelText(const std::string& text, const std::string& file,
                            const LevelContext& context, Findings& findings);
