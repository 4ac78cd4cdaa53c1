#include "render/scene.h"

#include "render/grid.h"
#include "render/scene_frame.h"
#include "render/text_overlay.h"
#include "shell/game_state.h"
#include "shell/screens.h"
#include "world/level.h"

#include <string>

namespace {

constexpr RECT kPausedRect = {300, 0, 300, 100};
constexpr RECT kFpsRect = {0, 0, 500, 100};

void SetWorld(const D3DXMATRIX& world) {
    g_pDevice->SetTransform(D3DTS_WORLD, &world);
}

// Everything that stands on the board, with the readouts, while the level runs.
void RenderLevelPart() {
    g_pLevel->Render();
    for (const CBullet& bullet : g_bullets) {
        D3DXMATRIX world;
        bullet.GetWorldMatrix(&world);
        SetWorld(world);
        DrawModel("bullet");
    }
    SetWorld(g_matWorld);
    DrawModel("floor");
    D3DXMATRIX pointer;
    D3DXMatrixTranslation(&pointer, g_vPointer.x, g_vPointer.y, g_vPointer.z + 10.0f);
    SetWorld(pointer);
    DrawModel("pointer");
    SetWorld(g_matWorld);
    g_pDevice->SetTexture(0, nullptr);

    if (g_bShowClickVector) {
        DrawLabelledVector("Click Vector", g_vPointer);
    }
    if (g_bPaused) {
        DrawOverlayText("PAUSED", kPausedRect);
    }
    if (g_bShowGrid && g_pGrid != nullptr) {
        D3DXMATRIX lifted;
        D3DXMatrixTranslation(&lifted, 0.0f, 0.0f, 0.1f);
        SetWorld(lifted);
        g_pGrid->Render();
        SetWorld(g_matWorld);
    }
    DrawScore();
}

} // namespace

void RenderScene(float /*dt*/, int fps) {
    if (!ClearFrame(0xFFFFFFFF)) {
        return;
    }
    BeginLitScene();
    if (g_pLevel != nullptr && !LevelOver()) {
        RenderLevelPart();
    }
    DrawOverlayText("fps: " + std::to_string(fps), kFpsRect);
    PresentFrame();
}
