#include "texture_image.h"

#include "texture_jpeg_check.h"

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

std::uint32_t BigEndian32(const stbi_uc* at) {
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

constexpr stbi_uc kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kPngChunkFrame = 12; // length, type and CRC

bool IsPng(const stbi_uc* data, std::size_t size) {
    return size >= sizeof kPngSignature &&
           std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0;
}

// Calls visit(offset, data length, type) for each chunk of a PNG up to IEND: false when one
// does not lie inside the data.
template <typename Visit> bool WalkPngChunks(const stbi_uc* data, std::size_t size, Visit visit) {
    for (std::size_t at = sizeof kPngSignature; at + kPngChunkFrame <= size;) {
        std::size_t length = BigEndian32(data + at);
        if (length > size - at - kPngChunkFrame) {
            return false;
        }
        const stbi_uc* type = data + at + 4;
        visit(at, length, type);
        if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        }
        at += kPngChunkFrame + length;
    }
    return true;
}

// This stb_image (2.27) grows its buffer to the length a PNG chunk declares before reading
// the chunk, so a short file could ask for gigabytes. Every chunk up to IEND must lie inside
// the data.
bool PngChunksFit(const stbi_uc* data, std::size_t size) {
    return !IsPng(data, size) || WalkPngChunks(data, size, [](std::size_t, std::size_t, auto) {});
}

// This stb_image (2.27) copies an empty IDAT chunk that comes before any image data to the
// buffer it has not yet made: memcpy to NULL, undefined even for no bytes. Such chunks hold
// nothing, so the PNG is decoded from a copy without them; an empty result means the data
// needs no change. The chunks are known to fit (PngChunksFit).
std::vector<stbi_uc> WithoutEmptyLeadingIdat(const stbi_uc* data, std::size_t size) {
    std::vector<stbi_uc> copy;
    if (!IsPng(data, size)) {
        return copy;
    }
    std::size_t copied = 0;
    bool seenImageData = false;
    WalkPngChunks(data, size, [&](std::size_t at, std::size_t length, const stbi_uc* type) {
        if (seenImageData || std::memcmp(type, "IDAT", 4) != 0) {
            return;
        }
        seenImageData = length > 0;
        if (length == 0) {
            copy.insert(copy.end(), data + copied, data + at);
            copied = at + kPngChunkFrame;
        }
    });
    if (copied > 0) {
        copy.insert(copy.end(), data + copied, data + size);
    }
    return copy;
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
        !JpegSafeToDecode(static_cast<const stbi_uc*>(data), size) ||
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
    const stbi_uc* bytes = static_cast<const stbi_uc*>(data);
    std::vector<stbi_uc> cleaned = WithoutEmptyLeadingIdat(bytes, size);
    if (!cleaned.empty()) {
        bytes = cleaned.data();
        size = cleaned.size();
    }
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, StbFree> rgba(
        stbi_load_from_memory(bytes, static_cast<int>(size), &width, &height, &channels, 4));
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
