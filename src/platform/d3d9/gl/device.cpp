#include "device.h"

#include "buffers.h"
#include "direct3d.h"
#include "fixed_function.h"
#include "present_parameters.h"
#include "sdl_window.h"
#include "texture.h"

#include <algorithm>
#include <cstdint>

namespace d3d9gl::detail {

Device* Device::Create(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params, HWND hwnd,
                       SDL_Window* window, SDL_GLContext context) {
    auto* device = new Device(direct3d, params, hwnd, window, context);
    if (!device->shaders_->Find(ShaderKey{}) || !device->backBuffer_->Valid()) {
        device->Release();
        return nullptr;
    }
    return device;
}

Device::Device(Direct3D* direct3d, const D3DPRESENT_PARAMETERS& params, HWND hwnd,
               SDL_Window* window, SDL_GLContext context)
    : RefCounted(direct3d), direct3d_(direct3d), params_(params), hwnd_(hwnd), window_(window),
      context_(context), viewport_{0, 0, params.BackBufferWidth, params.BackBufferHeight, 0, 1} {
    SDL_GL_SetSwapInterval(params.PresentationInterval == D3DPRESENT_INTERVAL_IMMEDIATE ? 0 : 1);
    shaders_ = std::make_unique<ShaderCache>(gl_);
    int samples = params.MultiSampleType >= D3DMULTISAMPLE_2_SAMPLES ? params.MultiSampleType : 0;
    backBuffer_ = std::make_unique<BackBuffer>(gl_, window, params.BackBufferWidth,
                                               params.BackBufferHeight, samples, params.Windowed);
    gl_.Call(glGenVertexArrays, 1, &vertexArray_);
    gl_.Call(glBindVertexArray, vertexArray_);
    gl_.Call(glGenSamplers, 1, &sampler_);
    gl_.BindSampler(sampler_);
    // Faces that are clockwise on screen are the platform's front faces.
    gl_.Call(glFrontFace, GL_CW);
    // Rows of textures with three-byte or two-byte texels need not be 4-byte aligned, sent
    // or read back.
    gl_.Call(glPixelStorei, GL_UNPACK_ALIGNMENT, 1);
    gl_.Call(glPixelStorei, GL_PACK_ALIGNMENT, 1);
    // The platform's pixel centres lie on whole coordinates, GL's half a pixel further on:
    // shift by just under half a pixel so that edges through pixel centres fall the same way.
    constexpr float kJustUnderHalf = 63.0f / 64.0f;
    inputs_.pixelShift = {kJustUnderHalf / float(params.BackBufferWidth),
                          -kJustUnderHalf / float(params.BackBufferHeight)};
    ResetStates();
}

Device::~Device() {
    Gl();
    for (Texture*& texture : textures_) {
        d3d9common::Rebind<Texture>(texture, nullptr);
    }
    for (Stream& stream : streams_) {
        d3d9common::Rebind<VertexBuffer>(stream.buffer, nullptr);
    }
    d3d9common::Rebind<IndexBuffer>(indices_, nullptr);
    shaders_.reset();
    backBuffer_.reset();
    gl_.Call(glDeleteSamplers, 1, &sampler_);
    gl_.Call(glDeleteVertexArrays, 1, &vertexArray_);
    if (WindowAlive()) {
        SDL_GL_MakeCurrent(window_, nullptr);
        if (!params_.Windowed) {
            SDL_SetWindowFullscreen(window_, 0);
        }
    }
    SDL_GL_DeleteContext(context_);
}

bool Device::WindowAlive() const {
    return win32sdl::SdlWindowOf(hwnd_) == window_;
}

GlState& Device::Gl() {
    // A window destroyed before its device takes the context's objects with it.
    if (SDL_GL_GetCurrentContext() != context_) {
        gl_.SetLive(WindowAlive() && SDL_GL_MakeCurrent(window_, context_) == 0);
    }
    return gl_;
}

void Device::ForgetBuffer(GLuint buffer) {
    Gl().ForgetBuffer(buffer);
    if (appliedInput_.buffer == buffer) {
        inputApplied_ = false;
    }
}

void Device::ForgetTexture(GLuint texture) {
    Gl().ForgetTexture(texture);
}

HRESULT Device::GetDirect3D(IDirect3D9** direct3d) {
    if (!direct3d) {
        return D3DERR_INVALIDCALL;
    }
    direct3d_->AddRef();
    *direct3d = direct3d_;
    return D3D_OK;
}

HRESULT Device::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                      DWORD stencil) {
    constexpr DWORD kAllClearFlags = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    bool hasDepth = params_.EnableAutoDepthStencil;
    bool badDepth = (flags & D3DCLEAR_ZBUFFER) && (!hasDepth || !(z >= 0.0f && z <= 1.0f));
    bool badStencil = (flags & D3DCLEAR_STENCIL) &&
                      !(hasDepth && d3d9common::HasStencil(params_.AutoDepthStencilFormat));
    if ((count > 0 && !rects) || flags == 0 || (flags & ~kAllClearFlags) || badDepth ||
        badStencil) {
        return D3DERR_INVALIDCALL;
    }
    GlState& gl = Gl();
    GLbitfield mask = 0;
    if (flags & D3DCLEAR_TARGET) {
        gl.ClearColor(Rgba(color));
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        gl.ClearDepth(z);
        gl.DepthMask(true); // GL clears only what may be written
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_STENCIL) {
        gl.ClearStencil(GLint(stencil & 0xFF));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    // The platform clears the viewport, or the parts of the given rectangles inside it.
    LONG left = LONG(viewport_.X), top = LONG(viewport_.Y);
    LONG right = LONG(viewport_.X + viewport_.Width), bottom = LONG(viewport_.Y + viewport_.Height);
    bool whole = count == 0 && left == 0 && top == 0 && UINT(right) == params_.BackBufferWidth &&
                 UINT(bottom) == params_.BackBufferHeight;
    gl.BindDrawFramebuffer(backBuffer_->Framebuffer());
    gl.Enable(GL_SCISSOR_TEST, !whole);
    auto clearArea = [&](const D3DRECT& asked) {
        D3DRECT area{std::max(asked.x1, left), std::max(asked.y1, top), std::min(asked.x2, right),
                     std::min(asked.y2, bottom)};
        if (area.x1 >= area.x2 || area.y1 >= area.y2) {
            return;
        }
        if (!whole) {
            // GL counts rows from the bottom.
            gl.Scissor({area.x1, GLint(params_.BackBufferHeight) - area.y2, area.x2 - area.x1,
                        area.y2 - area.y1});
        }
        gl.Call(glClear, mask);
    };
    if (count == 0) {
        clearArea({left, top, right, bottom});
    }
    for (DWORD i = 0; i < count; ++i) {
        clearArea(rects[i]);
    }
    return D3D_OK;
}

HRESULT Device::Present(const RECT* sourceRect, const RECT* destRect, HWND, const RGNDATA*) {
    // Only a copying swap chain may present part of the back buffer.
    if ((sourceRect || destRect) && params_.SwapEffect != D3DSWAPEFFECT_COPY) {
        return D3DERR_INVALIDCALL;
    }
    if (!WindowAlive()) {
        return D3DERR_DEVICELOST;
    }
    Gl();
    backBuffer_->Present();
    return D3D_OK;
}

HRESULT Device::BeginScene() {
    if (inScene_) {
        return D3DERR_INVALIDCALL;
    }
    inScene_ = true;
    return D3D_OK;
}

HRESULT Device::EndScene() {
    if (!inScene_) {
        return D3DERR_INVALIDCALL;
    }
    inScene_ = false;
    return D3D_OK;
}

HRESULT Device::SetViewport(const D3DVIEWPORT9* viewport) {
    // The viewport must lie inside the back buffer.
    if (!viewport || std::uint64_t{viewport->X} + viewport->Width > params_.BackBufferWidth ||
        std::uint64_t{viewport->Y} + viewport->Height > params_.BackBufferHeight) {
        return D3DERR_INVALIDCALL;
    }
    viewport_ = *viewport;
    return D3D_OK;
}

HRESULT Device::GetViewport(D3DVIEWPORT9* viewport) {
    if (!viewport) {
        return D3DERR_INVALIDCALL;
    }
    *viewport = viewport_;
    return D3D_OK;
}

std::vector<D3DCOLOR> Device::ReadBackBuffer(const RECT& area) {
    if (area.left < 0 || area.top < 0 || area.left >= area.right || area.top >= area.bottom ||
        UINT(area.right) > params_.BackBufferWidth ||
        UINT(area.bottom) > params_.BackBufferHeight) {
        return {};
    }
    Gl();
    return backBuffer_->Read(area);
}

} // namespace d3d9gl::detail
