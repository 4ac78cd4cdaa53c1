#include "generated_images.h"

#include "images/images.h"

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

Color DecodedImage::At(int x, int y) const {
    const std::size_t offset = (static_cast<std::size_t>(y) * width + x) * 3;
    return {static_cast<float>(rgb[offset]), static_cast<float>(rgb[offset + 1]),
            static_cast<float>(rgb[offset + 2])};
}

DecodedImage DecodePng(const std::string& bytes) {
    DecodedImage image;
    if (!stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                               static_cast<int>(bytes.size()), &image.width, &image.height,
                               &image.channels)) {
        return {};
    }
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                            static_cast<int>(bytes.size()), &image.width,
                                            &image.height, &channels, 3);
    if (pixels == nullptr) {
        return {};
    }
    image.rgb.assign(pixels, pixels + static_cast<std::size_t>(image.width) * image.height * 3);
    stbi_image_free(pixels);
    return image;
}

const std::vector<ContentFile>& GeneratedFiles() {
    static const std::vector<ContentFile> files = MakeTextures();
    return files;
}

const DecodedImage& GeneratedImage(const std::string& name) {
    static std::map<std::string, DecodedImage> decoded;
    const auto found = decoded.find(name);
    if (found != decoded.end()) {
        return found->second;
    }
    const std::string path = "textures/" + name + ".png";
    for (const ContentFile& file : GeneratedFiles()) {
        if (file.path == path) {
            return decoded[name] = DecodePng(file.bytes);
        }
    }
    ADD_FAILURE() << "no file " << path;
    return decoded[name];
}

float Luma(Color c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

float ChannelDistance(Color a, Color b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}
