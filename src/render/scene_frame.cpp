#include "render/scene_frame.h"

#include "render/d3d_error.h"
#include "shell/game_state.h"

bool ClearFrame(D3DCOLOR colour) {
    const HRESULT result = g_pDevice->Clear(
        0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, colour, 1.0f, 0);
    if (result != D3D_OK) {
        ReportD3DError(result, StepClear);
        return false;
    }
    return true;
}

void BeginLitScene() {
    g_pDevice->SetRenderState(D3DRS_AMBIENT, 0xFF000000);
    g_pDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    g_pDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
    g_pDevice->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
    g_pDevice->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    D3DXMATRIX view;
    g_camera.GetViewMatrix(&view);
    g_pDevice->SetTransform(D3DTS_VIEW, &view);
    g_pDevice->SetTransform(D3DTS_WORLD, &g_matWorld);
    g_pDevice->BeginScene();
    g_pDevice->SetLight(0, &g_light);
    g_pDevice->LightEnable(0, TRUE);
}

void PresentFrame() {
    g_pDevice->EndScene();
    const HRESULT result = g_pDevice->Present(nullptr, nullptr, nullptr, nullptr);
    if (result != D3D_OK) {
        ReportD3DError(result, StepPresent);
    }
}
