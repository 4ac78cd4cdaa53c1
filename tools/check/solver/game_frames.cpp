#include "solver/game_frames.h"

#include "shell/game_state.h"
#include "world/game_update.h"
#include "world/level.h"

GameGlobalsScope::GameGlobalsScope(CCatalog& catalog)
    : m_pLevel(g_pLevel), m_pCatalog(g_pCatalog), m_pSoundManager(g_pSoundManager),
      m_bullets(std::move(g_bullets)) {
    g_pLevel = nullptr;
    g_pCatalog = &catalog;
    g_pSoundManager = nullptr;
    g_bullets.clear();
}

GameGlobalsScope::~GameGlobalsScope() {
    g_pLevel = m_pLevel;
    g_pCatalog = m_pCatalog;
    g_pSoundManager = m_pSoundManager;
    g_bullets = std::move(m_bullets);
}

void PlayFrame(CLevel& level) {
    // With no shot in flight and nothing marked dead, the frame update has no shot to move and
    // nothing to clear: its train step is all it does. Calling that alone spares building
    // the frame's table of targets in the many frames between steps.
    if (g_bullets.empty() && !level.gameOver && !level.complete) {
        level.UpdateTrain(kFrameTime);
        return;
    }
    UpdateGame(kFrameTime);
}
