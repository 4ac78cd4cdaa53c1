// IDirect3D9 answers from the configuration, and CreateDevice fills in the back buffer.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class CreateDeviceTest : public RecordingTest {
protected:
    // Creates and releases a device; a refused one must leave its output NULL.
    HRESULT Create(D3DPRESENT_PARAMETERS& params, DWORD flags = D3DCREATE_HARDWARE_VERTEXPROCESSING,
                   HWND focus = FakeWindow()) {
        IDirect3DDevice9* created = reinterpret_cast<IDirect3DDevice9*>(1);
        HRESULT result = CreateDeviceOn(d3d, params, &created, flags, focus);
        if (SUCCEEDED(result)) {
            EXPECT_NE(created, nullptr);
            created->Release();
        } else {
            EXPECT_EQ(created, nullptr);
        }
        return result;
    }
};

TEST_F(CreateDeviceTest, AdapterAnswersComeFromTheConfigurationUntilReset) {
    auto displayMode = [this] {
        D3DDISPLAYMODE mode{};
        EXPECT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
        return mode;
    };
    auto multiSample = [this](D3DMULTISAMPLE_TYPE type, DWORD* quality = nullptr) {
        return d3d->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8,
                                               TRUE, type, quality);
    };
    EXPECT_EQ(displayMode().Width, 1280u);
    DWORD quality = 0;
    EXPECT_EQ(multiSample(D3DMULTISAMPLE_2_SAMPLES, &quality), D3D_OK);
    EXPECT_EQ(quality, 1u);

    Settings().displayMode = {800, 600, 60, D3DFMT_R5G6B5};
    Settings().caps.DevCaps = 0;
    Settings().multiSampleResult = D3DERR_NOTAVAILABLE;
    EXPECT_EQ(displayMode().Format, D3DFMT_R5G6B5);
    EXPECT_EQ(multiSample(D3DMULTISAMPLE_2_SAMPLES), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(multiSample(D3DMULTISAMPLE_NONE), D3D_OK);
    // Without hardware T&L only software vertex processing is allowed.
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    EXPECT_EQ(Create(params), D3DERR_INVALIDCALL);
    EXPECT_EQ(Create(params, D3DCREATE_SOFTWARE_VERTEXPROCESSING), D3D_OK);
    Reset();
    EXPECT_EQ(displayMode().Width, 1280u);

    D3DDISPLAYMODE mode{};
    EXPECT_EQ(d3d->GetAdapterDisplayMode(1, &mode), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(CreateDeviceTest, WindowedZeroSizeTakesTheClientAreaAndFullScreenTheDisplayMode) {
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    ASSERT_EQ(Create(params), D3D_OK);
    EXPECT_EQ(params.BackBufferWidth, 1016u);
    EXPECT_EQ(params.BackBufferHeight, 741u);

    Settings().clientWidth = 640;
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
}

TEST_F(CreateDeviceTest, ParametersTheRealDeviceRefusesAreRefused) {
    auto refused = [this](auto change) {
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        change(params);
        D3DPRESENT_PARAMETERS before = params;
        EXPECT_EQ(Create(params), D3DERR_INVALIDCALL);
        EXPECT_EQ(std::memcmp(&params, &before, sizeof params), 0) << "refused but changed";
    };
    refused([](auto& p) { p.BackBufferCount = 4; });
    refused([](auto& p) { p.FullScreen_RefreshRateInHz = 60; }); // windowed
    refused([](auto& p) { p.AutoDepthStencilFormat = D3DFMT_X8R8G8B8; });
    refused([](auto& p) {
        p.MultiSampleType = D3DMULTISAMPLE_4_SAMPLES;
        p.SwapEffect = D3DSWAPEFFECT_COPY;
    });

    D3DPRESENT_PARAMETERS params = WindowedParameters();
    EXPECT_EQ(Create(params, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(Create(params, D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr), D3DERR_INVALIDCALL);
    params.hDeviceWindow = FakeWindow(); // a device window alone will do when windowed
    EXPECT_EQ(Create(params, D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr), D3D_OK);

    IDirect3DDevice9* other = nullptr;
    EXPECT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, FakeWindow(),
                                D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr, &other),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(other, nullptr);

    // Only the SDK version of the headers is accepted (the debug bit aside).
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    EXPECT_EQ(Log().back().result, D3DERR_INVALIDCALL);
    IDirect3D9* debug = Direct3DCreate9(D3D_SDK_VERSION | 0x80000000u);
    ASSERT_NE(debug, nullptr);
    debug->Release();
}

} // namespace
} // namespace d3d9rec::testing
