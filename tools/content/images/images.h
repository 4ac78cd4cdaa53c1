// The style's images as PNG files: the four full-screen pictures and the textures of the
// models.
#pragma once

#include "content_file.h"

#include <vector>

// One file per texture, at "textures/<name>.png".
std::vector<ContentFile> MakeTextures();
