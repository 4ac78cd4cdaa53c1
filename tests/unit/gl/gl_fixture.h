// A window of our own, the OpenGL Direct3D device on it, and helpers to draw simple geometry
// and read back what landed in the back buffer.
#pragma once

#include <d3d9.h>
#include <d3d9_gl.h>
#include <d3dx9math.h>
#include <gtest/gtest.h>
#include <SDL.h>
#include <sdl_window.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace gltest {

constexpr int kWidth = 64, kHeight = 48;
constexpr D3DCOLOR kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A colour worked out in 0..1, as the 0..255 value GL stores.
inline D3DCOLOR Expected(float r, float g, float b) {
    auto channel = [](float v) { return DWORD(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    return channel(r) << 16 | channel(g) << 8 | channel(b);
}
// Each channel within 2 of 255.
inline ::testing::AssertionResult Near(D3DCOLOR actual, D3DCOLOR expected) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 2) {
            return ::testing::AssertionFailure() << std::hex << actual << " for " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

using PositionNormal = std::array<float, 6>; // position, normal
struct PositionColour {
    float x, y, z;
    D3DCOLOR colour;
};
constexpr DWORD kNormalFvf = D3DFVF_XYZ | D3DFVF_NORMAL, kColourFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;

// Two clockwise triangles (as seen from the origin) covering x, y in -s..s at depth z.
inline std::vector<PositionNormal> FacingQuad(float s, float z) {
    PositionNormal a{-s, -s, z, 0, 0, -1}, b{-s, s, z, 0, 0, -1}, c{s, s, z, 0, 0, -1},
        d{s, -s, z, 0, 0, -1};
    return {a, b, c, a, c, d};
}
inline std::vector<PositionColour> ColouredQuad(float s, float z, D3DCOLOR c) {
    PositionColour a{-s, -s, z, c}, b{-s, s, z, c}, d{s, s, z, c}, e{s, -s, z, c};
    return {a, b, d, a, d, e};
}

class GlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        window_ =
            SDL_CreateWindow("gl", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        hwnd_ = win32sdl::AdoptSdlWindow(window_);
        ASSERT_NE(d3d_ = Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    }
    void TearDown() override {
        for (IUnknown* object : std::initializer_list<IUnknown*>{buffer_, device_, d3d_}) {
            if (object) {
                object->Release();
            }
        }
        win32sdl::ForgetSdlWindow(hwnd_);
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // A windowed build's parameters: back buffer 0 x 0 (and count 0), D24S8 depth.
    D3DPRESENT_PARAMETERS WindowedParams() const {
        D3DPRESENT_PARAMETERS params{};
        params.BackBufferFormat = D3DFMT_A8R8G8B8;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.hDeviceWindow = hwnd_;
        params.Windowed = params.EnableAutoDepthStencil = TRUE;
        params.AutoDepthStencilFormat = D3DFMT_D24S8;
        params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
        return params;
    }

    // Makes the device and starts a scene on a cleared target, the camera at the origin
    // looking along +z, lighting off.
    void MakeDevice(D3DPRESENT_PARAMETERS params, D3DCOLOR clear = 0) {
        ASSERT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd_,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_),
                  D3D_OK);
        params_ = params;
        D3DXMATRIX projection;
        D3DXMatrixPerspectiveFovLH(&projection, 3.1415927f / 3.0f, 4.0f / 3.0f, 0.5f, 1000.0f);
        ASSERT_EQ(device_->SetTransform(D3DTS_PROJECTION, &projection), D3D_OK);
        ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, clear, 1, 0),
                  D3D_OK);
        States({{D3DRS_LIGHTING, FALSE}});
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
    }
    void MakeDevice() { MakeDevice(WindowedParams()); }

    // A vertex buffer (buffer_, replacing the last) holding `vertices`, bound to stream 0.
    template <class Vertex> void Bind(const std::vector<Vertex>& vertices, DWORD fvf) {
        IDirect3DVertexBuffer9* buffer = nullptr;
        const UINT bytes = UINT(vertices.size() * sizeof(Vertex));
        ASSERT_EQ(device_->CreateVertexBuffer(bytes, 0, fvf, D3DPOOL_MANAGED, &buffer, nullptr),
                  D3D_OK);
        if (buffer_) {
            buffer_->Release();
        }
        buffer_ = buffer;
        void* data = nullptr;
        ASSERT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK);
        std::memcpy(data, vertices.data(), bytes);
        ASSERT_EQ(buffer->Unlock(), D3D_OK);
        ASSERT_EQ(device_->SetStreamSource(0, buffer, 0, sizeof(Vertex)), D3D_OK);
        ASSERT_EQ(device_->SetFVF(fvf), D3D_OK);
    }

    // Lighting on, this material, and a directional light of these colours as light 0.
    void Light(const D3DMATERIAL9& material, D3DVECTOR direction, D3DCOLORVALUE diffuse,
               D3DCOLORVALUE specular = {}, D3DCOLORVALUE ambient = {}) {
        D3DLIGHT9 light{
            D3DLIGHT_DIRECTIONAL, diffuse, specular, ambient, {}, direction, 0, 0, 0, 0, 0, 0, 0};
        States({{D3DRS_LIGHTING, TRUE}});
        ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
        ASSERT_EQ(device_->SetLight(0, &light), D3D_OK);
        ASSERT_EQ(device_->LightEnable(0, TRUE), D3D_OK);
    }

    void States(std::initializer_list<std::pair<D3DRENDERSTATETYPE, DWORD>> states) {
        for (auto [state, value] : states) {
            ASSERT_EQ(device_->SetRenderState(state, value), D3D_OK) << state;
        }
    }
    void Draw(UINT triangles = 2, UINT first = 0) {
        ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, first, triangles), D3D_OK);
    }
    // The pixel's colour without its alpha.
    D3DCOLOR At(int x, int y) {
        auto pixels = d3d9gl::ReadBackBuffer(device_, RECT{x, y, x + 1, y + 1});
        EXPECT_EQ(pixels.size(), 1u);
        return pixels.empty() ? 0xDEADBEEF : pixels[0] & 0xFFFFFF;
    }
    // Draws the two triangles bound and gives the pixel in the middle.
    D3DCOLOR DrawnCentre() {
        Draw();
        return At(int(params_.BackBufferWidth) / 2, int(params_.BackBufferHeight) / 2);
    }

    SDL_Window* window_ = nullptr;
    HWND hwnd_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    D3DPRESENT_PARAMETERS params_{};
    IDirect3DVertexBuffer9* buffer_ = nullptr; // the last one bound
};

} // namespace gltest
