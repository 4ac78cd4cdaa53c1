#include "catalog_test_support.h"

#include "sound/sound.h"

#include "../sound_support/riff_builder.h"

#include <d3d9_recording.h>

#include <cstdint>
#include <fstream>
#include <unistd.h>

namespace catalog_test {

std::string SquareMesh(const std::string& materials, int materialCount) {
    std::string text = "xof 0302txt 0032\nMesh Square {\n"
                       " 4; 0.0; 0.0; 0.0;, 2.0; 0.0; 0.0;, 2.0; 2.0; 0.0;, 0.0; 2.0; 0.0;;\n"
                       " 2; 3; 0, 1, 2;, 3; 0, 2, 3;;\n";
    if (materialCount > 0) {
        text += " MeshMaterialList { " + std::to_string(materialCount) + "; 2; 0, " +
                std::to_string(1 % materialCount) + ";; " + materials + " }\n";
    }
    return text + "}\n";
}

std::string MaterialObject(float r, float g, float b, const std::string& texture) {
    std::string text = "Material { " + std::to_string(r) + "; " + std::to_string(g) + "; " +
                       std::to_string(b) + "; 1.0;; 5.0; 0.1; 0.2; 0.3;; 0.4; 0.5; 0.6;; ";
    if (!texture.empty()) {
        text += "TextureFilename { \"" + texture + "\"; } ";
    }
    return text + "}\n";
}

std::string TriangleMesh() {
    return "xof 0302txt 0032\nMesh Triangle {\n"
           " 3; 0.0; 0.0; 0.0;, 6.0; 0.0; 0.0;, 0.0; 6.0; 0.0;;\n"
           " 1; 3; 0, 1, 2;;\n}\n";
}

std::string TinyBmp() {
    using riff::Dword, riff::Word;
    // File header, then BITMAPINFOHEADER: 2 x 2, one plane, 24 bits, the rest zero.
    std::string bmp = "BM" + Dword(54 + 16) + Dword(0) + Dword(54) + Dword(40) + Dword(2) +
                      Dword(2) + Word(1) + Word(24) + std::string(24, '\0');
    for (int row = 0; row < 2; ++row) {
        bmp += std::string("\x10\x20\x30\x40\x50\x60\0\0", 8); // padded to 4 bytes
    }
    return bmp;
}

std::string TinyWav() {
    return riff::Wave(riff::PcmFormat(1, 11025, 8), "\x80\x90\xA0\x90\x80\x70\x60\x70");
}

namespace {

// A windowed recording device made for one test.
IDirect3DDevice9* CreateRecordingDevice() {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    EXPECT_NE(d3d, nullptr);
    D3DPRESENT_PARAMETERS params{};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    IDirect3DDevice9* device = nullptr;
    EXPECT_EQ(D3D_OK, d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                        reinterpret_cast<HWND>(std::uintptr_t{1}),
                                        D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device));
    d3d->Release();
    return device;
}

} // namespace

void CatalogDirTest::SetUp() {
    previous_ = std::filesystem::current_path();
    root_ = std::filesystem::temp_directory_path() / ("rw_catalog_" + std::to_string(getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    std::filesystem::current_path(root_);
    device_ = CreateRecordingDevice();
}

void CatalogDirTest::TearDown() {
    if (device_ != nullptr) {
        device_->Release();
    }
    EXPECT_EQ(0u, d3d9rec::LiveObjects()) << "a device object was left alive";
    d3d9rec::Reset();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(root_);
}

void CatalogDirTest::Write(const std::filesystem::path& path, const std::string& content) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream(path, std::ios::binary) << content;
}

} // namespace catalog_test
