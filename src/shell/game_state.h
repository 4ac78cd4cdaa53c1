// The game-state globals through which the shell, the renderer and the game world talk to
// each other. Everything starts as zero; g_camera and g_bullets get their first values from
// their constructors, the rest from device set-up and WinMain.
#pragma once

#include <d3dx9.h>

#include <vector>

#include "render/camera.h"
#include "world/bullet.h"

class CCatalog;
class CGrid;
class CLevel;
class CSoundPlayer;

extern IDirect3D9* g_pD3D;
extern IDirect3DDevice9* g_pDevice;
extern CSoundPlayer* g_pSoundManager;
extern CCatalog* g_pCatalog;
extern CLevel* g_pLevel;
extern int g_nLevel;

// Screens and switches.
extern bool g_bShowMenu;
extern bool g_bShowIntroduction;
extern bool g_bPaused;
extern bool g_bMusicOff;
extern bool g_bShowGrid;
extern bool g_bShowClickVector;

// Key-release latches: set while the key is down, the action runs when it comes up.
extern bool g_bKeyMDown;
extern bool g_bKeyEscDown;
extern bool g_bKeyGDown;
extern bool g_bKeyVDown;
extern bool g_bKeyPauseDown;
extern bool g_bKeyEndDown;

extern D3DLIGHT9 g_light;
extern CGrid* g_pGrid;
extern D3DMATERIAL9 g_gridMaterial;
extern IDirect3DVertexBuffer9* g_pGridVB;
extern ID3DXFont* g_pFont;

extern CCamera g_camera;
extern std::vector<CBullet> g_bullets;
extern D3DXVECTOR3 g_vPointer;
extern D3DXMATRIX g_matProj;
extern D3DXPLANE g_groundPlane;
extern D3DXMATRIX g_matWorld;

// The current level has been lost or won.
bool LevelOver();
// No screen is up (title, introduction, complete, game over): the scene is drawn, paused or
// not.
bool InPlay();
