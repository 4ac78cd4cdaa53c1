// DrawText's formats: measuring without drawing, alignment in the rectangle, clipping to it
// unless DT_NOCLIP, single lines.
#include "font_test_support.h"

#include <cstdint>
#include <string>

namespace d3dx_test {
namespace {

using DrawTextFormatTest = FontTest;

TEST_F(DrawTextFormatTest, CalcRectMeasuresAndDrawsNothing) {
    RECT rect{10, 20, 10, 20};
    EXPECT_EQ(font->DrawTextA(nullptr, "PAUSED\nPAUSED PAUSED", -1, &rect, DT_CALCRECT, 0), 50);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.bottom, 70);
    LONG twoWords = rect.right - rect.left;
    rect = RECT{0, 0, 0, 0};
    font->DrawTextA(nullptr, "PAUSED", -1, &rect, DT_CALCRECT, 0);
    EXPECT_GT(twoWords, 2 * rect.right); // the longer line counts, space included
    EXPECT_TRUE(d3d9rec::CallsNamed("DrawPrimitive").empty());
    EXPECT_TRUE(d3d9rec::CallsNamed("SetRenderState").empty());
}

TEST_F(DrawTextFormatTest, RightAndCentreAlignEachLine) {
    RECT measured{0, 0, 0, 0};
    font->DrawTextA(nullptr, "W", -1, &measured, DT_CALCRECT, 0);
    LONG advance = measured.right;
    RECT rect{100, 0, 300, 50};
    font->DrawTextA(nullptr, "W", -1, &rect, DT_LEFT | DT_NOCLIP, 0xFF000000);
    float left = DrawnQuads().at(0).left;
    for (auto [format, shift] : {std::pair{DWORD{DT_RIGHT}, 200 - advance},
                                 std::pair{DWORD{DT_CENTER}, (200 - advance) / 2}}) {
        d3d9rec::ClearLog();
        font->DrawTextA(nullptr, "W", -1, &rect, format | DT_NOCLIP, 0xFF000000);
        EXPECT_EQ(DrawnQuads().at(0).left - left, float(shift)) << format;
    }
}

TEST_F(DrawTextFormatTest, WithoutNoClipGlyphsAreCutToTheRectangle) {
    RECT rect{50, 50, 70, 60};
    font->DrawTextA(nullptr, "Wide text\nsecond", -1, &rect, DT_LEFT, 0xFF000000);
    std::vector<Quad> quads = DrawnQuads();
    ASSERT_FALSE(quads.empty());
    for (const Quad& q : quads) {
        EXPECT_GE(q.left, 49.5f);
        EXPECT_LE(q.right, 69.5f);
        EXPECT_GE(q.top, 49.5f);
        EXPECT_LE(q.bottom, 59.5f);
        // Cut quads still take one texel per pixel.
        EXPECT_FLOAT_EQ((q.u1 - q.u0) * float(cacheWidth), q.right - q.left);
        EXPECT_FLOAT_EQ((q.v1 - q.v0) * float(cacheHeight), q.bottom - q.top);
    }
    d3d9rec::ClearLog();
    font->DrawTextA(nullptr, "Wide text\nsecond", -1, &rect, DT_NOCLIP, 0xFF000000);
    EXPECT_GT(DrawnQuads().size(), quads.size());
}

TEST_F(DrawTextFormatTest, SingleLineIgnoresBreaksAndPlacesVertically) {
    RECT rect{0, 0, 400, 100};
    EXPECT_EQ(font->DrawTextA(nullptr, "a\nb", -1, &rect, DT_SINGLELINE | DT_NOCLIP, 0), 25);
    std::vector<Quad> top = DrawnQuads();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].top, top[1].top);
    d3d9rec::ClearLog();
    // The result is the distance from the rectangle's top to the text's bottom.
    EXPECT_EQ(font->DrawTextA(nullptr, "a", -1, &rect, DT_SINGLELINE | DT_BOTTOM | DT_NOCLIP, 0),
              100);
    EXPECT_EQ(DrawnQuads().at(0).top - top[0].top, 75.0f);
    d3d9rec::ClearLog();
    EXPECT_EQ(font->DrawTextA(nullptr, "a", -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP, 0),
              62);
}

TEST_F(DrawTextFormatTest, ASpriteOrNoRectangle) {
    // Drawing through a sprite is not offered: nothing drawn.
    auto* sprite = reinterpret_cast<ID3DXSprite*>(std::uintptr_t{8});
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(font->DrawTextA(sprite, "a", -1, &rect, DT_NOCLIP, 0), 0);
    EXPECT_TRUE(d3d9rec::CallsNamed("DrawPrimitive").empty());
    // No rectangle: the text starts at the target's top-left corner.
    EXPECT_EQ(font->DrawTextA(nullptr, "a", -1, nullptr, DT_NOCLIP, 0xFF000000), 25);
    EXPECT_NEAR(DrawnQuads().at(0).left, 0.0f, 3.0f);
}

// Every byte value and extreme rectangles draw without fault; control characters (other
// than line breaks) draw nothing and take no room.
TEST_F(DrawTextFormatTest, AnyBytesAndAnyRectangleAreSafe) {
    std::string bytes;
    for (int ch = 1; ch < 256; ++ch) {
        bytes += char(ch);
    }
    for (DWORD format : {DWORD{DT_NOCLIP}, DWORD{DT_LEFT}, DWORD{DT_RIGHT | DT_SINGLELINE}}) {
        for (RECT rect : {RECT{0, 0, 1016, 741}, RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX},
                          RECT{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}}) {
            font->DrawTextA(nullptr, bytes.c_str(), -1, &rect, format, 0xFF000000);
        }
    }
    RECT plain{0, 0, 0, 0}, controls{0, 0, 0, 0};
    font->DrawTextA(nullptr, "ab", -1, &plain, DT_CALCRECT, 0);
    font->DrawTextA(nullptr,
                    "a\t\x01\x1b\x7f"
                    "b",
                    -1, &controls, DT_CALCRECT, 0);
    EXPECT_EQ(controls.right, plain.right);
    EXPECT_EQ(controls.bottom, 25);
}

} // namespace
} // namespace d3dx_test
