// Shared set-up for the recording device tests: a fresh log, and a device made the way the
// game makes one (windowed, 0 x 0 back buffer, D16 depth, hardware vertex processing).
#pragma once

#include <d3d9_recording.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace d3d9rec::testing {

using ::testing::ElementsAre;

inline HWND FakeWindow() {
    return reinterpret_cast<HWND>(std::uintptr_t{0x1234});
}

inline D3DPRESENT_PARAMETERS WindowedParameters() {
    D3DPRESENT_PARAMETERS params{};
    params.Windowed = params.EnableAutoDepthStencil = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return params;
}

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
        ASSERT_NE(d3d = Direct3DCreate9(D3D_SDK_VERSION), nullptr);
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        ASSERT_EQ(CreateDeviceOn(d3d, params, &device), D3D_OK);
        ClearLog();
    }
    void TearDown() override {
        for (IUnknown* object : std::initializer_list<IUnknown*>{device, d3d}) {
            if (object) {
                object->Release();
            }
        }
        EXPECT_EQ(LiveObjects(), 0u) << "a test leaked recording objects";
        Reset();
    }

    IDirect3DTexture9* MakeTexture(UINT width, UINT height) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                        &texture, nullptr),
                  D3D_OK);
        return texture;
    }
    // A vertex buffer of positions, or a 16-bit index buffer, holding `items`.
    IDirect3DVertexBuffer9* MakePositions(const std::vector<Position>& items) {
        IDirect3DVertexBuffer9* buffer = nullptr;
        EXPECT_EQ(device->CreateVertexBuffer(UINT(items.size() * 12), D3DUSAGE_WRITEONLY,
                                             D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer, nullptr),
                  D3D_OK);
        Fill(buffer, items);
        return buffer;
    }
    IDirect3DIndexBuffer9* MakeIndices(const std::vector<WORD>& items) {
        IDirect3DIndexBuffer9* buffer = nullptr;
        EXPECT_EQ(device->CreateIndexBuffer(UINT(items.size() * 2), D3DUSAGE_WRITEONLY,
                                            D3DFMT_INDEX16, D3DPOOL_MANAGED, &buffer, nullptr),
                  D3D_OK);
        Fill(buffer, items);
        return buffer;
    }
    template <class Buffer, class Item>
    static void Fill(Buffer* buffer, const std::vector<Item>& items) {
        void* locked = nullptr;
        ASSERT_EQ(buffer->Lock(0, 0, &locked, 0), D3D_OK);
        std::memcpy(locked, items.data(), items.size() * sizeof(Item));
        ASSERT_EQ(buffer->Unlock(), D3D_OK);
    }

    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

} // namespace d3d9rec::testing
