// Lit colours against the fixed-function lighting equations.
#include "gl_fixture.h"

namespace gltest {
namespace {

using LightingTest = GlDeviceTest;

D3DMATERIAL9 TestMaterial() {
    D3DMATERIAL9 material{};
    material.Diffuse = {0.5f, 0.25f, 0.125f, 1.0f};
    material.Ambient = {0.2f, 0.4f, 0.6f, 1.0f};
    material.Specular = {0.3f, 0.3f, 0.3f, 1.0f};
    material.Emissive = {0.1f, 0.0f, 0.05f, 1.0f};
    material.Power = 4.0f;
    return material;
}

// Diffuse at an angle, ambient (global and the light's) and emissive:
// Ce + Ca (Ga + La) + Cd Ld (N.L).
TEST_F(LightingTest, DiffuseAmbientAndEmissiveFollowTheEquation) {
    MakeDevice();
    D3DMATERIAL9 material = TestMaterial();
    // The light comes down at 45 degrees from above the quad: N.L = cos 45.
    D3DLIGHT9 light =
        DirectionalLight({0, -1, 1}, {0.8f, 0.7f, 0.6f, 1}, {0, 0, 0, 0}, {0.25f, 0.25f, 0.25f, 1});
    Light(material, light);
    ASSERT_EQ(device_->SetRenderState(D3DRS_AMBIENT, 0xFF333333), D3D_OK); // 0.2
    Bind(FacingQuad(1, 5), D3DFVF_XYZ | D3DFVF_NORMAL);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);

    float nDotL = std::sqrt(0.5f);
    float ambient = 0.2f + 0.25f;
    EXPECT_TRUE(Near(Centre(), Expected(0.1f + 0.2f * ambient + 0.5f * 0.8f * nDotL,
                                        0.0f + 0.4f * ambient + 0.25f * 0.7f * nDotL,
                                        0.05f + 0.6f * ambient + 0.125f * 0.6f * nDotL)));

    // A light from behind the face adds no diffuse light, only its ambient.
    light.Direction = {0, 0, -1};
    ASSERT_EQ(device_->SetLight(0, &light), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(
        Near(Centre(), Expected(0.1f + 0.2f * ambient, 0.4f * ambient, 0.05f + 0.6f * ambient)));

    // A disabled light adds nothing at all: only the global ambient is left.
    ASSERT_EQ(device_->LightEnable(0, FALSE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.1f + 0.2f * 0.2f, 0.4f * 0.2f, 0.05f + 0.6f * 0.2f)));
}

// Specular: Cs Ls (N.H)^P with H towards the local viewer, added only when enabled.
TEST_F(LightingTest, SpecularUsesTheLocalViewerOnlyWhenEnabled) {
    MakeDevice();
    D3DMATERIAL9 material{};
    material.Diffuse = {0.25f, 0.25f, 0.25f, 1};
    material.Specular = {0.5f, 0.5f, 0.5f, 1};
    material.Power = 8.0f;
    // Straight into the screen: N.L = 1 everywhere.
    D3DLIGHT9 light = DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0});
    Light(material, light);
    Bind(FacingQuad(1, 5), D3DFVF_XYZ | D3DFVF_NORMAL);

    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.25f, 0.25f, 0.25f))) << "specular is off by default";

    // Each corner (+-1, +-1, 5) sees the viewer along -P: by symmetry all four get the same
    // N.H, so the whole quad has one colour.
    ASSERT_EQ(device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    float toViewer[3] = {-1 / std::sqrt(27.0f), -1 / std::sqrt(27.0f), -5 / std::sqrt(27.0f)};
    float h[3] = {toViewer[0], toViewer[1], toViewer[2] - 1};
    float length = std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
    float specular = 0.5f * std::pow(-h[2] / length, 8.0f);
    EXPECT_TRUE(Near(Centre(), Expected(0.25f + specular, 0.25f + specular, 0.25f + specular)));

    // Without the local viewer the viewer is straight ahead: N.H = 1.
    ASSERT_EQ(device_->SetRenderState(D3DRS_LOCALVIEWER, FALSE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.75f, 0.75f, 0.75f)));
}

// Normals go through the inverse transpose of world x view and are not made unit length
// unless asked: a world scaled by 2 halves N.L.
TEST_F(LightingTest, ScaledNormalsStayScaledUnlessNormalized) {
    MakeDevice();
    D3DMATERIAL9 material{};
    material.Diffuse = {1, 1, 1, 1};
    D3DLIGHT9 light =
        DirectionalLight({0, 0, 1}, {0.8f, 0.8f, 0.8f, 1}, {0, 0, 0, 0}, {0, 0, 0, 0});
    Light(material, light);
    D3DXMATRIX scale;
    D3DXMatrixScaling(&scale, 2, 2, 2);
    ASSERT_EQ(device_->SetTransform(D3DTS_WORLD, &scale), D3D_OK);
    Bind(FacingQuad(0.5f, 2.5f), D3DFVF_XYZ | D3DFVF_NORMAL);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.4f, 0.4f, 0.4f)));

    ASSERT_EQ(device_->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.8f, 0.8f, 0.8f)));
}

// Positions without normals: only Ce + Ca (Ga + La); the grid's all-black material is black.
TEST_F(LightingTest, VerticesWithoutNormalsGetOnlyEmissiveAndAmbient) {
    MakeDevice(WindowedParams(), 0xFFFFFFFF);
    D3DMATERIAL9 material{};
    material.Diffuse = {1, 1, 1, 1};
    material.Ambient = {0.5f, 0.5f, 0.5f, 1};
    material.Emissive = {0.25f, 0, 0, 1};
    D3DLIGHT9 light =
        DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {0.5f, 0.5f, 0.5f, 1});
    Light(material, light);
    std::vector<D3DVECTOR> quad;
    for (const PositionNormal& v : FacingQuad(1, 5)) {
        quad.push_back({v.x, v.y, v.z});
    }
    Bind(quad, D3DFVF_XYZ);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0.25f + 0.25f, 0.25f, 0.25f)));

    const D3DMATERIAL9 black = BlackMaterial();
    ASSERT_EQ(device_->SetMaterial(&black), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0, 0, 0)));
}

// With lighting off a vertex shows its own diffuse colour, or white when it has none.
TEST_F(LightingTest, LightingOffShowsTheVertexColour) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    Bind(ColouredQuad(1, 5, D3DCOLOR_XRGB(200, 100, 50)), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{200, 100, 50}));

    Bind(FacingQuad(1, 5), D3DFVF_XYZ | D3DFVF_NORMAL);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 255, 255}));

    // Lighting back on: the same vertices with no light and a black material are black.
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, TRUE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 0, 0}));
}

} // namespace
} // namespace gltest
