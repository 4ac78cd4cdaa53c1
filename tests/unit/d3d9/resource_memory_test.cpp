// Buffers and textures hold real memory that Lock hands out.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class ResourceMemoryTest : public RecordingTest {};

TEST_F(ResourceMemoryTest, BufferLocksPointAtTheOffsetAndKeepWhatWasWritten) {
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 1, 2, 3, 4, 5, 6, 7});
    void* whole = nullptr;
    ASSERT_EQ(indices->Lock(0, 0, &whole, 0), D3D_OK);
    ASSERT_EQ(indices->Unlock(), D3D_OK);
    void* part = nullptr;
    ASSERT_EQ(indices->Lock(4, 8, &part, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(part, static_cast<BYTE*>(whole) + 4);
    EXPECT_EQ(static_cast<WORD*>(part)[3], 5);
    ASSERT_EQ(indices->Unlock(), D3D_OK);
    // SizeToLock 0 with an offset runs to the end.
    ASSERT_EQ(indices->Lock(14, 0, &part, 0), D3D_OK);
    EXPECT_EQ(*static_cast<WORD*>(part), 7);
    ASSERT_EQ(indices->Unlock(), D3D_OK);
    D3DINDEXBUFFER_DESC indexDesc{};
    ASSERT_EQ(indices->GetDesc(&indexDesc), D3D_OK);
    EXPECT_EQ(indexDesc.Size, 16u);
    indices->Release();
}

TEST_F(ResourceMemoryTest, LocksOutsideTheBufferAndUnmatchedUnlocksFail) {
    IDirect3DVertexBuffer9* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(16, 0, 0, D3DPOOL_MANAGED, &buffer, nullptr), D3D_OK);
    void* data = reinterpret_cast<void*>(1);
    EXPECT_EQ(buffer->Lock(16, 0, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(buffer->Lock(8, 9, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Lock(1, 0xffffffffu, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Unlock(), D3DERR_INVALIDCALL);
    // Locks nest: each needs its own Unlock.
    ASSERT_EQ(buffer->Lock(0, 4, &data, 0), D3D_OK);
    ASSERT_EQ(buffer->Lock(4, 4, &data, 0), D3D_OK);
    EXPECT_EQ(buffer->Unlock(), D3D_OK);
    EXPECT_EQ(buffer->Unlock(), D3D_OK);
    EXPECT_EQ(buffer->Unlock(), D3DERR_INVALIDCALL);
    buffer->Release();
}

TEST_F(ResourceMemoryTest, TextureLevelCountZeroMakesTheFullChainWithItsOwnMemory) {
    IDirect3DTexture9* texture = MakeTexture(8, 2, 0);
    ASSERT_EQ(texture->GetLevelCount(), 4u); // 8x2, 4x1, 2x1, 1x1
    UINT widths[] = {8, 4, 2, 1}, heights[] = {2, 1, 1, 1};
    for (UINT level = 0; level < 4; ++level) {
        D3DSURFACE_DESC desc{};
        ASSERT_EQ(texture->GetLevelDesc(level, &desc), D3D_OK);
        EXPECT_EQ(desc.Width, widths[level]);
        EXPECT_EQ(desc.Height, heights[level]);
        D3DLOCKED_RECT locked{};
        ASSERT_EQ(texture->LockRect(level, &locked, nullptr, 0), D3D_OK);
        EXPECT_EQ(locked.Pitch, INT(widths[level] * 4));
        // Fill the whole level: under the sanitizer this fails if the memory is short.
        std::memset(locked.pBits, int(level + 1), std::size_t(locked.Pitch) * heights[level]);
        ASSERT_EQ(texture->UnlockRect(level), D3D_OK);
    }
    D3DLOCKED_RECT locked{};
    RECT lastTexel{7, 1, 8, 2};
    ASSERT_EQ(texture->LockRect(0, &locked, &lastTexel, 0), D3D_OK);
    EXPECT_EQ(*static_cast<BYTE*>(locked.pBits), 1);
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL); // still locked
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);
    texture->Release();
}

TEST_F(ResourceMemoryTest, BadTextureLocksFail) {
    IDirect3DTexture9* texture = MakeTexture(4, 4, 2, D3DFMT_R5G6B5);
    D3DLOCKED_RECT locked{};
    D3DSURFACE_DESC desc{};
    RECT outside{0, 0, 5, 4}, empty{2, 2, 2, 3}, inLevel1{0, 0, 2, 2};
    EXPECT_EQ(texture->LockRect(2, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->LockRect(0, &locked, &outside, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->LockRect(0, &locked, &empty, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(locked.pBits, nullptr);
    EXPECT_EQ(texture->UnlockRect(0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->GetLevelDesc(2, &desc), D3DERR_INVALIDCALL);
    ASSERT_EQ(texture->LockRect(1, &locked, &inLevel1, 0), D3D_OK);
    EXPECT_EQ(locked.Pitch, 4);
    EXPECT_EQ(texture->UnlockRect(1), D3D_OK);
    texture->Release();
}

} // namespace
} // namespace d3d9rec::testing
