// Every GL call of the device goes through here: state that is already set is not set again,
// and each call that reaches GL is counted, so tests can see that nothing redundant is sent.
#pragma once

#include <epoxy/gl.h>

#include <array>
#include <cstdint>
#include <utility>

namespace d3d9gl::detail {

struct GlRect {
    GLint x, y;
    GLsizei width, height;
    bool operator==(const GlRect&) const = default;
};

class GlState {
public:
    std::uint64_t Calls() const { return calls_; }

    // A GL call with nothing to cache (draws, uploads, queries). Without a context (the
    // window has gone) nothing is called and a result reads as zero.
    template <class F, class... Args> auto Call(F&& function, Args&&... args) {
        using Result = decltype(function(std::forward<Args>(args)...));
        if (!live_) {
            return Result();
        }
        ++calls_;
        return function(std::forward<Args>(args)...);
    }

    // Whether the device's context is current, so that GL may be called.
    void SetLive(bool live) { live_ = live; }

    // Capabilities the device switches: GL_DEPTH_TEST, GL_CULL_FACE, GL_BLEND, GL_SCISSOR_TEST.
    void Enable(GLenum capability, bool on);
    void DepthMask(bool on);
    void DepthFunc(GLenum function);
    void CullFace(GLenum face);
    void BlendFunc(GLenum source, GLenum destination);
    void PolygonMode(GLenum mode);
    void Viewport(const GlRect& rect);
    void Scissor(const GlRect& rect);
    void DepthRange(float nearZ, float farZ);
    void ClearColor(const std::array<float, 4>& colour);
    void ClearDepth(float depth);
    void ClearStencil(GLint stencil);

    void UseProgram(GLuint program);
    void BindArrayBuffer(GLuint buffer);
    void BindElementBuffer(GLuint buffer); // state of the device's one vertex array
    void BindTexture(GLuint texture);      // unit 0, the only one used
    void BindSampler(GLuint sampler);
    void BindDrawFramebuffer(GLuint framebuffer);
    void BindReadFramebuffer(GLuint framebuffer);
    void EnableAttribute(GLuint index, bool on);

    // GL unbinds a deleted object from everything it was bound to; so does the cache.
    void ForgetBuffer(GLuint buffer);
    void ForgetTexture(GLuint texture);

private:
    struct Capability {
        GLenum name;
        bool on;
    };

    std::uint64_t calls_ = 0;
    bool live_ = true;
    std::array<Capability, 4> capabilities_{{{GL_DEPTH_TEST, false},
                                             {GL_CULL_FACE, false},
                                             {GL_BLEND, false},
                                             {GL_SCISSOR_TEST, false}}};
    bool depthMask_ = true;
    GLenum depthFunc_ = GL_LESS;
    GLenum cullFace_ = GL_BACK;
    std::pair<GLenum, GLenum> blend_{GL_ONE, GL_ZERO};
    GLenum polygonMode_ = GL_FILL;
    GlRect viewport_{-1, -1, -1, -1}; // unknown until first set
    GlRect scissor_{-1, -1, -1, -1};
    std::pair<float, float> depthRange_{0.0f, 1.0f};
    std::array<float, 4> clearColour_{0, 0, 0, 0};
    float clearDepth_ = 1.0f;
    GLint clearStencil_ = 0;
    GLuint program_ = 0;
    GLuint arrayBuffer_ = 0;
    GLuint elementBuffer_ = 0;
    GLuint texture_ = 0;
    GLuint sampler_ = 0;
    GLuint drawFramebuffer_ = 0;
    GLuint readFramebuffer_ = 0;
    std::uint32_t enabledAttributes_ = 0;
};

} // namespace d3d9gl::detail
