// Shared by the font tests: the game's font made on a recording device inside a scene, and
// readers of the glyph quads DrawText drew.
#pragma once

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "../d3d9/recording_fixture.h"

namespace d3dx_test {

struct TextVertex {
    float x, y, z, rhw;
    D3DCOLOR color;
    float u, v;
};

inline constexpr DWORD kTextFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// The game's description: "Times New Roman", height 25, width 12, weight 500.
inline D3DXFONT_DESCA GameFont() {
    D3DXFONT_DESCA desc{25, 12, 500, 0, FALSE, 1, 0, 0, 0, {}};
    std::strcpy(desc.FaceName, "Times New Roman");
    return desc;
}

// One drawn glyph: its corners on the target and in texels of the cache texture.
struct Quad {
    float left, top, right, bottom;
    float u0, v0, u1, v1;
    D3DCOLOR colors[6];
};

class FontTest : public d3d9rec::testing::RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        D3DXFONT_DESCA desc = GameFont();
        ASSERT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3D_OK);
        ASSERT_NE(font, nullptr);
        auto created = d3d9rec::CallsNamed("CreateTexture");
        ASSERT_EQ(created.size(), 1u);
        cacheWidth = created[0].args[0].UInt();
        cacheHeight = created[0].args[1].UInt();
        cacheTexture = created[0].args[6].Object();
        ASSERT_EQ(device->BeginScene(), D3D_OK);
        d3d9rec::ClearLog();
    }

    void TearDown() override {
        if (font) {
            font->Release();
        }
        RecordingTest::TearDown();
    }

    INT Draw(const char* text, LONG left, LONG top, DWORD format = DT_NOCLIP,
             D3DCOLOR color = 0xFF000000, INT count = -1) {
        RECT rect{left, top, left + 100, top + 100};
        return font->DrawTextA(nullptr, text, count, &rect, format, color);
    }

    // Every glyph quad drawn since the log was last cleared, in drawing order.
    static std::vector<Quad> DrawnQuads() {
        std::vector<Quad> quads;
        for (const d3d9rec::Call& call : d3d9rec::CallsNamed("DrawPrimitive")) {
            EXPECT_EQ(call.args[0].UInt(), DWORD{D3DPT_TRIANGLELIST});
            if (!call.drawn) {
                ADD_FAILURE() << "a draw read no vertices";
                continue;
            }
            EXPECT_EQ(call.drawn->fvf, kTextFvf);
            std::vector<TextVertex> v = call.drawn->Vertices<TextVertex>();
            EXPECT_EQ(v.size() % 6, 0u);
            for (std::size_t i = 0; i + 6 <= v.size(); i += 6) {
                Quad q{1e9f, 1e9f, -1e9f, -1e9f, 1e9f, 1e9f, -1e9f, -1e9f, {}};
                for (int k = 0; k < 6; ++k) {
                    const TextVertex& c = v[i + k];
                    q.left = std::min(q.left, c.x), q.right = std::max(q.right, c.x);
                    q.top = std::min(q.top, c.y), q.bottom = std::max(q.bottom, c.y);
                    q.u0 = std::min(q.u0, c.u), q.u1 = std::max(q.u1, c.u);
                    q.v0 = std::min(q.v0, c.v), q.v1 = std::max(q.v1, c.v);
                    q.colors[k] = c.color;
                    EXPECT_EQ(c.z, 0.0f);
                    EXPECT_EQ(c.rhw, 1.0f);
                }
                quads.push_back(q);
            }
        }
        return quads;
    }

    ID3DXFont* font = nullptr;
    // The glyph cache texture made with the font.
    UINT cacheWidth = 0;
    UINT cacheHeight = 0;
    d3d9rec::ObjectId cacheTexture = 0;
};

} // namespace d3dx_test
