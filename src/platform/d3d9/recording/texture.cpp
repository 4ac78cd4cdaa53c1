#include "texture.h"

#include "fvf.h"
#include "recorder.h"

#include <cstdint>
#include <limits>

namespace d3d9rec::detail {

using d3d9common::MipLevelSide;
using d3d9common::TextureFormatBytes;

std::size_t TextureBytes(const TextureShape& shape) {
    // Sizes near the UINT limit would overflow: saturate, so that no memory budget fits them.
    constexpr std::size_t kTooMuch = std::numeric_limits<std::size_t>::max();
    std::size_t bytes = 0;
    for (UINT level = 0; level < shape.levels; ++level) {
        std::uint64_t w = MipLevelSide(shape.width, level);
        std::uint64_t h = MipLevelSide(shape.height, level);
        std::uint64_t pixels = w * h; // fits: each side is below 2^32
        if (pixels > kTooMuch / 4) {
            return kTooMuch;
        }
        std::uint64_t levelBytes = pixels * TextureFormatBytes(shape.format);
        if (levelBytes > kTooMuch - bytes) {
            return kTooMuch;
        }
        bytes += levelBytes;
    }
    return bytes;
}

Texture::Texture(Device* device, const TextureShape& shape)
    : DeviceResource(device, TextureBytes(shape)), shape_(shape),
      pixelBytes_(TextureFormatBytes(shape.format)) {
    for (UINT level = 0; level < shape.levels; ++level) {
        UINT w = MipLevelSide(shape.width, level);
        UINT h = MipLevelSide(shape.height, level);
        levels_.push_back(Level{w, h, Bytes(std::size_t{w} * h * pixelBytes_)});
    }
}

HRESULT Texture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    PendingCall call("GetLevelDesc", Id(), {level, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!desc || level >= levels_.size()) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *desc = D3DSURFACE_DESC{shape_.format,        D3DRTYPE_SURFACE,     shape_.usage,
                            shape_.pool,          D3DMULTISAMPLE_NONE,  0,
                            levels_[level].width, levels_[level].height};
    return call.Finish(D3D_OK);
}

HRESULT Texture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    PendingCall call("LockRect", Id(), {level, Value(), rect ? Value(*rect) : Value(), flags});
    if (locked) {
        *locked = D3DLOCKED_RECT{0, nullptr};
    }
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!locked || level >= levels_.size() || levels_[level].locked) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    Level& target = levels_[level];
    RECT whole{0, 0, static_cast<LONG>(target.width), static_cast<LONG>(target.height)};
    RECT area = rect ? *rect : whole;
    if (area.left < 0 || area.top < 0 || area.left >= area.right || area.top >= area.bottom ||
        area.right > whole.right || area.bottom > whole.bottom) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    std::size_t pitch = std::size_t{target.width} * pixelBytes_;
    locked->Pitch = static_cast<INT>(pitch);
    locked->pBits =
        target.pixels.data() + std::size_t(area.top) * pitch + std::size_t(area.left) * pixelBytes_;
    target.locked = true;
    return call.Finish(D3D_OK);
}

HRESULT Texture::UnlockRect(UINT level) {
    PendingCall call("UnlockRect", Id(), {level});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (level >= levels_.size() || !levels_[level].locked) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    levels_[level].locked = false;
    return call.Finish(D3D_OK);
}

} // namespace d3d9rec::detail
