// Making a font: the description kept as given, one glyph cache texture on the device, a face
// for any name, and every failure answered with a code, no font and nothing left on the device.
#include "font_test_support.h"

namespace d3dx_test {
namespace {

using FontCreateTest = d3d9rec::testing::RecordingTest;

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

    // A face name that is not NUL-terminated within its 32 characters is read up to its end;
    // an unknown or empty name still gets a face (fontconfig's nearest).
    D3DXFONT_DESCA odd = GameFont();
    std::memset(odd.FaceName, 'Q', sizeof odd.FaceName);
    for (int i = 0; i < 2; ++i, odd.FaceName[0] = '\0') {
        ASSERT_EQ(D3DXCreateFontIndirectA(device, &odd, &font), D3D_OK) << i;
        font->Release();
    }
}

TEST_F(FontCreateTest, FailuresGiveNoFontAndLeaveNothing) {
    auto create = [this](const D3DXFONT_DESCA* desc) {
        auto* font = reinterpret_cast<ID3DXFont*>(std::uintptr_t{8});
        const HRESULT hr = D3DXCreateFontIndirectA(device, desc, &font);
        EXPECT_EQ(font, nullptr);
        EXPECT_EQ(d3d9rec::LiveObjects(), 2u); // the Direct3D object and the device
        return hr;
    };
    EXPECT_EQ(create(nullptr), D3DERR_INVALIDCALL);
    // Sizes no device could hold the glyphs of are refused before any texture is asked for.
    D3DXFONT_DESCA desc = GameFont();
    for (INT height : {-100000, 257}) {
        desc.Height = height;
        EXPECT_EQ(create(&desc), D3DXERR_INVALIDDATA) << height;
    }
    desc = GameFont();
    desc.Width = 0xFFFFFFFF;
    EXPECT_EQ(create(&desc), D3DXERR_INVALIDDATA);
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateTexture").empty());

    desc = GameFont();
    for (const char* method : {"CreateTexture", "LockRect", "CreateVertexBuffer"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        EXPECT_EQ(create(&desc), D3DERR_OUTOFVIDEOMEMORY) << method;
    }
}

} // namespace
} // namespace d3dx_test
