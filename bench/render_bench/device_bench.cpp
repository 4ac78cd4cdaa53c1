#include "device_bench.h"

#include "bench_scene.h"
#include "frame_loop.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <cstdio>
#include <cstring>

namespace bench {
namespace {

constexpr const char* kClassName = "RailwrightRenderBench";

// Holds one reference to a COM object and releases it at the end.
template <typename T> class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (object_) {
            object_->Release();
        }
    }
    T** Out() { return &object_; }
    T* operator->() const { return object_; }
    T* Get() const { return object_; }

private:
    T* object_ = nullptr;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExA(&windowClass)) {
        return nullptr;
    }
    HWND window = CreateWindowA(kClassName, "Railwright render benchmark", WS_OVERLAPPEDWINDOW, 0,
                                0, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

// The scene's buffers, texture and font on one device.
struct DeviceScene {
    Scene scene;
    Held<IDirect3DVertexBuffer9> meshVertices, gridVertices;
    Held<IDirect3DIndexBuffer9> meshIndices;
    Held<IDirect3DTexture9> texture;
    Held<ID3DXFont> font;
};

template <typename Buffer> bool Fill(Buffer* buffer, const void* data, std::size_t bytes) {
    void* target = nullptr;
    if (FAILED(buffer->Lock(0, 0, &target, 0))) {
        return false;
    }
    std::memcpy(target, data, bytes);
    return SUCCEEDED(buffer->Unlock());
}

bool FillTexture(IDirect3DTexture9* texture, const std::vector<D3DCOLOR>& texels) {
    D3DLOCKED_RECT locked;
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        return false;
    }
    for (int row = 0; row < kTextureSize; ++row) {
        std::memcpy(static_cast<char*>(locked.pBits) + std::ptrdiff_t(row) * locked.Pitch,
                    texels.data() + std::size_t(row) * kTextureSize, kTextureSize * 4);
    }
    return SUCCEEDED(texture->UnlockRect(0));
}

bool MakeResources(IDirect3DDevice9* device, DeviceScene& out) {
    const Scene& scene = out.scene;
    UINT meshBytes = UINT(scene.meshVertices.size() * sizeof(MeshVertex));
    UINT indexBytes = UINT(scene.meshIndices.size() * sizeof(std::uint16_t));
    UINT gridBytes = UINT(scene.gridVertices.size() * sizeof(LineVertex));
    return SUCCEEDED(device->CreateVertexBuffer(meshBytes, D3DUSAGE_WRITEONLY, kMeshFvf,
                                                D3DPOOL_MANAGED, out.meshVertices.Out(),
                                                nullptr)) &&
           Fill(out.meshVertices.Get(), scene.meshVertices.data(), meshBytes) &&
           SUCCEEDED(device->CreateIndexBuffer(indexBytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                               D3DPOOL_MANAGED, out.meshIndices.Out(), nullptr)) &&
           Fill(out.meshIndices.Get(), scene.meshIndices.data(), indexBytes) &&
           SUCCEEDED(device->CreateVertexBuffer(gridBytes, D3DUSAGE_WRITEONLY, kLineFvf,
                                                D3DPOOL_MANAGED, out.gridVertices.Out(),
                                                nullptr)) &&
           Fill(out.gridVertices.Get(), scene.gridVertices.data(), gridBytes) &&
           SUCCEEDED(device->CreateTexture(kTextureSize, kTextureSize, 1, 0, D3DFMT_A8R8G8B8,
                                           D3DPOOL_MANAGED, out.texture.Out(), nullptr)) &&
           FillTexture(out.texture.Get(), scene.texels) &&
           SUCCEEDED(D3DXCreateFontA(device, kFontHeight, kFontWidth, kFontWeight, 1, FALSE, 0, 0,
                                     0, 0, kFontFace, out.font.Out()));
}

// The states that stay the same for the whole run.
bool SetFixedStates(IDirect3DDevice9* device, const Scene& scene) {
    return SUCCEEDED(device->SetTransform(D3DTS_VIEW, &scene.view)) &&
           SUCCEEDED(device->SetTransform(D3DTS_PROJECTION, &scene.projection)) &&
           SUCCEEDED(device->SetLight(0, &scene.light)) &&
           SUCCEEDED(device->LightEnable(0, TRUE)) &&
           SUCCEEDED(device->SetRenderState(D3DRS_LIGHTING, TRUE)) &&
           SUCCEEDED(device->SetRenderState(D3DRS_AMBIENT, kAmbient));
}

bool DrawScene(IDirect3DDevice9* device, DeviceScene& resources) {
    const Scene& scene = resources.scene;
    bool ok = SUCCEEDED(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClearColour,
                                      1.0f, 0)) &&
              SUCCEEDED(device->BeginScene()) &&
              SUCCEEDED(device->SetTexture(0, resources.texture.Get())) &&
              SUCCEEDED(device->SetMaterial(&scene.meshMaterial)) &&
              SUCCEEDED(device->SetFVF(kMeshFvf)) &&
              SUCCEEDED(device->SetStreamSource(0, resources.meshVertices.Get(), 0,
                                                sizeof(MeshVertex))) &&
              SUCCEEDED(device->SetIndices(resources.meshIndices.Get()));
    const UINT vertices = UINT(scene.meshVertices.size());
    const UINT triangles = UINT(scene.meshIndices.size() / 3);
    for (const D3DXMATRIX& world : scene.worlds) {
        ok = ok && SUCCEEDED(device->SetTransform(D3DTS_WORLD, &world)) &&
             SUCCEEDED(
                 device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertices, 0, triangles));
    }
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    ok = ok && SUCCEEDED(device->SetTexture(0, nullptr)) &&
         SUCCEEDED(device->SetMaterial(&scene.lineMaterial)) &&
         SUCCEEDED(device->SetTransform(D3DTS_WORLD, &identity)) &&
         SUCCEEDED(device->SetFVF(kLineFvf)) &&
         SUCCEEDED(
             device->SetStreamSource(0, resources.gridVertices.Get(), 0, sizeof(LineVertex))) &&
         SUCCEEDED(device->DrawPrimitive(D3DPT_LINELIST, 0, kGridLineCount));
    for (const TextLine& line : scene.text) {
        RECT place = {line.left, line.top, line.left, line.top};
        ok = ok &&
             resources.font->DrawTextA(nullptr, line.text, -1, &place, DT_NOCLIP, kTextColour) > 0;
    }
    return ok && SUCCEEDED(device->EndScene()) &&
           SUCCEEDED(device->Present(nullptr, nullptr, nullptr, nullptr));
}

bool ClearOnly(IDirect3DDevice9* device) {
    return SUCCEEDED(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClearColour,
                                   1.0f, 0)) &&
           SUCCEEDED(device->Present(nullptr, nullptr, nullptr, nullptr));
}

bool Fail(const char* what) {
    std::fprintf(stderr, "render_bench: %s failed\n", what);
    return false;
}

bool RunOnWindow(const Options& options, HWND window) {
    Held<IDirect3D9> d3d;
    *d3d.Out() = Direct3DCreate9(D3D_SDK_VERSION);
    if (!d3d.Get()) {
        return Fail("Direct3DCreate9");
    }
    D3DPRESENT_PARAMETERS params{};
    params.BackBufferFormat = D3DFMT_A8R8G8B8;
    params.BackBufferCount = 1;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.hDeviceWindow = window;
    params.Windowed = TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D24S8;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    Held<IDirect3DDevice9> device;
    if (FAILED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, device.Out()))) {
        return Fail("CreateDevice");
    }
    if (options.mode == "clear") {
        return RunFrames(options, [&] { return PumpMessages() && ClearOnly(device.Get()); }) ||
               Fail("a frame");
    }
    D3DVIEWPORT9 viewport{};
    device->GetViewport(&viewport);
    DeviceScene resources;
    resources.scene = MakeScene(int(viewport.Width), int(viewport.Height));
    if (!MakeResources(device.Get(), resources) || !SetFixedStates(device.Get(), resources.scene)) {
        return Fail("making the scene");
    }
    return RunFrames(options,
                     [&] { return PumpMessages() && DrawScene(device.Get(), resources); }) ||
           Fail("a frame");
}

} // namespace

ModeResult RunDeviceMode(const Options& options) {
    if (options.mode != "device" && options.mode != "clear") {
        return ModeResult::kUnknown;
    }
    HWND window = MakeWindow();
    if (!window) {
        Fail("creating the window");
        return ModeResult::kFailed;
    }
    bool ok = RunOnWindow(options, window);
    DestroyWindow(window);
    UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
    return ok ? ModeResult::kDone : ModeResult::kFailed;
}

} // namespace bench
