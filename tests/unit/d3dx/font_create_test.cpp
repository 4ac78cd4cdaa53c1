// Making a font: the description kept as given, one glyph cache texture on the device, and
// every failure answered with a code, no font and nothing left on the device.
#include "font_test_support.h"

namespace d3dx_test {
namespace {

using FontCreateTest = d3d9rec::testing::RecordingTest;

ID3DXFont* const kPoison = reinterpret_cast<ID3DXFont*>(std::uintptr_t{8});

TEST_F(FontCreateTest, KeepsTheDescriptionAndMakesOneCacheTexture) {
    ID3DXFont* font = nullptr;
    ASSERT_EQ(D3DXCreateFontA(device, 25, 12, 500, 0, FALSE, 1, 0, 0, 0, "Times New Roman", &font),
              D3D_OK);
    D3DXFONT_DESCA kept{};
    ASSERT_EQ(font->GetDescA(&kept), D3D_OK);
    const D3DXFONT_DESCA desc = GameFont();
    EXPECT_EQ(std::memcmp(&kept, &desc, sizeof desc), 0);

    auto textures = d3d9rec::CallsNamed("CreateTexture");
    ASSERT_EQ(textures.size(), 1u);
    EXPECT_EQ(textures[0].args[2].UInt(), 1u); // one level
    EXPECT_EQ(textures[0].args[4].UInt(), DWORD{D3DFMT_A8R8G8B8});
    EXPECT_EQ(font->Release(), 0u);
}

TEST_F(FontCreateTest, BadArgumentsGiveNoFont) {
    D3DXFONT_DESCA desc = GameFont();
    ID3DXFont* font = kPoison;
    EXPECT_EQ(D3DXCreateFontIndirectA(device, nullptr, &font), D3DERR_INVALIDCALL);
    EXPECT_EQ(font, nullptr);
    // Sizes no device could hold the glyphs of.
    for (INT height : {-100000, 257}) {
        desc = GameFont();
        desc.Height = height;
        font = kPoison;
        EXPECT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3DXERR_INVALIDDATA) << height;
        EXPECT_EQ(font, nullptr);
    }
    desc = GameFont();
    desc.Width = 0xFFFFFFFF;
    font = kPoison;
    EXPECT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3DXERR_INVALIDDATA);
    EXPECT_EQ(font, nullptr);
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateTexture").empty());
}

// A face name that is not NUL-terminated within its 32 characters is read up to its end;
// an unknown name still gets a face (fontconfig's nearest).
TEST_F(FontCreateTest, AnyFaceNameGetsAFace) {
    D3DXFONT_DESCA desc = GameFont();
    std::memset(desc.FaceName, 'Q', sizeof desc.FaceName);
    ID3DXFont* font = nullptr;
    ASSERT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3D_OK);
    font->Release();
    desc.FaceName[0] = '\0';
    ASSERT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3D_OK);
    font->Release();
}

TEST_F(FontCreateTest, DeviceFailuresArePassedOnAndNothingIsLeft) {
    D3DXFONT_DESCA desc = GameFont();
    for (const char* method : {"CreateTexture", "LockRect", "CreateVertexBuffer"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        ID3DXFont* font = kPoison;
        EXPECT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3DERR_OUTOFVIDEOMEMORY) << method;
        EXPECT_EQ(font, nullptr);
        EXPECT_EQ(d3d9rec::LiveObjects(), 2u) << method; // the Direct3D object and the device
    }
}

} // namespace
} // namespace d3dx_test
