// Images of every format and of awkward sizes become textures of their own size, with the
// image's texels at level 0 and box-averaged mip levels below it.
#include "texture_test_support.h"

#include <cstdlib>

namespace d3dx_test {
namespace {

constexpr ImageFormat kAllFormats[] = {ImageFormat::Bmp24, ImageFormat::Bmp32, ImageFormat::Tga24,
                                       ImageFormat::Tga32, ImageFormat::Png,   ImageFormat::Jpeg};

class TextureLoadTest : public d3d9rec::testing::RecordingTest {
protected:
    // The texture made from `bytes` through a file; the test fails when there is none.
    IDirect3DTexture9* Load(const std::string& bytes) {
        TempFile file(bytes);
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, file.Path(), &texture), D3D_OK);
        return texture;
    }

    void TearDown() override {
        for (IDirect3DTexture9* texture : loaded_) {
            texture->Release();
        }
        RecordingTest::TearDown();
    }

    IDirect3DTexture9* Keep(IDirect3DTexture9* texture) {
        if (texture) {
            loaded_.push_back(texture);
        }
        return texture;
    }

private:
    std::vector<IDirect3DTexture9*> loaded_;
};

TEST_F(TextureLoadTest, TextureHasTheImagesSizeAndTheFullMipChain) {
    struct Size {
        UINT width, height, levels;
    };
    for (ImageFormat format : kAllFormats) {
        for (Size size : {Size{1, 1, 1}, Size{4, 4, 3}, Size{5, 3, 3}, Size{3, 7, 3},
                          Size{64, 16, 7}, Size{100, 37, 7}}) {
            SCOPED_TRACE(std::string(FormatName(format)) + " " + std::to_string(size.width) + "x" +
                         std::to_string(size.height));
            d3d9rec::ClearLog();
            IDirect3DTexture9* texture =
                Keep(Load(EncodeImage(PatternImage(size.width, size.height), format)));
            ASSERT_NE(texture, nullptr);
            ASSERT_EQ(texture->GetLevelCount(), size.levels);
            for (UINT level = 0; level < size.levels; ++level) {
                D3DSURFACE_DESC desc{};
                ASSERT_EQ(texture->GetLevelDesc(level, &desc), D3D_OK);
                EXPECT_EQ(desc.Width, std::max(1u, size.width >> level));
                EXPECT_EQ(desc.Height, std::max(1u, size.height >> level));
                EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
                EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
            }
            // Asked of the device as the whole chain (0 levels), no usage.
            auto created = d3d9rec::CallsNamed("CreateTexture");
            ASSERT_EQ(created.size(), 1u);
            EXPECT_EQ(created[0].args[2].UInt(), 0u);
            EXPECT_EQ(created[0].args[3].UInt(), 0u);
        }
    }
}

TEST_F(TextureLoadTest, LevelZeroHoldsTheImagesTexels) {
    const TestImage opaque = PatternImage(7, 5);
    const TestImage translucent = PatternImage(7, 5, true);
    for (ImageFormat format : kAllFormats) {
        if (format == ImageFormat::Jpeg) {
            continue; // lossy: see the next test
        }
        SCOPED_TRACE(FormatName(format));
        const TestImage& image = KeepsAlpha(format) ? translucent : opaque;
        IDirect3DTexture9* texture = Keep(Load(EncodeImage(image, format)));
        ASSERT_NE(texture, nullptr);
        TestImage read = ReadLevel(texture, 0);
        EXPECT_EQ(read.texels, image.texels);
    }
}

TEST_F(TextureLoadTest, JpegKeepsItsColoursCloselyAndIsOpaque) {
    TestImage flat{16, 8, std::vector<DWORD>(16 * 8, 0xFF3C8CC8)};
    IDirect3DTexture9* texture = Keep(Load(EncodeImage(flat, ImageFormat::Jpeg)));
    ASSERT_NE(texture, nullptr);
    for (DWORD texel : ReadLevel(texture, 0).texels) {
        EXPECT_EQ(Channel(texel, 24), 0xFF);
        EXPECT_NEAR(Channel(texel, 16), 0x3C, 3);
        EXPECT_NEAR(Channel(texel, 8), 0x8C, 3);
        EXPECT_NEAR(Channel(texel, 0), 0xC8, 3);
    }
}

// Each texel of level n + 1 is the rounded per-channel average of the 2 x 2 texels of level
// n above it, alpha included.
TEST_F(TextureLoadTest, MipLevelsAreBoxAveragesOfTheLevelAbove) {
    TestImage image{4,
                    2,
                    {0xFF000000, 0x80FFFFFF, 0x10203040, 0x20304050, //
                     0x00000000, 0x01010101, 0x30405060, 0x40506070}};
    IDirect3DTexture9* texture = Keep(Load(EncodeImage(image, ImageFormat::Png)));
    ASSERT_NE(texture, nullptr);
    ASSERT_EQ(texture->GetLevelCount(), 3u);
    // (0xFF + 0x80 + 0 + 1 + 2) / 4 = 0x60 alpha; (0 + 0xFF + 0 + 1 + 2) / 4 = 0x40 colour.
    // (0x10 + 0x20 + 0x30 + 0x40 + 2) / 4 = 0x28, and so on per channel.
    EXPECT_EQ(ReadLevel(texture, 1).texels, (std::vector<DWORD>{0x60404040, 0x28384858}));
    // A 1-high level repeats its row: alpha (2 * 0x60 + 2 * 0x28 + 2) / 4 = 0x44.
    EXPECT_EQ(ReadLevel(texture, 2).texels, (std::vector<DWORD>{0x443C444C}));
}

// An odd side leaves out its last column or row; a side of 1 stays 1.
TEST_F(TextureLoadTest, OddSidesLeaveOutTheirLastColumnOrRow) {
    TestImage wide{3, 1, {0xFF102030, 0xFF304050, 0xFFFFFFFF}};
    IDirect3DTexture9* texture = Keep(Load(EncodeImage(wide, ImageFormat::Bmp24)));
    ASSERT_NE(texture, nullptr);
    ASSERT_EQ(texture->GetLevelCount(), 2u);
    EXPECT_EQ(ReadLevel(texture, 1).texels, (std::vector<DWORD>{0xFF203040}));

    TestImage tall{1, 3, {0xFF000000, 0xFF0A0A0A, 0xFFFFFFFF}};
    texture = Keep(Load(EncodeImage(tall, ImageFormat::Tga24)));
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(ReadLevel(texture, 1).texels, (std::vector<DWORD>{0xFF050505}));
}

TEST_F(TextureLoadTest, InMemoryGivesTheSameTexture) {
    TestImage image = PatternImage(6, 3, true);
    std::string bytes = EncodeImage(image, ImageFormat::Png);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileInMemory(device, bytes.data(), UINT(bytes.size()), &texture),
              D3D_OK);
    Keep(texture);
    EXPECT_EQ(ReadLevel(texture, 0).texels, image.texels);
    EXPECT_EQ(texture->GetLevelCount(), 3u);
}

} // namespace
} // namespace d3dx_test
