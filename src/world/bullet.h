// One shot in flight: fired from above the train's tile towards the aim point, moved each
// frame and tested against the level's targets.
#pragma once

#include <d3dx9.h>

class CCatalog;
class CLevel;
class CSoundPlayer;

constexpr float BULLET_SPEED = 30.0f;
constexpr float BULLET_RANGE = 300.0f;

class CBullet {
public:
    // Advances the shot by dt seconds along its direction.
    void Move(float dt);
    // Tests the shot against every object of the level and carries out the hits' events.
    void CheckHits();

    D3DXVECTOR3 position;
    D3DXVECTOR3 direction;
    D3DXVECTOR3 origin;
    float speed;
    bool dead;
    CLevel* m_pLevel;
    CCatalog* m_pCatalog;
    CSoundPlayer* m_pSoundManager;
};
