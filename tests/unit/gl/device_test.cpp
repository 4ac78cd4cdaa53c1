// Making the device (windows, sizes, multisampling), and the checks on drawing.
#include "gl_fixture.h"

#include <sdl_video.h>

#include <dlfcn.h>

namespace gltest {
namespace {

// Keeps SDL's video and the GL driver loaded: SDL unloads them with its last window, and the
// leak checker could then neither name nor suppress what they keep.
class KeepVideoLoaded : public ::testing::Environment {
    void SetUp() override {
        win32sdl::EnsureSdlVideo();
        for (const char* library :
             {"libGLX_mesa.so.0", "libGL.so.1", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
            dlopen(library, RTLD_NOW | RTLD_NODELETE);
        }
    }
};
[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new KeepVideoLoaded);

using DeviceTest = GlDeviceTest;

// Only a window with OpenGL, on the one adapter, and multisample quality 0. Windowed 0 x 0 takes
// the client area, another size is its own, full screen the desktop's; two samples smooth edges.
TEST_F(DeviceTest, BackBufferSizesAndSamples) {
    D3DPRESENT_PARAMETERS params = WindowedParams();
    auto refused = [&](HWND window, UINT adapter = D3DADAPTER_DEFAULT) {
        params.hDeviceWindow = window;
        return d3d_->CreateDevice(adapter, D3DDEVTYPE_HAL, window,
                                  D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device_) != 0;
    };
    EXPECT_TRUE(refused(nullptr) && refused(hwnd_, 1));
    params.MultiSampleType = D3DMULTISAMPLE_2_SAMPLES;
    params.MultiSampleQuality = 1; // Mesa has one level for each count of samples
    EXPECT_TRUE(refused(hwnd_) && !device_);
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    for (auto [windowed, width, height, samples] :
         {std::tuple{TRUE, 0u, 0u, 0}, {TRUE, 32u, 16u, 2}, {FALSE, mode.Width, mode.Height, 0}}) {
        params = WindowedParams();
        params.Windowed = windowed;
        params.BackBufferWidth = width;
        params.BackBufferHeight = height;
        params.MultiSampleType = D3DMULTISAMPLE_TYPE(samples);
        MakeDevice(params, kBlue);
        const LONG w = width ? width : kWidth, h = height ? height : kHeight;
        EXPECT_EQ(params_.BackBufferWidth * 10000 + params_.BackBufferHeight, w * 10000 + h);
        EXPECT_TRUE(Near(At(w - 1, h - 1), kBlue));
        // A steep white triangle, its left edge a diagonal through the view.
        Bind(std::vector<PositionColour>{{-2, -2, 5, ~0u}, {1, 2, 5, ~0u}, {2, -2, 5, ~0u}},
             kColourFvf);
        Draw(1);
        int partly = 0;
        for (D3DCOLOR pixel : d3d9gl::ReadBackBuffer(device_, {0, 0, w, h})) {
            partly += (pixel >> 16 & 0xFF) > 20 && (pixel >> 16 & 0xFF) < 235;
        }
        EXPECT_EQ(d3d9gl::FramebufferSamples(device_) >= 2, samples > 0) << w;
        EXPECT_EQ(partly > 10, samples > 0) << w << ": " << partly;
        ASSERT_EQ(device_->EndScene(), D3D_OK);
        EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        buffer_->Release();
        device_->Release();
        buffer_ = nullptr;
        device_ = nullptr;
    }
}

// Draws read only vertices and indices they may use, and only in a scene; a bound buffer
// outlives the program's reference, and a resource its device.
TEST_F(DeviceTest, DrawsCheckTheirArguments) {
    MakeDevice();
    // Two unused vertices first, then a green quad's four corners.
    const D3DCOLOR g = kGreen;
    Bind(
        std::vector<PositionColour>{
            {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1, 5, g}, {-1, 1, 5, g}, {1, 1, 5, g}, {1, -1, 5, g}},
        kColourFvf);
    auto draw = [this](UINT first, UINT count) {
        return device_->DrawPrimitive(D3DPT_TRIANGLELIST, first, count);
    };
    EXPECT_EQ(draw(0, 3), D3DERR_INVALIDCALL) << "more vertices than the buffer holds";
    ASSERT_EQ(device_->SetFVF(kColourFvf | D3DFVF_TEX1), D3D_OK);
    EXPECT_EQ(draw(0, 1), D3DERR_INVALIDCALL) << "the stride is shorter than the format";
    ASSERT_EQ(device_->SetFVF(kColourFvf), D3D_OK);

    const WORD indices[] = {0, 1, 2, 0, 2, 3, 7};
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    void* data = nullptr;
    ASSERT_EQ(device_->CreateIndexBuffer(14, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indexBuffer, 0),
              D3D_OK);
    ASSERT_EQ(indexBuffer->Lock(0, 0, &data, 0), D3D_OK);
    std::memcpy(data, indices, sizeof indices);
    ASSERT_EQ(indexBuffer->Unlock(), D3D_OK);
    ASSERT_EQ(device_->SetIndices(indexBuffer), D3D_OK);
    indexBuffer->Release();
    auto indexed = [this](INT base, UINT count, UINT start, UINT primitives = 2) {
        return device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, base, 0, count, start, primitives);
    };
    ASSERT_EQ(indexed(2, 4, 0), D3D_OK);
    EXPECT_TRUE(Near(At(32, 24), kGreen));
    EXPECT_EQ(indexed(2, 3, 0), D3DERR_INVALIDCALL) << "index 3 is outside the vertices named";
    EXPECT_EQ(indexed(0, 8, 4, 1), D3DERR_INVALIDCALL) << "index 7 has no vertex";
    ASSERT_EQ(device_->EndScene(), D3D_OK);
    EXPECT_EQ(draw(2, 1), D3DERR_INVALIDCALL) << "outside a scene";
    EXPECT_EQ(indexed(2, 4, 0), D3DERR_INVALIDCALL);

    IDirect3DVertexBuffer9* buffer = nullptr;
    EXPECT_EQ(device_->CreateVertexBuffer(0, 0, 0, D3DPOOL_MANAGED, &buffer, 0),
              D3DERR_INVALIDCALL);
    ASSERT_EQ(device_->CreateVertexBuffer(36, 0, 0, D3DPOOL_MANAGED, &buffer, 0), D3D_OK);
    EXPECT_GT(device_->Release(), 0u) << "the buffers hold it";
    device_ = nullptr;
    EXPECT_EQ(buffer->Release(), 0u);
}

} // namespace
} // namespace gltest
