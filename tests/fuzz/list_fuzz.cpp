// libFuzzer target for the catalog's list reading: the input is written as each of the five
// list files (styles.txt and levels.txt, and textures.txt, models.txt and sounds.txt of the
// style folder "."), next to a small mesh, image and wave that the lists may name, and a
// catalog is built from them on a recording device with a player that has no sound device.
// Everything the catalog made is released afterwards; a device object still alive counts as a
// crash.
#include "catalog/catalog.h"
#include "fuzz_device.h"
#include "sound/sound.h"
#include "sound/sound_player.h"

#include <d3d9_recording.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// A working directory of its own holding the content files, entered once.
void EnterWorkingDirectory() {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("rw_list_fuzz_" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "models");
    std::filesystem::create_directories(root / "textures");
    std::filesystem::create_directories(root / "sounds");
    std::ofstream(root / "models" / "m.x") << "xof 0302txt 0032\nMesh { 3; 0.0; 0.0; 0.0;, "
                                              "1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;; 1; 3; 0, 1, 2;; "
                                              "MeshMaterialList { 1; 1; 0;; Material { 1.0; 0.0; "
                                              "0.0; 1.0;; 0.0; 0.0; 0.0; 0.0;; 0.0; 0.0; 0.0;; "
                                              "TextureFilename { \"t.bmp\"; } } } }\n";
    // A 1 x 1 24-bit BMP.
    const unsigned char bmp[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0,
                                 0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,
                                 0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 9,  8, 7, 0};
    std::ofstream(root / "textures" / "t.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    std::ofstream(root / "sounds" / "s.wav") << "RIFF";
    std::filesystem::current_path(root);
}

struct Harness {
    IDirect3DDevice9* device;
    CSoundPlayer* player;
};

Harness& Setup() {
    static Harness harness = [] {
        unsetenv("ALSOFT_DRIVERS"); // no sound device: every sound fails
        EnterWorkingDirectory();
        return Harness{CreateFuzzDevice(), new CSoundPlayer(nullptr)};
    }();
    return harness;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness& harness = Setup();
    const std::size_t aliveBefore = d3d9rec::LiveObjects();
    d3d9rec::ClearLog(); // it would grow with every run
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    for (const char* list :
         {"styles.txt", "levels.txt", "textures.txt", "models.txt", "sounds.txt"}) {
        std::ofstream(list, std::ios::binary).write(content.data(), std::streamsize(size));
    }
    {
        CCatalog catalog(harness.device, harness.player);
        // Every lookup the other parts make must work on whatever was read.
        for (int i = -1; i <= catalog.GetLevelCount(); ++i) {
            catalog.GetLevelFile(i);
        }
        for (const auto& [name, model] : catalog.m_models) {
            if (model.materialIds.size() != model.textureNames.size()) {
                std::abort();
            }
        }
        if (!catalog.m_sounds.empty()) {
            std::abort(); // the player is not ready: no sound can load
        }
        catalog.ReleaseContent();
    }
    if (d3d9rec::LiveObjects() != aliveBefore) {
        std::abort();
    }
    return 0;
}
