// Making the device (windows, presentation parameters, multisampling), the state cache,
// lifetimes, and the checks on drawing.
#include "gl_fixture.h"

#include <d3dx9mesh.h>

#include <cstring>
#include <string>

namespace gltest {
namespace {

using DeviceTest = GlDeviceTest;

TEST_F(DeviceTest, AdapterAnswersFromSdlAndTheDriver) {
    D3DCAPS9 caps{};
    ASSERT_EQ(d3d_->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_TRUE(caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT);
    EXPECT_EQ(d3d_->GetDeviceCaps(1, D3DDEVTYPE_HAL, &caps), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d_->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr), D3DERR_INVALIDCALL);

    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, UINT(desktop.w));
    EXPECT_EQ(mode.Height, UINT(desktop.h));
    EXPECT_EQ(mode.RefreshRate, UINT(desktop.refresh_rate)) << "0 (unknown) stays 0";
    EXPECT_EQ(mode.Format, D3DFMT_X8R8G8B8);
    EXPECT_EQ(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, nullptr), D3DERR_INVALIDCALL);

    auto multiSample = [this](D3DFORMAT format, BOOL windowed, int type, DWORD* quality) {
        return d3d_->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, format,
                                                windowed, D3DMULTISAMPLE_TYPE(type), quality);
    };
    // Mesa gives at least 4 samples: two are possible, with one quality level.
    DWORD quality = 0;
    EXPECT_EQ(multiSample(D3DFMT_A8R8G8B8, TRUE, 2, &quality), D3D_OK);
    EXPECT_EQ(quality, 1u);
    EXPECT_EQ(multiSample(D3DFMT_A8R8G8B8, FALSE, 16, nullptr), D3DERR_NOTAVAILABLE)
        << "more samples than the driver has";
    EXPECT_EQ(multiSample(D3DFMT_R5G6B5, TRUE, 2, nullptr), D3DERR_NOTAVAILABLE)
        << "not a format the device renders to";
    EXPECT_EQ(multiSample(D3DFMT_A8R8G8B8, TRUE, 17, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(DeviceTest, CreateDeviceNeedsAWindowAndSoundArguments) {
    D3DPRESENT_PARAMETERS params = WindowedParams();
    auto create = [&](HWND focus, UINT adapter = D3DADAPTER_DEFAULT) {
        return d3d_->CreateDevice(adapter, D3DDEVTYPE_HAL, focus,
                                  D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_);
    };
    // No window, a handle that is no window at all, and a window SDL made without OpenGL.
    params.hDeviceWindow = nullptr;
    EXPECT_EQ(create(nullptr), D3DERR_NOTAVAILABLE);
    static int notAWindow;
    params.hDeviceWindow = reinterpret_cast<HWND>(&notAWindow);
    EXPECT_EQ(create(nullptr), D3DERR_NOTAVAILABLE);
    SDL_Window* plain = SDL_CreateWindow("no gl", 0, 0, 16, 16, SDL_WINDOW_HIDDEN);
    ASSERT_NE(plain, nullptr);
    params.hDeviceWindow = win32sdl::AdoptSdlWindow(plain);
    EXPECT_EQ(create(params.hDeviceWindow), D3DERR_NOTAVAILABLE);
    win32sdl::ForgetSdlWindow(params.hDeviceWindow);
    SDL_DestroyWindow(plain);

    params = WindowedParams();
    EXPECT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd_,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, nullptr, &device_),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(create(hwnd_, 1), D3DERR_INVALIDCALL);
    params.SwapEffect = D3DSWAPEFFECT(7);
    EXPECT_EQ(create(hwnd_), D3DERR_INVALIDCALL);
    EXPECT_EQ(params.BackBufferWidth, 0u) << "a refused call leaves the parameters alone";
    EXPECT_EQ(device_, nullptr);
}

// The back buffer: windowed 0 x 0 takes the client area, another size is drawn at its own size
// and scaled, full screen takes the desktop's size. Pixels beyond it cannot be read.
TEST_F(DeviceTest, BackBufferSizes) {
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    struct Case {
        const char* name;
        BOOL windowed;
        UINT askedWidth, askedHeight, width, height;
        D3DCOLOR clear;
    };
    for (const Case& c : {Case{"client area", TRUE, 0, 0, kWindowWidth, kWindowHeight, 0xFFFF0000},
                          Case{"own size", TRUE, 32, 16, 32, 16, 0xFF00FF00},
                          Case{"full screen", FALSE, mode.Width, mode.Height, mode.Width,
                               mode.Height, 0xFF0000FF}}) {
        SCOPED_TRACE(c.name);
        D3DPRESENT_PARAMETERS params = WindowedParams();
        params.Windowed = c.windowed;
        params.BackBufferWidth = c.askedWidth;
        params.BackBufferHeight = c.askedHeight;
        params.FullScreen_RefreshRateInHz = c.windowed ? 0 : mode.RefreshRate;
        MakeDevice(params, c.clear);
        EXPECT_EQ(params_.BackBufferWidth, c.width);
        EXPECT_EQ(params_.BackBufferHeight, c.height);
        EXPECT_EQ(params_.BackBufferCount, 1u);
        EXPECT_EQ(d3d9gl::FramebufferSamples(device_), 0);
        EXPECT_TRUE(Near(RgbAt(int(c.width) - 1, int(c.height) - 1), RgbOf(c.clear)));
        RECT whole{0, 0, LONG(c.width), LONG(c.height)};
        EXPECT_EQ(d3d9gl::ReadBackBuffer(device_, whole).size(), std::size_t(c.width) * c.height);
        RECT beyond{0, 0, LONG(c.width) + 1, LONG(c.height)};
        EXPECT_TRUE(d3d9gl::ReadBackBuffer(device_, beyond).empty());
        EXPECT_EQ(bool(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP), !c.windowed);
        ASSERT_EQ(device_->EndScene(), D3D_OK);
        EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        device_->Release();
        device_ = nullptr;
    }
}

// Two samples: edges are smoothed, which a single-sampled target never does.
TEST_F(DeviceTest, MultisampledDeviceSmoothsEdges) {
    auto greysAcrossAnEdge = [this] {
        ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
        // A steep triangle, its left edge a diagonal through the middle of the view.
        std::vector<PositionColour> triangle = {
            {-2, -2, 5, 0xFFFFFFFF}, {1, 2, 5, 0xFFFFFFFF}, {2, -2, 5, 0xFFFFFFFF}};
        Bind(triangle, D3DFVF_XYZ | D3DFVF_DIFFUSE);
        ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
    };
    auto partlyCovered = [this] {
        RECT whole{0, 0, kWindowWidth, kWindowHeight};
        int count = 0;
        for (D3DCOLOR pixel : d3d9gl::ReadBackBuffer(device_, whole)) {
            int red = RgbOf(pixel).r;
            count += red > 20 && red < 235;
        }
        return count;
    };

    D3DPRESENT_PARAMETERS params = WindowedParams();
    params.MultiSampleType = D3DMULTISAMPLE_2_SAMPLES;
    MakeDevice(params);
    EXPECT_GE(d3d9gl::FramebufferSamples(device_), 2);
    greysAcrossAnEdge();
    EXPECT_GT(partlyCovered(), 10);
    ASSERT_EQ(device_->EndScene(), D3D_OK);
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    ReleaseBuffers();
    device_->Release();
    device_ = nullptr;

    MakeDevice();
    greysAcrossAnEdge();
    EXPECT_EQ(partlyCovered(), 0);

    params.MultiSampleQuality = 1;
    IDirect3DDevice9* second = nullptr;
    EXPECT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd_,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &second),
              D3DERR_INVALIDCALL)
        << "only quality level 0 exists";
}

// State that is set again to what it already is costs no GL call: a repeated draw makes one.
TEST_F(DeviceTest, UnchangedStateIssuesNoGlCall) {
    MakeDevice();
    D3DMATERIAL9 material{};
    material.Diffuse = {1, 0, 0, 1};
    D3DLIGHT9 light = DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0});
    D3DXMATRIX world;
    D3DXMatrixTranslation(&world, 0, 0, 1);
    auto setEverything = [&] {
        ASSERT_EQ(device_->SetRenderState(D3DRS_ZENABLE, TRUE), D3D_OK);
        ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, TRUE), D3D_OK);
        ASSERT_EQ(device_->SetRenderState(D3DRS_AMBIENT, 0xFF000000), D3D_OK);
        ASSERT_EQ(device_->SetRenderState(D3DRS_SPECULARENABLE, TRUE), D3D_OK);
        ASSERT_EQ(device_->SetTransform(D3DTS_WORLD, &world), D3D_OK);
        ASSERT_EQ(device_->SetMaterial(&material), D3D_OK);
        ASSERT_EQ(device_->SetLight(0, &light), D3D_OK);
        ASSERT_EQ(device_->LightEnable(0, TRUE), D3D_OK);
        ASSERT_EQ(device_->SetTexture(0, nullptr), D3D_OK);
        ASSERT_EQ(device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE), D3D_OK);
    };
    auto* buffer = Bind(FacingQuad(1, 5), D3DFVF_XYZ | D3DFVF_NORMAL);
    setEverything();
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);

    std::uint64_t before = d3d9gl::GlCallCount(device_);
    setEverything();
    ASSERT_EQ(device_->SetStreamSource(0, buffer, 0, sizeof(PositionNormal)), D3D_OK);
    ASSERT_EQ(device_->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL), D3D_OK);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_EQ(d3d9gl::GlCallCount(device_) - before, 1u) << "only the draw itself";

    // A change costs its calls, and only once.
    ASSERT_EQ(device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    before = d3d9gl::GlCallCount(device_);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_EQ(d3d9gl::GlCallCount(device_) - before, 2u) << "culling off, then the draw";
    before = d3d9gl::GlCallCount(device_);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_EQ(d3d9gl::GlCallCount(device_) - before, 1u);

    // The same for clearing: the clear values are set once.
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF123456, 1, 0),
              D3D_OK);
    before = d3d9gl::GlCallCount(device_);
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF123456, 1, 0),
              D3D_OK);
    EXPECT_EQ(d3d9gl::GlCallCount(device_) - before, 1u);
}

TEST_F(DeviceTest, DrawsCheckTheirArguments) {
    MakeDevice();
    auto quad = FacingQuad(1, 5);
    auto* buffer = Bind(quad, D3DFVF_XYZ | D3DFVF_NORMAL);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 3), D3DERR_INVALIDCALL)
        << "more vertices than the buffer holds";
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 4, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitive(D3DPRIMITIVETYPE(9), 0, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 0), D3D_OK);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 0xFFFFFFFFu), D3DERR_INVALIDCALL);

    ASSERT_EQ(device_->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1), D3D_OK);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL)
        << "the stride is shorter than a vertex of the format";
    ASSERT_EQ(device_->SetFVF(D3DFVF_NORMAL), D3D_OK);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL)
        << "no position";
    ASSERT_EQ(device_->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL), D3D_OK);
    EXPECT_EQ(device_->SetStreamSource(0, buffer, UINT(quad.size() * sizeof(PositionNormal)),
                                       sizeof(PositionNormal)),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetStreamSource(16, buffer, 0, sizeof(PositionNormal)), D3DERR_INVALIDCALL);

    ASSERT_EQ(device_->EndScene(), D3D_OK);
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL)
        << "outside a scene";
    EXPECT_EQ(device_->EndScene(), D3DERR_INVALIDCALL);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3DERR_INVALIDCALL);

    // Unknown states, bad clears and partial presents of a discarding swap chain.
    EXPECT_EQ(device_->SetRenderState(D3DRENDERSTATETYPE(210), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTextureStageState(8, D3DTSS_COLOROP, D3DTOP_MODULATE),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetSamplerState(0, D3DSAMPLERSTATETYPE(14), 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetLight(0, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetMaterial(nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->SetTransform(D3DTRANSFORMSTATETYPE(1), nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(1, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, 0, 0, 1, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 2, 0), D3DERR_INVALIDCALL);
    RECT part{0, 0, 8, 8};
    EXPECT_EQ(device_->Present(&part, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(DeviceTest, IndexedDrawsReadOnlyVerticesTheyMayUse) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    // Two unused vertices first, then the quad's four corners.
    std::vector<PositionColour> vertices = {
        {0, 0, 0, 0},           {0, 0, 0, 0},          {-1, -1, 5, 0xFF00FF00},
        {-1, 1, 5, 0xFF00FF00}, {1, 1, 5, 0xFF00FF00}, {1, -1, 5, 0xFF00FF00}};
    Bind(vertices, D3DFVF_XYZ | D3DFVF_DIFFUSE);
    const std::uint16_t indices[] = {0, 1, 2, 0, 2, 3, 7};
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    ASSERT_EQ(device_->CreateIndexBuffer(sizeof indices, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                         &indexBuffer, nullptr),
              D3D_OK);
    void* data = nullptr;
    ASSERT_EQ(indexBuffer->Lock(0, 0, &data, 0), D3D_OK);
    std::memcpy(data, indices, sizeof indices);
    ASSERT_EQ(indexBuffer->Unlock(), D3D_OK);
    auto draw = [this](INT base, UINT minIndex, UINT count, UINT start, UINT primitives) {
        return device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, base, minIndex, count, start,
                                             primitives);
    };

    EXPECT_EQ(draw(2, 0, 4, 0, 2), D3DERR_INVALIDCALL) << "no index buffer yet";
    ASSERT_EQ(device_->SetIndices(indexBuffer), D3D_OK);
    ASSERT_EQ(draw(2, 0, 4, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{0, 255, 0}));
    EXPECT_EQ(draw(2, 0, 3, 0, 2), D3DERR_INVALIDCALL) << "index 3 is outside the vertices named";
    EXPECT_EQ(draw(3, 0, 4, 0, 2), D3DERR_INVALIDCALL) << "vertex 3 + 3 is past the buffer";
    EXPECT_EQ(draw(-1, 0, 4, 0, 2), D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(0, 0, 8, 4, 1), D3DERR_INVALIDCALL) << "index 7 has no vertex";
    EXPECT_EQ(draw(0, 0, 6, 5, 1), D3DERR_INVALIDCALL) << "more indices than the buffer holds";

    // Rewriting the indices is seen by the next draw.
    ASSERT_EQ(indexBuffer->Lock(2, 2, &data, 0), D3D_OK);
    const std::uint16_t far = 9;
    std::memcpy(data, &far, 2);
    ASSERT_EQ(indexBuffer->Unlock(), D3D_OK);
    EXPECT_EQ(draw(2, 0, 4, 0, 2), D3DERR_INVALIDCALL);

    ASSERT_EQ(device_->SetIndices(nullptr), D3D_OK);
    indexBuffer->Release();
}

// What a lock writes reaches GL when the last open lock is closed, from the locked offset.
TEST_F(DeviceTest, RewrittenVerticesAreDrawn) {
    MakeDevice();
    ASSERT_EQ(device_->SetRenderState(D3DRS_LIGHTING, FALSE), D3D_OK);
    auto* buffer = Bind(ColouredQuad(1, 5, 0xFFFF0000), D3DFVF_XYZ | D3DFVF_DIFFUSE);
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Rgb{255, 0, 0}));

    // Rewrite the colours of all vertices but the first through a lock that starts later.
    const UINT stride = sizeof(PositionColour);
    void* outer = nullptr;
    void* inner = nullptr;
    ASSERT_EQ(buffer->Lock(stride, 0, &outer, 0), D3D_OK);
    ASSERT_EQ(buffer->Lock(0, stride, &inner, D3DLOCK_READONLY), D3D_OK);
    for (int i = 0; i < 5; ++i) {
        static_cast<PositionColour*>(outer)[i].colour = 0xFF0000FF;
    }
    ASSERT_EQ(buffer->Unlock(), D3D_OK);
    ASSERT_EQ(buffer->Unlock(), D3D_OK);
    // The second triangle, the lower right half of the quad, has only rewritten vertices.
    ASSERT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 3, 1), D3D_OK);
    EXPECT_TRUE(Near(RgbAt(37, 29), Rgb{0, 0, 255}));
}

// A loaded mesh draws itself through the device, subset by subset.
TEST_F(DeviceTest, MeshSubsetsDrawThroughTheDevice) {
    MakeDevice();
    const std::string quad =
        "xof 0303txt 0032\nMesh { 4; -1.0;-1.0;5.0;, -1.0;1.0;5.0;, 1.0;1.0;5.0;, 1.0;-1.0;5.0;;\n"
        "2; 3;0,1,2;, 3;0,2,3;; MeshNormals { 1; 0.0;0.0;-1.0;; 2; 3;0,0,0;, 3;0,0,0;; } }\n";
    ID3DXMesh* mesh = nullptr;
    ASSERT_EQ(D3DXLoadMeshFromXInMemory(quad.data(), DWORD(quad.size()), D3DXMESH_MANAGED, device_,
                                        nullptr, nullptr, nullptr, nullptr, &mesh),
              D3D_OK);
    ASSERT_EQ(mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, nullptr, nullptr, nullptr, nullptr),
              D3D_OK);
    D3DMATERIAL9 material{};
    material.Diffuse = {0, 0.5f, 1, 1};
    D3DLIGHT9 light = DirectionalLight({0, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0});
    Light(material, light);
    ASSERT_EQ(mesh->DrawSubset(0), D3D_OK);
    EXPECT_TRUE(Near(Centre(), Expected(0, 0.5f, 1)));
    mesh->Release();
}

// Resources keep their device alive; a window destroyed first leaves nothing to crash on.
TEST_F(DeviceTest, LifetimesOutlastTheProgramsReferences) {
    MakeDevice();
    IDirect3DVertexBuffer9* buffer = nullptr;
    ASSERT_EQ(device_->CreateVertexBuffer(36, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer, nullptr),
              D3D_OK);
    IDirect3DDevice9* owner = nullptr;
    ASSERT_EQ(buffer->GetDevice(&owner), D3D_OK);
    EXPECT_EQ(owner, device_);
    owner->Release();
    IDirect3D9* direct3d = nullptr;
    ASSERT_EQ(device_->GetDirect3D(&direct3d), D3D_OK);
    EXPECT_EQ(direct3d, d3d_);
    direct3d->Release();

    EXPECT_EQ(device_->Release(), 1u) << "the buffer's reference is left";
    device_ = nullptr;
    void* data = nullptr;
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK) << "the buffer still has its device";
    EXPECT_EQ(buffer->Unlock(), D3D_OK);

    // The window goes before the last buffer (and so the device): no GL call is made.
    win32sdl::ForgetSdlWindow(hwnd_);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    EXPECT_EQ(buffer->Release(), 0u);
}

} // namespace
} // namespace gltest
