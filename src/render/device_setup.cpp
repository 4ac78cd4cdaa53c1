#include "render/device_setup.h"

#include "render/d3d_error.h"
#include "render/grid.h"
#include "shell/game_state.h"
#include "sound/sound_player.h"

#include <d3dx9.h>

#include <cstring>

namespace {

// Reports a failed step; true when the step failed.
bool Failed(HRESULT result, D3DStep step) {
    if (result == D3D_OK) {
        return false;
    }
    ReportD3DError(result, step);
    return true;
}

D3DXFONT_DESCA GameFontDescription() {
    D3DXFONT_DESCA desc = {};
    desc.Height = 25;
    desc.Width = 12;
    desc.Weight = 500;
    desc.MipLevels = 0;
    desc.Italic = FALSE;
    desc.CharSet = DEFAULT_CHARSET;
    std::strcpy(desc.FaceName, "Times New Roman");
    return desc;
}

void MakeLight() {
    std::memset(&g_light, 0, sizeof(g_light));
    g_light.Type = D3DLIGHT_DIRECTIONAL;
    g_light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    g_light.Specular = {0.7f, 0.7f, 0.7f, 1.0f};
    g_light.Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    g_light.Direction = D3DXVECTOR3(0.0f, 0.0f, -1.0f);
}

// Transforms, font, first grid, ground plane, light, sound player and the flags' start
// values, once the device works.
void MakeRenderingDefaults(HWND window, const D3DPRESENT_PARAMETERS& params) {
    const D3DXVECTOR3 origin(0.0f, 0.0f, 0.0f);
    g_camera.SetPosition(&origin);
    D3DXMATRIX view;
    g_camera.GetViewMatrix(&view);

    GameProjection(&g_matProj, static_cast<float>(params.BackBufferWidth) /
                                   static_cast<float>(params.BackBufferHeight));
    g_pDevice->SetTransform(D3DTS_WORLD, &g_matWorld);
    g_pDevice->SetTransform(D3DTS_VIEW, &view);
    g_pDevice->SetTransform(D3DTS_PROJECTION, &g_matProj);

    const D3DXFONT_DESCA font = GameFontDescription();
    D3DXCreateFontIndirectA(g_pDevice, &font, &g_pFont);

    g_pGrid = new CGrid(g_pDevice, 100.0f, 100.0f, 0.0f, 11, 11);
    g_bShowGrid = true;
    g_bShowClickVector = false;
    g_bKeyEndDown = false;

    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXPlaneFromPointNormal(&g_groundPlane, &origin, &up);
    g_vPointer = origin;
    MakeLight();

    g_bPaused = false;
    g_bKeyPauseDown = false;
    g_bKeyEscDown = false;
    g_pSoundManager = new CSoundPlayer(window);
    ShowCursor(FALSE);
    g_bShowMenu = true;
    g_bShowIntroduction = false;
    g_bMusicOff = false;
    g_bKeyMDown = false;
}

} // namespace

D3DPRESENT_PARAMETERS PresentParametersFor(const DisplayConfiguration& configuration,
                                           const D3DDISPLAYMODE& displayMode, HWND window) {
    D3DPRESENT_PARAMETERS params = {};
    params.Windowed = configuration.windowed;
    if (!configuration.windowed) {
        params.BackBufferWidth = displayMode.Width;
        params.BackBufferHeight = displayMode.Height;
        params.FullScreen_RefreshRateInHz = displayMode.RefreshRate;
    }
    params.BackBufferFormat = D3DFMT_A8R8G8B8;
    params.BackBufferCount = 1;
    params.MultiSampleType = configuration.multiSample;
    params.MultiSampleQuality = 0;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.hDeviceWindow = window;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D24S8;
    params.Flags = 0;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return params;
}

HRESULT InitD3DWith(HWND window, const DisplayConfiguration& configuration) {
    g_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (g_pD3D == nullptr) {
        // No Direct3D at all: reported as the device that cannot be made.
        ReportD3DError(D3DERR_NOTAVAILABLE, StepCreateDevice);
        return E_FAIL;
    }
    D3DCAPS9 caps;
    if (Failed(g_pD3D->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps),
               StepGetDeviceCaps)) {
        return E_FAIL;
    }
    const DWORD vertexProcessing = (caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) != 0
                                       ? D3DCREATE_HARDWARE_VERTEXPROCESSING
                                       : D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    D3DDISPLAYMODE displayMode;
    if (Failed(g_pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &displayMode),
               StepGetDisplayMode)) {
        return E_FAIL;
    }
    if (configuration.multiSample != D3DMULTISAMPLE_NONE) {
        DWORD qualityLevels = 0;
        if (Failed(g_pD3D->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                                      D3DFMT_A8R8G8B8, configuration.windowed,
                                                      configuration.multiSample, &qualityLevels),
                   StepCheckDeviceMultiSampleType)) {
            return E_FAIL;
        }
    }
    D3DPRESENT_PARAMETERS params = PresentParametersFor(configuration, displayMode, window);
    if (Failed(g_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, vertexProcessing,
                                    &params, &g_pDevice),
               StepCreateDevice) ||
        Failed(g_pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL,
                                0, 1.0f, 0),
               StepClear) ||
        Failed(g_pDevice->Present(nullptr, nullptr, nullptr, nullptr), StepPresent)) {
        return E_FAIL;
    }
    MakeRenderingDefaults(window, params);
    return D3D_OK;
}

void GameProjection(D3DXMATRIX* projection, float aspect) {
    D3DXMatrixPerspectiveFovLH(projection, 3.1415927f * 0.33333334f, aspect, 0.5f, 1000.0f);
}
