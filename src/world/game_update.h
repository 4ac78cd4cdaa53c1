// The game world's part of each frame and the player's shots, working on the game-state
// globals (g_pLevel, g_bullets, g_pCatalog, g_pSoundManager).
#pragma once

#include <d3dx9.h>

// Height above the train's tile at which a shot starts.
constexpr float SHOT_START_HEIGHT = 3.0f;

// Advances the level by dt seconds: moves and tests the shots, clears spent shots and
// destroyed objects, then runs the train. Does nothing once the run is lost or complete.
void UpdateGame(float dt);

// Fires a shot from above the train's tile towards the aim point (the pointer's point on the
// ground) and plays "steam". Without a level, or aimed at its own starting point, nothing is
// fired.
void FireBullet(const D3DXVECTOR3& aimPoint);
