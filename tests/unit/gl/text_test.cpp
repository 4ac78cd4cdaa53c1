// Text from the utility library's font, drawn on the GL device and read back as pixels.
#include "gl_fixture.h"

#include <d3dx9.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace gltest {
namespace {

constexpr int kTargetWidth = 320;
constexpr int kTargetHeight = 96;
constexpr int kCellHeight = 24; // a positive font height is the cell height
constexpr D3DCOLOR kYellow = 0xFFFFFF00;

// The extent of the pixels text coloured (anything not black) within some rows of the target.
struct Inked {
    int count = 0;
    int left = kTargetWidth, right = -1, top = kTargetHeight, bottom = -1; // inclusive
};

class TextTest : public GlDeviceTest {
protected:
    void SetUp() override {
        GlDeviceTest::SetUp();
        D3DPRESENT_PARAMETERS params = WindowedParams();
        params.BackBufferWidth = kTargetWidth;
        params.BackBufferHeight = kTargetHeight;
        MakeDevice(params);
        D3DXFONT_DESCA desc{kCellHeight, 0, 400, 1, FALSE, 1, 0, 0, 0, {}};
        std::strcpy(desc.FaceName, "Times New Roman");
        ASSERT_EQ(D3DXCreateFontIndirectA(device_, &desc, &font_), D3D_OK);
    }
    void TearDown() override {
        if (font_) {
            font_->Release();
        }
        GlDeviceTest::TearDown();
    }

    // Draws `text` with its top left at (left, top); DrawText answers the text's height.
    void Draw(const char* text, int left, int top) {
        RECT place{left, top, left, top};
        EXPECT_GT(font_->DrawTextA(nullptr, text, -1, &place, DT_NOCLIP, kYellow), 0) << text;
    }

    // What is coloured in rows first .. last - 1 (all rows by default).
    Inked InkIn(int first = 0, int last = kTargetHeight) {
        auto pixels = d3d9gl::ReadBackBuffer(device_, {0, 0, kTargetWidth, kTargetHeight});
        EXPECT_EQ(pixels.size(), std::size_t(kTargetWidth) * kTargetHeight);
        Inked inked;
        for (int y = std::max(first, 0); y < std::min(last, kTargetHeight); ++y) {
            for (int x = 0; x < kTargetWidth && !pixels.empty(); ++x) {
                if ((pixels[std::size_t(y) * kTargetWidth + x] & 0xFFFFFF) != 0) {
                    ++inked.count;
                    inked.left = std::min(inked.left, x);
                    inked.right = std::max(inked.right, x);
                    inked.top = std::min(inked.top, y);
                    inked.bottom = std::max(inked.bottom, y);
                }
            }
        }
        return inked;
    }

    ID3DXFont* font_ = nullptr;
};

// A line of text lies in the cell-high row below its top left, no wider than a cell-wide
// box per character and no narrower than a quarter of that; every character leaves some
// pixels. A line break starts the next line one cell lower, back at the left.
TEST_F(TextTest, LinesLandInTheirCellsFromTheGivenCorner) {
    const std::string line = "Railwright";
    const int length = int(line.size());
    const int left = 12, top = 10;
    Draw(line.c_str(), left, top);
    Inked one = InkIn();
    EXPECT_GE(one.count, 10 * length) << "too few pixels for " << length << " characters";
    EXPECT_GE(one.left, left);
    EXPECT_LT(one.left, left + kCellHeight) << "starts at the left";
    EXPECT_LT(one.right, left + length * kCellHeight);
    EXPECT_GE(one.right - one.left + 1, length * kCellHeight / 4) << "characters side by side";
    EXPECT_GE(one.top, top);
    EXPECT_LT(one.bottom, top + kCellHeight);

    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0), D3D_OK);
    Draw("Rail\nwright", left, top);
    Inked first = InkIn(0, top + kCellHeight), second = InkIn(top + kCellHeight);
    EXPECT_GE(first.count, 10 * 4);
    EXPECT_GE(first.top, top);
    EXPECT_LT(first.right, left + 4 * kCellHeight);
    EXPECT_GE(second.count, 10 * 6) << "the second line is below the first";
    EXPECT_LT(second.bottom, top + 2 * kCellHeight);
    EXPECT_GE(second.left, left);
    EXPECT_LT(second.left, left + kCellHeight) << "the second line starts at the left again";
    EXPECT_LT(second.right, left + 6 * kCellHeight);
}

} // namespace
} // namespace gltest
