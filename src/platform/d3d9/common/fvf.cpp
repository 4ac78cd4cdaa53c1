#include "fvf.h"

#include <algorithm>

namespace d3d9common {

UINT FvfVertexSize(DWORD fvf) {
    constexpr DWORD kXyzb1 = 0x6, kXyzb5 = 0xE, kXyzw = 0x4002, kPointSize = 0x20;
    UINT size = 0;
    DWORD position = fvf & D3DFVF_POSITION_MASK;
    if (position == D3DFVF_XYZ) {
        size += 12;
    } else if (position == D3DFVF_XYZRHW || position == kXyzw) {
        size += 16;
    } else if (position >= kXyzb1 && position <= kXyzb5) {
        // Position plus 1..5 blend weights.
        size += 12 + 4 * ((position - kXyzb1) / 2 + 1);
    }
    if (fvf & D3DFVF_NORMAL) {
        size += 12;
    }
    if (fvf & kPointSize) {
        size += 4;
    }
    if (fvf & D3DFVF_DIFFUSE) {
        size += 4;
    }
    if (fvf & D3DFVF_SPECULAR) {
        size += 4;
    }
    // Each texture coordinate set has a two-bit size code from bit 16: 0 = two floats,
    // 1 = three, 2 = four, 3 = one.
    constexpr UINT kFloatsForCode[] = {2, 3, 4, 1};
    UINT sets = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    for (UINT set = 0; set < sets && set < 8; ++set) {
        size += 4 * kFloatsForCode[(fvf >> (16 + 2 * set)) & 3];
    }
    return size;
}

std::optional<std::uint64_t> PrimitiveVertexCount(D3DPRIMITIVETYPE type, UINT primitives) {
    std::uint64_t n = primitives;
    switch (type) {
    case D3DPT_POINTLIST:
        return n;
    case D3DPT_LINELIST:
        return 2 * n;
    case D3DPT_LINESTRIP:
        return n + 1;
    case D3DPT_TRIANGLELIST:
        return 3 * n;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN:
        return n + 2;
    default:
        return std::nullopt;
    }
}

UINT TextureFormatBytes(D3DFORMAT format) {
    switch (format) {
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
        return 4;
    case D3DFMT_R8G8B8:
        return 3;
    case D3DFMT_R5G6B5:
    case D3DFMT_X1R5G5B5:
    case D3DFMT_A1R5G5B5:
        return 2;
    default:
        return 0;
    }
}

UINT FullMipChain(UINT width, UINT height) {
    UINT levels = 1;
    for (UINT size = std::max(width, height); size > 1; size /= 2) {
        ++levels;
    }
    return levels;
}

UINT MipLevelSide(UINT side, UINT level) {
    return level >= 32 ? 1 : std::max(1u, side >> level);
}

} // namespace d3d9common
