// A small fixed scene drawn the way the game draws: a directional light, a camera looking
// down at an angle, two lit cubes loaded from .x files with their materials, a textured
// quad, a black grid of lines and two lines of text. Built for both platforms, its pictures
// are compared pixel by pixel (compare_scenes).
//
// scene_probe [SECONDS] — runs from the folder holding cube_vertex_normals.x, cube_face_normals.x
// and quad.bmp; Escape or the close box ends it, and so does the time limit (default 30 s). Exit
// code 0 after a normal end, 1 when something could not be created or drawn.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kClassName[] = "PuffwagonSceneProbe";
const char kTitle[] = "Puffwagon scene probe";
const int kWindowWidth = 640;
const int kWindowHeight = 480;
const float kPi = 3.14159265f;

struct LitTexturedVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
const DWORD kLitTexturedFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

struct GridVertex {
    float x, y, z;
};
const DWORD kGridFvf = D3DFVF_XYZ;
const int kGridLines = 22; // 11 along each axis, one unit apart
const float kGridHalfSize = 5.0f;

// A mesh from a .x file and the materials of its subsets.
struct LoadedMesh {
    ID3DXMesh* mesh = nullptr;
    D3DMATERIAL9* materials = nullptr;
    DWORD materialCount = 0;
};

struct Scene {
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    LoadedMesh smoothCube;
    LoadedMesh flatCube;
    IDirect3DTexture9* quadTexture = nullptr;
    IDirect3DVertexBuffer9* quad = nullptr;
    IDirect3DVertexBuffer9* grid = nullptr;
    ID3DXFont* font = nullptr;
};

bool Fail(const char* what, HRESULT result) {
    std::fprintf(stderr, "scene_probe: %s failed (0x%08x)\n", what, static_cast<unsigned>(result));
    return false;
}

LRESULT CALLBACK SceneProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Loads the mesh and keeps its materials; like the game, a material's ambient colour is its
// diffuse one, so that the light's ambient part shows on it.
bool LoadMesh(IDirect3DDevice9* device, const char* fileName, LoadedMesh* loaded) {
    ID3DXBuffer* materialBuffer = nullptr;
    HRESULT result =
        D3DXLoadMeshFromXA(fileName, D3DXMESH_MANAGED, device, nullptr, &materialBuffer, nullptr,
                           &loaded->materialCount, &loaded->mesh);
    if (FAILED(result)) {
        return Fail(fileName, result);
    }
    if (materialBuffer == nullptr) {
        loaded->materialCount = 0;
        return true;
    }
    const D3DXMATERIAL* fileMaterials =
        static_cast<const D3DXMATERIAL*>(materialBuffer->GetBufferPointer());
    loaded->materials = new D3DMATERIAL9[loaded->materialCount];
    for (DWORD i = 0; i < loaded->materialCount; ++i) {
        loaded->materials[i] = fileMaterials[i].MatD3D;
        loaded->materials[i].Ambient = loaded->materials[i].Diffuse;
    }
    materialBuffer->Release();
    return true;
}

void ReleaseMesh(LoadedMesh* loaded) {
    if (loaded->mesh != nullptr) {
        loaded->mesh->Release();
    }
    delete[] loaded->materials;
}

// Fills a new managed vertex buffer with the given vertices.
bool CreateFilledBuffer(IDirect3DDevice9* device, const void* vertices, UINT size, DWORD fvf,
                        IDirect3DVertexBuffer9** buffer) {
    HRESULT result = device->CreateVertexBuffer(size, 0, fvf, D3DPOOL_MANAGED, buffer, nullptr);
    if (FAILED(result)) {
        return Fail("CreateVertexBuffer", result);
    }
    void* data = nullptr;
    result = (*buffer)->Lock(0, size, &data, 0);
    if (FAILED(result)) {
        return Fail("Lock", result);
    }
    std::memcpy(data, vertices, size);
    (*buffer)->Unlock();
    return true;
}

// A flat quad lying above the ground, facing up: two triangles, clockwise as the camera
// sees them (with z up and the camera at -y, +x points to the left of the screen).
bool CreateQuad(Scene* scene) {
    const float x0 = -1.0f, x1 = 1.0f, y0 = -4.5f, y1 = -2.5f, z = 0.3f;
    const LitTexturedVertex vertices[6] = {
        {x0, y0, z, 0, 0, 1, 0, 1}, {x1, y0, z, 0, 0, 1, 1, 1}, {x0, y1, z, 0, 0, 1, 0, 0},
        {x1, y0, z, 0, 0, 1, 1, 1}, {x1, y1, z, 0, 0, 1, 1, 0}, {x0, y1, z, 0, 0, 1, 0, 0},
    };
    return CreateFilledBuffer(scene->device, vertices, sizeof(vertices), kLitTexturedFvf,
                              &scene->quad);
}

// The ground grid: lines of constant x, then lines of constant y.
bool CreateGrid(Scene* scene) {
    GridVertex vertices[2 * kGridLines];
    const int perAxis = kGridLines / 2;
    for (int i = 0; i < perAxis; ++i) {
        const float at = -kGridHalfSize + static_cast<float>(i);
        vertices[4 * i + 0] = {at, -kGridHalfSize, 0.0f};
        vertices[4 * i + 1] = {at, kGridHalfSize, 0.0f};
        vertices[4 * i + 2] = {-kGridHalfSize, at, 0.0f};
        vertices[4 * i + 3] = {kGridHalfSize, at, 0.0f};
    }
    return CreateFilledBuffer(scene->device, vertices, sizeof(vertices), kGridFvf, &scene->grid);
}

bool CreateDevice(HWND window, Scene* scene) {
    scene->d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (scene->d3d == nullptr) {
        return Fail("Direct3DCreate9", E_FAIL);
    }
    D3DPRESENT_PARAMETERS parameters = {};
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.BackBufferFormat = D3DFMT_UNKNOWN;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D24S8;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    const HRESULT result =
        scene->d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &scene->device);
    if (FAILED(result)) {
        return Fail("CreateDevice", result);
    }
    return true;
}

// The game's font: "Times New Roman", 25 pixels high, 12 wide on average, weight 500, the
// default character set.
bool CreateFont(Scene* scene) {
    D3DXFONT_DESCA description = {25, 12, 500, 0, FALSE, 1, 0, 0, 0, {}};
    std::strcpy(description.FaceName, "Times New Roman");
    const HRESULT result = D3DXCreateFontIndirectA(scene->device, &description, &scene->font);
    if (FAILED(result)) {
        return Fail("D3DXCreateFontIndirectA", result);
    }
    return true;
}

bool CreateScene(HWND window, Scene* scene) {
    if (!CreateDevice(window, scene) ||
        !LoadMesh(scene->device, "cube_vertex_normals.x", &scene->smoothCube) ||
        !LoadMesh(scene->device, "cube_face_normals.x", &scene->flatCube)) {
        return false;
    }
    const HRESULT result =
        D3DXCreateTextureFromFileA(scene->device, "quad.bmp", &scene->quadTexture);
    if (FAILED(result)) {
        return Fail("D3DXCreateTextureFromFileA", result);
    }
    return CreateQuad(scene) && CreateGrid(scene) && CreateFont(scene);
}

void ReleaseScene(Scene* scene) {
    if (scene->font != nullptr) {
        scene->font->Release();
    }
    if (scene->grid != nullptr) {
        scene->grid->Release();
    }
    if (scene->quad != nullptr) {
        scene->quad->Release();
    }
    if (scene->quadTexture != nullptr) {
        scene->quadTexture->Release();
    }
    ReleaseMesh(&scene->flatCube);
    ReleaseMesh(&scene->smoothCube);
    if (scene->device != nullptr) {
        scene->device->Release();
    }
    if (scene->d3d != nullptr) {
        scene->d3d->Release();
    }
}

// The light, the camera and the projection, set once: they never change.
bool SetUpView(IDirect3DDevice9* device) {
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = {0.7f, 0.7f, 0.7f, 1.0f};
    light.Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    light.Direction = D3DXVECTOR3(0.0f, 0.0f, -1.0f);
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);

    const D3DXVECTOR3 eye(0.0f, -9.0f, 7.0f);
    const D3DXVECTOR3 target(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &target, &up);
    device->SetTransform(D3DTS_VIEW, &view);

    D3DVIEWPORT9 viewport;
    const HRESULT result = device->GetViewport(&viewport);
    if (FAILED(result)) {
        return Fail("GetViewport", result);
    }
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(
        &projection, kPi / 3.0f,
        static_cast<float>(viewport.Width) / static_cast<float>(viewport.Height), 0.5f, 1000.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    return true;
}

void DrawMesh(IDirect3DDevice9* device, const LoadedMesh& loaded, float angle, float x, float y) {
    D3DXMATRIX rotation, translation;
    D3DXMatrixRotationZ(&rotation, angle);
    D3DXMatrixTranslation(&translation, x, y, 1.0f);
    const D3DXMATRIX world = rotation * translation;
    device->SetTransform(D3DTS_WORLD, &world);
    device->SetTexture(0, nullptr);
    for (DWORD i = 0; i < loaded.materialCount; ++i) {
        device->SetMaterial(&loaded.materials[i]);
        loaded.mesh->DrawSubset(i);
    }
}

void DrawQuad(const Scene& scene) {
    D3DMATERIAL9 material = {};
    material.Diffuse = {0.6f, 0.6f, 0.6f, 1.0f};
    material.Ambient = {0.3f, 0.3f, 0.3f, 1.0f};
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    scene.device->SetTransform(D3DTS_WORLD, &identity);
    scene.device->SetMaterial(&material);
    scene.device->SetTexture(0, scene.quadTexture);
    scene.device->SetFVF(kLitTexturedFvf);
    scene.device->SetStreamSource(0, scene.quad, 0, sizeof(LitTexturedVertex));
    scene.device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    scene.device->SetTexture(0, nullptr);
}

// Positions only and an all-black material: the lines come out black.
void DrawGrid(const Scene& scene) {
    D3DMATERIAL9 black = {};
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    scene.device->SetTransform(D3DTS_WORLD, &identity);
    scene.device->SetMaterial(&black);
    scene.device->SetFVF(kGridFvf);
    scene.device->SetStreamSource(0, scene.grid, 0, sizeof(GridVertex));
    scene.device->DrawPrimitive(D3DPT_LINELIST, 0, kGridLines);
}

bool DrawFrame(const Scene& scene) {
    IDirect3DDevice9* device = scene.device;
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(90, 140, 200), 1.0f,
                  0);
    if (SUCCEEDED(device->BeginScene())) {
        DrawGrid(scene);
        DrawQuad(scene);
        DrawMesh(device, scene.smoothCube, 0.5f, -2.0f, 0.0f);
        DrawMesh(device, scene.flatCube, -0.4f, 2.0f, 1.0f);
        RECT place = {12, 8, 0, 0};
        scene.font->DrawTextA(nullptr, "Puffwagon 1.0\nLevel 1", -1, &place, DT_NOCLIP,
                              D3DCOLOR_XRGB(255, 255, 0));
        device->EndScene();
    }
    const HRESULT result = device->Present(nullptr, nullptr, nullptr, nullptr);
    if (FAILED(result)) {
        return Fail("Present", result);
    }
    return true;
}

// Draws until the window is destroyed or the time is up; false when drawing failed.
bool RunLoop(HWND window, const Scene& scene, double seconds) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool closing = false;
    MSG message;
    for (;;) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return true;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (closing) {
            Sleep(20); // WM_QUIT is on its way
            continue;
        }
        QueryPerformanceCounter(&now);
        const double elapsed = static_cast<double>(now.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart);
        if (elapsed > seconds || (GetAsyncKeyState(VK_ESCAPE) & 0x8001) != 0) {
            closing = true;
            DestroyWindow(window);
            continue;
        }
        if (!DrawFrame(scene)) {
            return false;
        }
        // The picture never changes: no need to keep a core busy.
        Sleep(20);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
    double seconds = std::atof(commandLine);
    if (seconds <= 0.0) {
        seconds = 30.0;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = SceneProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowA(kClassName, kTitle, WS_OVERLAPPEDWINDOW, 0, 0, kWindowWidth,
                                kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "scene_probe: CreateWindowA failed\n");
        return 1;
    }
    Scene scene;
    bool ok = CreateScene(window, &scene) && SetUpView(scene.device);
    if (ok) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        ok = RunLoop(window, scene, seconds);
    } else {
        DestroyWindow(window);
    }
    ReleaseScene(&scene);
    UnregisterClassA(kClassName, instance);
    return ok ? 0 : 1;
}
