// The keyboard: held and on-release keys, the screens they lead between, level starts and
// skips, the free camera while paused and camera.txt.
#include "shell/keys.h"

#include "shell_fixture.h"

#include <fstream>
#include <sstream>

namespace {

using shell_test::ShellTest;

class KeysTest : public ShellTest {
protected:
    // A key pressed and let go before the next poll.
    static void Tap(int key) {
        Press(key);
        Release(key);
    }
    static int Frame(float dt = 0.01f) { return HandleKeys(dt); }
};

TEST_F(KeysTest, OnReleaseKeysActOnceWhenLetGoAndHeldKeysEveryFrame) {
    Press('G');
    for (int frame = 0; frame < 3; ++frame) {
        Frame();
        EXPECT_TRUE(g_bShowGrid) << "holding G does nothing yet";
    }
    Release('G');
    Frame();
    EXPECT_FALSE(g_bShowGrid);
    Frame();
    EXPECT_FALSE(g_bShowGrid) << "once per release";

    // A tap shorter than a frame is still seen: down in one poll, released in the next.
    Tap('V');
    Frame();
    EXPECT_FALSE(g_bShowClickVector);
    Frame();
    EXPECT_TRUE(g_bShowClickVector);

    // Space is held: on the game-over screen it restarts the level in every frame it is down.
    g_pLevel->gameOver = true;
    Press(VK_SPACE);
    Frame();
    EXPECT_FALSE(g_pLevel->gameOver) << "level 0 read again";
    EXPECT_EQ(g_nLevel, 0);
}

TEST_F(KeysTest, EscapeFromPlayShowsTheTitleAndOnlyAFreshPressQuits) {
    Press(VK_ESCAPE);
    EXPECT_EQ(Frame(), 0);
    EXPECT_FALSE(g_bShowMenu) << "nothing until Escape is let go";
    Release(VK_ESCAPE);
    EXPECT_EQ(Frame(), 0);
    EXPECT_TRUE(g_bShowMenu);
    EXPECT_EQ(Frame(), 0) << "the release that left play does not also quit";

    Press(VK_ESCAPE);
    EXPECT_EQ(Frame(), 0);
    Release(VK_ESCAPE);
    EXPECT_EQ(Frame(), 1);

    // The introduction, complete and game-over screens lead back to the title too.
    g_bShowMenu = false;
    g_bShowIntroduction = true;
    Tap(VK_ESCAPE);
    Frame();
    Frame();
    EXPECT_TRUE(g_bShowMenu);
    EXPECT_FALSE(g_bShowIntroduction);

    // The introduction does not read Space: a tap there while Escape is held still counts on
    // the title that Escape's release leads to, and starts the level.
    g_bShowMenu = false;
    g_bShowIntroduction = true;
    Press(VK_ESCAPE);
    Tap(VK_SPACE);
    Frame();
    Release(VK_ESCAPE);
    Frame();
    EXPECT_FALSE(g_bShowMenu) << "the level started";
    EXPECT_FALSE(g_bShowIntroduction);
}

TEST_F(KeysTest, TitleKeysStartTheLevelFromItsFileOrShowTheIntroduction) {
    g_bShowMenu = true;
    g_pLevel->score = 99;
    Press(VK_SPACE);
    Frame();
    EXPECT_FALSE(g_bShowMenu);
    EXPECT_EQ(g_pLevel->score, 0) << "restarted from its file";
    Release(VK_SPACE);

    g_bShowMenu = true;
    Press(VK_F1);
    Frame();
    EXPECT_FALSE(g_bShowMenu);
    EXPECT_TRUE(g_bShowIntroduction);
    Release(VK_F1);

    // Space and F1 together: the level loads and the introduction shows over it.
    g_bShowMenu = true;
    g_bShowIntroduction = false;
    Press(VK_SPACE);
    Press(VK_F1);
    Frame();
    EXPECT_FALSE(g_bShowMenu);
    EXPECT_TRUE(g_bShowIntroduction);
}

TEST_F(KeysTest, LevelsFollowOnSkipAndWrap) {
    Tap(VK_END);
    Frame();
    Frame();
    EXPECT_EQ(g_nLevel, 1);
    EXPECT_EQ(g_pLevel->width, 4) << "the second level";
    Tap(VK_END);
    Frame();
    Frame();
    EXPECT_EQ(g_nLevel, 0) << "past the last level: level 0";
    EXPECT_EQ(g_pLevel->width, 10);

    // Space on the complete screen goes on to the next level, wrapping the same way.
    g_pLevel->complete = true;
    Press(VK_SPACE);
    Frame();
    EXPECT_EQ(g_nLevel, 1);
    g_pLevel->complete = true;
    Frame();
    EXPECT_EQ(g_nLevel, 0);
    EXPECT_FALSE(g_pLevel->complete);
}

TEST_F(KeysTest, TheCameraFliesOnlyWhilePaused) {
    const D3DXVECTOR3 start = g_camera.position;
    Press('W');
    Frame(1.0f);
    EXPECT_EQ(g_camera.position, start) << "not paused";
    Release('W');
    Frame();

    Tap(VK_PAUSE);
    Frame();
    Frame();
    ASSERT_TRUE(g_bPaused);
    // (The unpaused press above was never polled, so it counted once more in the first
    // paused frame, as the platform's "pressed since the last query" bit does.)
    const D3DXVECTOR3 before = g_camera.position;
    const D3DXVECTOR3 look = g_camera.look;
    Press('W');
    Frame(2.0f);
    Release('W');
    const D3DXVECTOR3 moved = g_camera.position - before;
    EXPECT_NEAR(moved.x, 5.0f * look.x, 1e-5f);
    EXPECT_NEAR(moved.y, 5.0f * look.y, 1e-5f);
    EXPECT_NEAR(moved.z, 5.0f * look.z, 1e-5f);

    // M both rolls the camera while held and toggles the music when let go.
    const D3DXVECTOR3 up = g_camera.up;
    Press('M');
    Frame(1.0f);
    EXPECT_NE(g_camera.up, up);
    EXPECT_FALSE(g_bMusicOff);
    Release('M');
    Frame();
    EXPECT_TRUE(g_bMusicOff);
}

TEST_F(KeysTest, HoldingCWritesTheCameraEveryFrame) {
    Press('C');
    Frame();
    g_camera.position = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    Frame();
    std::ifstream file("camera.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str().substr(0, 6), "1 2 3\n") << "the camera of the last frame";
}

TEST_F(KeysTest, NothingHappensWithoutADevice) {
    IDirect3DDevice9* device = g_pDevice;
    g_pDevice = nullptr;
    g_bShowMenu = true;
    Tap(VK_ESCAPE);
    EXPECT_EQ(Frame(), 0);
    EXPECT_EQ(Frame(), 0);
    EXPECT_TRUE(g_bShowMenu);
    g_pDevice = device;
}

} // namespace
