// Image files decoded into A8R8G8B8 texels, and the box filter that makes mip levels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace d3dx {

// Largest width or height the loader accepts; bigger sides are taken for corrupt headers.
inline constexpr UINT kMaxImageSide = 16384;

// Texels as 0xAARRGGBB, rows top to bottom, width * height of them.
struct Image {
    UINT width = 0;
    UINT height = 0;
    std::vector<DWORD> texels;
};

struct ImageSize {
    UINT width;
    UINT height;
};

// The size an image file declares, read from its header only: nullopt for data that is no
// image the loader knows, or whose sides are 0 or above kMaxImageSide.
std::optional<ImageSize> ReadImageSize(const void* data, std::size_t size);

// The whole image (an image without alpha gets alpha 255): nullopt for data that does not
// decode, or that decodes to another size than its header declares.
std::optional<Image> DecodeImage(const void* data, std::size_t size);

// The next mip level: each side halved (never below 1), each texel the rounded average of
// the 2 x 2 texels above it, per channel. A side of 1 averages the pair along the other side;
// an odd side leaves out its last row or column.
Image HalveImage(const Image& image);

} // namespace d3dx
