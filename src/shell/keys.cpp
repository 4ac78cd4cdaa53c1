#include "shell/keys.h"

#include "shell/game_state.h"
#include "shell/load_level.h"
#include "world/level.h"

#include <windows.h>

namespace {

// A key counts as down when it is down now or was pressed since the previous query: the
// state is taken as a signed 16-bit value widened to 32 bits and tested against 0x8000F.
bool KeyDown(int virtualKey) {
    const int state = static_cast<SHORT>(GetAsyncKeyState(virtualKey));
    return (state & 0x8000F) != 0;
}

// On-release keys: the latch is set while the key is down; true once, in the first poll
// after it came up.
bool Released(int virtualKey, bool& latch) {
    if (KeyDown(virtualKey)) {
        latch = true;
        return false;
    }
    if (latch) {
        latch = false;
        return true;
    }
    return false;
}

// The free camera while paused: distances at 2.5 units a second, angles at the
// single-precision 0.1 radians a second (widened before the product with dt).
constexpr double kMove = 2.5;
constexpr double kTurn = 0.1f;

struct CameraKey {
    int virtualKey;
    void (CCamera::*operation)(float);
    double perSecond;
};

constexpr CameraKey kCameraKeys[] = {
    {'W', &CCamera::Walk, kMove},     {'S', &CCamera::Walk, -kMove},
    {'A', &CCamera::Strafe, -kMove},  {'D', &CCamera::Strafe, kMove},
    {'R', &CCamera::Fly, kMove},      {'F', &CCamera::Fly, -kMove},
    {VK_UP, &CCamera::Pitch, kTurn},  {VK_DOWN, &CCamera::Pitch, -kTurn},
    {VK_LEFT, &CCamera::Yaw, -kTurn}, {VK_RIGHT, &CCamera::Yaw, kTurn},
    {'N', &CCamera::Roll, kTurn},     {'M', &CCamera::Roll, -kTurn},
};

void FlyCamera(float dt) {
    for (const CameraKey& key : kCameraKeys) {
        if (KeyDown(key.virtualKey)) {
            (g_camera.*key.operation)(static_cast<float>(key.perSecond * dt));
        }
    }
}

void HandlePlayKeys(float dt) {
    if (KeyDown('C')) {
        g_camera.SaveToFile();
    }
    if (Released('G', g_bKeyGDown)) {
        g_bShowGrid = !g_bShowGrid;
    }
    if (Released('V', g_bKeyVDown)) {
        g_bShowClickVector = !g_bShowClickVector;
    }
    if (Released(VK_PAUSE, g_bKeyPauseDown)) {
        g_bPaused = !g_bPaused;
    }
    if (Released(VK_END, g_bKeyEndDown)) {
        ++g_nLevel;
        LoadLevel(g_nLevel);
    }
    if (g_bPaused) {
        FlyCamera(dt);
    }
}

// The level-complete and game-over screens. The introduction over a level in play has no
// keys here, and Space is not even read there: reading it would clear its "pressed since the
// last query" bit, and a tap must still count when Escape leads to the title.
void HandleScreenKeys() {
    if (g_pLevel == nullptr) {
        return;
    }
    if (g_pLevel->gameOver) {
        if (KeyDown(VK_SPACE)) {
            LoadLevel(g_nLevel);
        }
    } else if (g_pLevel->complete) {
        if (KeyDown(VK_SPACE)) {
            ++g_nLevel;
            if (LoadLevel(g_nLevel) != 0) {
                g_nLevel = 0;
                LoadLevel(0);
            }
        }
    }
}

// The title screen: 1 to quit.
int HandleTitleKeys() {
    if (Released(VK_ESCAPE, g_bKeyEscDown)) {
        return 1;
    }
    if (KeyDown(VK_SPACE)) {
        LoadLevel(g_nLevel);
        g_bShowMenu = false;
        g_bShowIntroduction = false;
    }
    if (KeyDown(VK_F1)) {
        g_bShowMenu = false;
        g_bShowIntroduction = true;
    }
    return 0;
}

} // namespace

int HandleKeys(float dt) {
    if (g_pDevice == nullptr) {
        return 0;
    }
    if (Released('M', g_bKeyMDown)) {
        g_bMusicOff = !g_bMusicOff;
    }
    // Escape anywhere but the title leads back to it; the latch is shared with the title's
    // Escape, so leaving play does not also quit.
    if (!g_bShowMenu && KeyDown(VK_ESCAPE)) {
        g_bKeyEscDown = true;
    } else if (g_bKeyEscDown && !g_bShowMenu) {
        g_bKeyEscDown = false;
        g_bShowMenu = true;
        g_bShowIntroduction = false;
    }

    if (InPlay()) {
        HandlePlayKeys(dt);
    } else if (!g_bShowMenu) {
        HandleScreenKeys();
    } else {
        return HandleTitleKeys();
    }
    return 0;
}
