#include "world/game_update.h"

#include "shell/game_state.h"
#include "world/level.h"
#include "world/saturating.h"
#include "world/sound_cue.h"
#include "world/tile.h"

#include <cmath>
#include <vector>

void UpdateGame(float dt) {
    CLevel* level = g_pLevel;
    if (!level || level->gameOver || level->complete) {
        return;
    }
    // A shot that passes its range in this frame is dropped without a hit test. The targets
    // are taken once for all shots (every shot fired into this level shares its catalog), and
    // not at all in the many frames without a shot in flight.
    if (!g_bullets.empty()) {
        const HitTable targets(*level, level->m_pCatalog);
        for (CBullet& shot : g_bullets) {
            shot.Move(dt);
            const D3DXVECTOR3 travelled = shot.position - shot.origin;
            if (!(D3DXVec3Length(&travelled) <= BULLET_RANGE)) {
                shot.dead = true;
            } else if (shot.m_pLevel == level && shot.m_pCatalog == level->m_pCatalog) {
                shot.CheckHits(targets);
            } else {
                shot.CheckHits();
            }
        }
        std::erase_if(g_bullets, [](const CBullet& shot) { return shot.dead; });
    }
    const auto removed =
        std::erase_if(level->objects, [](const CLevelObject& object) { return object.dead; });
    level->objectCount = SaturatingAdd(level->objectCount, -static_cast<long long>(removed));
    level->UpdateTrain(dt);
}

void FireBullet(const D3DXVECTOR3& aimPoint) {
    if (!g_pLevel) {
        return;
    }
    CBullet shot;
    shot.origin = TileCentre(g_pLevel->trainX, g_pLevel->trainY);
    shot.origin.z = SHOT_START_HEIGHT;
    shot.position = shot.origin;
    // Normalised in double so that far-off aim points cannot overflow the length.
    const double dx = static_cast<double>(aimPoint.x) - shot.origin.x;
    const double dy = static_cast<double>(aimPoint.y) - shot.origin.y;
    const double dz = static_cast<double>(aimPoint.z) - shot.origin.z;
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (length == 0.0) {
        return;
    }
    shot.direction = D3DXVECTOR3(static_cast<float>(dx / length), static_cast<float>(dy / length),
                                 static_cast<float>(dz / length));
    shot.speed = BULLET_SPEED;
    shot.dead = false;
    shot.m_pLevel = g_pLevel;
    shot.m_pCatalog = g_pCatalog;
    shot.m_pSoundManager = g_pSoundManager;
    g_bullets.push_back(shot);
    PlayCue(g_pCatalog, g_pSoundManager, "steam");
}
