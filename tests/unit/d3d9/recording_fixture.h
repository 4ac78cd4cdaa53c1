// Shared set-up for the recording device tests: a fresh log, and a device made the way the
// game makes one (windowed, 0 x 0 back buffer, D16 depth, hardware vertex processing).
#pragma once

#include <d3d9_recording.h>

#include <gtest/gtest.h>

namespace d3d9rec::testing {

inline HWND FakeWindow() {
    return reinterpret_cast<HWND>(std::uintptr_t{0x1234});
}

inline D3DPRESENT_PARAMETERS WindowedParameters() {
    D3DPRESENT_PARAMETERS params{};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return params;
}

// CreateDevice on the default adapter with the fake window as focus.
inline HRESULT CreateDeviceOn(IDirect3D9* d3d, D3DPRESENT_PARAMETERS& params,
                              IDirect3DDevice9** device,
                              DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING,
                              HWND focus = FakeWindow()) {
    return d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, focus, flags, &params, device);
}

struct Position {
    float x, y, z;
    bool operator==(const Position&) const = default;
};

class RecordingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        ASSERT_EQ(CreateDeviceOn(d3d, params, &device), D3D_OK);
        ClearLog();
    }

    void TearDown() override {
        if (device) {
            device->Release();
        }
        if (d3d) {
            d3d->Release();
        }
        EXPECT_EQ(LiveObjects(), 0u) << "a test leaked recording objects";
        Reset();
    }

    // A second device made with `params` (the fixture's kind by default).
    IDirect3DDevice9* OtherDevice(D3DPRESENT_PARAMETERS params = WindowedParameters()) {
        IDirect3DDevice9* other = nullptr;
        EXPECT_EQ(CreateDeviceOn(d3d, params, &other), D3D_OK);
        return other;
    }

    // A managed texture with `levels` levels (0: the full chain).
    IDirect3DTexture9* MakeTexture(UINT width, UINT height, UINT levels = 1,
                                   D3DFORMAT format = D3DFMT_A8R8G8B8) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(device->CreateTexture(width, height, levels, 0, format, D3DPOOL_MANAGED, &texture,
                                        nullptr),
                  D3D_OK);
        return texture;
    }

    // A vertex buffer of positions filled with `points`.
    IDirect3DVertexBuffer9* MakePositions(const std::vector<Position>& points) {
        IDirect3DVertexBuffer9* buffer = nullptr;
        UINT bytes = static_cast<UINT>(points.size() * sizeof(Position));
        EXPECT_EQ(device->CreateVertexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFVF_XYZ, D3DPOOL_MANAGED,
                                             &buffer, nullptr),
                  D3D_OK);
        Fill(buffer, points.data(), bytes);
        return buffer;
    }

    // A 16-bit index buffer filled with `indices`.
    IDirect3DIndexBuffer9* MakeIndices(const std::vector<WORD>& indices) {
        IDirect3DIndexBuffer9* buffer = nullptr;
        UINT bytes = static_cast<UINT>(indices.size() * sizeof(WORD));
        EXPECT_EQ(device->CreateIndexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                            D3DPOOL_MANAGED, &buffer, nullptr),
                  D3D_OK);
        Fill(buffer, indices.data(), bytes);
        return buffer;
    }

    // Binds positions on stream 0 with their FVF.
    void BindPositions(IDirect3DVertexBuffer9* buffer) {
        ASSERT_EQ(device->SetFVF(D3DFVF_XYZ), D3D_OK);
        ASSERT_EQ(device->SetStreamSource(0, buffer, 0, sizeof(Position)), D3D_OK);
    }

    // Writes `bytes` bytes at the start of a vertex or index buffer.
    template <class Buffer> static void Fill(Buffer* buffer, const void* data, UINT bytes) {
        void* locked = nullptr;
        ASSERT_EQ(buffer->Lock(0, 0, &locked, 0), D3D_OK);
        std::memcpy(locked, data, bytes);
        ASSERT_EQ(buffer->Unlock(), D3D_OK);
    }

    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

} // namespace d3d9rec::testing
