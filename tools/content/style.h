// The whole style folder: every generated file and the three lists that name them.
#pragma once

#include "content_file.h"

#include <vector>

// The folder the style is written to, inside the content folder; style 0 of styles.txt.
inline constexpr const char* kStyleFolder = "meadow";

// models.txt, textures.txt and sounds.txt with every file they name.
std::vector<ContentFile> MakeStyle();
