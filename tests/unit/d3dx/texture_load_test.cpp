// Images of every format and of awkward sizes become textures of their own size, with the
// image's texels at level 0 and box-averaged mip levels below it.
#include "texture_test_support.h"

namespace d3dx_test {
namespace {

class TextureLoadTest : public d3d9rec::testing::RecordingTest {
protected:
    // The texture made from `bytes` through a file (released by TearDown); the test fails
    // when there is none.
    IDirect3DTexture9* Load(const std::string& bytes) {
        TempFile file(bytes);
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, file.Path(), &texture), D3D_OK);
        if (texture) {
            loaded_.push_back(texture);
        }
        return texture;
    }

    void TearDown() override {
        for (IDirect3DTexture9* texture : loaded_) {
            texture->Release();
        }
        RecordingTest::TearDown();
    }

private:
    std::vector<IDirect3DTexture9*> loaded_;
};

// Level 0 holds the image's texels exactly (JPEG aside: lossy, see the next tests).
TEST_F(TextureLoadTest, TextureHasTheImagesSizeTexelsAndTheFullMipChain) {
    struct Size {
        UINT width, height, levels;
    };
    for (int f = 0; f < 6; ++f) {
        const ImageFormat format = ImageFormat(f);
        for (Size size : {Size{1, 1, 1}, Size{5, 3, 3}, Size{3, 7, 3}, Size{100, 37, 7}}) {
            SCOPED_TRACE(std::string(kFormatNames[f]) + " " + std::to_string(size.width) + "x" +
                         std::to_string(size.height));
            d3d9rec::ClearLog();
            const TestImage image = PatternImage(size.width, size.height, KeepsAlpha(format));
            IDirect3DTexture9* texture = Load(EncodeImage(image, format));
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
            if (format != ImageFormat::Jpeg) {
                EXPECT_EQ(ReadLevel(texture, 0).texels, image.texels);
            }
            // Asked of the device as the whole chain (0 levels), no usage.
            auto created = d3d9rec::CallsNamed("CreateTexture");
            ASSERT_EQ(created.size(), 1u);
            EXPECT_EQ(created[0].args[2].UInt(), 0u);
            EXPECT_EQ(created[0].args[3].UInt(), 0u);
        }
    }
    const TestImage translucent = PatternImage(7, 5, true);
    const std::string png = EncodeImage(translucent, ImageFormat::Png);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileInMemory(device, png.data(), UINT(png.size()), &texture),
              D3D_OK);
    EXPECT_EQ(ReadLevel(texture, 0).texels, translucent.texels);
    texture->Release();
}

TEST_F(TextureLoadTest, JpegKeepsItsColoursCloselyAndIsOpaque) {
    TestImage flat{16, 8, std::vector<DWORD>(16 * 8, 0xFF3C8CC8)};
    IDirect3DTexture9* texture = Load(EncodeImage(flat, ImageFormat::Jpeg));
    ASSERT_NE(texture, nullptr);
    for (DWORD texel : ReadLevel(texture, 0).texels) {
        EXPECT_EQ(Channel(texel, 24), 0xFF);
        EXPECT_NEAR(Channel(texel, 16), 0x3C, 3);
        EXPECT_NEAR(Channel(texel, 8), 0x8C, 3);
        EXPECT_NEAR(Channel(texel, 0), 0xC8, 3);
    }
}

// JPEG files as libjpeg writes them, and the unusual layouts this stb_image accepts, load even
// though the loader walks a JPEG's segments before decoding it (texture_jpeg_check).
TEST_F(TextureLoadTest, BaselineAndProgressiveJpegsLoad) {
    const std::string baseline = BaselineJpegSample();
    const std::string progressive = ProgressiveJpegSample();
    // A DC refinement pass decodes no Huffman codes, so the DC table it names may be missing.
    std::string refinementNamesNoTable = progressive;
    std::size_t refinement = FindJpegMarker(progressive, 0xDA, 6);
    ASSERT_EQ(progressive.compare(refinement, 7, std::string("\xff\xda\x00\x0c\x03\x01\x00", 7)),
              0);
    refinementNamesNoTable[refinement + 6] = '\x30';
    // The decoder skips stray bytes after a segment up to the frame, and fill bytes before a
    // marker (here the first after the frame).
    std::string strayBytes = baseline;
    strayBytes.insert(FindJpegMarker(baseline, 0xDB), std::string("\x00\x12\x34", 3));
    std::string fillBytes = baseline;
    fillBytes.insert(FindJpegMarker(baseline, 0xC4), "\xff\xff");
    struct Case {
        const char* name;
        const std::string& bytes;
        UINT width;
    } cases[] = {
        {"Baseline", baseline, 32},
        {"Progressive", progressive, 16},
        {"RefinementNamesNoTable", refinementNamesNoTable, 16},
        {"StrayBytes", strayBytes, 32},
        {"FillBytes", fillBytes, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IDirect3DTexture9* texture = Load(c.bytes);
        ASSERT_NE(texture, nullptr);
        TestImage read = ReadLevel(texture, 0);
        ASSERT_EQ(read.width, c.width);
        ASSERT_EQ(read.height, 16u);
        for (UINT x : {1u, c.width - 2}) {
            DWORD red = read.At(x, 2), blue = read.At(x, 13);
            EXPECT_GT(Channel(red, 16), 200);
            EXPECT_LT(Channel(red, 0), 60);
            EXPECT_LT(Channel(blue, 16), 60);
            EXPECT_GT(Channel(blue, 0), 200);
        }
    }
}

// This stb_image would copy an empty IDAT chunk before the image data to a buffer it has not
// made yet (memcpy to NULL); such a chunk holds nothing, and the file loads as without it.
TEST_F(TextureLoadTest, EmptyImageDataChunksAreSkipped) {
    const TestImage image = PatternImage(5, 3, true);
    const std::string png = EncodeImage(image, ImageFormat::Png);
    const std::string empty("\0\0\0\0IDAT\0\0\0\0", 12);
    constexpr std::size_t kHeaderEnd = 33, kEndChunk = 12; // signature and IHDR; IEND
    const std::string head = png.substr(0, kHeaderEnd), tail = png.substr(kHeaderEnd);
    const std::string beforeEnd = png.substr(0, png.size() - kEndChunk);
    for (const std::string& bytes : {head + empty + tail, head + empty + empty + tail,
                                     beforeEnd + empty + png.substr(png.size() - kEndChunk)}) {
        IDirect3DTexture9* texture = Load(bytes);
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(ReadLevel(texture, 0).texels, image.texels);
    }
}

// Each texel of level n + 1 is the rounded per-channel average of the 2 x 2 texels of level
// n above it, alpha included.
TEST_F(TextureLoadTest, MipLevelsAreBoxAveragesOfTheLevelAbove) {
    TestImage image{4,
                    2,
                    {0xFF000000, 0x80FFFFFF, 0x10203040, 0x20304050, //
                     0x00000000, 0x01010101, 0x30405060, 0x40506070}};
    IDirect3DTexture9* texture = Load(EncodeImage(image, ImageFormat::Png));
    ASSERT_NE(texture, nullptr);
    ASSERT_EQ(texture->GetLevelCount(), 3u);
    // (0xFF + 0x80 + 0 + 1 + 2) / 4 = 0x60 alpha; (0 + 0xFF + 0 + 1 + 2) / 4 = 0x40 colour.
    // (0x10 + 0x20 + 0x30 + 0x40 + 2) / 4 = 0x28, and so on per channel.
    EXPECT_EQ(ReadLevel(texture, 1).texels, (std::vector<DWORD>{0x60404040, 0x28384858}));
    // A 1-high level repeats its row: alpha (2 * 0x60 + 2 * 0x28 + 2) / 4 = 0x44.
    EXPECT_EQ(ReadLevel(texture, 2).texels, (std::vector<DWORD>{0x443C444C}));

    // An odd side leaves out its last column or row.
    TestImage tall{1, 3, {0xFF000000, 0xFF0A0A0A, 0xFFFFFFFF}};
    texture = Load(EncodeImage(tall, ImageFormat::Tga24));
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(ReadLevel(texture, 1).texels, (std::vector<DWORD>{0xFF050505}));
}

} // namespace
} // namespace d3dx_test
