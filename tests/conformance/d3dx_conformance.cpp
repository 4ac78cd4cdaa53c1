// Prints what the utility library answers for a fixed set of calls, one "label: tokens" line
// each. Built against the real library (run under Wine) and against our stand-in; the two
// outputs must agree (compare_outputs). Usage: d3dx_conformance DATA_DIR
#include "conformance_checks.h"
#include "conformance_output.h"
#include "conformance_window.h"

#include <cstdio>

namespace {

// A windowed device with software vertex processing: what works everywhere, Wine included.
IDirect3DDevice9* CreateDevice(IDirect3D9* d3d, HWND window) {
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = params.BackBufferHeight = 64;
    params.BackBufferCount = 1;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.hDeviceWindow = window;
    params.Windowed = params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    IDirect3DDevice9* device = nullptr;
    const HRESULT hr = d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                         D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device);
    if (FAILED(hr)) {
        OutputLine("device").Result(hr);
        return nullptr;
    }
    return device;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: d3dx_conformance DATA_DIR\n");
        return 2;
    }
    RunValueChecks();

    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (!d3d) {
        OutputLine("direct3dcreate9").Text("null");
        return 1;
    }
    const HWND window = CreateDeviceWindow();
    IDirect3DDevice9* device = CreateDevice(d3d, window);
    if (device) {
        RunMeshChecks(device, argv[1]);
        device->Release();
    }
    d3d->Release();
    DestroyDeviceWindow(window);
    std::fflush(stdout);
    return device ? 0 : 1;
}
