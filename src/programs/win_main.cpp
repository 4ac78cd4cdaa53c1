#include "catalog/catalog.h"
#include "render/d3d_error.h"
#include "render/device_setup.h"
#include "shell/game_state.h"
#include "shell/load_level.h"
#include "shell/main_loop.h"
#include "shell/game_window.h"

#include <windows.h>

// Start-up in a fixed order: window class and window, device set-up, the catalog with all
// content, level 0 behind the title screen, then the frame loop. The window is shown only
// once everything is loaded.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = CreateGameWindow(instance);
    D3DXMatrixIdentity(&g_matWorld);

    if (InitD3D(window) >= 0) {
        g_pCatalog = new CCatalog(g_pDevice, g_pSoundManager);
        g_nLevel = 0;
        if (LoadLevel(0) == 0) {
            ShowWindow(window, SW_SHOWDEFAULT);
            UpdateWindow(window);
            GameLoop();
        } else {
            // Without a level there is nothing to play: say so instead of showing an empty
            // game.
            ShowErrorBox("No levels found in levels.txt.");
        }
    }
    // Also after a failed set-up, which may have made the Direct3D object and more.
    ReleaseGameObjects();
    Cleanup();
    UnregisterClassA(kGameWindowClass, instance);
    return 0;
}
