// One shot in flight: fired from above the train's tile towards the aim point, moved each
// frame and tested against the level's targets.
#pragma once

#include <d3dx9.h>

#include <cstddef>
#include <vector>

class CCatalog;
class CLevel;
class CSoundPlayer;
struct HitTarget;

// The level's targets and obstacles with their spheres, taken once for all the shots of a
// frame: the objects cannot move or change kind while the shots fly, and a catalog lookup per
// shot and object would cost far more than the sphere tests themselves.
class HitTable {
public:
    HitTable(const CLevel& level, CCatalog* catalog);
    ~HitTable();
    // What object `index` of the level does to shots.
    HitTarget At(const CLevel& level, std::size_t index) const;

private:
    CCatalog* m_pCatalog;
    std::vector<HitTarget> m_targets;
};

constexpr float BULLET_SPEED = 30.0f;
constexpr float BULLET_RANGE = 300.0f;

class CBullet {
public:
    // Advances the shot by dt seconds along its direction.
    void Move(float dt);
    // Tests the shot against every object of the level and carries out the hits' events.
    void CheckHits();
    // The same with the frame's table of targets, made for the shot's level and catalog.
    void CheckHits(const HitTable& table);
    // The translation to the shot's position, for drawing it.
    void GetWorldMatrix(D3DXMATRIX* world) const;

    D3DXVECTOR3 position;
    D3DXVECTOR3 direction;
    D3DXVECTOR3 origin;
    float speed;
    bool dead;
    CLevel* m_pLevel;
    CCatalog* m_pCatalog;
    CSoundPlayer* m_pSoundManager;
};
