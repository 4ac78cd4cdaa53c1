#include "shell/game_state.h"

#include "world/level.h"

IDirect3D9* g_pD3D = nullptr;
IDirect3DDevice9* g_pDevice = nullptr;
CSoundPlayer* g_pSoundManager = nullptr;
CCatalog* g_pCatalog = nullptr;
CLevel* g_pLevel = nullptr;
int g_nLevel = 0;

bool g_bShowMenu = false;
bool g_bShowIntroduction = false;
bool g_bPaused = false;
bool g_bMusicOff = false;
bool g_bShowGrid = false;
bool g_bShowClickVector = false;

bool g_bKeyMDown = false;
bool g_bKeyEscDown = false;
bool g_bKeyGDown = false;
bool g_bKeyVDown = false;
bool g_bKeyPauseDown = false;
bool g_bKeyEndDown = false;

D3DLIGHT9 g_light = {};
CGrid* g_pGrid = nullptr;
D3DMATERIAL9 g_gridMaterial = {};
IDirect3DVertexBuffer9* g_pGridVB = nullptr;
ID3DXFont* g_pFont = nullptr;

CCamera g_camera(Free);
std::vector<CBullet> g_bullets;
D3DXVECTOR3 g_vPointer(0.0f, 0.0f, 0.0f);
D3DXMATRIX g_matProj = {};
D3DXPLANE g_groundPlane(0.0f, 0.0f, 0.0f, 0.0f);
D3DXMATRIX g_matWorld = {};

bool LevelOver() {
    return g_pLevel != nullptr && (g_pLevel->gameOver || g_pLevel->complete);
}

bool InPlay() {
    return !g_bShowMenu && !g_bShowIntroduction && !LevelOver();
}
