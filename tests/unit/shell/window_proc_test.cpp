// The window procedure: aiming at the ground, firing on a click in play only, closing.
#include "shell/window_proc.h"

#include "shell_fixture.h"

namespace {

using shell_test::ShellTest;

class WindowProcTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // An even viewport height puts a pixel row exactly on the view's centre line.
        D3DVIEWPORT9 viewport = {0, 0, 1016, 740, 0.0f, 1.0f};
        g_pDevice->SetViewport(&viewport);
        D3DXMatrixPerspectiveFovLH(&g_matProj, 3.1415927f * 0.33333334f, 1016.0f / 740.0f, 0.5f,
                                   1000.0f);
        g_pDevice->SetTransform(D3DTS_PROJECTION, &g_matProj);
        const D3DXVECTOR3 origin(0.0f, 0.0f, 0.0f);
        const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
        D3DXPlaneFromPointNormal(&g_groundPlane, &origin, &up);
        View();
    }

    // The level's camera as the view: at (50, -40, 60) looking down (0, 0.8, -0.6).
    void View() {
        D3DXMATRIX view;
        g_camera.GetViewMatrix(&view);
        g_pDevice->SetTransform(D3DTS_VIEW, &view);
    }

    static LRESULT Send(UINT message, int x, int y) {
        return WndProc(shell_test::GameWindow(), message, 0, MAKELPARAM(x, y));
    }
};

TEST_F(WindowProcTest, AClickAimsAtTheGroundAndFiresFromTheTrain) {
    EXPECT_EQ(Send(WM_LBUTTONDOWN, 508, 370), 0);
    // The centre of the view meets the ground 100 units along the look axis.
    EXPECT_NEAR(g_vPointer.x, 50.0f, 1e-3f);
    EXPECT_NEAR(g_vPointer.y, 40.0f, 1e-3f);
    EXPECT_NEAR(g_vPointer.z, 0.0f, 1e-3f);
    ASSERT_EQ(g_bullets.size(), 1u);
    const CBullet& shot = g_bullets[0];
    EXPECT_EQ(shot.origin, D3DXVECTOR3(25.0f, 65.0f, 3.0f)) << "above the train's tile (2, 6)";
    D3DXVECTOR3 towards = g_vPointer - shot.origin;
    D3DXVec3Normalize(&towards, &towards);
    EXPECT_NEAR(D3DXVec3Dot(&towards, &shot.direction), 1.0f, 1e-5f);

    // A move only aims; a second click in the same frame is a second shot, in order.
    Send(WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(g_bullets.size(), 1u);
    const D3DXVECTOR3 moved = g_vPointer - D3DXVECTOR3(50.0f, 40.0f, 0.0f);
    EXPECT_GT(D3DXVec3Length(&moved), 1.0f);
    Send(WM_LBUTTONDOWN, 0, 0);
    ASSERT_EQ(g_bullets.size(), 2u);
    EXPECT_NE(g_bullets[1].direction, g_bullets[0].direction);
}

TEST_F(WindowProcTest, TheMouseDoesNothingOffPlayOrPaused) {
    g_vPointer = D3DXVECTOR3(1.0f, 2.0f, 0.0f);
    const auto states = {&g_bShowMenu, &g_bShowIntroduction, &g_bPaused, &g_pLevel->gameOver,
                         &g_pLevel->complete};
    for (bool* flag : states) {
        *flag = true;
        EXPECT_EQ(Send(WM_LBUTTONDOWN, 508, 370), 0);
        EXPECT_EQ(Send(WM_MOUSEMOVE, 100, 100), 0);
        *flag = false;
        EXPECT_TRUE(g_bullets.empty());
        EXPECT_EQ(g_vPointer, D3DXVECTOR3(1.0f, 2.0f, 0.0f));
    }
}

TEST_F(WindowProcTest, ALineAlongTheGroundResetsThePointerAndFiresNothing) {
    g_camera.position = D3DXVECTOR3(0.0f, 0.0f, 10.0f);
    g_camera.look = D3DXVECTOR3(0.0f, 1.0f, 0.0f);
    g_camera.up = D3DXVECTOR3(0.0f, 0.0f, 1.0f);
    g_camera.right = D3DXVECTOR3(1.0f, 0.0f, 0.0f);
    View();
    g_vPointer = D3DXVECTOR3(1.0f, 2.0f, 0.0f);
    Send(WM_LBUTTONDOWN, 508, 370);
    EXPECT_EQ(g_vPointer, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(g_bullets.empty());

    // A ray above the horizon still finds the ground behind the camera: the line counts.
    // (This camera's up axis comes out as -z, so the lower half of the view looks up.)
    Send(WM_LBUTTONDOWN, 508, 640);
    ASSERT_EQ(g_bullets.size(), 1u);
    EXPECT_LT(g_vPointer.y, 0.0f);
}

TEST_F(WindowProcTest, ClosingReleasesEverythingAndQuits) {
    EXPECT_EQ(WndProc(shell_test::GameWindow(), WM_DESTROY, 0, 0), 0);
    EXPECT_EQ(g_pDevice, nullptr);
    EXPECT_EQ(g_pD3D, nullptr);
    EXPECT_EQ(g_pLevel, nullptr);
    EXPECT_EQ(g_pCatalog, nullptr);
    EXPECT_EQ(d3d9rec::LiveObjects(), 0u) << "the game's objects went with the device";
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
}

} // namespace
