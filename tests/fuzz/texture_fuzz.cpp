// libFuzzer target for the texture loader: the input is a whole image file, made into a
// texture on a recording device. A texture that loads must have a sane size and its whole
// mip chain readable; a failed load must give no texture; any device object still alive
// afterwards counts as a crash.
#include "fuzz_device.h"

#include <d3d9_recording.h>
#include <d3dx9.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Textures up to 1024 x 1024, so that every input decodes in well under a second with the
// sanitizers on (small compressed files can declare big images).
IDirect3DDevice9* Device() {
    static IDirect3DDevice9* device = [] {
        d3d9rec::Settings().caps.MaxTextureWidth = 1024;
        d3d9rec::Settings().caps.MaxTextureHeight = 1024;
        return CreateFuzzDevice();
    }();
    return device;
}

// Every level locks, and the chain halves down to 1 x 1.
void CheckTexture(IDirect3DTexture9* texture) {
    D3DSURFACE_DESC top{};
    if (FAILED(texture->GetLevelDesc(0, &top)) || top.Width == 0 || top.Height == 0 ||
        top.Format != D3DFMT_A8R8G8B8) {
        std::abort();
    }
    DWORD levels = texture->GetLevelCount();
    for (DWORD level = 0; level < levels; ++level) {
        D3DLOCKED_RECT locked{};
        if (FAILED(texture->LockRect(level, &locked, nullptr, D3DLOCK_READONLY)) ||
            FAILED(texture->UnlockRect(level))) {
            std::abort();
        }
    }
    D3DSURFACE_DESC last{};
    if (FAILED(texture->GetLevelDesc(levels - 1, &last)) || last.Width != 1 || last.Height != 1) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IDirect3DDevice9* device = Device();
    const std::size_t aliveBefore = d3d9rec::LiveObjects();
    d3d9rec::ClearLog(); // it would grow with every run
    IDirect3DTexture9* texture = nullptr;
    HRESULT hr = D3DXCreateTextureFromFileInMemory(device, size ? data : nullptr,
                                                   static_cast<UINT>(size), &texture);
    if (SUCCEEDED(hr)) {
        if (!texture) {
            std::abort();
        }
        CheckTexture(texture);
        texture->Release();
    } else if (texture) {
        std::abort();
    }
    if (d3d9rec::LiveObjects() != aliveBefore) {
        std::abort(); // a failed load or a released texture left device objects behind
    }
    return 0;
}
