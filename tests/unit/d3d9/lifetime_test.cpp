// Reference counting: objects live while the program or a binding needs them, and no longer.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class LifetimeTest : public RecordingTest {};

TEST_F(LifetimeTest, CountsAndObjectsKeepWhatTheyPointAtAlive) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}});
    EXPECT_EQ(LiveObjects(), 3u);
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(RefCount(buffer), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(LiveObjects(), 2u);

    // The device holds its IDirect3D9, and the texture its device.
    IDirect3DTexture9* texture = MakeTexture(2, 2);
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

TEST_F(LifetimeTest, BindingHoldsAResourceOnceWithoutCountingAsAReference) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    IDirect3DTexture9* texture = MakeTexture(2, 2);
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 1, 2});
    BindPositions(buffer);
    ASSERT_EQ(device->SetTexture(3, texture), D3D_OK);
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    EXPECT_EQ(RefCount(buffer), 1u);
    EXPECT_EQ(RefCount(texture), 1u);
    EXPECT_EQ(RefCount(device), 4u); // the fixture's and one for each resource

    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(indices->Release(), 0u);
    EXPECT_EQ(RefCount(device), 1u);
    EXPECT_EQ(LiveObjects(), 5u) << "bound resources must outlive the program's references";
    // The bound vertices can still be drawn.
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, nullptr, 0, 0), D3D_OK);
    ASSERT_EQ(device->SetIndices(nullptr), D3D_OK); // bound twice, held once
    EXPECT_EQ(LiveObjects(), 3u);
    // Releasing the device frees what is still bound to it (checked by TearDown).
}

TEST_F(LifetimeTest, ResetStartsIdsAgainOnlyWhenNothingIsAlive) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}});
    const ObjectId next = IdOf(buffer) + 1;
    buffer->Release();
    Reset(); // the fixture's objects are still alive
    IDirect3D9* second = Direct3DCreate9(D3D_SDK_VERSION);
    EXPECT_EQ(IdOf(second), next);
    second->Release();
    device->Release();
    device = nullptr;
    d3d->Release();
    d3d = nullptr;
    EXPECT_EQ(LiveObjects(), 0u);
    Reset();
    second = Direct3DCreate9(D3D_SDK_VERSION);
    EXPECT_EQ(IdOf(second), 1u) << "so that logs of repeated runs match";
    second->Release();
}

} // namespace
} // namespace d3d9rec::testing
