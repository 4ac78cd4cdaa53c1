#include "images/png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <stdexcept>

namespace {

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

} // namespace

std::string EncodePng(const Canvas& canvas) {
    constexpr int kChannels = 3;
    const std::vector<std::uint8_t> rgb = canvas.ToRgb8();
    std::string png;
    if (stbi_write_png_to_func(AppendBytes, &png, canvas.width(), canvas.height(), kChannels,
                               rgb.data(), canvas.width() * kChannels) == 0) {
        throw std::runtime_error("PNG encoding failed");
    }
    return png;
}
