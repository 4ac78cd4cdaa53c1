// The generator's files, made once for all tests, and the images in them decoded back from PNG.
#pragma once

#include "content_file.h"
#include "images/color.h"

#include <cstdint>
#include <string>
#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    int channels = 0; // as stored in the file
    std::vector<std::uint8_t> rgb;

    Color At(int x, int y) const;
};

// Decodes PNG bytes to RGB; width 0 if they are no PNG.
DecodedImage DecodePng(const std::string& bytes);

// MakeTextures() from its first call on.
const std::vector<ContentFile>& GeneratedFiles();
// The decoded image of "textures/<name>.png" from GeneratedFiles(); fails the test if it is
// missing.
const DecodedImage& GeneratedImage(const std::string& name);

// The largest difference between two colours in any channel.
float ChannelDistance(Color a, Color b);

// Perceived brightness, 0 to 255.
float Luma(Color c);
