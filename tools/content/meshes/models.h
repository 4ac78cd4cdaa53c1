// The style's models as .x text files, one mesh each, listed under the names the game and the
// levels draw them by.
#pragma once

#include "content_file.h"

#include <string>
#include <vector>

struct ModelFile {
    std::string name; // the catalog name ("train", "menuIntro", ...)
    ContentFile file; // at "models/<file>.x"
};

// The four pictures first (a mesh that fails to load ends the list), then the rest.
std::vector<ModelFile> MakeModels();
