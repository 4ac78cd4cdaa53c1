// A window of our own, the OpenGL Direct3D device on it, and helpers to draw simple geometry
// and read back what landed in the back buffer.
#pragma once

#include <d3d9.h>
#include <d3d9_gl.h>
#include <d3dx9math.h>
#include <gtest/gtest.h>
#include <SDL.h>
#include <sdl_window.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace gltest {

constexpr int kWindowWidth = 64;
constexpr int kWindowHeight = 48;
constexpr int kTolerance = 2; // per channel, out of 255

struct Rgb {
    int r, g, b;
};

inline Rgb RgbOf(D3DCOLOR pixel) {
    return {int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF)};
}

// A colour worked out in 0..1, as the 0..255 value GL stores.
inline Rgb Expected(float r, float g, float b) {
    auto channel = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return {channel(r), channel(g), channel(b)};
}

inline ::testing::AssertionResult Near(Rgb actual, Rgb expected) {
    if (std::abs(actual.r - expected.r) <= kTolerance &&
        std::abs(actual.g - expected.g) <= kTolerance &&
        std::abs(actual.b - expected.b) <= kTolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got (" << actual.r << ", " << actual.g << ", " << actual.b << "), expected ("
           << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

struct PositionNormal {
    float x, y, z;
    float nx, ny, nz;
};
struct PositionNormalTex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
struct PositionColour {
    float x, y, z;
    D3DCOLOR colour;
};
struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};

class GlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        // A window whose own framebuffer has the depth and stencil the device needs, so
        // that it draws there directly (other sizes and multisampling draw into a
        // framebuffer of the device's own).
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        window_ = SDL_CreateWindow("gl device test", 0, 0, kWindowWidth, kWindowHeight,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        hwnd_ = win32sdl::AdoptSdlWindow(window_);
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d_, nullptr);
    }

    void TearDown() override {
        ReleaseBuffers();
        if (device_) {
            device_->Release();
        }
        if (d3d_) {
            d3d_->Release();
        }
        win32sdl::ForgetSdlWindow(hwnd_);
        if (window_) {
            SDL_DestroyWindow(window_);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The presentation parameters of a windowed build, back buffer 0 x 0.
    D3DPRESENT_PARAMETERS WindowedParams() const {
        D3DPRESENT_PARAMETERS params{};
        params.BackBufferFormat = D3DFMT_A8R8G8B8;
        params.BackBufferCount = 1;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.hDeviceWindow = hwnd_;
        params.Windowed = TRUE;
        params.EnableAutoDepthStencil = TRUE;
        params.AutoDepthStencilFormat = D3DFMT_D24S8;
        params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
        return params;
    }

    // Makes the device (windowed unless `params` say otherwise) and starts a scene on a
    // cleared target with a camera at the origin looking along +z.
    void MakeDevice(D3DPRESENT_PARAMETERS params, D3DCOLOR clearColour = 0xFF000000) {
        ASSERT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd_,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_),
                  D3D_OK);
        params_ = params;
        D3DXMATRIX projection;
        D3DXMatrixPerspectiveFovLH(&projection, 3.1415927f / 3.0f,
                                   float(params.BackBufferWidth) / float(params.BackBufferHeight),
                                   0.5f, 1000.0f);
        ASSERT_EQ(device_->SetTransform(D3DTS_PROJECTION, &projection), D3D_OK);
        ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL,
                                 clearColour, 1.0f, 0),
                  D3D_OK);
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
    }
    void MakeDevice() { MakeDevice(WindowedParams()); }

    // A vertex buffer holding `vertices`, bound to stream 0 with its format.
    template <class Vertex>
    IDirect3DVertexBuffer9* Bind(const std::vector<Vertex>& vertices, DWORD fvf) {
        IDirect3DVertexBuffer9* buffer = nullptr;
        UINT bytes = UINT(vertices.size() * sizeof(Vertex));
        EXPECT_EQ(device_->CreateVertexBuffer(bytes, 0, fvf, D3DPOOL_MANAGED, &buffer, nullptr),
                  D3D_OK);
        if (!buffer) {
            return nullptr;
        }
        void* data = nullptr;
        EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK);
        std::memcpy(data, vertices.data(), bytes);
        EXPECT_EQ(buffer->Unlock(), D3D_OK);
        EXPECT_EQ(device_->SetStreamSource(0, buffer, 0, sizeof(Vertex)), D3D_OK);
        EXPECT_EQ(device_->SetFVF(fvf), D3D_OK);
        buffers_.push_back(buffer);
        return buffer;
    }

    // Sets the material and makes `light` light 0, enabled.
    void Light(const D3DMATERIAL9& material, const D3DLIGHT9& light) {
        ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
        ASSERT_EQ(device_->SetLight(0, &light), D3D_OK);
        ASSERT_EQ(device_->LightEnable(0, TRUE), D3D_OK);
    }

    Rgb RgbAt(int x, int y) {
        auto pixels = d3d9gl::ReadBackBuffer(device_, RECT{x, y, x + 1, y + 1});
        EXPECT_EQ(pixels.size(), 1u);
        return RgbOf(pixels.empty() ? 0 : pixels[0]);
    }
    Rgb Centre() {
        return RgbAt(int(params_.BackBufferWidth) / 2, int(params_.BackBufferHeight) / 2);
    }

    void ReleaseBuffers() {
        for (auto* buffer : buffers_) {
            buffer->Release();
        }
        buffers_.clear();
    }

    SDL_Window* window_ = nullptr;
    HWND hwnd_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    D3DPRESENT_PARAMETERS params_{};
    std::vector<IDirect3DVertexBuffer9*> buffers_;
};

// Two clockwise triangles (as seen from the origin) covering x, y in -s..s at depth z,
// facing the camera.
inline std::vector<PositionNormal> FacingQuad(float s, float z) {
    PositionNormal a{-s, -s, z, 0, 0, -1}, b{-s, s, z, 0, 0, -1}, c{s, s, z, 0, 0, -1},
        d{s, -s, z, 0, 0, -1};
    return {a, b, c, a, c, d};
}

// The same quad with every vertex in `colour` instead of a normal.
inline std::vector<PositionColour> ColouredQuad(float s, float z, D3DCOLOR colour) {
    std::vector<PositionColour> quad;
    for (const PositionNormal& v : FacingQuad(s, z)) {
        quad.push_back({v.x, v.y, v.z, colour});
    }
    return quad;
}

// The grid's material: black in every part.
inline D3DMATERIAL9 BlackMaterial() {
    D3DMATERIAL9 black{};
    black.Diffuse = black.Ambient = black.Specular = black.Emissive = {0, 0, 0, 1};
    black.Power = 1;
    return black;
}

inline D3DLIGHT9 DirectionalLight(D3DVECTOR direction, D3DCOLORVALUE diffuse,
                                  D3DCOLORVALUE specular, D3DCOLORVALUE ambient) {
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = diffuse;
    light.Specular = specular;
    light.Ambient = ambient;
    light.Direction = direction;
    return light;
}

} // namespace gltest
