// The full-screen pictures fill the view from the title camera in the window and on a wide
// screen.
#include "content_fixture.h"

#include "render/camera.h"
#include "render/device_setup.h"
#include "shell/screens.h"

#include <d3dx9.h>

#include <algorithm>

namespace content_test {
namespace {

TEST_F(ContentTest, PicturesCoverTheViewFromTheTitlePose) {
    CCamera camera(Free);
    SetTitlePose(camera);
    D3DXMATRIX view;
    camera.GetViewMatrix(&view);
    // The window's client area, and a 16:9 full screen.
    for (const float aspect : {1016.0f / 741.0f, 16.0f / 9.0f}) {
        D3DXMATRIX projection, viewProjection;
        GameProjection(&projection, aspect);
        D3DXMatrixMultiply(&viewProjection, &view, &projection);
        for (const char* picture :
             {"menuIntro", "menuIntroduction", "menuComplete", "menuGameover"}) {
            // Where the picture's vertices land on the screen, from -1 to 1 across.
            float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
            for (const D3DXVECTOR3& position : Positions(picture)) {
                D3DXVECTOR3 screen;
                D3DXVec3TransformCoord(&screen, &position, &viewProjection);
                left = std::min(left, screen.x);
                right = std::max(right, screen.x);
                bottom = std::min(bottom, screen.y);
                top = std::max(top, screen.y);
            }
            EXPECT_LT(left, -1.0f) << picture << " at aspect " << aspect;
            EXPECT_GT(right, 1.0f) << picture << " at aspect " << aspect;
            EXPECT_LT(bottom, -1.0f) << picture << " at aspect " << aspect;
            EXPECT_GT(top, 1.0f) << picture << " at aspect " << aspect;
        }
    }
}

} // namespace
} // namespace content_test
