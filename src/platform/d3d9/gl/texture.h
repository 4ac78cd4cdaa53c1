// Textures: the texels live in one GL texture. LockRect hands out a copy of the level read
// back from it, which UnlockRect uploads (unless the lock was read-only) and lets go, so that
// a texture is not held twice in memory (GL's software renderer keeps its own in ours).
#pragma once

#include "ref_counted.h"

#include <d3d9.h>
#include <epoxy/gl.h>

#include <cstdint>
#include <vector>

namespace d3d9gl::detail {

class Device;

struct TextureShape {
    UINT width;
    UINT height;
    UINT levels; // resolved: 1 .. the full chain
    DWORD usage;
    D3DFORMAT format;
    D3DPOOL pool;
};

// The widest and tallest texture the device makes (GetDeviceCaps reports it).
constexpr UINT kMaxTextureSide = 4096;

// Whether the device can hold textures of `format`.
bool TextureFormatKnown(D3DFORMAT format);

class Texture final : public IDirect3DTexture9, public d3d9common::RefCounted {
public:
    // `shape.format` must be known (TextureFormatKnown).
    Texture(Device* device, const TextureShape& shape);
    ~Texture() override;

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override;
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return static_cast<DWORD>(levels_.size()); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

    Device* OwnerDevice() const { return device_; }
    GLuint Name() const { return name_; }

private:
    struct Level {
        UINT width;
        UINT height;
        std::vector<std::uint8_t> pixels;
        bool locked = false;
        bool written = false;
    };

    void Upload(UINT level);
    void Download(UINT level);

    Device* device_;
    TextureShape shape_;
    UINT pixelBytes_;
    std::vector<Level> levels_;
    GLuint name_ = 0;
};

} // namespace d3d9gl::detail
