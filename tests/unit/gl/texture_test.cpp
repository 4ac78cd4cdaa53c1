// Textures on stage 0: modulated by the lit colour, selected, sampled point-wise, and the
// checks on creating and locking them.
#include "gl_fixture.h"

namespace gltest {
namespace {

using TextureTest = GlDeviceTest;

// Texels top-left, top-right, bottom-left, bottom-right of a 2 x 2 texture.
constexpr D3DCOLOR kTexels[4] = {D3DCOLOR_ARGB(255, 255, 0, 0), D3DCOLOR_ARGB(255, 0, 255, 0),
                                 D3DCOLOR_ARGB(255, 0, 0, 255), D3DCOLOR_ARGB(128, 200, 200, 200)};

IDirect3DTexture9* MakeTexture(IDirect3DDevice9* device, D3DFORMAT format = D3DFMT_A8R8G8B8) {
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(device->CreateTexture(2, 2, 0, 0, format, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    if (!texture) {
        return nullptr;
    }
    EXPECT_EQ(texture->GetLevelCount(), 2u) << "the full chain down to 1 x 1";
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (int row = 0; row < 2; ++row) {
        std::memcpy(static_cast<char*>(locked.pBits) + row * locked.Pitch, &kTexels[row * 2],
                    2 * sizeof(D3DCOLOR));
    }
    EXPECT_EQ(texture->UnlockRect(0), D3D_OK);
    return texture;
}

// A quad filling most of the view, texture coordinates 0..1 from its top left.
std::vector<PositionNormalTex> TexturedQuad() {
    float s = 2, z = 3;
    PositionNormalTex a{-s, -s, z, 0, 0, -1, 0, 1}, b{-s, s, z, 0, 0, -1, 0, 0},
        c{s, s, z, 0, 0, -1, 1, 0}, d{s, -s, z, 0, 0, -1, 1, 1};
    return {a, b, c, a, c, d};
}

class TexturedQuadTest : public TextureTest {
protected:
    void SetUp() override {
        TextureTest::SetUp();
        MakeDevice();
        D3DMATERIAL9 material{};
        material.Diffuse = {0.5f, 0.5f, 1.0f, 1.0f};
        D3DLIGHT9 light = DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0});
        Light(material, light);
        Bind(TexturedQuad(), D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1);
        texture_ = MakeTexture(device_);
    }
    void TearDown() override {
        if (texture_) {
            texture_->Release();
        }
        TextureTest::TearDown();
    }

    // The centres of the four quarters of the window: one texel each (point sampling).
    std::array<Rgb, 4> Quarters() {
        return {RgbAt(16, 12), RgbAt(48, 12), RgbAt(16, 36), RgbAt(48, 36)};
    }

    IDirect3DTexture9* texture_ = nullptr;
};

TEST_F(TexturedQuadTest, SelectAndDisableChooseOneArgument) {
    ASSERT_EQ(device_->SetTexture(0, texture_), D3D_OK);
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[1], Rgb{0, 255, 0})) << "the texel alone";

    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[1], Expected(0.5f, 0.5f, 1))) << "the lit colour alone";

    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[0], Expected(0.5f, 0.5f, 1))) << "a disabled stage";

    // No texture bound: the texture argument reads white.
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE), D3D_OK);
    ASSERT_EQ(device_->SetTexture(0, nullptr), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[0], Expected(0.5f, 0.5f, 1)));
}

// By default each texel is multiplied by the lit colour. Each combination of stage states
// draws with a program of its own; coming back to one after another was used draws with the
// values set in between, not with those it drew with before.
TEST_F(TexturedQuadTest, ModulateAndReturningToACombinationUsesTheCurrentValues) {
    ASSERT_EQ(device_->SetTexture(0, texture_), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    auto modulated = Quarters();
    EXPECT_TRUE(Near(modulated[0], Expected(0.5f, 0, 0)));
    EXPECT_TRUE(Near(modulated[1], Expected(0, 0.5f, 0)));
    EXPECT_TRUE(Near(modulated[2], Expected(0, 0, 1)));
    EXPECT_TRUE(Near(modulated[3], Expected(0.5f * 200 / 255, 0.5f * 200 / 255, 200.0f / 255)));

    D3DMATERIAL9 material{};
    material.Diffuse = {1, 0.25f, 0, 1};
    ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[1], Expected(1, 0.25f, 0)));

    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    auto quarters = Quarters();
    EXPECT_TRUE(Near(quarters[0], Expected(1, 0, 0)));
    EXPECT_TRUE(Near(quarters[1], Expected(0, 0.25f, 0)));
}

// Alpha comes from the texture by default and blends; a format without alpha reads as opaque.
TEST_F(TexturedQuadTest, TextureAlphaBlendsUnlessTheFormatHasNone) {
    ASSERT_EQ(device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA), D3D_OK);
    ASSERT_EQ(device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA), D3D_OK);
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1), D3D_OK);
    ASSERT_EQ(device_->SetTexture(0, texture_), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    float a = 128.0f / 255, c = 200.0f / 255;
    EXPECT_TRUE(Near(Quarters()[3], Expected(c * a, c * a, c * a)));

    IDirect3DTexture9* opaque = MakeTexture(device_, D3DFMT_X8R8G8B8);
    ASSERT_NE(opaque, nullptr);
    ASSERT_EQ(device_->SetTexture(0, opaque), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Quarters()[3], Expected(c, c, c)));
    ASSERT_EQ(device_->SetTexture(0, nullptr), D3D_OK);
    opaque->Release();
}

// Linear filtering, once asked for, mixes neighbouring texels; the default point sampling
// never does (checked in the tests above).
TEST_F(TexturedQuadTest, LinearFilteringMixesTexels) {
    ASSERT_EQ(device_->SetTexture(0, texture_), D3D_OK);
    ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1), D3D_OK);
    ASSERT_EQ(device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    Rgb middle = RgbAt(32, 12); // between the red and the green texel
    EXPECT_GT(middle.r, 40);
    EXPECT_GT(middle.g, 40);
}

TEST_F(TextureTest, CreatingAndLockingRejectBadArguments) {
    MakeDevice();
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(
        device_->CreateTexture(0, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->CreateTexture(4, 4, 1, 0, D3DFMT_D24S8, D3DPOOL_MANAGED, &texture, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(
        device_->CreateTexture(4, 4, 4, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3DERR_INVALIDCALL)
        << "more levels than the chain has";
    EXPECT_EQ(
        device_->CreateTexture(8192, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(
        device_->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, nullptr, nullptr),
        D3DERR_INVALIDCALL);

    // A non-power-of-two size keeps its own size; each level halves it.
    ASSERT_EQ(device_->CreateTexture(5, 3, 0, 0, D3DFMT_R5G6B5, D3DPOOL_MANAGED, &texture, nullptr),
              D3D_OK);
    EXPECT_EQ(texture->GetLevelCount(), 3u);
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(texture->GetLevelDesc(1, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 2u);
    EXPECT_EQ(desc.Height, 1u);
    EXPECT_EQ(texture->GetLevelDesc(3, &desc), D3DERR_INVALIDCALL);

    D3DLOCKED_RECT locked{};
    RECT outside{0, 0, 6, 3};
    EXPECT_EQ(texture->LockRect(0, &locked, &outside, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->LockRect(3, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->UnlockRect(0), D3DERR_INVALIDCALL) << "not locked";
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    EXPECT_EQ(locked.Pitch, 10);
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL) << "locked twice";
    EXPECT_EQ(texture->UnlockRect(0), D3D_OK);

    EXPECT_EQ(device_->SetTexture(16, texture), D3DERR_INVALIDCALL);
    texture->Release();
}

// GL holds the texels: a lock reads back what the last unlock left, a new texture is all zero,
// and a lock of part of a level keeps the rest. Two- and three-byte texels leave rows that
// are not 4-byte aligned.
TEST_F(TextureTest, LocksSeeWhatEarlierUnlocksLeft) {
    MakeDevice();
    for (const auto& [format, bytes] : {std::pair{D3DFMT_R5G6B5, 2}, std::pair{D3DFMT_R8G8B8, 3},
                                        std::pair{D3DFMT_A8R8G8B8, 4}}) {
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(device_->CreateTexture(5, 3, 2, 0, format, D3DPOOL_MANAGED, &texture, nullptr),
                  D3D_OK);
        const std::size_t size = std::size_t{5} * 3 * bytes;
        D3DLOCKED_RECT locked{};
        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
        EXPECT_EQ(std::vector<char>(static_cast<char*>(locked.pBits),
                                    static_cast<char*>(locked.pBits) + size),
                  std::vector<char>(size, 0))
            << "a new texture is all zero";
        texture->UnlockRect(0);

        std::vector<char> written(size);
        for (std::size_t i = 0; i < size; ++i) {
            written[i] = static_cast<char>(i * 7 + 1);
        }
        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
        std::memcpy(locked.pBits, written.data(), size);
        texture->UnlockRect(0);
        // One texel in the middle, through a lock of just that texel.
        RECT middle{2, 1, 3, 2};
        ASSERT_EQ(texture->LockRect(0, &locked, &middle, 0), D3D_OK);
        std::memset(locked.pBits, 0x5A, bytes);
        texture->UnlockRect(0);
        std::memset(written.data() + (5 + 2) * bytes, 0x5A, bytes);

        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
        EXPECT_EQ(std::vector<char>(static_cast<char*>(locked.pBits),
                                    static_cast<char*>(locked.pBits) + size),
                  written)
            << "format " << format;
        texture->UnlockRect(0);
        texture->Release();
    }
}

} // namespace
} // namespace gltest
