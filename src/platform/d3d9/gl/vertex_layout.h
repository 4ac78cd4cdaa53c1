// Where each vertex component of a flexible vertex format lies, as GL attributes.
#pragma once

#include <d3d9.h>
#include <epoxy/gl.h>

#include <optional>

namespace d3d9gl::detail {

// Attribute locations shared with the vertex shader.
enum AttributeLocation : GLuint {
    kPositionAttribute,
    kNormalAttribute,
    kDiffuseAttribute,
    kSpecularAttribute,
    kTexCoordAttribute,
    kAttributeCount
};

struct VertexAttribute {
    bool present = false;
    GLint size = 0; // components, or GL_BGRA for a packed D3DCOLOR
    GLenum type = GL_FLOAT;
    GLboolean normalized = GL_FALSE;
    UINT offset = 0;
};

struct VertexLayout {
    VertexAttribute attributes[kAttributeCount];
    bool pretransformed = false; // XYZRHW: screen-space positions, no transform or lighting
    UINT size = 0;               // bytes of one vertex
};

// The layout of `fvf`; nothing for a format the device cannot draw (no position, or a
// position kind it does not know).
std::optional<VertexLayout> LayoutOf(DWORD fvf);

} // namespace d3d9gl::detail
