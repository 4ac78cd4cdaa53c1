// Reference counting: objects live while the program or a binding needs them, and no longer.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class LifetimeTest : public RecordingTest {};

TEST_F(LifetimeTest, AddRefAndReleaseCountAndTheLastReleaseDestroys) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}});
    EXPECT_EQ(LiveObjects(), 3u);
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(RefCount(buffer), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(LiveObjects(), 2u);
    EXPECT_EQ(RefCount(nullptr), 0u);
    EXPECT_EQ(IdOf(nullptr), 0u);
}

TEST_F(LifetimeTest, ObjectsKeepWhatTheyPointAtAlive) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    // The device holds its IDirect3D9, and the texture its device.
    EXPECT_EQ(d3d->Release(), 1u);
    d3d = nullptr;
    EXPECT_EQ(device->Release(), 1u);
    device = nullptr;
    EXPECT_EQ(LiveObjects(), 3u);

    IDirect3DDevice9* owner = nullptr;
    ASSERT_EQ(texture->GetDevice(&owner), D3D_OK);
    EXPECT_EQ(RefCount(owner), 2u);
    IDirect3D9* d3dAgain = nullptr;
    ASSERT_EQ(owner->GetDirect3D(&d3dAgain), D3D_OK);
    EXPECT_EQ(RefCount(d3dAgain), 2u);
    EXPECT_EQ(d3dAgain->Release(), 1u);
    EXPECT_EQ(owner->Release(), 1u);
    EXPECT_EQ(owner->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3D_OK); // still usable

    EXPECT_EQ(texture->Release(), 0u); // takes the device and the IDirect3D9 with it
    EXPECT_EQ(LiveObjects(), 0u);
}

TEST_F(LifetimeTest, BindingHoldsAResourceWithoutCountingAsAReference) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    BindPositions(buffer);
    ASSERT_EQ(device->SetTexture(3, texture), D3D_OK);
    EXPECT_EQ(RefCount(buffer), 1u);
    EXPECT_EQ(RefCount(texture), 1u);
    EXPECT_EQ(RefCount(device), 3u); // the fixture's, the buffer's and the texture's

    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(RefCount(device), 1u);
    EXPECT_EQ(LiveObjects(), 4u) << "bound resources must outlive the program's references";
    // The bound vertices can still be drawn.
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, nullptr, 0, 0), D3D_OK);
    EXPECT_EQ(LiveObjects(), 3u);
    // Releasing the device frees what is still bound to it (checked by TearDown).
}

TEST_F(LifetimeTest, RebindingTheSameResourceHoldsItOnce) {
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 1, 2});
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    EXPECT_EQ(indices->Release(), 0u);
    EXPECT_EQ(LiveObjects(), 3u);
    ASSERT_EQ(device->SetIndices(nullptr), D3D_OK);
    EXPECT_EQ(LiveObjects(), 2u);
}

TEST(Lifetime, ManyFramesLeaveNothingBehind) {
    Reset();
    for (int round = 0; round < 3; ++round) {
        IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = WindowedParameters();
        IDirect3DDevice9* device = nullptr;
        ASSERT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, FakeWindow(),
                                    D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device),
                  D3D_OK);
        for (int frame = 0; frame < 10; ++frame) {
            IDirect3DVertexBuffer9* buffer = nullptr;
            ASSERT_EQ(
                device->CreateVertexBuffer(36, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer, nullptr),
                D3D_OK);
            device->SetStreamSource(0, buffer, 0, 12);
            buffer->Release();
        }
        device->Release();
        d3d->Release();
        EXPECT_EQ(LiveObjects(), 0u);
        // With nothing alive, Reset starts ids again, so logs of repeated runs match.
        Reset();
        IDirect3D9* again = Direct3DCreate9(D3D_SDK_VERSION);
        EXPECT_EQ(IdOf(again), 1u);
        again->Release();
        Reset();
    }
}

} // namespace
} // namespace d3d9rec::testing
