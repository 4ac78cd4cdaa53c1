#include "render/text_overlay.h"

#include "shell/game_state.h"
#include "world/level.h"

#include <sstream>

namespace {

constexpr D3DCOLOR kTextColour = 0xFF000000;
constexpr RECT kVectorRect = {0, 40, 100, 80};
constexpr RECT kScoreRect = {500, 0, 100, 100};

} // namespace

std::string LabelledVectorText(const char* label, const D3DXVECTOR3& vector) {
    std::ostringstream text;
    text << label << ": \n";
    text.precision(2);
    text << vector.x << " " << vector.y << " " << vector.z << "\n";
    return text.str();
}

void DrawOverlayText(const std::string& text, const RECT& rect) {
    if (g_pFont == nullptr) {
        return;
    }
    RECT placed = rect;
    g_pFont->DrawTextA(nullptr, text.c_str(), -1, &placed, DT_NOCLIP, kTextColour);
}

void DrawLabelledVector(const char* label, const D3DXVECTOR3& vector) {
    DrawOverlayText(LabelledVectorText(label, vector), kVectorRect);
}

void DrawScore() {
    if (g_pLevel == nullptr) {
        return;
    }
    DrawOverlayText("Score: " + std::to_string(g_pLevel->score), kScoreRect);
}
