#include "gl_state.h"

namespace d3d9gl::detail {
namespace {

// Sets `cached` to `wanted` and reports whether it changed.
template <class T> bool Change(T& cached, const T& wanted) {
    if (cached == wanted) {
        return false;
    }
    cached = wanted;
    return true;
}

} // namespace

void GlState::Enable(GLenum capability, bool on) {
    for (Capability& known : capabilities_) {
        if (known.name == capability) {
            if (Change(known.on, on)) {
                Call(on ? glEnable : glDisable, capability);
            }
            return;
        }
    }
}

void GlState::DepthMask(bool on) {
    if (Change(depthMask_, on)) {
        Call(glDepthMask, on ? GL_TRUE : GL_FALSE);
    }
}

void GlState::DepthFunc(GLenum function) {
    if (Change(depthFunc_, function)) {
        Call(glDepthFunc, function);
    }
}

void GlState::CullFace(GLenum face) {
    if (Change(cullFace_, face)) {
        Call(glCullFace, face);
    }
}

void GlState::BlendFunc(GLenum source, GLenum destination) {
    if (Change(blend_, {source, destination})) {
        Call(glBlendFunc, source, destination);
    }
}

void GlState::PolygonMode(GLenum mode) {
    if (Change(polygonMode_, mode)) {
        Call(glPolygonMode, GL_FRONT_AND_BACK, mode);
    }
}

void GlState::Viewport(const GlRect& rect) {
    if (Change(viewport_, rect)) {
        Call(glViewport, rect.x, rect.y, rect.width, rect.height);
    }
}

void GlState::Scissor(const GlRect& rect) {
    if (Change(scissor_, rect)) {
        Call(glScissor, rect.x, rect.y, rect.width, rect.height);
    }
}

void GlState::DepthRange(float nearZ, float farZ) {
    if (Change(depthRange_, {nearZ, farZ})) {
        Call(glDepthRange, nearZ, farZ);
    }
}

void GlState::ClearColor(const std::array<float, 4>& colour) {
    if (Change(clearColour_, colour)) {
        Call(glClearColor, colour[0], colour[1], colour[2], colour[3]);
    }
}

void GlState::ClearDepth(float depth) {
    if (Change(clearDepth_, depth)) {
        Call(glClearDepth, depth);
    }
}

void GlState::ClearStencil(GLint stencil) {
    if (Change(clearStencil_, stencil)) {
        Call(glClearStencil, stencil);
    }
}

void GlState::UseProgram(GLuint program) {
    if (Change(program_, program)) {
        Call(glUseProgram, program);
    }
}

void GlState::BindArrayBuffer(GLuint buffer) {
    if (Change(arrayBuffer_, buffer)) {
        Call(glBindBuffer, GL_ARRAY_BUFFER, buffer);
    }
}

void GlState::BindElementBuffer(GLuint buffer) {
    if (Change(elementBuffer_, buffer)) {
        Call(glBindBuffer, GL_ELEMENT_ARRAY_BUFFER, buffer);
    }
}

void GlState::BindTexture(GLuint texture) {
    if (Change(texture_, texture)) {
        Call(glBindTexture, GL_TEXTURE_2D, texture);
    }
}

void GlState::BindSampler(GLuint sampler) {
    if (Change(sampler_, sampler)) {
        Call(glBindSampler, 0, sampler);
    }
}

void GlState::BindDrawFramebuffer(GLuint framebuffer) {
    if (Change(drawFramebuffer_, framebuffer)) {
        Call(glBindFramebuffer, GL_DRAW_FRAMEBUFFER, framebuffer);
    }
}

void GlState::BindReadFramebuffer(GLuint framebuffer) {
    if (Change(readFramebuffer_, framebuffer)) {
        Call(glBindFramebuffer, GL_READ_FRAMEBUFFER, framebuffer);
    }
}

void GlState::EnableAttribute(GLuint index, bool on) {
    std::uint32_t bit = 1u << index;
    if (((enabledAttributes_ & bit) != 0) == on) {
        return;
    }
    enabledAttributes_ ^= bit;
    Call(on ? glEnableVertexAttribArray : glDisableVertexAttribArray, index);
}

void GlState::ForgetBuffer(GLuint buffer) {
    if (arrayBuffer_ == buffer) {
        arrayBuffer_ = 0;
    }
    if (elementBuffer_ == buffer) {
        elementBuffer_ = 0;
    }
}

void GlState::ForgetTexture(GLuint texture) {
    if (texture_ == texture) {
        texture_ = 0;
    }
}

} // namespace d3d9gl::detail
