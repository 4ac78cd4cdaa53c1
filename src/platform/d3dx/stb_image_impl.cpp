// The one copy of stb_image's code: the formats the texture loader reads, each side limited
// as the loader limits it, decoding from memory only. PNM stays out: this stb_image (2.27)
// overruns its buffer converting 16-bit PNM files.
#include "texture_image.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#include <stb/stb_image.h>

static_assert(STBI_MAX_DIMENSIONS == d3dx::kMaxImageSide);
