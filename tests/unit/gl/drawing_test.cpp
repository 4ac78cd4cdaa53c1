// What draws leave: lighting, culling, depth, blending, screen space, lines, textures.
#include "gl_fixture.h"

namespace gltest {
namespace {

using DrawingTest = GlDeviceTest;

// Ce + Ca (Ga + La) + Cd Ld (N.L), plus Cs Ls (N.H)^P when specular is on.
TEST_F(DrawingTest, LightingFollowsTheEquations) {
    MakeDevice();
    D3DMATERIAL9 material{
        {0.5f, 0.25f, 0.125f, 1}, {0.2f, 0.4f, 0.6f, 1}, {}, {0.1f, 0, 0.05f, 1}, 0};
    // Down at 45 degrees onto the quad: N.L = cos 45. Global ambient 0.2.
    Light(material, {0, -1, 1}, {0.8f, 0.7f, 0.6f, 1}, {}, {0.25f, 0.25f, 0.25f, 1});
    States({{D3DRS_AMBIENT, 0xFF333333}});
    Bind(FacingQuad(1, 5), kNormalFvf);
    const float n = std::sqrt(0.5f), a = 0.2f + 0.25f;
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.1f + 0.2f * a + 0.4f * n, 0.4f * a + 0.175f * n,
                                             0.05f + 0.6f * a + 0.075f * n)));
    // From behind only the light's ambient is added.
    Light(material, {0, 1, -1}, {0.8f, 0.7f, 0.6f, 1}, {}, {0.25f, 0.25f, 0.25f, 1});
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.1f + 0.2f * a, 0.4f * a, 0.05f + 0.6f * a)));

    // Specular is off by default, then takes H towards the local viewer: each corner
    // (+-1, +-1, 5) sees it along -P, the same N.H over the quad; or straight ahead without.
    material = {{0.25f, 0.25f, 0.25f, 1}, {}, {0.5f, 0.5f, 0.5f, 1}, {}, 8.0f};
    Light(material, {0, 0, 1}, {1, 1, 1, 1}, {1, 1, 1, 1});
    States({{D3DRS_AMBIENT, 0}});
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.25f, 0.25f, 0.25f)));
    States({{D3DRS_SPECULARENABLE, TRUE}});
    const float h[3] = {-1 / std::sqrt(27.0f), -1 / std::sqrt(27.0f), -5 / std::sqrt(27.0f) - 1};
    const float s = 0.25f + 0.5f * std::pow(-h[2] / std::hypot(h[0], h[1], h[2]), 8.0f);
    EXPECT_TRUE(Near(DrawnCentre(), Expected(s, s, s)));
    States({{D3DRS_LOCALVIEWER, FALSE}});
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.75f, 0.75f, 0.75f)));
    // Normals keep their length (a world scaled by 2 halves N.L) unless normalized.
    States({{D3DRS_SPECULARENABLE, FALSE}});
    D3DXMATRIX scale;
    ASSERT_EQ(device_->SetTransform(D3DTS_WORLD, D3DXMatrixScaling(&scale, 2, 2, 2)), D3D_OK);
    Bind(FacingQuad(0.5f, 2.5f), kNormalFvf);
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.125f, 0.125f, 0.125f)));
    States({{D3DRS_NORMALIZENORMALS, TRUE}});
    EXPECT_TRUE(Near(DrawnCentre(), Expected(0.25f, 0.25f, 0.25f)));
}

// The default cull mode removes faces counter-clockwise on screen; the depth test keeps the
// nearest face, nothing past the far or before the near plane is drawn, and without the test
// the last face wins. Source alpha blending, off by default, mixes colours.
TEST_F(DrawingTest, CullingDepthAndBlending) {
    MakeDevice();
    auto reversed = ColouredQuad(1, 5, kRed);
    std::swap(reversed[1], reversed[2]);
    std::swap(reversed[4], reversed[5]);
    Bind(reversed, kColourFvf);
    EXPECT_TRUE(Near(DrawnCentre(), 0));
    States({{D3DRS_CULLMODE, D3DCULL_NONE}});
    EXPECT_TRUE(Near(DrawnCentre(), kRed));
    Bind(ColouredQuad(1, 5, kGreen), kColourFvf);
    States({{D3DRS_CULLMODE, D3DCULL_CCW}});
    EXPECT_TRUE(Near(DrawnCentre(), kGreen));

    std::vector<PositionColour> quads = ColouredQuad(1, 3, 0xFFFF0000);
    for (auto [size, depth] : {std::pair{2.0f, 900.0f}, {2000.0f, 1100.0f}, {0.2f, 0.4f}}) {
        const auto more = ColouredQuad(size, depth, 0x800000FF);
        quads.insert(quads.end(), more.begin(), more.end());
    }
    Bind(quads, kColourFvf);
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE), D3D_OK);
    Draw(2, 0);
    Draw(2, 6);
    EXPECT_TRUE(Near(At(32, 24), kRed));
    States({{D3DRS_ZENABLE, D3DZB_FALSE}});
    Draw(4, 12);
    EXPECT_TRUE(Near(At(32, 24), kRed));
    Draw(2, 6);
    EXPECT_TRUE(Near(At(32, 24), kBlue)) << "not blended";
    States({{D3DRS_ALPHABLENDENABLE, TRUE},
            {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
            {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}});
    Draw(2, 0);
    Draw(2, 6); // half blue over red
    EXPECT_TRUE(Near(At(32, 24), Expected(127.0f / 255, 0, 128.0f / 255)));
}

// Screen-space vertices cover exactly the pixels whose centres lie inside them (centres on
// whole coordinates), rows from the top; so do lines, as the grid is drawn.
TEST_F(DrawingTest, ScreenSpaceVerticesLandOnWholePixels) {
    MakeDevice();
    struct ScreenVertex {
        float x, y, z, rhw;
        D3DCOLOR colour;
    } a{10, 10, 0.5f, 1, kRed}, b{20, 10, 0.5f, 1, kRed}, c{20, 20, 0.5f, 1, kRed},
        d{10, 20, 0.5f, 1, kRed}, e{0, 30, 0.5f, 1, kGreen}, f{64, 30, 0.5f, 1, kGreen};
    Bind(std::vector<ScreenVertex>{a, b, c, a, c, d, e, f}, D3DFVF_XYZRHW | D3DFVF_DIFFUSE);
    States({{D3DRS_CULLMODE, D3DCULL_NONE}});
    Draw();
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_LINELIST, 6, 1), D3D_OK);
    for (auto [x, y] : {std::pair{10, 10}, {19, 10}, {10, 19}, {19, 19}}) {
        EXPECT_TRUE(Near(At(x, y), kRed) && Near(At(x == 10 ? 9 : 20, y), 0) &&
                    Near(At(x, y == 10 ? 9 : 20), 0))
            << x << ", " << y;
    }
    EXPECT_TRUE(Near(At(40, 30), kGreen) && Near(At(40, 28), 0));
}

// Modulate (the default) multiplies the texel by the lit colour; select and disable take one
// argument; no texture reads white. Texture alpha blends.
TEST_F(DrawingTest, TextureOperationsCombineTexelAndLitColour) {
    MakeDevice();
    D3DMATERIAL9 material{{0.5f, 0.5f, 1.0f, 1.0f}, {}, {}, {}, 0};
    Light(material, {0, 0, 1}, {1, 1, 1, 1});
    struct Vertex {
        float x, y, z, nx, ny, nz, u, v;
    } a{-2, -2, 3, 0, 0, -1, 0, 0}, b{-2, 2, 3, 0, 0, -1, 0, 0}, c{2, 2, 3, 0, 0, -1, 0, 0};
    Bind(std::vector<Vertex>{a, b, c}, kNormalFvf | D3DFVF_TEX1);
    IDirect3DTexture9* texture = nullptr;
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(device_->CreateTexture(1, 1, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, 0), 0);
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    *static_cast<D3DCOLOR*>(locked.pBits) = 0x80C86400; // half-transparent orange
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
    ASSERT_EQ(device_->SetTexture(0, texture), D3D_OK);
    texture->Release(); // bound, so still alive
    auto with = [&](DWORD op) {
        EXPECT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, op), D3D_OK);
        Draw(1);
        return At(20, 24);
    };
    const float r = 200.0f / 255, g = 100.0f / 255, alpha = 128.0f / 255;
    EXPECT_TRUE(Near(with(D3DTOP_MODULATE), Expected(r * 0.5f, g * 0.5f, 0)));
    EXPECT_TRUE(Near(with(D3DTOP_SELECTARG1), 0xC86400));
    EXPECT_TRUE(Near(with(D3DTOP_SELECTARG2), Expected(0.5f, 0.5f, 1)));
    EXPECT_TRUE(Near(with(D3DTOP_DISABLE), Expected(0.5f, 0.5f, 1)));
    material.Diffuse = {1, 0.25f, 0, 1}; // the program drawn with before sees the new colour
    ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
    EXPECT_TRUE(Near(with(D3DTOP_MODULATE), Expected(r, g * 0.25f, 0)));
    States({{D3DRS_ALPHABLENDENABLE, TRUE},
            {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
            {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}});
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3D_OK);
    EXPECT_TRUE(Near(with(D3DTOP_SELECTARG1), Expected(r * alpha, g * alpha, 0)));
    ASSERT_EQ(device_->SetTexture(0, nullptr), D3D_OK);
    EXPECT_TRUE(Near(with(D3DTOP_MODULATE), Expected(1, 0.25f, 0)));
}

} // namespace
} // namespace gltest
