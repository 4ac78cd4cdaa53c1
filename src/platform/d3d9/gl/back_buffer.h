// The framebuffer a device draws into: the window's own when it already is what the
// presentation parameters ask for, otherwise renderbuffers of the device's own (multisampled
// when asked) that Present copies into the window.
#pragma once

#include "gl_state.h"

#include <d3d9.h>
#include <SDL.h>

#include <vector>

namespace d3d9gl::detail {

class BackBuffer {
public:
    // `samples` 0 for none. The window's own framebuffer is used only when `windowFits` allows
    // it (a window going full screen changes size later, when the window system gets to it).
    // Valid() tells whether GL could make what was asked.
    BackBuffer(GlState& gl, SDL_Window* window, UINT width, UINT height, int samples,
               bool windowFits);
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    bool Valid() const { return valid_; }
    GLuint Framebuffer() const { return framebuffer_; }
    int Samples() const { return samples_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }

    // Shows the frame: copies an own framebuffer into the window's, then swaps.
    void Present();
    // The pixels of `area` (inside the back buffer), rows from the top, as 0xAARRGGBB.
    std::vector<D3DCOLOR> Read(const RECT& area);

private:
    bool WindowFramebufferFits();
    bool MakeOwnFramebuffer();
    GLuint Resolved(); // a single-sampled copy of a multisampled framebuffer

    GlState& gl_;
    SDL_Window* window_;
    UINT width_;
    UINT height_;
    int samples_;
    bool valid_ = false;
    GLuint framebuffer_ = 0; // 0: the window's
    GLuint colour_ = 0;
    GLuint depthStencil_ = 0;
    GLuint resolveFramebuffer_ = 0;
    GLuint resolveColour_ = 0;
};

} // namespace d3d9gl::detail
