// States start from the platform's defaults, and out-of-range ones are refused.
#include "recording_fixture.h"

#include <tuple>

namespace d3d9rec::testing {
namespace {

class DeviceStateTest : public RecordingTest {};

// The depth test starts on only when the device has an automatic depth buffer.
TEST_F(DeviceStateTest, DepthTestStartsOnWithADepthBufferOnly) {
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    params.EnableAutoDepthStencil = FALSE;
    IDirect3DDevice9* noDepth = OtherDevice(params);
    for (auto [on, expected] : {std::pair{device, D3DZB_TRUE}, std::pair{noDepth, D3DZB_FALSE}}) {
        DWORD value = 0xdeadbeef;
        ASSERT_EQ(on->GetRenderState(D3DRS_ZENABLE, &value), D3D_OK);
        EXPECT_EQ(value, DWORD(expected));
    }
    noDepth->Release();

    DWORD value = 7;
    EXPECT_EQ(device->SetRenderState(D3DRENDERSTATETYPE(210), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->GetRenderState(D3DRENDERSTATETYPE(5000), &value), D3DERR_INVALIDCALL);
    EXPECT_EQ(value, 7u);
}

TEST_F(DeviceStateTest, TransformsStartAsIdentity) {
    for (D3DTRANSFORMSTATETYPE state :
         {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION, D3DTS_TEXTURE0, D3DTS_WORLDMATRIX(255)}) {
        D3DMATRIX m{};
        ASSERT_EQ(device->GetTransform(state, &m), D3D_OK);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(m.m[i / 4][i % 4], i % 5 == 0 ? 1.0f : 0.0f) << state << " " << i;
        }
    }
    D3DMATRIX view{};
    EXPECT_EQ(device->SetTransform(D3DTRANSFORMSTATETYPE(512), &view), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTransform(D3DTS_WORLD, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStateTest, ViewportStartsAsTheWholeBackBufferAndMustStayInsideIt) {
    D3DVIEWPORT9 viewport{};
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(std::make_tuple(viewport.X, viewport.Y, viewport.Width, viewport.Height,
                              viewport.MinZ, viewport.MaxZ),
              std::make_tuple(0u, 0u, 1016u, 741u, 0.0f, 1.0f));

    D3DVIEWPORT9 corner{16, 41, 1000, 700, 0.25f, 0.5f};
    ASSERT_EQ(device->SetViewport(&corner), D3D_OK);
    D3DVIEWPORT9 tooWide{17, 0, 1000, 10, 0, 1};
    D3DVIEWPORT9 wraps{0xffffffffu, 0, 2, 10, 0, 1};
    EXPECT_EQ(device->SetViewport(&tooWide), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetViewport(&wraps), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetViewport(nullptr), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(std::memcmp(&viewport, &corner, sizeof corner), 0) << "refusals change nothing";
}

} // namespace
} // namespace d3d9rec::testing
