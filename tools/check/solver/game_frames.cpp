#include "solver/game_frames.h"

#include "shell/game_state.h"

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
