// Sizes that draws, buffers and textures are checked against, shared by every device.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <optional>

namespace d3d9common {

// Bytes of one vertex of a flexible vertex format (0 for a format with no components).
UINT FvfVertexSize(DWORD fvf);

// Vertices (or indices) that `primitives` primitives of `type` use; empty for an unknown type.
std::optional<std::uint64_t> PrimitiveVertexCount(D3DPRIMITIVETYPE type, UINT primitives);

// Bytes per pixel of a texture format the device can hold; 0 for any other format.
UINT TextureFormatBytes(D3DFORMAT format);

// Levels in the full mip chain of a width x height texture (down to 1 x 1).
UINT FullMipChain(UINT width, UINT height);

// One side of mip level `level`: halved per level, never below 1.
UINT MipLevelSide(UINT side, UINT level);

} // namespace d3d9common
