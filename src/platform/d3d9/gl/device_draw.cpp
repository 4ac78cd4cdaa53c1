#include "device.h"

#include "buffers.h"
#include "fixed_function.h"
#include "fvf.h"
#include "shader_key.h"
#include "texture.h"

namespace d3d9gl::detail {
namespace {

using d3d9common::kIdentity;

std::optional<GLenum> GlPrimitive(D3DPRIMITIVETYPE type) {
    switch (type) {
    case D3DPT_POINTLIST:
        return GL_POINTS;
    case D3DPT_LINELIST:
        return GL_LINES;
    case D3DPT_LINESTRIP:
        return GL_LINE_STRIP;
    case D3DPT_TRIANGLELIST:
        return GL_TRIANGLES;
    case D3DPT_TRIANGLESTRIP:
        return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN:
        return GL_TRIANGLE_FAN;
    default:
        return std::nullopt;
    }
}

GLenum GlCompare(DWORD function) {
    constexpr GLenum kByFunction[] = {GL_NEVER,   GL_LESS,     GL_EQUAL,  GL_LEQUAL,
                                      GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return function >= D3DCMP_NEVER && function <= D3DCMP_ALWAYS ? kByFunction[function - 1]
                                                                 : GL_ALWAYS;
}

GLenum GlBlend(DWORD blend, GLenum fallback) {
    // ZERO, ONE, SRCCOLOR, INVSRCCOLOR, SRCALPHA, INVSRCALPHA, DESTALPHA, INVDESTALPHA,
    // DESTCOLOR, INVDESTCOLOR, SRCALPHASAT.
    constexpr GLenum kByBlend[] = {GL_ZERO,
                                   GL_ONE,
                                   GL_SRC_COLOR,
                                   GL_ONE_MINUS_SRC_COLOR,
                                   GL_SRC_ALPHA,
                                   GL_ONE_MINUS_SRC_ALPHA,
                                   GL_DST_ALPHA,
                                   GL_ONE_MINUS_DST_ALPHA,
                                   GL_DST_COLOR,
                                   GL_ONE_MINUS_DST_COLOR,
                                   GL_SRC_ALPHA_SATURATE};
    return blend >= 1 && blend <= std::size(kByBlend) ? kByBlend[blend - 1] : fallback;
}

GLint GlWrap(DWORD address) {
    switch (address) {
    case D3DTADDRESS_MIRROR:
        return GL_MIRRORED_REPEAT;
    case D3DTADDRESS_CLAMP:
        return GL_CLAMP_TO_EDGE;
    case 4: // D3DTADDRESS_BORDER
        return GL_CLAMP_TO_BORDER;
    default:
        return GL_REPEAT;
    }
}

bool Smooth(DWORD filter) {
    return filter >= D3DTEXF_LINEAR; // linear, anisotropic and the rest
}

GLint GlMinFilter(DWORD minFilter, DWORD mipFilter) {
    bool smooth = Smooth(minFilter);
    if (mipFilter == D3DTEXF_NONE) {
        return smooth ? GL_LINEAR : GL_NEAREST;
    }
    if (mipFilter == D3DTEXF_POINT) {
        return smooth ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    }
    return smooth ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
}

} // namespace

HRESULT Device::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* buffer, UINT offset,
                                UINT stride) {
    auto* ours = dynamic_cast<VertexBuffer*>(buffer);
    if (stream >= kStreams || (buffer && (!ours || ours->OwnerDevice() != this)) ||
        (ours && offset >= ours->Storage().Memory().Size())) {
        return D3DERR_INVALIDCALL;
    }
    d3d9common::Rebind(streams_[stream].buffer, ours);
    streams_[stream].offset = offset;
    streams_[stream].stride = stride;
    return D3D_OK;
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer9* buffer) {
    auto* ours = dynamic_cast<IndexBuffer*>(buffer);
    if (buffer && (!ours || ours->OwnerDevice() != this)) {
        return D3DERR_INVALIDCALL;
    }
    d3d9common::Rebind(indices_, ours);
    return D3D_OK;
}

HRESULT Device::SetFVF(DWORD fvf) {
    fvf_ = fvf;
    return D3D_OK;
}

std::uint64_t Device::StreamVertices(const VertexLayout& layout) const {
    const Stream& stream = streams_[0];
    if (!stream.buffer || stream.stride == 0 || stream.stride < layout.size) {
        return 0;
    }
    // SetStreamSource keeps the offset inside the buffer; the last vertex needs only its size.
    std::uint64_t bytes = stream.buffer->Storage().Memory().Size() - stream.offset;
    return bytes < layout.size ? 0 : (bytes - layout.size) / stream.stride + 1;
}

HRESULT Device::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) {
    auto vertexCount = d3d9common::PrimitiveVertexCount(type, primitiveCount);
    if (!vertexCount || !inScene_) {
        return D3DERR_INVALIDCALL;
    }
    if (primitiveCount == 0) {
        return D3D_OK;
    }
    auto layout = LayoutOf(fvf_);
    if (!layout || std::uint64_t{startVertex} + *vertexCount > StreamVertices(*layout)) {
        return D3DERR_INVALIDCALL;
    }
    if (!ApplyDrawState(*layout)) {
        return D3DERR_DRIVERINTERNALERROR;
    }
    gl_.Call(glDrawArrays, *GlPrimitive(type), GLint(startVertex), GLsizei(*vertexCount));
    return D3D_OK;
}

// Every index must lie in MinVertexIndex .. MinVertexIndex + NumVertices - 1, and those
// vertices (offset by BaseVertexIndex) inside the vertex buffer of stream 0.
HRESULT Device::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                     UINT minVertexIndex, UINT numVertices, UINT startIndex,
                                     UINT primitiveCount) {
    auto indexCount = d3d9common::PrimitiveVertexCount(type, primitiveCount);
    if (!indexCount || !inScene_) {
        return D3DERR_INVALIDCALL;
    }
    if (primitiveCount == 0) {
        return D3D_OK;
    }
    auto layout = LayoutOf(fvf_);
    if (!indices_ || numVertices == 0 || !layout || *indexCount > 0xFFFFFFFFu) {
        return D3DERR_INVALIDCALL;
    }
    auto range = indices_->Range(startIndex, UINT(*indexCount));
    std::int64_t first = std::int64_t{baseVertexIndex} + minVertexIndex;
    if (!range || range->lowest < minVertexIndex ||
        range->highest - minVertexIndex >= numVertices || first < 0 ||
        std::uint64_t(first) + numVertices > StreamVertices(*layout)) {
        return D3DERR_INVALIDCALL;
    }
    if (!ApplyDrawState(*layout)) {
        return D3DERR_DRIVERINTERNALERROR;
    }
    gl_.BindElementBuffer(indices_->Storage().Name());
    auto offset = reinterpret_cast<const void*>(std::uintptr_t{startIndex} * indices_->IndexSize());
    gl_.Call(glDrawElementsBaseVertex, *GlPrimitive(type), GLsizei(*indexCount),
             indices_->IndexType(), offset, GLint(baseVertexIndex));
    return D3D_OK;
}

bool Device::ApplyDrawState(const VertexLayout& layout) {
    GlState& gl = Gl();
    ShaderKeyStates keyStates{renderStates_.data(), stageStates_[0].data(), textures_[0] != nullptr,
                              int(std::min<std::size_t>(enabledLights_.size(), kMaxLights))};
    ShaderProgram* program = shaders_->Find(MakeShaderKey(keyStates, layout));
    if (!program) {
        return false;
    }
    gl.BindDrawFramebuffer(backBuffer_->Framebuffer());
    ApplyRasterState();
    UpdateLightInputs(); // before the transforms: it reads transformsChanged_
    UpdateTransformInputs();
    UpdateMaterialInputs();
    program->Upload(inputs_);
    ApplyTexture();
    ApplyVertexInput(layout);
    return true;
}

void Device::ApplyRasterState() {
    bool depth = Rs(D3DRS_ZENABLE) != D3DZB_FALSE && params_.EnableAutoDepthStencil;
    gl_.Enable(GL_DEPTH_TEST, depth);
    if (depth) {
        gl_.DepthFunc(GlCompare(Rs(D3DRS_ZFUNC)));
        gl_.DepthMask(Rs(D3DRS_ZWRITEENABLE) != FALSE);
    }
    // Front faces are clockwise (glFrontFace(GL_CW)): CCW culls back faces, CW front ones.
    DWORD cull = Rs(D3DRS_CULLMODE);
    gl_.Enable(GL_CULL_FACE, cull == D3DCULL_CW || cull == D3DCULL_CCW);
    if (cull == D3DCULL_CW || cull == D3DCULL_CCW) {
        gl_.CullFace(cull == D3DCULL_CW ? GL_FRONT : GL_BACK);
    }
    bool blend = Rs(D3DRS_ALPHABLENDENABLE) != FALSE;
    gl_.Enable(GL_BLEND, blend);
    if (blend) {
        gl_.BlendFunc(GlBlend(Rs(D3DRS_SRCBLEND), GL_ONE), GlBlend(Rs(D3DRS_DESTBLEND), GL_ZERO));
    }
    DWORD fill = Rs(D3DRS_FILLMODE);
    gl_.PolygonMode(fill == D3DFILL_POINT       ? GL_POINT
                    : fill == D3DFILL_WIREFRAME ? GL_LINE
                                                : GL_FILL);
    gl_.Enable(GL_SCISSOR_TEST, false);
    // The platform's viewport counts rows from the top, GL's from the bottom.
    GLint bottom = GLint(params_.BackBufferHeight) - GLint(viewport_.Y + viewport_.Height);
    gl_.Viewport({GLint(viewport_.X), bottom, GLsizei(viewport_.Width), GLsizei(viewport_.Height)});
    gl_.DepthRange(viewport_.MinZ, viewport_.MaxZ);
    inputs_.viewport = {float(viewport_.X), float(viewport_.Y), float(viewport_.Width),
                        float(viewport_.Height)};
}

void Device::UpdateTransformInputs() {
    if (!transformsChanged_) {
        return;
    }
    auto transform = [this](DWORD state) {
        auto it = transforms_.find(state);
        return it == transforms_.end() ? kIdentity : it->second;
    };
    inputs_.worldView = Multiply(transform(D3DTS_WORLD), transform(D3DTS_VIEW));
    D3DMATRIX projection = transform(D3DTS_PROJECTION);
    std::copy(&projection.m[0][0], &projection.m[0][0] + 16, inputs_.projection.begin());
    inputs_.normalMatrix = NormalMatrix(inputs_.worldView);
    transformsChanged_ = false;
}

void Device::UpdateLightInputs() {
    if (!lightsChanged_ && !transformsChanged_) {
        return;
    }
    auto viewFound = transforms_.find(D3DTS_VIEW);
    const D3DMATRIX& view = viewFound == transforms_.end() ? kIdentity : viewFound->second;
    std::size_t count = std::min<std::size_t>(enabledLights_.size(), kMaxLights);
    for (std::size_t i = 0; i < count; ++i) {
        const D3DLIGHT9& light = lights_[enabledLights_[i]];
        // Only directional lights shine on faces; every light adds its ambient colour.
        auto towards = light.Type == D3DLIGHT_DIRECTIONAL
                           ? TowardsLightInView(light.Direction, view)
                           : std::array<float, 3>{};
        std::copy(towards.begin(), towards.end(), inputs_.lightDirection.begin() + 3 * i);
        auto put = [i](std::array<float, 4 * kMaxLights>& slots, const D3DCOLORVALUE& colour) {
            auto rgba = Rgba(colour);
            std::copy(rgba.begin(), rgba.end(), slots.begin() + std::ptrdiff_t(4 * i));
        };
        put(inputs_.lightDiffuse, light.Diffuse);
        put(inputs_.lightSpecular, light.Specular);
        put(inputs_.lightAmbient, light.Ambient);
    }
    lightsChanged_ = false;
}

void Device::UpdateMaterialInputs() {
    inputs_.matDiffuse = Rgba(material_.Diffuse);
    inputs_.matAmbient = Rgba(material_.Ambient);
    inputs_.matSpecular = Rgba(material_.Specular);
    inputs_.matEmissive = Rgba(material_.Emissive);
    inputs_.matPower = material_.Power;
    inputs_.globalAmbient = Rgba(D3DCOLOR(Rs(D3DRS_AMBIENT)));
    inputs_.alphaRef = float(Rs(D3DRS_ALPHAREF) & 0xFF);
}

void Device::ApplyTexture() {
    gl_.BindTexture(textures_[0] ? textures_[0]->Name() : 0);
    const auto& states = samplerStates_[0];
    std::array<GLint, 4> wanted{GlWrap(states[D3DSAMP_ADDRESSU]), GlWrap(states[D3DSAMP_ADDRESSV]),
                                GlMinFilter(states[D3DSAMP_MINFILTER], states[D3DSAMP_MIPFILTER]),
                                Smooth(states[D3DSAMP_MAGFILTER]) ? GL_LINEAR : GL_NEAREST};
    constexpr GLenum kParameters[] = {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T, GL_TEXTURE_MIN_FILTER,
                                      GL_TEXTURE_MAG_FILTER};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!appliedSampler_.known || appliedSampler_.values[i] != wanted[i]) {
            gl_.Call(glSamplerParameteri, sampler_, kParameters[i], wanted[i]);
            appliedSampler_.values[i] = wanted[i];
        }
    }
    appliedSampler_.known = true;
}

void Device::ApplyVertexInput(const VertexLayout& layout) {
    const Stream& stream = streams_[0];
    AppliedInput wanted{stream.buffer->Storage().Name(), stream.offset, stream.stride, fvf_};
    if (inputApplied_ && wanted == appliedInput_) {
        return;
    }
    gl_.BindArrayBuffer(wanted.buffer);
    for (GLuint location = 0; location < kAttributeCount; ++location) {
        const VertexAttribute& attribute = layout.attributes[location];
        gl_.EnableAttribute(location, attribute.present);
        if (attribute.present) {
            auto start =
                reinterpret_cast<const void*>(std::uintptr_t{stream.offset} + attribute.offset);
            gl_.Call(glVertexAttribPointer, location, attribute.size, attribute.type,
                     attribute.normalized, GLsizei(stream.stride), start);
        }
    }
    appliedInput_ = wanted;
    inputApplied_ = true;
}

} // namespace d3d9gl::detail
