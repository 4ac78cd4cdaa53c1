#include "game_content.h"

#include "catalog/catalog.h"
#include "sound/sound_player.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Stands for the game's window: the recording device and the silent sound device only ask
// that there is one.
HWND NoWindow() {
    return reinterpret_cast<HWND>(std::uintptr_t{1});
}

} // namespace

GameContent::GameContent(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d_) {
        // Windowed with a 0 x 0 back buffer, as the game makes its device.
        D3DPRESENT_PARAMETERS params{};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.EnableAutoDepthStencil = TRUE;
        params.AutoDepthStencilFormat = D3DFMT_D24S8;
        params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
        d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, NoWindow(),
                           D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_);
    }
    // Sounds load as in the game, onto a device that plays nothing.
    setenv("ALSOFT_DRIVERS", "null", 1);
    player_ = std::make_unique<CSoundPlayer>(NoWindow());
    catalog_ = std::make_unique<CCatalog>(device_, player_.get());
}

GameContent::~GameContent() {
    catalog_.reset();
    player_.reset();
    if (device_) {
        device_->Release();
    }
    if (d3d_) {
        d3d_->Release();
    }
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}
