// DrawText with the game's font: glyph quads placed from the rectangle's left and top, lines
// a cell height apart, the colour in every vertex, texels mapped one to one.
#include "font_test_support.h"

#include <cmath>
#include <string>

namespace d3dx_test {
namespace {

using DrawTextTest = FontTest;

TEST_F(DrawTextTest, ReturnsTheHeightOfTheLinesDrawn) {
    EXPECT_EQ(Draw("fps: 60", 0, 0), 25);
    EXPECT_EQ(Draw("Click Vector: \n45 55 0\n", 0, 40), 50); // a final break adds no line
    EXPECT_EQ(Draw("a\n\nb", 0, 0), 75);
    EXPECT_EQ(Draw("a\r\nb\rc", 0, 0), 75);
    EXPECT_EQ(Draw("", 0, 0), 0);
    EXPECT_EQ(Draw("abc", 0, 0, DT_NOCLIP, 0xFF000000, 0), 0);
    RECT rect{0, 0, 100, 100};
    EXPECT_EQ(font->DrawTextA(nullptr, nullptr, -1, &rect, DT_NOCLIP, 0xFF000000), 0);
    // A count limits the characters drawn; one past the NUL stops there.
    d3d9rec::ClearLog();
    Draw("ABC", 0, 0, DT_NOCLIP, 0xFF000000, 2);
    Draw("AB", 0, 0, DT_NOCLIP, 0xFF000000, 50);
    EXPECT_EQ(DrawnQuads().size(), 4u);
}

// Glyphs run left to right from near the rectangle's left and top, each line 25 pixels below
// the last and back at the left; the colour is in every vertex.
TEST_F(DrawTextTest, GlyphsArePlacedFromTheRectangleAndCarryTheColour) {
    ASSERT_EQ(Draw("Score: 10\nS", 0, 0), 50);
    std::vector<Quad> atOrigin = DrawnQuads();
    d3d9rec::ClearLog();
    Draw("Score: 10\nS", 500, 40, DT_NOCLIP, 0x80FF2010);
    std::vector<Quad> moved = DrawnQuads();
    ASSERT_EQ(atOrigin.size(), 9u); // the space draws nothing
    ASSERT_EQ(moved.size(), atOrigin.size());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_EQ(moved[i].left - atOrigin[i].left, 500.0f);
        EXPECT_EQ(moved[i].top - atOrigin[i].top, 40.0f);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(atOrigin[i].colors[k], 0xFF000000u);
            EXPECT_EQ(moved[i].colors[k], 0x80FF2010u);
        }
    }
    EXPECT_NEAR(atOrigin.front().left, 0.0f, 3.0f);
    for (std::size_t i = 1; i < 8; ++i) {
        EXPECT_GT(atOrigin[i].left, atOrigin[i - 1].left);
    }
    // The glyph lies in its line's cell, 0 .. 25 below the top (half-pixel edges).
    EXPECT_GE(atOrigin[0].top, -0.5f);
    EXPECT_LE(atOrigin[0].bottom, 24.5f);
    EXPECT_EQ(atOrigin[8].top - atOrigin[0].top, 25.0f);
    EXPECT_EQ(atOrigin[8].left, atOrigin[0].left);
}

// Quad edges sit on half pixels and each pixel takes one texel of the cache texture.
TEST_F(DrawTextTest, GlyphTexelsMapOneToOneOntoPixels) {
    Draw("Wg", 10, 10);
    std::vector<Quad> quads = DrawnQuads();
    ASSERT_EQ(quads.size(), 2u);
    for (const Quad& q : quads) {
        EXPECT_EQ(q.left + 0.5f, std::round(q.left + 0.5f));
        EXPECT_EQ(q.top + 0.5f, std::round(q.top + 0.5f));
        EXPECT_FLOAT_EQ((q.u1 - q.u0) * float(cacheWidth), q.right - q.left);
        EXPECT_FLOAT_EQ((q.v1 - q.v0) * float(cacheHeight), q.bottom - q.top);
        EXPECT_EQ(q.u0 * float(cacheWidth), std::round(q.u0 * float(cacheWidth)));
        EXPECT_EQ(q.v0 * float(cacheHeight), std::round(q.v0 * float(cacheHeight)));
        EXPECT_GT(q.right - q.left, 0.0f);
        EXPECT_LE(q.bottom - q.top, 25.0f + 2.0f);
    }
}

TEST_F(DrawTextTest, LongTextIsDrawnInBatchesOfWholeGlyphs) {
    std::string text(1000, 'x');
    EXPECT_EQ(Draw(text.c_str(), 0, 0), 25);
    auto draws = d3d9rec::CallsNamed("DrawPrimitive");
    ASSERT_GT(draws.size(), 1u);
    UINT primitives = 0;
    for (const d3d9rec::Call& draw : draws) {
        primitives += draw.args[2].UInt();
    }
    EXPECT_EQ(primitives, 2000u);
    EXPECT_EQ(DrawnQuads().size(), 1000u);
}

TEST_F(DrawTextTest, WidthIsTheAverageCharacterWidth) {
    auto widthOf = [](ID3DXFont* f, const char* text) {
        RECT rect{0, 0, 0, 0};
        f->DrawTextA(nullptr, text, -1, &rect, DT_CALCRECT, 0xFF000000);
        return rect.right - rect.left;
    };
    const char* text = "The quick brown fox jumps over the lazy dog";
    D3DXFONT_DESCA wide = GameFont();
    wide.Width = 24;
    ID3DXFont* wideFont = nullptr;
    ASSERT_EQ(D3DXCreateFontIndirectA(device, &wide, &wideFont), D3D_OK);
    LONG normal = widthOf(font, text), doubled = widthOf(wideFont, text);
    wideFont->Release();
    EXPECT_NEAR(double(doubled) / normal, 2.0, 0.15);
    // English text averages a little under the face's average over all its glyphs.
    EXPECT_NEAR(double(normal) / std::strlen(text), 10.0, 2.5);
}

} // namespace
} // namespace d3dx_test
