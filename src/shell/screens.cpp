#include "shell/screens.h"

#include "render/model_drawing.h"
#include "render/scene_frame.h"
#include "shell/game_state.h"
#include "world/level.h"

#include <bit>
#include <cstdint>

namespace {

// The title pose, exact to the bit: almost straight down the -z axis from 66.17 units
// above a point near the origin, the top of the screen towards -y.
D3DXVECTOR3 Bits(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    return D3DXVECTOR3(std::bit_cast<float>(x), std::bit_cast<float>(y), std::bit_cast<float>(z));
}

// The picture of the screen that is up, by precedence; null in play.
const char* ScreenModel() {
    if (g_bShowMenu) {
        return "menuIntro";
    }
    if (g_bShowIntroduction) {
        return "menuIntroduction";
    }
    if (g_pLevel != nullptr && g_pLevel->complete) {
        return "menuComplete";
    }
    if (g_pLevel != nullptr && g_pLevel->gameOver) {
        return "menuGameover";
    }
    return nullptr;
}

} // namespace

void SetTitlePose(CCamera& camera) {
    camera.position = Bits(0x3ED3EA61, 0x4036B3F2, 0x428455EE);
    camera.up = Bits(0x3B0741AF, 0xBF7FFFD3, 0x3A8BE068);
    camera.look = Bits(0xB68D61A8, 0xBA8BE0C6, 0xBF7FFFF6);
    camera.right = Bits(0x3F7FFFDC, 0x3B074197, 0xB6D748FB);
}

void DrawModel(const char* name) {
    DrawCatalogModel(g_pDevice, g_pCatalog, name);
}

void RenderScreens(float /*dt*/, int /*fps*/) {
    if (!ClearFrame(0xFF000000)) {
        return;
    }
    if (!g_bPaused) {
        SetTitlePose(g_camera);
    }
    BeginLitScene();
    g_pDevice->SetTransform(D3DTS_WORLD, &g_matWorld);
    if (const char* model = ScreenModel()) {
        DrawModel(model);
    }
    g_pDevice->SetTexture(0, nullptr);
    PresentFrame();
}
