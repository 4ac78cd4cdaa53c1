// Keys and mouse: held and on-release keys, the screens they lead between, level starts and
// skips, the free camera and camera.txt; aiming at the ground, firing in play only, closing.
#include "shell/keys.h"
#include "shell/window_proc.h"

#include "shell_fixture.h"

#include <map>
#include <sstream>

namespace {

using InputTest = shell_test::ShellTest;

// Plays keys: "+K" presses K, "-K" lets it go, "*K" both before the next poll, "." runs a frame
// (K: a letter, Esc, Space, F1, End, Pause). The frames' results, the switches on, the level.
std::string Keys(const std::string& script, float dt = 0.01f) {
    static const std::map<std::string, int> named = {
        {"Esc", VK_ESCAPE}, {"Space", VK_SPACE}, {"F1", VK_F1},
        {"End", VK_END},    {"Pause", VK_PAUSE},
    };
    std::istringstream in(script);
    std::string out, token;
    while (in >> token) {
        const int key = named.count(token.substr(1)) ? named.at(token.substr(1)) : token.back();
        if (token == ".") {
            out += std::to_string(HandleKeys(dt));
            continue;
        }
        win32::RecordKeyEvent(key, token[0] != '-');
        if (token[0] == '*') {
            win32::RecordKeyEvent(key, false);
        }
    }
    return out + (g_bShowMenu ? " title" : "") + (g_bShowIntroduction ? " intro" : "") +
           (g_bPaused ? " paused" : "") + (g_bShowGrid ? " grid" : "") +
           (g_bShowClickVector ? " vector" : "") + (g_bMusicOff ? " mute" : "") +
           (g_pLevel->gameOver ? " lost" : "") + " level " + std::to_string(g_nLevel);
}

TEST_F(InputTest, EscapeLeadsToTheTitleWhereOnlyAFreshPressQuitsAndSpaceStartsTheLevel) {
    EXPECT_EQ(Keys("+Esc . -Esc . ."), "000 title grid level 0");
    EXPECT_EQ(Keys("*Esc . ."), "01 title grid level 0");
    // The introduction does not read Space: a tap there while Escape is held still counts on
    // the title that Escape's release leads to, and starts the level.
    std::tie(g_bShowMenu, g_bShowIntroduction) = std::pair(false, true);
    EXPECT_EQ(Keys("+Esc *Space . -Esc ."), "00 grid level 0");
    // From the title Space starts the level anew from its file; F1 shows the introduction.
    g_bShowMenu = true;
    g_pLevel->score = 99;
    EXPECT_EQ(Keys("+Space ."), "0 grid level 0");
    EXPECT_EQ(g_pLevel->score, 0) << "restarted from its file";
    g_pLevel->gameOver = true; // held Space restarts a lost level
    EXPECT_EQ(Keys(". -Space"), "0 grid level 0");
    g_bShowMenu = true;
    EXPECT_EQ(Keys("+F1 . -F1"), "0 intro grid level 0");
    // End skips a level, and Space on the complete screen goes on; both wrap after the last.
    g_bShowIntroduction = false;
    EXPECT_EQ(Keys("*End . . *End . ."), "0000 grid level 0");
    EXPECT_EQ(Keys("*End . ."), "00 grid level 1");
    g_pLevel->complete = true;
    EXPECT_EQ(Keys("+Space ."), "0 grid level 0");
    g_pLevel->complete = true;
    EXPECT_EQ(Keys("."), "0 grid level 1");
}

TEST_F(InputTest, OnReleaseKeysActOnceWhenLetGoHeldKeysEveryFrameAndTheCameraFliesPaused) {
    EXPECT_EQ(Keys("+G . ."), "00 grid level 0") << "nothing while held";
    EXPECT_EQ(Keys("-G . ."), "00 level 0") << "once per release";
    // A tap shorter than a frame is still seen: down in one poll, released in the next.
    EXPECT_EQ(Keys("*V . ."), "00 vector level 0");
    // Holding C writes the camera of every frame to camera.txt.
    g_camera.position = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    Keys("+C .");
    std::stringstream text;
    text << std::ifstream("camera.txt").rdbuf();
    EXPECT_EQ(text.str().substr(0, 6), "1 2 3\n");
    const D3DXVECTOR3 start = g_camera.position, up = g_camera.up;
    Keys("+W . -W", 1.0f);
    ASSERT_EQ(g_camera.position, start) << "not while playing";
    // The press was never polled while playing, so the first paused frame still sees it.
    EXPECT_EQ(Keys("*Pause . ."), "00 paused vector level 0");
    const D3DXVECTOR3 before = g_camera.position, look = g_camera.look;
    Keys("+W . -W", 2.0f); // 2.5 units a second along the look axis
    const D3DXVECTOR3 off = g_camera.position - before - 5.0f * look;
    EXPECT_NEAR(D3DXVec3Length(&off), 0.0f, 1e-5f);
    EXPECT_EQ(Keys("+M ."), "0 paused vector level 0");
    EXPECT_NE(g_camera.up, up);
    EXPECT_EQ(Keys("-M ."), "0 paused vector mute level 0");
}

class MouseTest : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        // An even viewport height puts a pixel row exactly on the view's centre line.
        D3DVIEWPORT9 viewport = {0, 0, 1016, 740, 0.0f, 1.0f};
        g_pDevice->SetViewport(&viewport);
        D3DXMatrixPerspectiveFovLH(&g_matProj, 3.1415927f / 3, 1016.0f / 740.0f, 0.5f, 1000.0f);
        g_pDevice->SetTransform(D3DTS_PROJECTION, &g_matProj);
        g_groundPlane = D3DXPLANE(0, 0, 1, 0);
        View();
    }
    static void View() {
        D3DXMATRIX view;
        g_camera.GetViewMatrix(&view);
        g_pDevice->SetTransform(D3DTS_VIEW, &view);
    }
    static LRESULT Send(UINT message, int x, int y) {
        return WndProc(d3d9rec::testing::FakeWindow(), message, 0, MAKELPARAM(x, y));
    }
};

TEST_F(MouseTest, AClickAimsAtTheGroundAndFiresFromTheTrainInPlayOnly) {
    // The camera at (50, -40, 60) looks down (0, 0.8, -0.6): the view's centre meets the
    // ground at (50, 40, 0). The shot starts above the train's tile (2, 6).
    EXPECT_EQ(Send(WM_LBUTTONDOWN, 508, 370), 0);
    const D3DXVECTOR3 off = g_vPointer - D3DXVECTOR3(50, 40, 0);
    EXPECT_NEAR(D3DXVec3Length(&off), 0.0f, 1e-3f);
    EXPECT_EQ(std::make_pair(g_bullets.size(), g_bullets.at(0).origin),
              std::make_pair(std::size_t{1}, D3DXVECTOR3(25.0f, 65.0f, 3.0f)));
    // A move only aims; off play, or paused, the mouse does nothing.
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, 0), 0);
    EXPECT_GT(g_vPointer.y, 100.0f);
    for (bool* flag : {&g_bShowMenu, &g_bShowIntroduction, &g_bPaused, &g_pLevel->gameOver,
                       &g_pLevel->complete}) {
        *flag = true;
        Send(WM_LBUTTONDOWN, 508, 370);
        Send(WM_MOUSEMOVE, 508, 370);
        *flag = false;
    }
    EXPECT_EQ(std::make_pair(g_bullets.size(), g_vPointer.y > 100.0f),
              std::pair(std::size_t{1}, true));
}

TEST_F(MouseTest, ALineAlongTheGroundResetsThePointerAndClosingQuits) {
    std::tie(g_camera.position, g_camera.look, g_camera.up, g_camera.right) = std::make_tuple(
        D3DXVECTOR3(0, 0, 10), D3DXVECTOR3(0, 1, 0), D3DXVECTOR3(0, 0, 1), D3DXVECTOR3(1, 0, 0));
    View();
    g_vPointer = D3DXVECTOR3(1.0f, 2.0f, 0.0f);
    Send(WM_LBUTTONDOWN, 508, 370);
    EXPECT_EQ(std::make_pair(g_vPointer, g_bullets.size()),
              std::make_pair(D3DXVECTOR3(0, 0, 0), std::size_t{0}));
    // A ray above the horizon still finds the ground behind the camera: the line counts.
    // (This camera's up axis comes out as -z, so the lower half of the view looks up.)
    Send(WM_LBUTTONDOWN, 508, 640);
    EXPECT_EQ(std::make_pair(g_vPointer.y < 0.0f, g_bullets.size()),
              std::pair(true, std::size_t{1}));
    // Closing the window releases everything and quits.
    EXPECT_EQ(WndProc(d3d9rec::testing::FakeWindow(), WM_DESTROY, 0, 0), 0);
    EXPECT_EQ(std::make_tuple(g_pDevice, g_pD3D, g_pLevel, g_pCatalog, d3d9rec::LiveObjects()),
              std::make_tuple(nullptr, nullptr, nullptr, nullptr, std::size_t{0}));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
}

} // namespace
