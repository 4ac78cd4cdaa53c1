#include "shell/window_proc.h"

#include "shell/game_state.h"
#include "shell/main_loop.h"
#include "world/game_update.h"

namespace {

// The mouse only aims and fires in play, not paused.
bool MouseLive() {
    return InPlay() && !g_bPaused;
}

// Cuts the line under the pointer with the ground plane: the cut point becomes g_vPointer.
// A line parallel to the ground resets the pointer to the origin and gives false.
bool PickGround(LPARAM lParam) {
    const int x = static_cast<int>(lParam & 0xFFFF);
    const int y = static_cast<int>((lParam >> 16) & 0xFFFF);
    D3DXVECTOR3 origin;
    D3DXVECTOR3 direction;
    ComputePickRay(x, y, &origin, &direction);

    D3DXMATRIX view;
    g_pDevice->GetTransform(D3DTS_VIEW, &view);
    D3DXMATRIX viewInverse;
    D3DXMatrixInverse(&viewInverse, nullptr, &view);
    TransformRay(&origin, &direction, &viewInverse);

    // The whole line counts, so a pointer above the horizon still finds the ground behind
    // the camera.
    const D3DXVECTOR3 end = origin + direction * 5000.0f;
    D3DXVECTOR3 cut;
    if (D3DXPlaneIntersectLine(&cut, &g_groundPlane, &origin, &end) == nullptr) {
        g_vPointer = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        return false;
    }
    g_vPointer = cut;
    return true;
}

} // namespace

void ComputePickRay(int x, int y, D3DXVECTOR3* origin, D3DXVECTOR3* direction) {
    D3DVIEWPORT9 viewport;
    g_pDevice->GetViewport(&viewport);
    D3DXMATRIX projection;
    g_pDevice->GetTransform(D3DTS_PROJECTION, &projection);
    const float px = static_cast<float>(((2.0 * x) / viewport.Width - 1.0) / projection._11);
    const float py = static_cast<float>(((-2.0 * y) / viewport.Height + 1.0) / projection._22);
    *origin = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    *direction = D3DXVECTOR3(px, py, 1.0f);
}

void TransformRay(D3DXVECTOR3* origin, D3DXVECTOR3* direction, const D3DXMATRIX* m) {
    D3DXVec3TransformCoord(origin, origin, m);
    D3DXVec3TransformNormal(direction, direction, m);
    D3DXVec3Normalize(direction, direction);
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        // The game's objects go before the device, as when the loop ends by the keys.
        ReleaseGameObjects();
        Cleanup();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    case WM_MOUSEMOVE:
        if (MouseLive()) {
            PickGround(lParam);
        }
        return 0;
    case WM_LBUTTONDOWN:
        if (MouseLive() && PickGround(lParam)) {
            FireBullet(g_vPointer);
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
