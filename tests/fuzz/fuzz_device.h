// The recording device the fuzz targets load onto: windowed, made once per process.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <cstdlib>

// A new windowed device on the recording Direct3D; aborts when none can be made, since no
// input can be tried without one.
inline IDirect3DDevice9* CreateFuzzDevice() {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS params{};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    IDirect3DDevice9* created = nullptr;
    if (!d3d || FAILED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                         reinterpret_cast<HWND>(std::uintptr_t{1}),
                                         D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &created))) {
        std::abort();
    }
    return created;
}
