// CreateDevice fills in the back buffer from the configuration, states start from the
// platform's defaults, and what the real device refuses is refused and changes nothing.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

using DeviceTest = RecordingTest;

// Windowed 0 x 0 takes the client area, full screen the display mode; a refused call leaves
// NULL and changes nothing.
TEST_F(DeviceTest, CreateDeviceFollowsTheConfigurationAndRefusesWhatTheDeviceWould) {
    auto create = [this](void (*change)(D3DPRESENT_PARAMETERS&),
                         DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING) {
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        params.hDeviceWindow = FakeWindow();
        change(params);
        const D3DPRESENT_PARAMETERS before = params;
        IDirect3DDevice9* made = reinterpret_cast<IDirect3DDevice9*>(1);
        if (CreateDeviceOn(d3d, params, &made, flags, params.hDeviceWindow) != D3D_OK) {
            EXPECT_TRUE(made == nullptr && std::memcmp(&params, &before, sizeof params) == 0);
            return 0u;
        }
        made->Release();
        return params.BackBufferWidth * 10000 + params.BackBufferHeight;
    };
    EXPECT_EQ(create([](auto&) {}), 1016'0741u);
    EXPECT_EQ(create([](auto& p) { p.Windowed = FALSE; }), 1280'1024u);
    EXPECT_EQ(create([](auto& p) { p.hDeviceWindow = nullptr; }), 0u) << "no window at all";
    EXPECT_EQ(create([](auto&) {}, 0), 0u) << "no vertex processing";
    EXPECT_EQ(create([](auto& p) { p.BackBufferCount = 4; }), 0u);
    EXPECT_EQ(create([](auto& p) { p.PresentationInterval = 8; }), 0u);
    Settings().clientWidth = 640;
    Settings().caps.DevCaps = 0; // without hardware T&L only software vertex processing
    EXPECT_EQ(create([](auto&) {}), 0u);
    EXPECT_EQ(
        create([](auto& p) { p.BackBufferHeight = 300; }, D3DCREATE_SOFTWARE_VERTEXPROCESSING),
        640'0300u);
    EXPECT_EQ(Direct3DCreate9(31), nullptr) << "only the SDK version of the headers";
}

TEST_F(DeviceTest, StatesStartFromTheDefaultsAndRefusalsChangeNothing) {
    DWORD z = 7;
    EXPECT_TRUE(device->GetRenderState(D3DRS_ZENABLE, &z) == D3D_OK && z == D3DZB_TRUE);
    EXPECT_EQ(device->GetRenderState(D3DRENDERSTATETYPE(5000), &z), D3DERR_INVALIDCALL);
    EXPECT_EQ(z, DWORD(D3DZB_TRUE));
    D3DVIEWPORT9 viewport{}, corner{16, 41, 1000, 700, 0.25f, 0.5f}, tooWide{17, 0, 1000, 10, 0, 1},
        wraps{0xffffffffu, 0, 2, 10, 0, 1};
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_TRUE(viewport.Width == 1016 && viewport.Height == 741 && viewport.MaxZ == 1);
    ASSERT_EQ(device->SetViewport(&corner), D3D_OK);
    EXPECT_EQ(device->SetViewport(&tooWide), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetViewport(&wraps), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(std::memcmp(&viewport, &corner, sizeof corner), 0);
    EXPECT_EQ(Log().back().args[0].As<D3DVIEWPORT9>().X, 16u) << "GetViewport logs what it gave";
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL) << "scenes pair";
    EXPECT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.5f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_STENCIL, 0, 1.0f, 0), D3DERR_INVALIDCALL)
        << "D16 has no stencil";
    EXPECT_EQ(device->SetTexture(16, nullptr), D3DERR_INVALIDCALL);
}

// Resources of another device, and ones the device cannot make.
TEST_F(DeviceTest, ForeignAndImpossibleResourcesAreRefused) {
    IDirect3DDevice9* other = nullptr;
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    ASSERT_EQ(CreateDeviceOn(d3d, params, &other), D3D_OK);
    IDirect3DTexture9* tex = MakeTexture(2, 2);
    IDirect3DVertexBuffer9* vb = MakePositions({{0, 0, 0}});
    EXPECT_EQ(other->SetTexture(0, tex), D3DERR_INVALIDCALL);
    EXPECT_EQ(other->SetStreamSource(0, vb, 0, 12), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetStreamSource(0, vb, 12, 12), D3DERR_INVALIDCALL) << "offset at the end";
    for (IUnknown* object : std::initializer_list<IUnknown*>{vb, tex, other}) {
        object->Release();
    }
    auto vertexBuffer = [&](UINT length, DWORD fvf, HANDLE* shared = nullptr) {
        return device->CreateVertexBuffer(length, 0, fvf, D3DPOOL_MANAGED, &vb, shared);
    };
    auto texture = [&](UINT w, UINT levels, D3DFORMAT format) {
        return device->CreateTexture(w, 4, levels, 0, format, D3DPOOL_MANAGED, &tex, nullptr);
    };
    HANDLE shared = nullptr;
    EXPECT_EQ(vertexBuffer(0, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(vertexBuffer(11, D3DFVF_XYZ), D3DERR_INVALIDCALL) << "shorter than one vertex";
    EXPECT_EQ(vertexBuffer(12, 0, &shared), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture(8192, 1, D3DFMT_A8R8G8B8), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture(4, 4, D3DFMT_A8R8G8B8), D3DERR_INVALIDCALL) << "the chain has 3 levels";
    EXPECT_EQ(texture(4, 1, D3DFMT_D16), D3DERR_INVALIDCALL);
}

} // namespace
} // namespace d3d9rec::testing
