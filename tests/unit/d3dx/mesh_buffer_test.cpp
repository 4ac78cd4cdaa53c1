// ID3DXBuffer from D3DXCreateBuffer: zeroed bytes of the size asked, reference counted.
#include <d3dx9.h>

#include <gtest/gtest.h>

namespace {

TEST(MeshBuffer, HoldsZeroedBytesUntilTheLastRelease) {
    ID3DXBuffer* buffer = nullptr;
    ASSERT_EQ(D3DXCreateBuffer(40, &buffer), D3D_OK);
    EXPECT_EQ(buffer->GetBufferSize(), 40u);
    auto* bytes = static_cast<unsigned char*>(buffer->GetBufferPointer());
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    bytes[39] = 7; // the whole size is writable
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 0u);

    ASSERT_EQ(D3DXCreateBuffer(0, &buffer), D3D_OK);
    EXPECT_EQ(buffer->GetBufferSize(), 0u);
    EXPECT_NE(buffer->GetBufferPointer(), nullptr);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(D3DXCreateBuffer(4, nullptr), D3DERR_INVALIDCALL);
}

} // namespace
