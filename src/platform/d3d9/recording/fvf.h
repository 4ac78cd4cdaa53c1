// Sizes that draws and buffers are checked against.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <optional>

namespace d3d9rec::detail {

// Bytes of one vertex of a flexible vertex format (0 for a format with no components).
UINT FvfVertexSize(DWORD fvf);

// Vertices (or indices) that `primitives` primitives of `type` use; empty for an unknown type.
std::optional<std::uint64_t> PrimitiveVertexCount(D3DPRIMITIVETYPE type, UINT primitives);

// Bytes per pixel of a texture format the device can hold; 0 for any other format.
UINT TextureFormatBytes(D3DFORMAT format);

} // namespace d3d9rec::detail
