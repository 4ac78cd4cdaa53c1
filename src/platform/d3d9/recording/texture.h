// Textures: every mip level has its own pixel memory that LockRect hands out.
#pragma once

#include "resource.h"

#include <optional>
#include <vector>

namespace d3d9rec::detail {

struct TextureShape {
    UINT width;
    UINT height;
    UINT levels; // 0 asks for the full chain down to 1 x 1
    DWORD usage;
    D3DFORMAT format;
    D3DPOOL pool;
};

// Bytes all levels of `shape` take (its level count already resolved).
std::size_t TextureBytes(const TextureShape& shape);

class Texture final : public IDirect3DTexture9, public DeviceResource {
public:
    // `shape.levels` must already be resolved (1..FullMipChain) and its bytes reserved.
    Texture(Device* device, const TextureShape& shape);

    ULONG AddRef() override { return AddPublicRef(); }
    ULONG Release() override { return ReleasePublicRef(); }
    HRESULT GetDevice(IDirect3DDevice9** device) override { return ReturnDevice(device); }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return static_cast<DWORD>(levels_.size()); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

private:
    struct Level {
        UINT width;
        UINT height;
        Bytes pixels;
        bool locked = false;
    };

    TextureShape shape_;
    UINT pixelBytes_;
    std::vector<Level> levels_;
};

} // namespace d3d9rec::detail
