#include "picture_prediction.h"

#include "meshes/scene_models.h"

// stb_image's code is the one copy in the platform's texture loader, which decodes from
// memory only.
#include <stb/stb_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>

std::optional<RgbImage> ReadRgbImage(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    int width = 0, height = 0, channels = 0;
    stbi_uc* decoded = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width,
                                             &height, &channels, 3);
    if (decoded == nullptr) {
        return std::nullopt;
    }
    RgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = {decoded[3 * i], decoded[3 * i + 1], decoded[3 * i + 2]};
    }
    stbi_image_free(decoded);
    return image;
}

Rgb PictureColourAt(const RgbImage& picture, const D3DXVECTOR3& ground) {
    const double left = kPictureCentreX - kPictureSide / 2.0;
    const double top = kPictureCentreY - kPictureSide / 2.0;
    const double u = (ground.x - left) / kPictureSide;
    const double v = (ground.y - top) / kPictureSide;
    const double bandBeyond = (kPictureWidth - kPictureSide) / 2.0 / kPictureSide;
    if (v < 0.0 || v >= 1.0 || u < -bandBeyond || u > 1.0 + bandBeyond) {
        return {};
    }
    const int column =
        std::clamp(static_cast<int>(std::floor(u * picture.width)), 0, picture.width - 1);
    const int row =
        std::clamp(static_cast<int>(std::floor(v * picture.height)), 0, picture.height - 1);
    return picture.At(column, row);
}

double MeanDifference(const RgbImage& screenshot, const RgbImage& picture, int step) {
    const GroundView view = TitleView({screenshot.width, screenshot.height});
    double sum = 0.0;
    long count = 0;
    for (int y = step / 2; y < screenshot.height; y += step) {
        for (int x = step / 2; x < screenshot.width; x += step) {
            const std::optional<D3DXVECTOR3> ground =
                view.GroundAt(static_cast<float>(x), static_cast<float>(y));
            const Rgb predicted = ground ? PictureColourAt(picture, *ground) : Rgb{};
            const Rgb seen = screenshot.At(x, y);
            sum += std::abs(predicted.r - seen.r) + std::abs(predicted.g - seen.g) +
                   std::abs(predicted.b - seen.b);
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / (3.0 * static_cast<double>(count));
}
