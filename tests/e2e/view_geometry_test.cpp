// Where ground points appear in the game's window, from the title pose and a level camera.
#include "view_geometry.h"

#include "render/camera.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A level camera 80 units above (25, 30) looking straight down, the top of the screen
// towards -y: 741 / 2 pixels for 80 tan 30 degrees units, 8.02 pixels a unit.
GroundView StraightDownView() {
    CCamera camera(Free);
    std::istringstream data("25 30 80  0 -1 0  0 0 -1  1 0 0");
    camera.ReadCameraData(data);
    return GroundView(camera, kGameClientSize);
}

TEST(GroundView, PointUnderALevelCameraLandsAtItsScaledOffsetFromTheCentre) {
    const GroundView view = StraightDownView();
    // Tile (4, 4) lies 20 units right of and 15 below the point under the camera.
    const std::optional<D3DXVECTOR2> at = view.ClientPositionOf({45.0f, 45.0f, 0.0f});
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->x, 508.0f + 20.0f * 8.0215f, 0.01f);
    EXPECT_NEAR(at->y, 370.5f + 15.0f * 8.0215f, 0.01f);
}

TEST(GroundView, GroundUnderAPixelLiesAtItsScaledOffsetFromThePointBelowTheCamera) {
    const GroundView view = StraightDownView();
    const std::optional<D3DXVECTOR3> centre = view.GroundAt(508.0f, 370.5f);
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->x, 25.0f, 0.001f);
    EXPECT_NEAR(centre->y, 30.0f, 0.001f);
    const std::optional<D3DXVECTOR3> corner = view.GroundAt(0.0f, 0.0f);
    ASSERT_TRUE(corner);
    EXPECT_NEAR(corner->x, 25.0f - 508.0f / 8.0215f, 0.01f);
    EXPECT_NEAR(corner->y, 30.0f - 370.5f / 8.0215f, 0.01f);
    EXPECT_FLOAT_EQ(corner->z, 0.0f);
}

TEST(GroundView, TitleViewLooksAtThePictureCentre) {
    const GroundView view = TitleView(kGameClientSize);
    const std::optional<D3DXVECTOR3> centre = view.GroundAt(508.0f, 370.5f);
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->x, 0.4136f, 0.01f);
    EXPECT_NEAR(centre->y, 2.7841f, 0.01f);
}

TEST(GroundView, PointsBehindTheEyeAndTheSkyHaveNoPlace) {
    CCamera camera(Free);
    // 10 units up, looking level along +y.
    std::istringstream data("0 0 10  0 0 1  0 1 0  -1 0 0");
    camera.ReadCameraData(data);
    const GroundView view(camera, kGameClientSize);
    EXPECT_FALSE(view.ClientPositionOf({0.0f, -50.0f, 0.0f}));
    EXPECT_FALSE(view.GroundAt(508.0f, 100.0f)); // above the horizon
    EXPECT_TRUE(view.GroundAt(508.0f, 700.0f));
}

} // namespace
