#include "texture_image.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace d3dx {
namespace {

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// stb_image takes the length as an int.
bool FitsStb(std::size_t size) {
    return size > 0 && size <= static_cast<std::size_t>(INT_MAX);
}

std::uint32_t Little(const stbi_uc* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes; i-- > 0;) {
        value = value << 8 | at[i];
    }
    return value;
}

// stb_image reads the pixels of a short BMP or TGA as zeros past the end of the data; such a
// file is taken as truncated. A run-length coded TGA needs at least one packet (a byte and
// one pixel) per 128 pixels. PNG and JPEG decoders notice a short file themselves.
bool HoldsAllPixels(const stbi_uc* data, std::size_t size) {
    constexpr std::size_t kBmpInfoEnd = 34, kTgaHeader = 18;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        std::uint32_t compression = size >= kBmpInfoEnd ? Little(data + 30, 4) : 0;
        if (size < kBmpInfoEnd || Little(data + 14, 4) < 40 ||
            (compression != 0 && compression != 3)) {
            return true; // a core header, or a coding the decoder refuses
        }
        std::uint64_t width = std::abs(std::int64_t(std::int32_t(Little(data + 18, 4))));
        std::uint64_t height = std::abs(std::int64_t(std::int32_t(Little(data + 22, 4))));
        std::uint64_t rowBytes = (width * Little(data + 28, 2) + 31) / 32 * 4;
        return size >= Little(data + 10, 4) + rowBytes * height;
    }
    bool otherSignature =
        size >= 2 && ((data[0] == 0x89 && data[1] == 'P') || (data[0] == 0xFF && data[1] == 0xD8));
    int tgaType = size >= kTgaHeader ? data[2] : 0;
    bool runLength = tgaType >= 9 && tgaType <= 11;
    if (otherSignature || !((tgaType >= 1 && tgaType <= 3) || runLength)) {
        return true; // no TGA: left to the decoder
    }
    std::uint64_t colourMapBytes = data[1] ? Little(data + 5, 2) * ((data[7] + 7u) / 8) : 0;
    std::uint64_t pixels = std::uint64_t{Little(data + 12, 2)} * Little(data + 14, 2);
    std::uint64_t pixelBytes = (data[16] + 7u) / 8;
    std::uint64_t imageBytes =
        runLength ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    return size >= kTgaHeader + data[0] + colourMapBytes + imageBytes;
}

std::uint32_t BigEndian16(const stbi_uc* at) {
    return std::uint32_t{at[0]} << 8 | at[1];
}

// This stb_image (2.27) grows its buffer to the length a PNG chunk declares before reading
// the chunk, so a short file could ask for gigabytes. Every chunk up to IEND must lie inside
// the data.
bool PngChunksFit(const stbi_uc* data, std::size_t size) {
    constexpr stbi_uc kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    constexpr std::size_t kChunkFrame = 12; // length, type and CRC
    if (size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0) {
        return true; // no PNG
    }
    for (std::size_t at = sizeof kSignature; at + kChunkFrame <= size;) {
        std::uint64_t length =
            std::uint64_t{BigEndian16(data + at)} << 16 | BigEndian16(data + at + 2);
        if (length > size - at - kChunkFrame) {
            return false;
        }
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) {
            break;
        }
        at += kChunkFrame + length;
    }
    return true;
}

// This stb_image (2.27) does not check that a JPEG Huffman table lists at most 256 symbols
// and then writes past its tables. Every place the decoder might take for a DHT segment
// (each FF C4 byte pair: scan data never holds one, other segments may) is checked first.
bool JpegTablesFit(const stbi_uc* data, std::size_t size) {
    constexpr std::size_t kCounts = 16, kMaxSymbols = 256;
    // The decoder takes any run of FF bytes before D8 for the start of a JPEG.
    std::size_t start = 0;
    while (start < size && data[start] == 0xFF) {
        ++start;
    }
    if (start == 0 || start == size || data[start] != 0xD8) {
        return true; // no JPEG
    }
    for (std::size_t at = start + 1; at + 4 <= size; ++at) {
        if (data[at] != 0xFF || data[at + 1] != 0xC4) {
            continue;
        }
        // The decoder starts a table wherever the segment has bytes left, and reads its counts
        // even past the segment's end (as zeros past the end of the data).
        std::size_t end = std::min(size, at + 2 + BigEndian16(data + at + 2));
        for (std::size_t table = at + 4; table < end;) {
            std::size_t symbols = 0;
            for (std::size_t i = 1; i <= kCounts && table + i < size; ++i) {
                symbols += data[table + i];
            }
            if (symbols > kMaxSymbols) {
                return false;
            }
            table += 1 + kCounts + symbols;
        }
    }
    return true;
}

DWORD Average4(DWORD a, DWORD b, DWORD c, DWORD d) {
    DWORD out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        DWORD sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) + ((c >> shift) & 0xFF) +
                    ((d >> shift) & 0xFF);
        out |= ((sum + 2) / 4) << shift;
    }
    return out;
}

} // namespace

std::optional<ImageSize> ReadImageSize(const void* data, std::size_t size) {
    int width = 0, height = 0, channels = 0;
    if (!data || !FitsStb(size) || !HoldsAllPixels(static_cast<const stbi_uc*>(data), size) ||
        !JpegTablesFit(static_cast<const stbi_uc*>(data), size) ||
        !PngChunksFit(static_cast<const stbi_uc*>(data), size) ||
        !stbi_info_from_memory(static_cast<const stbi_uc*>(data), static_cast<int>(size), &width,
                               &height, &channels) ||
        width <= 0 || height <= 0 || UINT(width) > kMaxImageSide || UINT(height) > kMaxImageSide) {
        return std::nullopt;
    }
    return ImageSize{UINT(width), UINT(height)};
}

std::optional<Image> DecodeImage(const void* data, std::size_t size) {
    std::optional<ImageSize> declared = ReadImageSize(data, size);
    if (!declared) {
        return std::nullopt;
    }
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, StbFree> rgba(stbi_load_from_memory(
        static_cast<const stbi_uc*>(data), static_cast<int>(size), &width, &height, &channels, 4));
    if (!rgba || UINT(width) != declared->width || UINT(height) != declared->height) {
        return std::nullopt;
    }
    Image image{declared->width, declared->height, {}};
    image.texels.resize(std::size_t{image.width} * image.height);
    const stbi_uc* in = rgba.get();
    for (DWORD& texel : image.texels) {
        texel = DWORD{in[3]} << 24 | DWORD{in[0]} << 16 | DWORD{in[1]} << 8 | DWORD{in[2]};
        in += 4;
    }
    return image;
}

Image HalveImage(const Image& image) {
    Image half{std::max(1u, image.width / 2), std::max(1u, image.height / 2), {}};
    half.texels.resize(std::size_t{half.width} * half.height);
    auto at = [&image](UINT x, UINT y) {
        return image.texels[std::size_t{std::min(y, image.height - 1)} * image.width +
                            std::min(x, image.width - 1)];
    };
    for (UINT y = 0; y < half.height; ++y) {
        for (UINT x = 0; x < half.width; ++x) {
            half.texels[std::size_t{y} * half.width + x] =
                Average4(at(2 * x, 2 * y), at(2 * x + 1, 2 * y), at(2 * x, 2 * y + 1),
                         at(2 * x + 1, 2 * y + 1));
        }
    }
    return half;
}

} // namespace d3dx
