// Images become managed A8R8G8B8 textures of their own size with box-averaged mip levels; bad
// files and calls get a failure code, a NULL texture and leave nothing on the device (the
// fixture checks for leaks). Memory stays bounded: a header's size is checked, and the texture
// made, before anything is decoded. The files under data/ are described in its README.md.
#include "d3dx_test_support.h"

namespace d3dx_test {
namespace {

const std::filesystem::path kData = std::filesystem::path(__FILE__).parent_path() / "data";

std::string Sample(const std::filesystem::path& path) {
    std::ifstream file(kData / path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The texels of pattern.*, 0xAARRGGBB row by row.
std::vector<DWORD> Pattern() {
    std::vector<DWORD> texels;
    for (DWORD i = 0; i < 15; ++i) {
        texels.push_back(i * 0x9E3779B9u);
    }
    return texels;
}

class Texture : public RecordingTest {
protected:
    // The texels of each mip level of the texture made from the file.
    std::vector<std::vector<DWORD>> Levels(const std::filesystem::path& path) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, (kData / path).c_str(), &texture), D3D_OK);
        std::vector<std::vector<DWORD>> levels;
        for (UINT level = 0; texture && level < texture->GetLevelCount(); ++level) {
            D3DSURFACE_DESC desc{};
            D3DLOCKED_RECT locked{};
            EXPECT_EQ(texture->GetLevelDesc(level, &desc), D3D_OK);
            EXPECT_EQ(std::pair(desc.Format, desc.Pool),
                      std::pair(D3DFMT_A8R8G8B8, D3DPOOL_MANAGED));
            EXPECT_EQ(texture->LockRect(level, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
            levels.emplace_back();
            for (UINT y = 0; y < desc.Height; ++y) {
                const auto* row = static_cast<const DWORD*>(locked.pBits) + y * locked.Pitch / 4;
                levels.back().insert(levels.back().end(), row, row + desc.Width);
            }
            texture->UnlockRect(level);
        }
        if (texture) {
            texture->Release();
        }
        return levels;
    }
    // Expects the file refused with `expected`, read by the loader and from memory.
    void ExpectRefused(const std::filesystem::path& path, HRESULT expected) {
        const std::string bytes = Sample(path);
        auto* texture = reinterpret_cast<IDirect3DTexture9*>(std::uintptr_t{8});
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, (kData / path).c_str(), &texture), expected);
        EXPECT_EQ(texture, nullptr);
        texture = reinterpret_cast<IDirect3DTexture9*>(std::uintptr_t{8});
        EXPECT_EQ(
            D3DXCreateTextureFromFileInMemory(device, bytes.data(), UINT(bytes.size()), &texture),
            expected);
        EXPECT_EQ(texture, nullptr);
    }
};

TEST_F(Texture, EveryFormatGivesItsTexelsAndBoxAveragedMipLevels) {
    for (const char* name :
         {"pattern.bmp", "pattern.tga", "pattern.png", "pattern_empty_image_data_first.png",
          "pattern_empty_image_data_last.png"}) {
        std::vector<DWORD> texels = Pattern();
        for (DWORD& texel : texels) {
            texel |= name[8] == 'b' ? 0xFF000000 : 0; // BMPs are opaque
        }
        const auto levels = Levels(name);
        ASSERT_EQ(levels.size(), 3u) << name;
        EXPECT_EQ(levels[0], texels) << name;
        EXPECT_EQ(levels[1].size() + levels[2].size(), 2u + 1u);
    }
    // Asked of the device as the whole chain (0 levels), no usage.
    const auto created = d3d9rec::CallsNamed("CreateTexture");
    EXPECT_EQ(created.back().args[2].UInt() + created.back().args[3].UInt(), 0u);

    // Each texel of level n + 1 is the rounded per-channel average of the 2 x 2 above it; a
    // 1-high level repeats its row; an odd side leaves out its last column or row.
    const auto mips = Levels("mips.png");
    EXPECT_EQ(mips[1], (std::vector<DWORD>{0x60404040, 0x28384858}));
    EXPECT_EQ(mips[2], (std::vector<DWORD>{0x443C444C}));
    EXPECT_EQ(Levels("tall.tga")[1], (std::vector<DWORD>{0xFF050505}));
}

// JPEGs as libjpeg writes them and the unusual layouts this stb_image accepts load, though the
// loader walks their segments before decoding.
TEST_F(Texture, JpegLayoutsTheDecoderAcceptsLoad) {
    for (const char* name :
         {"baseline.jpg", "progressive.jpg", "accepted/stray_bytes.jpg", "accepted/fill_bytes.jpg",
          "accepted/refinement_names_no_dc_table.jpg"}) {
        const std::vector<DWORD> read = Levels(name).at(0);
        const UINT width = UINT(read.size() / 16);
        for (UINT x : {1u, width - 2}) { // opaque red above, blue below
            const DWORD red = read[2 * width + x], blue = read[13 * width + x];
            EXPECT_TRUE(red >> 24 == 255 && (red >> 16 & 255) > 200 && (red & 255) < 60) << name;
            EXPECT_TRUE((blue >> 16 & 255) < 60 && (blue & 255) > 200) << name;
        }
    }
    // A hostile file overflows a block's DC value in this stb_image; built with wrapping
    // arithmetic, the decoder gives some texels instead of undefined behaviour.
    EXPECT_EQ(Levels("dc_overflow.jpg").size(), 13u); // 4096 wide
}

TEST_F(Texture, BadCallsBrokenFilesAndDeviceFailuresAreRefused) {
    IDirect3DTexture9* texture = nullptr;
    const std::string path = (kData / "pattern.png").string();
    EXPECT_EQ(D3DXCreateTextureFromFileA(nullptr, path.c_str(), &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, path.c_str(), nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromFileInMemory(device, nullptr, 10, &texture), D3DERR_INVALIDCALL);
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateTexture").empty());
    ExpectRefused("no_such_file.png", D3DXERR_INVALIDDATA);
    for (const auto& file : std::filesystem::directory_iterator(kData / "refused")) {
        SCOPED_TRACE(file.path().filename());
        ExpectRefused(file.path(), D3DXERR_INVALIDDATA);
    }
    d3d9rec::FailNextCalls("CreateTexture", D3DERR_OUTOFVIDEOMEMORY, 2);
    ExpectRefused("pattern.png", D3DERR_OUTOFVIDEOMEMORY);
    d3d9rec::FailCall("LockRect", D3DERR_INVALIDCALL);
    ExpectRefused("pattern.png", D3DERR_INVALIDCALL);
    d3d9rec::ClearFailure("LockRect");
    // A header the device cannot hold gets the device's answer before any decoding.
    ExpectRefused("4097_wide.png", D3DERR_INVALIDCALL);
    d3d9rec::Settings().caps.MaxTextureWidth = d3d9rec::Settings().caps.MaxTextureHeight = 16384;
    ExpectRefused("16384_square.png", D3DERR_OUTOFVIDEOMEMORY);
    ExpectRefused("64_square_undecodable.png", D3DXERR_INVALIDDATA);
}

} // namespace
} // namespace d3dx_test
