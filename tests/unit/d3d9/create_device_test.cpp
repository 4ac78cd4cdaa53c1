// IDirect3D9 answers from the configuration, and CreateDevice fills in the back buffer.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class CreateDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset();
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
    }
    void TearDown() override {
        d3d->Release();
        EXPECT_EQ(LiveObjects(), 0u);
        Reset();
    }

    HRESULT Create(D3DPRESENT_PARAMETERS& params, DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING,
                   HWND focus = FakeWindow()) {
        IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(1);
        HRESULT result =
            d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, focus, flags, &params, &device);
        if (SUCCEEDED(result)) {
            EXPECT_NE(device, nullptr);
            device->Release();
        } else {
            EXPECT_EQ(device, nullptr);
        }
        return result;
    }

    IDirect3D9* d3d = nullptr;
};

TEST_F(CreateDeviceTest, AdapterAnswersComeFromTheConfiguration) {
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, 1280u);
    EXPECT_EQ(mode.Height, 1024u);
    EXPECT_EQ(mode.RefreshRate, 0u);
    EXPECT_EQ(mode.Format, D3DFMT_X8R8G8B8);
    D3DCAPS9 caps{};
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_TRUE(caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT);
    DWORD quality = 0;
    EXPECT_EQ(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                              TRUE, D3DMULTISAMPLE_2_SAMPLES, &quality),
              D3D_OK);
    EXPECT_EQ(quality, 1u);

    Settings().displayMode = {800, 600, 60, D3DFMT_R5G6B5};
    Settings().caps.DevCaps = 0;
    Settings().multiSampleResult = D3DERR_NOTAVAILABLE;
    ASSERT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, 800u);
    EXPECT_EQ(mode.Format, D3DFMT_R5G6B5);
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_EQ(caps.DevCaps, 0u);
    EXPECT_EQ(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                              TRUE, D3DMULTISAMPLE_2_SAMPLES, nullptr),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                              TRUE, D3DMULTISAMPLE_NONE, nullptr),
              D3D_OK);
    // Without hardware T&L only software vertex processing is allowed.
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    EXPECT_EQ(Create(params), D3DERR_INVALIDCALL);
    EXPECT_EQ(Create(params, D3DCREATE_SOFTWARE_VERTEXPROCESSING), D3D_OK);

    // Reset restores the defaults.
    Reset();
    ASSERT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, 1280u);
}

TEST_F(CreateDeviceTest, AdapterQueriesRejectBadArguments) {
    D3DDISPLAYMODE mode{};
    D3DCAPS9 caps{};
    EXPECT_EQ(d3d->GetAdapterDisplayMode(1, &mode), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE(9), &caps), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                              TRUE, D3DMULTISAMPLE_TYPE(17), nullptr),
              D3DERR_INVALIDCALL);
}

TEST_F(CreateDeviceTest, WindowedZeroSizeTakesTheClientAreaAndFullScreenTheDisplayMode) {
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    ASSERT_EQ(Create(params), D3D_OK);
    EXPECT_EQ(params.BackBufferWidth, 1016u);
    EXPECT_EQ(params.BackBufferHeight, 741u);
    EXPECT_EQ(params.BackBufferFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(params.BackBufferCount, 1u);

    Settings().clientWidth = 640;
    Settings().clientHeight = 480;
    params = WindowedParameters();
    params.BackBufferHeight = 300; // a size given is kept
    ASSERT_EQ(Create(params), D3D_OK);
    EXPECT_EQ(params.BackBufferWidth, 640u);
    EXPECT_EQ(params.BackBufferHeight, 300u);

    params = WindowedParameters();
    params.Windowed = FALSE;
    ASSERT_EQ(Create(params), D3D_OK);
    EXPECT_EQ(params.BackBufferWidth, 1280u);
    EXPECT_EQ(params.BackBufferHeight, 1024u);
    // The viewport of the new device covers that back buffer.
    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, FakeWindow(),
                                D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device),
              D3D_OK);
    D3DVIEWPORT9 viewport{};
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(viewport.Width, 1280u);
    EXPECT_EQ(viewport.Height, 1024u);
    device->Release();
}

TEST_F(CreateDeviceTest, ParametersTheRealDeviceRefusesAreRefused) {
    auto refused = [this](auto change) {
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        change(params);
        D3DPRESENT_PARAMETERS before = params;
        EXPECT_EQ(Create(params), D3DERR_INVALIDCALL);
        EXPECT_EQ(std::memcmp(&params, &before, sizeof params), 0) << "refused but changed";
    };
    refused([](auto& p) { p.SwapEffect = D3DSWAPEFFECT(0); });
    refused([](auto& p) { p.BackBufferCount = 4; });
    refused([](auto& p) { p.FullScreen_RefreshRateInHz = 60; });
    refused([](auto& p) { p.AutoDepthStencilFormat = D3DFMT_X8R8G8B8; });
    refused([](auto& p) { p.MultiSampleQuality = 1; });
    refused([](auto& p) {
        p.MultiSampleType = D3DMULTISAMPLE_4_SAMPLES;
        p.SwapEffect = D3DSWAPEFFECT_COPY;
    });
    refused([](auto& p) { p.PresentationInterval = 8; });

    D3DPRESENT_PARAMETERS params = WindowedParameters();
    EXPECT_EQ(Create(params, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(
        Create(params, D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_SOFTWARE_VERTEXPROCESSING),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(Create(params, D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr), D3DERR_INVALIDCALL);
    params.hDeviceWindow = FakeWindow(); // a device window alone will do when windowed
    EXPECT_EQ(Create(params, D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr), D3D_OK);

    IDirect3DDevice9* device = nullptr;
    EXPECT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, FakeWindow(),
                                D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, FakeWindow(),
                                D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->CreateDevice(1, D3DDEVTYPE_HAL, FakeWindow(),
                                D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device, nullptr);
}

TEST(Direct3DCreate9, OnlyTheSdkVersionOfTheHeadersIsAccepted) {
    Reset();
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    EXPECT_EQ(Log().back().result, D3DERR_INVALIDCALL);
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION | 0x80000000u);
    ASSERT_NE(d3d, nullptr);
    d3d->Release();
    EXPECT_EQ(LiveObjects(), 0u);
}

} // namespace
} // namespace d3d9rec::testing
