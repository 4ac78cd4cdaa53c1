#include "texture_test_support.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include <cstring>

namespace d3dx_test {
namespace {

void Put16(std::string& out, unsigned value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void Put32(std::string& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Blue, green, red (and alpha) of one texel, as BMP and TGA store them.
void PutTexel(std::string& out, DWORD texel, bool withAlpha) {
    out += char(Channel(texel, 0));
    out += char(Channel(texel, 8));
    out += char(Channel(texel, 16));
    if (withAlpha) {
        out += char(Channel(texel, 24));
    }
}

std::string Bmp(const TestImage& image, bool withAlpha) {
    unsigned bytesPerTexel = withAlpha ? 4 : 3;
    unsigned rowBytes = (image.width * bytesPerTexel + 3) / 4 * 4;
    unsigned pixelBytes = rowBytes * image.height;
    std::string out = "BM";
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40); // BITMAPINFOHEADER
    Put32(out, image.width);
    Put32(out, image.height); // positive: bottom row first
    Put16(out, 1);
    Put16(out, bytesPerTexel * 8);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (UINT y = image.height; y-- > 0;) {
        std::size_t rowStart = out.size();
        for (UINT x = 0; x < image.width; ++x) {
            PutTexel(out, image.At(x, y), withAlpha);
        }
        out.append(rowStart + rowBytes - out.size(), '\0');
    }
    return out;
}

std::string Tga(const TestImage& image, bool withAlpha) {
    std::string out;
    out += '\0';    // no image id
    out += '\0';    // no colour map
    out += char(2); // uncompressed true colour
    out.append(5, '\0');
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, image.width);
    Put16(out, image.height);
    out += char(withAlpha ? 32 : 24);
    out += char(withAlpha ? 8 : 0); // alpha bits; origin bottom left
    for (UINT y = image.height; y-- > 0;) {
        for (UINT x = 0; x < image.width; ++x) {
            PutTexel(out, image.At(x, y), withAlpha);
        }
    }
    return out;
}

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
}

std::vector<unsigned char> Rgba(const TestImage& image) {
    std::vector<unsigned char> rgba;
    for (DWORD texel : image.texels) {
        for (int shift : {16, 8, 0, 24}) {
            rgba.push_back(static_cast<unsigned char>(Channel(texel, shift)));
        }
    }
    return rgba;
}

} // namespace

TestImage PatternImage(UINT width, UINT height, bool withAlpha) {
    TestImage image{width, height, {}};
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            DWORD alpha = withAlpha ? (x * 37 + y * 11 + 5) & 0xFF : 0xFF;
            DWORD red = (x * 13 + 7) & 0xFF, green = (y * 29 + 3) & 0xFF,
                  blue = (x * 7 + y * 17) & 0xFF;
            image.texels.push_back(alpha << 24 | red << 16 | green << 8 | blue);
        }
    }
    return image;
}

std::string EncodeImage(const TestImage& image, ImageFormat format) {
    int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
    std::string out;
    switch (format) {
    case ImageFormat::Bmp24:
        return Bmp(image, false);
    case ImageFormat::Bmp32:
        return Bmp(image, true);
    case ImageFormat::Tga24:
        return Tga(image, false);
    case ImageFormat::Tga32:
        return Tga(image, true);
    case ImageFormat::Png:
        stbi_write_png_to_func(AppendBytes, &out, w, h, 4, Rgba(image).data(), w * 4);
        return out;
    case ImageFormat::Jpeg:
        stbi_write_jpg_to_func(AppendBytes, &out, w, h, 4, Rgba(image).data(), 100);
        return out;
    }
    return out;
}

bool KeepsAlpha(ImageFormat format) {
    return format == ImageFormat::Bmp32 || format == ImageFormat::Tga32 ||
           format == ImageFormat::Png;
}

const char* FormatName(ImageFormat format) {
    switch (format) {
    case ImageFormat::Bmp24:
        return "Bmp24";
    case ImageFormat::Bmp32:
        return "Bmp32";
    case ImageFormat::Tga24:
        return "Tga24";
    case ImageFormat::Tga32:
        return "Tga32";
    case ImageFormat::Png:
        return "Png";
    case ImageFormat::Jpeg:
        return "Jpeg";
    }
    return "?";
}

TestImage ReadLevel(IDirect3DTexture9* texture, UINT level) {
    D3DSURFACE_DESC desc{};
    EXPECT_EQ(texture->GetLevelDesc(level, &desc), D3D_OK);
    TestImage image{desc.Width, desc.Height, {}};
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(texture->LockRect(level, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    for (UINT y = 0; y < desc.Height; ++y) {
        for (UINT x = 0; x < desc.Width; ++x) {
            DWORD texel;
            std::memcpy(&texel, static_cast<const char*>(locked.pBits) + y * locked.Pitch + x * 4,
                        4);
            image.texels.push_back(texel);
        }
    }
    EXPECT_EQ(texture->UnlockRect(level), D3D_OK);
    return image;
}

} // namespace d3dx_test
