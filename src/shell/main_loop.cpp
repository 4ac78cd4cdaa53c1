#include "shell/main_loop.h"

#include "catalog/catalog.h"
#include "render/grid.h"
#include "render/scene.h"
#include "shell/frame_clock.h"
#include "shell/game_state.h"
#include "shell/keys.h"
#include "shell/screens.h"
#include "sound/sound_player.h"
#include "world/game_update.h"
#include "world/level.h"

#include <windows.h>

namespace {

LONGLONG Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace

bool RunFrame(float dt, int fps) {
    if (HandleKeys(dt) != 0) {
        return false;
    }
    if (InPlay() && !g_bPaused) {
        UpdateGame(dt);
    }
    if (InPlay()) {
        RenderScene(dt, fps);
    } else {
        RenderScreens(dt, fps);
    }
    PlayMusicCue();
    return true;
}

void PlayMusicCue() {
    if (g_pCatalog == nullptr || g_pSoundManager == nullptr) {
        return;
    }
    CSound* blues = g_pCatalog->GetSound("blues");
    if (!g_bMusicOff && !g_pSoundManager->IsPlaying(blues)) {
        g_pSoundManager->Play(blues);
    } else if (g_bMusicOff && g_pSoundManager->IsPlaying(blues)) {
        g_pSoundManager->Stop(blues);
    }
}

void GameLoop() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    FrameClock clock(frequency.QuadPart, Counter());
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        const float dt = clock.Tick(Counter());
        if (!RunFrame(dt, clock.Fps())) {
            return;
        }
    }
}

void Cleanup() {
    if (g_pDevice != nullptr) {
        g_pDevice->Release();
        g_pDevice = nullptr;
    }
    if (g_pD3D != nullptr) {
        g_pD3D->Release();
        g_pD3D = nullptr;
    }
}

void ReleaseGameObjects() {
    if (g_pFont != nullptr) {
        g_pFont->Release();
        g_pFont = nullptr;
    }
    g_bullets.clear();
    delete g_pLevel;
    g_pLevel = nullptr;
    delete g_pGrid;
    g_pGrid = nullptr;
    delete g_pCatalog;
    g_pCatalog = nullptr;
    delete g_pSoundManager;
    g_pSoundManager = nullptr;
}
