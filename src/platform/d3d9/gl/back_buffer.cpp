#include "back_buffer.h"

#include <algorithm>
#include <cstdint>

namespace d3d9gl::detail {
namespace {

constexpr GLint kDepthBits = 24;
constexpr GLint kStencilBits = 8;

GLuint MakeRenderbuffer(GlState& gl, GLenum format, int samples, UINT width, UINT height) {
    GLuint renderbuffer = 0;
    gl.Call(glGenRenderbuffers, 1, &renderbuffer);
    gl.Call(glBindRenderbuffer, GL_RENDERBUFFER, renderbuffer);
    gl.Call(glRenderbufferStorageMultisample, GL_RENDERBUFFER, samples, format, GLsizei(width),
            GLsizei(height));
    return renderbuffer;
}

} // namespace

BackBuffer::BackBuffer(GlState& gl, SDL_Window* window, UINT width, UINT height, int samples,
                       bool windowFits)
    : gl_(gl), window_(window), width_(width), height_(height), samples_(samples) {
    GLint maxSize = 0;
    gl_.Call(glGetIntegerv, GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    if (width == 0 || height == 0 || width > UINT(maxSize) || height > UINT(maxSize)) {
        return;
    }
    valid_ = (windowFits && samples == 0 && WindowFramebufferFits()) || MakeOwnFramebuffer();
}

BackBuffer::~BackBuffer() {
    GLuint framebuffers[] = {framebuffer_, resolveFramebuffer_};
    GLuint renderbuffers[] = {colour_, depthStencil_, resolveColour_};
    gl_.BindDrawFramebuffer(0);
    gl_.BindReadFramebuffer(0);
    gl_.Call(glDeleteFramebuffers, 2, framebuffers);
    gl_.Call(glDeleteRenderbuffers, 3, renderbuffers);
}

bool BackBuffer::WindowFramebufferFits() {
    int drawableWidth = 0, drawableHeight = 0;
    SDL_GL_GetDrawableSize(window_, &drawableWidth, &drawableHeight);
    if (UINT(drawableWidth) != width_ || UINT(drawableHeight) != height_) {
        return false;
    }
    GLint depth = 0, stencil = 0, samples = 0;
    gl_.BindDrawFramebuffer(0);
    gl_.Call(glGetFramebufferAttachmentParameteriv, GL_DRAW_FRAMEBUFFER, GL_DEPTH,
             GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depth);
    gl_.Call(glGetFramebufferAttachmentParameteriv, GL_DRAW_FRAMEBUFFER, GL_STENCIL,
             GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &stencil);
    gl_.Call(glGetIntegerv, GL_SAMPLES, &samples);
    return depth >= kDepthBits && stencil >= kStencilBits && samples == 0;
}

bool BackBuffer::MakeOwnFramebuffer() {
    colour_ = MakeRenderbuffer(gl_, GL_RGBA8, samples_, width_, height_);
    depthStencil_ = MakeRenderbuffer(gl_, GL_DEPTH24_STENCIL8, samples_, width_, height_);
    if (samples_ > 0) {
        // The driver may round the count up; report what it gave.
        gl_.Call(glGetRenderbufferParameteriv, GL_RENDERBUFFER, GL_RENDERBUFFER_SAMPLES, &samples_);
    }
    gl_.Call(glGenFramebuffers, 1, &framebuffer_);
    gl_.BindDrawFramebuffer(framebuffer_);
    gl_.Call(glFramebufferRenderbuffer, GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
             colour_);
    gl_.Call(glFramebufferRenderbuffer, GL_DRAW_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT,
             GL_RENDERBUFFER, depthStencil_);
    return gl_.Call(glCheckFramebufferStatus, GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

GLuint BackBuffer::Resolved() {
    if (samples_ == 0) {
        return framebuffer_;
    }
    if (!resolveFramebuffer_) {
        resolveColour_ = MakeRenderbuffer(gl_, GL_RGBA8, 0, width_, height_);
        gl_.Call(glGenFramebuffers, 1, &resolveFramebuffer_);
        gl_.BindDrawFramebuffer(resolveFramebuffer_);
        gl_.Call(glFramebufferRenderbuffer, GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                 GL_RENDERBUFFER, resolveColour_);
    }
    gl_.Enable(GL_SCISSOR_TEST, false);
    gl_.BindReadFramebuffer(framebuffer_);
    gl_.BindDrawFramebuffer(resolveFramebuffer_);
    GLint w = GLint(width_), h = GLint(height_);
    gl_.Call(glBlitFramebuffer, 0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl_.BindDrawFramebuffer(framebuffer_);
    return resolveFramebuffer_;
}

void BackBuffer::Present() {
    if (framebuffer_) {
        int drawableWidth = 0, drawableHeight = 0;
        SDL_GL_GetDrawableSize(window_, &drawableWidth, &drawableHeight);
        bool sameSize = UINT(drawableWidth) == width_ && UINT(drawableHeight) == height_;
        // A multisampled framebuffer resolves only into one of its own size.
        GLuint source = sameSize ? framebuffer_ : Resolved();
        gl_.Enable(GL_SCISSOR_TEST, false);
        gl_.BindReadFramebuffer(source);
        gl_.BindDrawFramebuffer(0);
        gl_.Call(glBlitFramebuffer, 0, 0, GLint(width_), GLint(height_), 0, 0, drawableWidth,
                 drawableHeight, GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    }
    gl_.Call(SDL_GL_SwapWindow, window_);
    gl_.BindDrawFramebuffer(framebuffer_);
}

std::vector<D3DCOLOR> BackBuffer::Read(const RECT& area) {
    GLsizei w = area.right - area.left, h = area.bottom - area.top;
    std::vector<D3DCOLOR> bottomUp(std::size_t(w) * std::size_t(h));
    gl_.BindReadFramebuffer(Resolved());
    // GL counts rows from the bottom; bytes B, G, R, A are 0xAARRGGBB in a little-endian word.
    gl_.Call(glReadPixels, GLint(area.left), GLint(height_) - area.bottom, w, h, GL_BGRA,
             GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<D3DCOLOR> topDown(bottomUp.size());
    for (GLsizei row = 0; row < h; ++row) {
        std::copy_n(bottomUp.begin() + std::ptrdiff_t(row) * w, w,
                    topDown.begin() + std::ptrdiff_t(h - 1 - row) * w);
    }
    return topDown;
}

} // namespace d3d9gl::detail
