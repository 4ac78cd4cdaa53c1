#include "vertex_layout.h"

#include "fvf.h"

namespace d3d9gl::detail {
namespace {

constexpr DWORD kXyzb1 = 0x6, kXyzb5 = 0xE, kPointSize = 0x20;

VertexAttribute Floats(GLint count, UINT& offset) {
    VertexAttribute attribute{true, count, GL_FLOAT, GL_FALSE, offset};
    offset += 4 * UINT(count);
    return attribute;
}

// A D3DCOLOR is the bytes B, G, R, A in memory: GL reads that order with size GL_BGRA.
VertexAttribute Colour(UINT& offset) {
    VertexAttribute attribute{true, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, offset};
    offset += 4;
    return attribute;
}

} // namespace

std::optional<VertexLayout> LayoutOf(DWORD fvf) {
    VertexLayout layout;
    UINT offset = 0;
    DWORD position = fvf & D3DFVF_POSITION_MASK;
    if (position == D3DFVF_XYZ) {
        layout.attributes[kPositionAttribute] = Floats(3, offset);
    } else if (position == D3DFVF_XYZRHW) {
        layout.attributes[kPositionAttribute] = Floats(4, offset);
        layout.pretransformed = true;
    } else if (position >= kXyzb1 && position <= kXyzb5) {
        // Blend weights follow the position; the device does no vertex blending.
        layout.attributes[kPositionAttribute] = Floats(3, offset);
        offset += 4 * ((position - kXyzb1) / 2 + 1);
    } else {
        return std::nullopt;
    }
    if (fvf & D3DFVF_NORMAL) {
        layout.attributes[kNormalAttribute] = Floats(3, offset);
    }
    if (fvf & kPointSize) {
        offset += 4;
    }
    if (fvf & D3DFVF_DIFFUSE) {
        layout.attributes[kDiffuseAttribute] = Colour(offset);
    }
    if (fvf & D3DFVF_SPECULAR) {
        layout.attributes[kSpecularAttribute] = Colour(offset);
    }
    // Only the first texture coordinate set is read; its first two floats at most.
    if ((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT > 0) {
        constexpr GLint kFloatsForCode[] = {2, 3, 4, 1};
        GLint floats = kFloatsForCode[(fvf >> 16) & 3];
        layout.attributes[kTexCoordAttribute] = {true, floats < 2 ? floats : 2, GL_FLOAT, GL_FALSE,
                                                 offset};
    }
    layout.size = d3d9common::FvfVertexSize(fvf);
    return layout;
}

} // namespace d3d9gl::detail
