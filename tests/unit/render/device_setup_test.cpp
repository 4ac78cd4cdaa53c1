// Device set-up in the four display configurations, the defaults it leaves, and the message
// of every failing step and result.
#include "render/d3d_error.h"
#include "render/device_setup.h"
#include "render/grid.h"
#include "shell/game_state.h"
#include "shell/main_loop.h"

#include <d3d9_recording.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

class DeviceSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1); // so that only the game's boxes reach stderr
        d3d9rec::Reset();
        d3d9rec::Settings().displayMode = {1920, 1080, 75, D3DFMT_X8R8G8B8};
    }
    void TearDown() override {
        ReleaseGameObjects();
        Cleanup();
        EXPECT_EQ(d3d9rec::LiveObjects(), 0u);
    }
    // Runs set-up again from scratch: its result and what it wrote to standard error.
    std::pair<HRESULT, std::string> SetUpWith(BOOL windowed, D3DMULTISAMPLE_TYPE samples,
                                              const char* failing = "", HRESULT failure = 0) {
        TearDown();
        SetUp();
        d3d9rec::FailCall(failing, failure);
        ::testing::internal::CaptureStderr();
        const HRESULT result = InitD3DWith(reinterpret_cast<HWND>(0x4321), {windowed, samples});
        return {result, ::testing::internal::GetCapturedStderr()};
    }
};

TEST_F(DeviceSetupTest, SetUpMakesWhatTheGameNeedsAndStartsOnTheTitle) {
    const auto flags = {&g_bShowClickVector, &g_bKeyEndDown,       &g_bPaused,   &g_bKeyPauseDown,
                        &g_bKeyEscDown,      &g_bShowIntroduction, &g_bMusicOff, &g_bKeyMDown};
    std::for_each(flags.begin(), flags.end(), [](bool* flag) { *flag = true; });
    g_bShowGrid = g_bShowMenu = false;
    std::memset(&g_light, 0xFF, sizeof(g_light));
    const int cursor = (ShowCursor(TRUE), ShowCursor(FALSE));
    ASSERT_EQ(SetUpWith(TRUE, D3DMULTISAMPLE_NONE), std::make_pair(D3D_OK, std::string()));
    // One cleared frame presented, the first grid (100 by 100), a font, the sound player.
    EXPECT_EQ(std::make_tuple(d3d9rec::CallsNamed("Clear").at(0).args[2].UInt(),
                              d3d9rec::CallsNamed("Present").size(), g_pGrid->m_linesAlongX,
                              g_pGrid->m_xExtent, g_pFont != nullptr, g_pSoundManager != nullptr),
              std::make_tuple(7u, std::size_t{1}, 11, 100.0f, true, true));
    // The projection's aspect is the client area's.
    D3DXMATRIX expected, projection;
    D3DXMatrixPerspectiveFovLH(&expected, 3.1415927f / 3, 1016.0f / 741.0f, 0.5f, 1000.0f);
    g_pDevice->GetTransform(D3DTS_PROJECTION, &projection);
    EXPECT_TRUE(projection == expected);
    // The title is up, the switches and latches at their start, the ground z = 0 facing up,
    // the pointer at the origin, and the system cursor hidden (the game draws its own).
    EXPECT_TRUE(std::none_of(flags.begin(), flags.end(), [](bool* flag) { return *flag; }));
    EXPECT_EQ(std::make_tuple(g_bShowGrid, g_bShowMenu, g_groundPlane, g_vPointer),
              std::make_tuple(true, true, D3DXPLANE(0, 0, 1, 0), D3DXVECTOR3(0, 0, 0)));
    EXPECT_EQ(ShowCursor(TRUE), cursor) << "one ShowCursor(FALSE) more than before";
    // A white directional light straight down, every other field zero.
    D3DLIGHT9 light = {};
    std::tie(light.Type, light.Diffuse, light.Specular, light.Ambient, light.Direction) =
        std::tuple(D3DLIGHT_DIRECTIONAL, D3DCOLORVALUE{1, 1, 1, 1},
                   D3DCOLORVALUE{0.7f, 0.7f, 0.7f, 1}, D3DCOLORVALUE{0.5f, 0.5f, 0.5f, 1},
                   D3DVECTOR{0, 0, -1});
    EXPECT_EQ(0, std::memcmp(&g_light, &light, sizeof(light)));
}

// Windowed or at the desktop's mode, multisampling checked first, hardware lighting if any.
TEST_F(DeviceSetupTest, EachConfigurationMakesItsDevice) {
    for (const auto& [windowed, samples, lighting] : {std::tuple{TRUE, D3DMULTISAMPLE_NONE, true},
                                                      {FALSE, D3DMULTISAMPLE_NONE, false},
                                                      {TRUE, D3DMULTISAMPLE_2_SAMPLES, true},
                                                      {FALSE, D3DMULTISAMPLE_2_SAMPLES, true}}) {
        TearDown();
        SetUp();
        d3d9rec::Settings().caps.DevCaps &= lighting ? ~0u : ~DWORD{D3DDEVCAPS_HWTRANSFORMANDLIGHT};
        ASSERT_EQ(InitD3DWith(reinterpret_cast<HWND>(0x4321), {windowed, samples}), D3D_OK);
        const auto create = d3d9rec::CallsNamed("CreateDevice").at(0);
        const auto p = create.args[4].As<D3DPRESENT_PARAMETERS>();
        EXPECT_EQ(std::make_tuple(p.Windowed, p.BackBufferWidth, p.BackBufferHeight,
                                  p.FullScreen_RefreshRateInHz, p.BackBufferFormat,
                                  p.BackBufferCount, p.MultiSampleType, p.MultiSampleQuality,
                                  p.SwapEffect, p.AutoDepthStencilFormat, p.PresentationInterval),
                  std::make_tuple(windowed, windowed ? 0u : 1920u, windowed ? 0u : 1080u,
                                  windowed ? 0u : 75u, D3DFMT_A8R8G8B8, 1u, samples, 0u,
                                  D3DSWAPEFFECT_DISCARD, D3DFMT_D24S8,
                                  UINT{D3DPRESENT_INTERVAL_IMMEDIATE}));
        EXPECT_EQ(create.args[3].UInt(), DWORD(lighting ? D3DCREATE_HARDWARE_VERTEXPROCESSING
                                                        : D3DCREATE_SOFTWARE_VERTEXPROCESSING));
        EXPECT_EQ(d3d9rec::CallsNamed("CheckDeviceMultiSampleType").size(), samples ? 1u : 0u);
    }
}

// Each failing step shows its message, and nothing after it is made.
TEST_F(DeviceSetupTest, AFailingStepShowsItsMessageAndStopsAndOnlyTheSixStepsHaveMessages) {
    const std::tuple<const char*, HRESULT, BOOL, const char*> cases[] = {
        {"Direct3DCreate9", E_FAIL, TRUE, "CreateDevices: Not available."},
        {"GetDeviceCaps", D3DERR_INVALIDDEVICE, TRUE, "GetDeviceCaps: Invalid device."},
        {"GetAdapterDisplayMode", D3DERR_INVALIDCALL, TRUE, "GetDisplayMode: Invalid call."},
        {"CheckDeviceMultiSampleType", D3DERR_NOTAVAILABLE, TRUE,
         "CheckDeviceMultiSampleType: Not available."},
        {"CreateDevice", D3DERR_NOTAVAILABLE, FALSE, "CreateDevices: Not available."},
        {"Clear", D3DERR_INVALIDCALL, TRUE, "Clear: Invalid call."},
        {"Present", D3DERR_DEVICELOST, TRUE, "Present: Device was lost."},
    };
    for (const auto& [method, failure, windowed, message] : cases) {
        EXPECT_EQ(SetUpWith(windowed, D3DMULTISAMPLE_2_SAMPLES, method, failure),
                  std::make_pair(E_FAIL, "Error: Error calling " + std::string(message) + "\n"));
        EXPECT_TRUE(g_pFont == nullptr && g_pSoundManager == nullptr) << method;
    }
    // Each step answers a result it does not name as unknown; the game's spellings are kept.
    const std::tuple<int, HRESULT, const char*> rows[] = {
        {0, E_FAIL, "Error calling GetDeviceCaps: Unknown error."},
        {3, E_FAIL, "Error calling CreateDevices: Unknown error."},
        {5, D3DERR_DRIVERINTERNALERROR,
         "Error calling Present: An internal error occured within the driver."},
    };
    for (const auto& [step, result, text] : rows) {
        EXPECT_STREQ(D3DErrorMessage(result, step), text);
    }
    // A step outside the six has no message and shows no box.
    ::testing::internal::CaptureStderr();
    ReportD3DError(D3DERR_INVALIDCALL, 6);
    ReportD3DError(D3DERR_INVALIDCALL, -1);
    EXPECT_EQ(std::make_pair(::testing::internal::GetCapturedStderr(), D3DErrorMessage(S_OK, 6)),
              std::make_pair(std::string(), static_cast<const char*>(nullptr)));
}

} // namespace
