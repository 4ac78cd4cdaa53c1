// Shared by the texture tests: small images written as BMP, TGA, PNG and JPEG files, and
// readers of what a loaded texture holds.
#pragma once

#include "mesh_test_support.h"

#include <string>
#include <vector>

namespace d3dx_test {

// Texels as 0xAARRGGBB, rows top to bottom.
struct TestImage {
    UINT width = 0;
    UINT height = 0;
    std::vector<DWORD> texels;

    DWORD At(UINT x, UINT y) const { return texels[std::size_t{y} * width + x]; }
};

// A width x height image of varied texels: opaque, or with varied alpha when `withAlpha`.
TestImage PatternImage(UINT width, UINT height, bool withAlpha = false);

// Every format but JPEG keeps colours exactly; only the 32-bit ones and PNG keep alpha.
enum class ImageFormat { Bmp24, Bmp32, Tga24, Tga32, Png, Jpeg };
inline constexpr const char* kFormatNames[] = {"Bmp24", "Bmp32", "Tga24", "Tga32", "Png", "Jpeg"};
inline bool KeepsAlpha(ImageFormat format) {
    return format == ImageFormat::Bmp32 || format == ImageFormat::Tga32 ||
           format == ImageFormat::Png;
}

// The bytes of `image` as a file of `format`: uncompressed and bottom-up for BMP and TGA (a
// 32-bit BMP with a plain BITMAPINFOHEADER), JPEG at quality 100.
std::string EncodeImage(const TestImage& image, ImageFormat format);

// JPEG files written by ImageMagick (libjpeg-turbo, quality 75, chroma halved both ways),
// the top half red and the bottom half blue: a 32 x 16 baseline and a 16 x 16 progressive one.
std::string BaselineJpegSample();
std::string ProgressiveJpegSample();

// Where the `nth` (from 0) FF `marker` pair of `jpeg` starts; npos when there is none.
std::size_t FindJpegMarker(const std::string& jpeg, unsigned char marker, int nth = 0);

// Mip `level` of `texture` read back through LockRect.
TestImage ReadLevel(IDirect3DTexture9* texture, UINT level);

inline int Channel(DWORD texel, int shift) {
    return static_cast<int>((texel >> shift) & 0xFF);
}

} // namespace d3dx_test
