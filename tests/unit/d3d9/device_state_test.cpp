// States read back what was set, starting from the platform's defaults.
#include "recording_fixture.h"

#include <tuple>

namespace d3d9rec::testing {
namespace {

class DeviceStateTest : public RecordingTest {
protected:
    DWORD RenderState(IDirect3DDevice9* on, D3DRENDERSTATETYPE state) {
        DWORD value = 0xdeadbeef;
        EXPECT_EQ(on->GetRenderState(state, &value), D3D_OK) << state;
        return value;
    }
};

TEST_F(DeviceStateTest, RenderStatesStartAtThePlatformDefaults) {
    struct Default {
        D3DRENDERSTATETYPE state;
        DWORD value;
    };
    const Default defaults[] = {
        {D3DRS_ZENABLE, D3DZB_TRUE}, // the fixture asked for a depth buffer
        {D3DRS_FILLMODE, D3DFILL_SOLID},
        {D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
        {D3DRS_ZWRITEENABLE, TRUE},
        {D3DRS_ALPHATESTENABLE, FALSE},
        {D3DRS_SRCBLEND, D3DBLEND_ONE},
        {D3DRS_DESTBLEND, D3DBLEND_ZERO},
        {D3DRS_CULLMODE, D3DCULL_CCW},
        {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
        {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},
        {D3DRS_ALPHABLENDENABLE, FALSE},
        {D3DRS_SPECULARENABLE, FALSE},
        {D3DRS_CLIPPING, TRUE},
        {D3DRS_LIGHTING, TRUE},
        {D3DRS_AMBIENT, 0},
        {D3DRS_COLORVERTEX, TRUE},
        {D3DRS_LOCALVIEWER, TRUE},
        {D3DRS_NORMALIZENORMALS, FALSE},
        {D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1},
        {D3DRS_SPECULARMATERIALSOURCE, D3DMCS_COLOR2},
        {D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_MATERIAL},
        {D3DRS_MULTISAMPLEANTIALIAS, TRUE},
    };
    for (const Default& d : defaults) {
        EXPECT_EQ(RenderState(device, d.state), d.value) << "state " << d.state;
    }

    // Without an automatic depth buffer, depth testing starts off.
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    params.EnableAutoDepthStencil = FALSE;
    IDirect3DDevice9* noDepth = OtherDevice(params);
    EXPECT_EQ(RenderState(noDepth, D3DRS_ZENABLE), DWORD{D3DZB_FALSE});
    noDepth->Release();
}

TEST_F(DeviceStateTest, RenderStatesReadBackWhatWasSet) {
    ASSERT_EQ(device->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    ASSERT_EQ(device->SetRenderState(D3DRS_AMBIENT, 0xff404040), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_LIGHTING), DWORD{FALSE});
    EXPECT_EQ(RenderState(device, D3DRS_AMBIENT), 0xff404040u);
    EXPECT_EQ(CallsNamed("GetRenderState").back().args[1].UInt(), 0xff404040u);

    DWORD value = 7;
    EXPECT_EQ(device->SetRenderState(D3DRENDERSTATETYPE(210), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->GetRenderState(D3DRENDERSTATETYPE(5000), &value), D3DERR_INVALIDCALL);
    EXPECT_EQ(value, 7u);
}

TEST_F(DeviceStateTest, TransformsStartAsIdentityAndReadBackWhatWasSet) {
    const D3DTRANSFORMSTATETYPE states[] = {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION,
                                            D3DTS_TEXTURE0, D3DTS_WORLDMATRIX(255)};
    for (D3DTRANSFORMSTATETYPE state : states) {
        D3DMATRIX m{};
        ASSERT_EQ(device->GetTransform(state, &m), D3D_OK);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(m.m[i / 4][i % 4], i % 5 == 0 ? 1.0f : 0.0f) << state << " " << i;
        }
    }
    D3DMATRIX view{};
    for (int i = 0; i < 16; ++i) {
        view.m[i / 4][i % 4] = float(i * i);
    }
    ASSERT_EQ(device->SetTransform(D3DTS_VIEW, &view), D3D_OK);
    D3DMATRIX read{};
    ASSERT_EQ(device->GetTransform(D3DTS_VIEW, &read), D3D_OK);
    EXPECT_EQ(std::memcmp(&read, &view, sizeof view), 0);

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
    EXPECT_EQ(std::memcmp(&viewport, &corner, sizeof corner), 0);
}

} // namespace
} // namespace d3d9rec::testing
