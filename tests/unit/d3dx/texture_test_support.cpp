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

std::string BaselineJpegSample() {
    static const char kBytes[] =
        "\xff\xd8\xff\xe0\x00\x10\x4a\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
        "\xff\xdb\x00\x43\x00\x08\x06\x06\x07\x06\x05\x08\x07\x07\x07\x09\x09\x08\x0a\x0c"
        "\x14\x0d\x0c\x0b\x0b\x0c\x19\x12\x13\x0f\x14\x1d\x1a\x1f\x1e\x1d\x1a\x1c\x1c\x20"
        "\x24\x2e\x27\x20\x22\x2c\x23\x1c\x1c\x28\x37\x29\x2c\x30\x31\x34\x34\x34\x1f\x27"
        "\x39\x3d\x38\x32\x3c\x2e\x33\x34\x32\xff\xdb\x00\x43\x01\x09\x09\x09\x0c\x0b\x0c"
        "\x18\x0d\x0d\x18\x32\x21\x1c\x21\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32"
        "\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32"
        "\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\xff\xc0"
        "\x00\x11\x08\x00\x10\x00\x20\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xc4\x00"
        "\x15\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x06"
        "\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x00\xff\xc4\x00\x15\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00\x06\xff\xc4\x00\x19\x11\x00\x02\x03\x01\x00\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00\x00\x00\x00\x64\x16\xa2\xe2\x17\xff\xda\x00\x0c\x03\x01\x00\x02"
        "\x11\x03\x11\x00\x3f\x00\x8b\x12\x02\x97\x9d\xb3\x4d\x15\xf3\xb5\xef\x92\xbc\x48"
        "\x07\x3b\x66\x9a\x13\xb5\xef\x93\xff\xd9";
    return std::string(kBytes, sizeof kBytes - 1);
}

std::string ProgressiveJpegSample() {
    static const char kBytes[] =
        "\xff\xd8\xff\xe0\x00\x10\x4a\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
        "\xff\xdb\x00\x43\x00\x08\x06\x06\x07\x06\x05\x08\x07\x07\x07\x09\x09\x08\x0a\x0c"
        "\x14\x0d\x0c\x0b\x0b\x0c\x19\x12\x13\x0f\x14\x1d\x1a\x1f\x1e\x1d\x1a\x1c\x1c\x20"
        "\x24\x2e\x27\x20\x22\x2c\x23\x1c\x1c\x28\x37\x29\x2c\x30\x31\x34\x34\x34\x1f\x27"
        "\x39\x3d\x38\x32\x3c\x2e\x33\x34\x32\xff\xdb\x00\x43\x01\x09\x09\x09\x0c\x0b\x0c"
        "\x18\x0d\x0d\x18\x32\x21\x1c\x21\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32"
        "\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32"
        "\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\x32\xff\xc2"
        "\x00\x11\x08\x00\x10\x00\x10\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xc4\x00"
        "\x15\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x05"
        "\xff\xc4\x00\x14\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x05\xff\xda\x00\x0c\x03\x01\x00\x02\x10\x03\x10\x00\x00\x01\x8a\x8e\x49\x7f"
        "\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x20\xff\xda\x00\x08\x01\x01\x00\x01\x05\x02\x1f\xff\xc4\x00\x18\x11\x00\x02"
        "\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x15\x63\xa1\xe1\xff"
        "\xda\x00\x08\x01\x03\x01\x01\x3f\x01\x7b\x1d\xe1\xff\xc4\x00\x18\x11\x00\x02\x03"
        "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x16\x63\xa1\xe1\xff\xda"
        "\x00\x08\x01\x02\x01\x01\x3f\x01\x5d\x92\xb4\xff\xc4\x00\x14\x10\x01\x00\x00\x00"
        "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20\xff\xda\x00\x08\x01\x01\x00"
        "\x06\x3f\x02\x1f\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00\x00\x20\xff\xda\x00\x08\x01\x01\x00\x01\x3f\x21\x1f\xff\xda\x00"
        "\x0c\x03\x01\x00\x02\x00\x03\x00\x00\x00\x10\x3f\xff\xc4\x00\x14\x11\x01\x00\x00"
        "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\xda\x00\x08\x01\x03"
        "\x01\x01\x3f\x10\x57\xff\xc4\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00\x00\x00\x00\xff\xda\x00\x08\x01\x02\x01\x01\x3f\x10\x37\xff\xc4"
        "\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x20"
        "\xff\xda\x00\x08\x01\x01\x00\x01\x3f\x10\x1f\xff\xd9";
    return std::string(kBytes, sizeof kBytes - 1);
}

std::size_t FindJpegMarker(const std::string& jpeg, unsigned char marker, int nth) {
    const std::string pair{'\xff', char(marker)};
    std::size_t at = jpeg.find(pair);
    for (; nth > 0 && at != std::string::npos; --nth) {
        at = jpeg.find(pair, at + 1);
    }
    return at;
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
