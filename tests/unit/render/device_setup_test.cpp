// Device set-up in the four display configurations, its defaults, and the message of every
// failing step.
#include "render/d3d_error.h"
#include "render/device_setup.h"
#include "render/grid.h"
#include "shell/game_state.h"
#include "sound/sound_player.h"

#include <d3d9_recording.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

namespace {

constexpr DisplayConfiguration kWindowed = {TRUE, D3DMULTISAMPLE_NONE};
constexpr DisplayConfiguration kFullScreen = {FALSE, D3DMULTISAMPLE_NONE};
constexpr DisplayConfiguration kWindowedAa = {TRUE, D3DMULTISAMPLE_2_SAMPLES};
constexpr DisplayConfiguration kFullScreenAa = {FALSE, D3DMULTISAMPLE_2_SAMPLES};

HWND GameWindow() {
    return reinterpret_cast<HWND>(std::uintptr_t{0x4321});
}

class DeviceSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        // A silent sound device, so that nothing but the game's own boxes reach stderr.
        setenv("ALSOFT_DRIVERS", "null", 1);
        d3d9rec::Reset();
        D3DXMatrixIdentity(&g_matWorld);
    }

    void TearDown() override {
        if (g_pFont != nullptr) {
            g_pFont->Release();
            g_pFont = nullptr;
        }
        delete g_pGrid;
        g_pGrid = nullptr;
        delete g_pSoundManager;
        g_pSoundManager = nullptr;
        for (IUnknown** object :
             {reinterpret_cast<IUnknown**>(&g_pDevice), reinterpret_cast<IUnknown**>(&g_pD3D)}) {
            if (*object != nullptr) {
                (*object)->Release();
                *object = nullptr;
            }
        }
        EXPECT_EQ(d3d9rec::LiveObjects(), 0u);
        d3d9rec::Reset();
    }

    // Runs set-up and gives its result and what it wrote to standard error.
    std::pair<HRESULT, std::string> SetUpWith(const DisplayConfiguration& configuration) {
        ::testing::internal::CaptureStderr();
        const HRESULT result = InitD3DWith(GameWindow(), configuration);
        return {result, ::testing::internal::GetCapturedStderr()};
    }

    static D3DPRESENT_PARAMETERS CreatedWith() {
        auto created = d3d9rec::CallsNamed("CreateDevice");
        EXPECT_EQ(created.size(), 1u);
        return created.at(0).args[4].As<D3DPRESENT_PARAMETERS>();
    }
};

TEST_F(DeviceSetupTest, WindowedSetUpMakesWhatTheGameNeeds) {
    auto [result, shown] = SetUpWith(kWindowed);
    ASSERT_EQ(result, D3D_OK);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(d3d9rec::CallsNamed("Direct3DCreate9").at(0).args[0].Int(), 32);
    EXPECT_TRUE(d3d9rec::CallsNamed("CheckDeviceMultiSampleType").empty());

    const auto create = d3d9rec::CallsNamed("CreateDevice").at(0);
    EXPECT_EQ(std::make_tuple(create.args[1].Int(), create.args[2].Int(), create.args[3].UInt()),
              std::make_tuple(std::int64_t{D3DDEVTYPE_HAL}, std::int64_t{0x4321},
                              static_cast<DWORD>(D3DCREATE_HARDWARE_VERTEXPROCESSING)));
    const D3DPRESENT_PARAMETERS params = CreatedWith();
    EXPECT_EQ(std::make_tuple(params.BackBufferCount, params.SwapEffect,
                              params.EnableAutoDepthStencil, params.AutoDepthStencilFormat,
                              params.PresentationInterval),
              std::make_tuple(1u, D3DSWAPEFFECT_DISCARD, TRUE, D3DFMT_D24S8,
                              static_cast<UINT>(D3DPRESENT_INTERVAL_IMMEDIATE)));

    EXPECT_EQ(d3d9rec::CallsNamed("Clear").at(0).args[2].UInt(), 7u); // target, depth, stencil
    EXPECT_EQ(d3d9rec::CallsNamed("Present").size(), 1u);

    // The projection's aspect is the client area's, not 1024:768.
    D3DXMATRIX expected;
    D3DXMatrixPerspectiveFovLH(&expected, 3.1415927f * 0.33333334f, 1016.0f / 741.0f, 0.5f,
                               1000.0f);
    D3DMATRIX projection;
    ASSERT_EQ(g_pDevice->GetTransform(D3DTS_PROJECTION, &projection), D3D_OK);
    EXPECT_EQ(0, std::memcmp(&projection, &expected, sizeof(projection)));
    D3DXMATRIX view;
    ASSERT_EQ(g_pDevice->GetTransform(D3DTS_VIEW, &view), D3D_OK);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&view)) << "the camera at the origin";

    EXPECT_NE(g_pFont, nullptr);
    ASSERT_NE(g_pGrid, nullptr);
    EXPECT_EQ(g_pGrid->m_linesAlongX + g_pGrid->m_linesAlongY, 22);
    EXPECT_EQ(g_pGrid->m_xExtent, 100.0f);
    EXPECT_NE(g_pSoundManager, nullptr);
}

TEST_F(DeviceSetupTest, SetUpStartsTheGameOnTheTitleWithItsDefaults) {
    for (bool* flag : {&g_bShowClickVector, &g_bKeyEndDown, &g_bPaused, &g_bKeyPauseDown,
                       &g_bKeyEscDown, &g_bShowIntroduction, &g_bMusicOff, &g_bKeyMDown}) {
        *flag = true;
    }
    g_bShowGrid = g_bShowMenu = false;
    g_vPointer = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    std::memset(&g_light, 0xFF, sizeof(g_light));
    const int cursorBefore = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);

    ASSERT_EQ(SetUpWith(kWindowed).first, D3D_OK);

    for (bool* flag : {&g_bShowClickVector, &g_bKeyEndDown, &g_bPaused, &g_bKeyPauseDown,
                       &g_bKeyEscDown, &g_bShowIntroduction, &g_bMusicOff, &g_bKeyMDown}) {
        EXPECT_FALSE(*flag);
    }
    EXPECT_TRUE(g_bShowGrid);
    EXPECT_TRUE(g_bShowMenu) << "the title screen is up";
    EXPECT_EQ(g_vPointer, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    // The ground z = 0, facing up.
    EXPECT_EQ(std::make_tuple(g_groundPlane.a, g_groundPlane.b, g_groundPlane.c, g_groundPlane.d),
              std::make_tuple(0.0f, 0.0f, 1.0f, 0.0f));
    // A white directional light straight down, every other field zero.
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = {0.7f, 0.7f, 0.7f, 1.0f};
    light.Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    light.Direction = D3DXVECTOR3(0.0f, 0.0f, -1.0f);
    EXPECT_EQ(0, std::memcmp(&g_light, &light, sizeof(light)));
    // The system cursor is hidden: the game draws its own pointer.
    EXPECT_EQ(ShowCursor(TRUE), cursorBefore) << "one ShowCursor(FALSE) more than before";
}

TEST_F(DeviceSetupTest, EachConfigurationFillsItsPresentParameters) {
    d3d9rec::Settings().displayMode = {1920, 1080, 75, D3DFMT_X8R8G8B8};
    struct Case {
        DisplayConfiguration configuration;
        UINT width, height, refresh;
    };
    for (const Case& c : {Case{kWindowed, 0, 0, 0}, Case{kFullScreen, 1920, 1080, 75},
                          Case{kWindowedAa, 0, 0, 0}, Case{kFullScreenAa, 1920, 1080, 75}}) {
        SCOPED_TRACE(c.configuration.windowed ? "windowed" : "full screen");
        ASSERT_EQ(SetUpWith(c.configuration).first, D3D_OK);
        const D3DPRESENT_PARAMETERS params = CreatedWith();
        EXPECT_EQ(std::make_tuple(params.Windowed, params.BackBufferWidth, params.BackBufferHeight,
                                  params.FullScreen_RefreshRateInHz, params.BackBufferFormat,
                                  params.MultiSampleType, params.MultiSampleQuality),
                  std::make_tuple(c.configuration.windowed, c.width, c.height, c.refresh,
                                  D3DFMT_A8R8G8B8, c.configuration.multiSample, 0u));
        const auto checks = d3d9rec::CallsNamed("CheckDeviceMultiSampleType");
        if (c.configuration.multiSample == D3DMULTISAMPLE_NONE) {
            EXPECT_TRUE(checks.empty());
        } else {
            ASSERT_EQ(checks.size(), 1u);
            EXPECT_EQ(std::make_tuple(checks[0].args[2].Int(), checks[0].args[3].Int(),
                                      checks[0].args[4].Int()),
                      std::make_tuple(std::int64_t{D3DFMT_A8R8G8B8},
                                      std::int64_t{c.configuration.windowed},
                                      std::int64_t{D3DMULTISAMPLE_2_SAMPLES}));
        }
        TearDown();
        SetUp();
        d3d9rec::Settings().displayMode = {1920, 1080, 75, D3DFMT_X8R8G8B8};
    }
}

TEST_F(DeviceSetupTest, SoftwareVertexProcessingWithoutHardwareLighting) {
    d3d9rec::Settings().caps.DevCaps &= ~static_cast<DWORD>(D3DDEVCAPS_HWTRANSFORMANDLIGHT);
    ASSERT_EQ(SetUpWith(kWindowed).first, D3D_OK);
    EXPECT_EQ(d3d9rec::CallsNamed("CreateDevice").at(0).args[3].UInt(),
              static_cast<DWORD>(D3DCREATE_SOFTWARE_VERTEXPROCESSING));
}

TEST_F(DeviceSetupTest, AFailingStepShowsItsMessageAndStops) {
    struct Case {
        const char* method;
        HRESULT result;
        DisplayConfiguration configuration;
        const char* message;
    };
    const Case cases[] = {
        {"Direct3DCreate9", E_FAIL, kWindowed, "Error calling CreateDevices: Not available."},
        {"GetDeviceCaps", D3DERR_INVALIDDEVICE, kWindowed,
         "Error calling GetDeviceCaps: Invalid device."},
        {"GetAdapterDisplayMode", D3DERR_INVALIDCALL, kWindowed,
         "Error calling GetDisplayMode: Invalid call."},
        {"CheckDeviceMultiSampleType", D3DERR_NOTAVAILABLE, kWindowedAa,
         "Error calling CheckDeviceMultiSampleType: Not available."},
        {"CreateDevice", D3DERR_NOTAVAILABLE, kFullScreen,
         "Error calling CreateDevices: Not available."},
        {"Clear", D3DERR_INVALIDCALL, kWindowed, "Error calling Clear: Invalid call."},
        {"Present", D3DERR_DEVICELOST, kWindowed, "Error calling Present: Device was lost."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        d3d9rec::FailCall(c.method, c.result);
        auto [result, shown] = SetUpWith(c.configuration);
        EXPECT_EQ(result, E_FAIL);
        EXPECT_EQ(shown, std::string("Error: ") + c.message + "\n");
        EXPECT_EQ(g_pFont, nullptr) << "nothing after the failing step is made";
        EXPECT_EQ(g_pSoundManager, nullptr);
        TearDown();
        SetUp();
    }
}

} // namespace
