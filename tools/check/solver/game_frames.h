// Playing a level with the game's own frame update, one frame of 1/60 s at a time, on the
// game-state globals.
#pragma once

#include "solver/solver.h"

#include <vector>

class CBullet;
class CCatalog;
class CLevel;
class CSoundPlayer;

inline constexpr float kFrameTime = 1.0f / kFramesPerSecond;

// Points the globals the frame update uses at the solver's catalog, with no sound player,
// for its lifetime; puts back the level, catalog, player and shots in flight it found.
class GameGlobalsScope {
public:
    explicit GameGlobalsScope(CCatalog& catalog);
    ~GameGlobalsScope();
    GameGlobalsScope(const GameGlobalsScope&) = delete;
    GameGlobalsScope& operator=(const GameGlobalsScope&) = delete;

private:
    CLevel* m_pLevel;
    CCatalog* m_pCatalog;
    CSoundPlayer* m_pSoundManager;
    std::vector<CBullet> m_bullets;
};
