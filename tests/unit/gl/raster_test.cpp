// Culling, depth, blending, lines, screen-space vertices and the viewport, read back as pixels.
#include "gl_fixture.h"

namespace gltest {
namespace {

using RasterTest = GlDeviceTest;

constexpr D3DCOLOR kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

std::vector<PositionColour> Reversed(std::vector<PositionColour> triangles) {
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3) {
        std::swap(triangles[i + 1], triangles[i + 2]);
    }
    return triangles;
}

// The default cull mode removes faces that are counter-clockwise on screen.
TEST_F(RasterTest, CullingFollowsTheCullMode) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    Bind(Reversed(ColouredQuad(1, 5, kRed)), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 0, 0})) << "a counter-clockwise face is culled";

    ASSERT_EQ(device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 0, 0})) << "nothing is culled";

    Bind(ColouredQuad(1, 5, kGreen), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 0, 0})) << "a clockwise face is culled";

    ASSERT_EQ(device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 255, 0})) << "a clockwise face is kept";
}

// The projection's depth range 0..1 is mapped: a nearer face hides a farther one drawn later,
// unless the depth test is off.
TEST_F(RasterTest, DepthTestKeepsTheNearestFace) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    auto nearRed = ColouredQuad(1, 3, kRed);
    auto farGreen = ColouredQuad(2, 900, kGreen); // close to the far plane, still inside it
    std::vector<PositionColour> both = nearRed;
    both.insert(both.end(), farGreen.begin(), farGreen.end());
    Bind(both, D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 6, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 0, 0}));

    // Past the far plane, and in front of the near plane (0.5), nothing is drawn.
    auto beyond = ColouredQuad(2000, 1100, kGreen);
    auto tooNear = ColouredQuad(0.2f, 0.4f, kGreen);
    beyond.insert(beyond.end(), tooNear.begin(), tooNear.end());
    Bind(beyond, D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 4), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 0, 0}));

    Bind(both, D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 6, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 255, 0})) << "without the depth test the last face wins";
}

// Source alpha blending mixes a half-transparent colour with what is there.
TEST_F(RasterTest, AlphaBlendingMixesWithTheTarget) {
    MakeDevice(WindowedParams(), 0xFFFFFFFF);
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    // Stage 0 takes the alpha of the diffuse colour (no texture reads 1 otherwise).
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE), D3D_OK);
    Bind(ColouredQuad(1, 5, D3DCOLOR_ARGB(128, 0, 0, 255)), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 0, 255})) << "blending is off by default";

    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1, 0), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    float a = 128.0f / 255.0f;
    EXPECT_TRUE(Near(Centre(), Expected(1 - a, 1 - a, 1)));
}

// The grid: a line list of positions only, with an all-black material, is black on white.
TEST_F(RasterTest, LineListWithABlackMaterialIsBlack) {
    MakeDevice(WindowedParams(), 0xFFFFFFFF);
    Light(BlackMaterial(),
          DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {0.7f, 0.7f, 0.7f, 1}, {0.5f, 0.5f, 0.5f, 1}));
    ASSERT_EQ(device_->SetRenderState(D3DRS_AMBIENT, 0xFF000000), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE), D3D_OK);
    // One horizontal and one vertical line through the middle of the view.
    std::vector<D3DVECTOR> lines = {{-10, 0, 5}, {10, 0, 5}, {0, -10, 5}, {0, 10, 5}};
    Bind(lines, D3DFVF_XYZ);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_LINELIST, 0, 2), D3D_OK);

    // The darkest of three pixels across a line: one of them is on it.
    auto darkest = [this](int x, int y, int dx, int dy) {
        return std::min({RgbAt(x, y).r, RgbAt(x + dx, y + dy).r, RgbAt(x + 2 * dx, y + 2 * dy).r});
    };
    for (int x : {5, 20, 45, 60}) {
        EXPECT_LE(darkest(x, 23, 0, 1), kTolerance) << "horizontal line at column " << x;
        EXPECT_TRUE(Near(RgbAt(x, 10), Rgb{255, 255, 255}));
    }
    EXPECT_TRUE(Near(RgbAt(20, 40), Rgb{255, 255, 255}));
    EXPECT_LE(darkest(31, 5, 1, 0), kTolerance) << "vertical line";
}

// Screen-space vertices cover exactly the pixels whose centres lie inside them, as on the
// platform (pixel centres on whole coordinates).
TEST_F(RasterTest, ScreenSpaceVerticesLandOnWholePixels) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    D3DCOLOR red = kRed;
    ScreenVertex a{10, 10, 0.5f, 1, red, 0, 0}, b{20, 10, 0.5f, 1, red, 1, 0},
        c{20, 20, 0.5f, 1, red, 1, 1}, d{10, 20, 0.5f, 1, red, 0, 1};
    Bind(std::vector<ScreenVertex>{a, b, c, a, c, d}, D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    for (auto [x, y] : {std::pair{10, 10}, {19, 10}, {10, 19}, {19, 19}, {15, 15}}) {
        EXPECT_TRUE(Near(RgbAt(x, y), Rgb{255, 0, 0})) << x << ", " << y;
    }
    for (auto [x, y] : {std::pair{9, 10}, {20, 10}, {10, 9}, {10, 20}, {20, 20}}) {
        EXPECT_TRUE(Near(RgbAt(x, y), Rgb{0, 0, 0})) << x << ", " << y;
    }
}

// Clear and drawing keep to the viewport; rows count from the top.
TEST_F(RasterTest, ViewportLimitsClearAndDrawing) {
    MakeDevice();
    D3DVIEWPORT9 whole{};
    ASSERT_EQ(device_->GetViewport(&whole), D3D_OK);
    EXPECT_EQ(whole.Width, UINT(kWindowWidth));
    EXPECT_EQ(whole.Height, UINT(kWindowHeight));

    D3DVIEWPORT9 topLeft{0, 0, 32, 24, 0, 1};
    ASSERT_EQ(device_->SetViewport(&topLeft), D3D_OK);
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1, 0), D3D_OK);
    EXPECT_TRUE(Near(RgbAt(5, 5), Rgb{0, 0, 255}));
    EXPECT_TRUE(Near(RgbAt(40, 5), Rgb{0, 0, 0}));
    EXPECT_TRUE(Near(RgbAt(5, 30), Rgb{0, 0, 0}));

    // A quad filling the view fills only the viewport.
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    Bind(ColouredQuad(100, 5, kGreen), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(RgbAt(31, 23), Rgb{0, 255, 0}));
    EXPECT_TRUE(Near(RgbAt(32, 23), Rgb{0, 0, 0}));
    EXPECT_TRUE(Near(RgbAt(31, 24), Rgb{0, 0, 0}));

    // Rectangles are cleared only where they meet the viewport.
    D3DRECT rect{20, 20, 50, 40};
    ASSERT_EQ(device_->Clear(1, &rect, D3DCLEAR_TARGET, 0xFFFFFFFF, 1, 0), D3D_OK);
    EXPECT_TRUE(Near(RgbAt(25, 22), Rgb{255, 255, 255}));
    EXPECT_TRUE(Near(RgbAt(40, 22), Rgb{0, 0, 0}));
    EXPECT_TRUE(Near(RgbAt(19, 22), Rgb{0, 255, 0}));

    D3DVIEWPORT9 outside{40, 0, 32, 24, 0, 1};
    EXPECT_EQ(device_->SetViewport(&outside), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetViewport(nullptr), D3DERR_INVALIDCALL);
}

} // namespace
} // namespace gltest
