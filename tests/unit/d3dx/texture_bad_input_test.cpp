// Calls and files the texture loader must refuse: each gets a failure code, a NULL texture
// and leaves nothing behind on the device (the fixture checks that no recording object
// leaks). Memory stays bounded: a header's size is checked, and the texture made, before
// anything is decoded.
#include "texture_test_support.h"

namespace d3dx_test {
namespace {

IDirect3DTexture9* const kPoison = reinterpret_cast<IDirect3DTexture9*>(std::uintptr_t{8});

class TextureBadInputTest : public d3d9rec::testing::RecordingTest {
protected:
    // Loads `bytes` through a file and expects `expected` with a NULL texture.
    void ExpectRefused(const std::string& bytes, HRESULT expected) {
        TempFile file(bytes);
        IDirect3DTexture9* texture = kPoison;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, file.Path(), &texture), expected);
        EXPECT_EQ(texture, nullptr);
        texture = kPoison;
        EXPECT_EQ(
            D3DXCreateTextureFromFileInMemory(device, bytes.data(), UINT(bytes.size()), &texture),
            expected);
        EXPECT_EQ(texture, nullptr);
    }
};

// A BMP header declaring width x height, with `pixelBytes` zero bytes of pixels after it.
std::string BmpHeader(std::int32_t width, std::int32_t height, std::size_t pixelBytes) {
    std::string bmp = EncodeImage(PatternImage(1, 1), ImageFormat::Bmp24).substr(0, 54);
    std::memcpy(bmp.data() + 18, &width, 4);
    std::memcpy(bmp.data() + 22, &height, 4);
    return bmp + std::string(pixelBytes, '\0');
}

// A PNG chunk of `type` holding `data`, its length as given (the CRC is not checked).
std::string PngChunk(const char* type, const std::string& data, std::uint32_t length) {
    std::string chunk;
    for (int shift = 24; shift >= 0; shift -= 8) {
        chunk += char(length >> shift);
    }
    return chunk + type + data + std::string(4, '\0');
}

// A PNG whose header declares width x height, with junk for its image data.
std::string PngDeclaring(std::uint32_t width, std::uint32_t height) {
    std::string png = EncodeImage(PatternImage(1, 1), ImageFormat::Png);
    auto putBigEndian = [&png](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            png[at + i] = char(value >> (24 - 8 * i));
        }
    };
    putBigEndian(16, width); // IHDR data starts after the signature, length and type
    putBigEndian(20, height);
    std::string junk(64, 'j');
    return png.substr(0, 33) + PngChunk("IDAT", junk, 64) + PngChunk("IEND", "", 0);
}

// A run-length coded TGA header declaring 1000 x 1000 pixels, with `dataBytes` bytes after it.
std::string RunLengthTga(std::size_t dataBytes) {
    std::string tga = EncodeImage(PatternImage(1, 1), ImageFormat::Tga32).substr(0, 18);
    tga[2] = 10;
    tga[12] = tga[14] = char(1000 & 0xFF);
    tga[13] = tga[15] = char(1000 >> 8);
    return tga + std::string(dataBytes, '\x7f');
}

// `jpeg` with its first Huffman table claiming 512 symbols (at most 256 exist).
std::string OverlongHuffmanTable(std::string jpeg) {
    std::size_t table = jpeg.find("\xff\xc4");
    EXPECT_NE(table, std::string::npos);
    for (std::size_t count = table + 5; count < table + 21; ++count) {
        jpeg[count] = char(32);
    }
    return jpeg;
}

TEST_F(TextureBadInputTest, NullArgumentsAreInvalidCallsAndMissingFilesInvalidData) {
    std::string png = EncodeImage(PatternImage(2, 2), ImageFormat::Png);
    TempFile file(png);
    IDirect3DTexture9* texture = kPoison;
    EXPECT_EQ(D3DXCreateTextureFromFileA(nullptr, file.Path(), &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, file.Path(), nullptr), D3DERR_INVALIDCALL);
    texture = kPoison;
    EXPECT_EQ(D3DXCreateTextureFromFileInMemory(device, nullptr, 10, &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateTexture").empty());

    const std::string directory = std::filesystem::temp_directory_path().string();
    for (const char* path : {"/nonexistent/rails.bmp", directory.c_str()}) {
        texture = kPoison;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, path, &texture), D3DXERR_INVALIDDATA);
        EXPECT_EQ(texture, nullptr);
    }
}

TEST_F(TextureBadInputTest, BrokenImagesAreInvalidData) {
    std::string png = EncodeImage(PatternImage(16, 16), ImageFormat::Png);
    std::string bmp = EncodeImage(PatternImage(16, 16), ImageFormat::Bmp24);
    std::string tga = EncodeImage(PatternImage(16, 16), ImageFormat::Tga32);
    std::string jpeg = EncodeImage(PatternImage(16, 16), ImageFormat::Jpeg);
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"Empty", ""},
        {"PngTruncated", png.substr(0, png.size() / 2)},
        // A chunk longer than the file: the decoder would make room for it all first.
        {"PngChunkBeyondTheEnd", png.substr(0, 33) + PngChunk("IDAT", "jj", 0x7FFFFFF0)},
        {"PngCorruptData", png.substr(0, 41) + std::string(png.size() - 41, '\x5A')},
        {"BmpHeaderOnly", bmp.substr(0, 54)},
        {"BmpZeroWidth", BmpHeader(0, 4, 64)},
        {"BmpJustAboveTheLimit", BmpHeader(16385, 1, 64)},
        {"PngAbsurd", PngDeclaring(100000, 100000)},
        {"PngHugeSide", PngDeclaring(0x7FFFFFFF, 1)},
        {"TgaTruncated", tga.substr(0, tga.size() - 1)},
        // Fewer bytes than one packet per 128 pixels: 7813 packets of 5 bytes are needed.
        {"TgaRunLengthTooShort", RunLengthTga(7813 * 5 - 1)},
        // This stb_image writes past its tables decoding such a file.
        {"JpegHuffmanTableTooLong", OverlongHuffmanTable(jpeg)},
        {"JpegAfterFillBytes", std::string(5, '\xff') + OverlongHuffmanTable(jpeg).substr(1)},
        {"JpegTruncated", jpeg.substr(0, jpeg.size() / 3)},
        {"PngOnlyEmptyImageData",
         png.substr(0, 33) + PngChunk("IDAT", "", 0) + PngChunk("IEND", "", 0)},
        // Not a format the loader reads: stb_image 2.27 overruns its buffer on this one.
        {"Ppm16Bit", "P6\n3 3\n65535\n" + std::string(54, '\xff')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused(c.bytes, D3DXERR_INVALIDDATA);
    }
}

// This stb_image decodes a scan with whatever tables it names, defined or not; an undefined
// one holds what its allocation held, and the fuzzer found reads far outside the tables. Each
// file below names a table that no segment before the scan defined.
TEST_F(TextureBadInputTest, JpegScansNeedTheirTablesDefinedBeforeThem) {
    const std::string baseline = BaselineJpegSample();
    const std::string progressive = ProgressiveJpegSample();
    auto with = [](std::string jpeg, std::size_t at, char value) {
        EXPECT_LT(at, jpeg.size());
        jpeg[at] = value;
        return jpeg;
    };
    // Selectors of the first component: after FF DA, length and component count, its id.
    constexpr std::size_t kFirstSelector = 6, kFirstQuantTable = 12; // ... and in FF C0
    std::size_t scan = FindJpegMarker(baseline, 0xDA);
    std::size_t firstPass = FindJpegMarker(progressive, 0xDA);
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        // Only DC and AC tables 0 and 1 exist; the selector byte is DC << 4 | AC.
        {"BaselineDcTable", with(baseline, scan + kFirstSelector, '\x20')},
        {"BaselineAcTable", with(baseline, scan + kFirstSelector, '\x03')},
        {"ProgressiveDcTable", with(progressive, firstPass + kFirstSelector, '\x30')},
        // The fuzzer's file: the FF of the DHT marker before the first AC pass was lost, so
        // the segment became part of the scan before it and the AC pass found no table.
        {"ProgressiveAcTable", with(progressive, FindJpegMarker(progressive, 0xC4, 2), '\0')},
        // Only quantisation tables 0 and 1 exist.
        {"QuantisationTable",
         with(baseline, FindJpegMarker(baseline, 0xC0) + kFirstQuantTable, '\x02')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectRefused(c.bytes, D3DXERR_INVALIDDATA);
    }
}

// A JPEG marker segment: FF, the marker, the length (its two bytes included), then `body`.
std::string JpegSegment(unsigned char marker, const std::string& body) {
    std::size_t length = body.size() + 2;
    return std::string{'\xff', char(marker), char(length >> 8), char(length & 0xFF)} + body;
}

// In this stb_image a block's DC value (the sum of the differences so far) overflows an int
// for a hostile file, and so does that value times its quantiser. The decoder is built with
// wrapping arithmetic, so such a file gives some texels: no undefined behaviour (which the
// sanitizers would stop at here).
TEST_F(TextureBadInputTest, JpegDcOverflowDecodesToSomeTexels) {
    // A grey 4096 x 1032 image: 512 x 129 blocks, each adding 32767 to the DC value, so the
    // sum passes 2^31 after 65538 of them. Quantisers are 65535; each Huffman table holds one
    // 1-bit code: a DC difference of 15 bits, and the end of a block.
    constexpr int kBlocks = 512 * 129;
    std::string scan;
    int bits = 0, pending = 0;
    auto put = [&](int bit) {
        pending = pending << 1 | bit;
        if (++bits == 8) {
            scan += char(pending);
            if (pending == 0xFF) {
                scan += '\0'; // stuffed
            }
            bits = pending = 0;
        }
    };
    for (int block = 0; block < kBlocks; ++block) {
        put(0); // DC code
        for (int i = 0; i < 15; ++i) {
            put(1); // 32767
        }
        put(0); // end of block
    }
    while (bits != 0) {
        put(1);
    }
    const std::string dcTable = std::string("\x00\x01", 2) + std::string(15, '\0') + "\x0f";
    const std::string acTable = std::string("\x10\x01", 2) + std::string(16, '\0');
    const std::string jpeg =
        "\xff\xd8" + JpegSegment(0xDB, '\x10' + std::string(128, '\xff')) +
        JpegSegment(0xC0, std::string("\x08\x04\x08\x10\x00\x01\x01\x11\x00", 9)) +
        JpegSegment(0xC4, dcTable) + JpegSegment(0xC4, acTable) +
        JpegSegment(0xDA, std::string("\x01\x01\x00\x00\x3f\x00", 6)) + scan + "\xff\xd9";
    TempFile file(jpeg);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileA(device, file.Path(), &texture), D3D_OK);
    ASSERT_NE(texture, nullptr);
    D3DSURFACE_DESC desc{};
    EXPECT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 4096u);
    EXPECT_EQ(desc.Height, 1032u);
    texture->Release();
}

// A header the device cannot hold gets the device's answer before any decoding: a side above
// the device's largest texture, or more texels than its memory.
TEST_F(TextureBadInputTest, SizesTheDeviceRefusesGetItsResult) {
    ExpectRefused(PngDeclaring(4097, 16), D3DERR_INVALIDCALL);
    d3d9rec::Settings().caps.MaxTextureWidth = 16384;
    d3d9rec::Settings().caps.MaxTextureHeight = 16384;
    ExpectRefused(PngDeclaring(16384, 16384), D3DERR_OUTOFVIDEOMEMORY);
    // A header the device accepts and data that does not decode: the texture goes again.
    ExpectRefused(PngDeclaring(64, 64), D3DXERR_INVALIDDATA);
}

TEST_F(TextureBadInputTest, DeviceFailuresArePassedOnAndTheTextureReleased) {
    std::string png = EncodeImage(PatternImage(8, 8), ImageFormat::Png);
    d3d9rec::FailNextCalls("CreateTexture", D3DERR_OUTOFVIDEOMEMORY, 2);
    ExpectRefused(png, D3DERR_OUTOFVIDEOMEMORY);
    d3d9rec::FailCall("LockRect", D3DERR_INVALIDCALL);
    ExpectRefused(png, D3DERR_INVALIDCALL);
}

} // namespace
} // namespace d3dx_test
