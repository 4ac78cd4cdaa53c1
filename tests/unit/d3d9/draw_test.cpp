// Draws record what they read from the bound buffers, and refuse to read outside them.
#include "recording_fixture.h"

#include <gmock/gmock.h>

namespace d3d9rec::testing {
namespace {

using ::testing::ElementsAre;

class DrawTest : public RecordingTest {};

TEST_F(DrawTest, DrawPrimitiveRecordsTheVerticesStrideWorldMatrixAndStageZeroTexture) {
    IDirect3DVertexBuffer9* buffer =
        MakePositions({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 2, 2}});
    IDirect3DTexture9* texture = MakeTexture(2, 2, 1, D3DFMT_X8R8G8B8);
    D3DMATRIX world{};
    world._11 = world._22 = world._33 = world._44 = 1;
    world._41 = 7;
    BindPositions(buffer);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    ASSERT_EQ(device->SetTransform(D3DTS_WORLD, &world), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 1, 1), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, nullptr), D3D_OK);
    ASSERT_EQ(device->DrawPrimitive(D3DPT_LINESTRIP, 0, 2), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3D_OK);

    auto draws = CallsNamed("DrawPrimitive");
    ASSERT_EQ(draws.size(), 2u);
    ASSERT_TRUE(draws[0].drawn && draws[1].drawn);
    const Drawn& drawn = *draws[0].drawn;
    EXPECT_EQ(drawn.firstVertex, 1);
    EXPECT_THAT(drawn.Vertices<Position>(),
                ElementsAre(Position{1, 0, 0}, Position{0, 1, 0}, Position{1, 1, 0}));
    EXPECT_EQ(drawn.texture.id, IdOf(texture));
    EXPECT_EQ(drawn.world._41, 7.0f);
    EXPECT_EQ(draws[1].drawn->texture.id, 0u);
    EXPECT_EQ(draws[1].drawn->VertexCount(), 3u);
    texture->Release();

    // A 24-byte stride from offset 12: draws step by the stride, not the FVF size.
    ASSERT_EQ(device->SetStreamSource(0, buffer, sizeof(Position), 2 * sizeof(Position)), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->DrawPrimitive(D3DPT_LINELIST, 0, 1), D3D_OK);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    Drawn strided = *CallsNamed("DrawPrimitive").back().drawn;
    EXPECT_EQ(strided.stride, 2 * sizeof(Position));
    EXPECT_THAT(strided.Vertices<Position>(), ElementsAre(Position{1, 0, 0}, Position{1, 1, 0}));
    buffer->Release();
}

TEST_F(DrawTest, DrawIndexedPrimitiveRecordsIndicesOfEitherSizeAndResolvesVertices) {
    IDirect3DVertexBuffer9* buffer =
        MakePositions({{9, 9, 9}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
    IDirect3DIndexBuffer9* indices = MakeIndices({7, 0, 1, 2, 2, 1, 3});
    BindPositions(buffer);
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    // Base vertex 1 skips the first vertex; indices start after the unused 7.
    EXPECT_EQ(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 1, 0, 4, 1, 2), D3D_OK);

    IDirect3DIndexBuffer9* wide = nullptr;
    ASSERT_EQ(device->CreateIndexBuffer(12, 0, D3DFMT_INDEX32, D3DPOOL_MANAGED, &wide, nullptr),
              D3D_OK);
    const UINT values[] = {2, 0, 1};
    Fill(wide, values, sizeof values);
    ASSERT_EQ(device->SetIndices(wide), D3D_OK);
    ASSERT_EQ(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 3, 0, 1), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3D_OK);

    auto draws = CallsNamed("DrawIndexedPrimitive");
    ASSERT_EQ(draws.size(), 2u);
    ASSERT_TRUE(draws[0].drawn && draws[1].drawn);
    const Drawn& drawn = *draws[0].drawn;
    EXPECT_THAT(drawn.indices, ElementsAre(0u, 1u, 2u, 2u, 1u, 3u));
    EXPECT_EQ(drawn.baseVertexIndex, 1);
    EXPECT_EQ(drawn.firstVertex, 1);
    EXPECT_THAT(drawn.VerticesInDrawOrder<Position>(),
                ElementsAre(Position{0, 0, 0}, Position{1, 0, 0}, Position{0, 1, 0},
                            Position{0, 1, 0}, Position{1, 0, 0}, Position{1, 1, 0}));
    EXPECT_THAT(draws[1].drawn->indices, ElementsAre(2u, 0u, 1u));
    wide->Release();
    indices->Release();
    buffer->Release();
}

TEST_F(DrawTest, DrawsThatWouldReadOutsideTheBuffersFail) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}});
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 1, 2, 3, 4});
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL); // no stream
    ASSERT_EQ(device->SetStreamSource(0, buffer, 0, sizeof(Position)), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL); // no FVF
    ASSERT_EQ(device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL); // stride
    ASSERT_EQ(device->SetFVF(D3DFVF_XYZ), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 2, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0xffffffffu, 0xffffffffu),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 0), D3D_OK); // nothing to draw

    auto indexed = [this](INT base, UINT minIndex, UINT vertices, UINT start, UINT count) {
        return device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, base, minIndex, vertices, start,
                                            count);
    };
    EXPECT_EQ(indexed(0, 0, 4, 0, 1), D3DERR_INVALIDCALL); // no index buffer
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    EXPECT_EQ(indexed(0, 0, 4, 0, 1), D3D_OK);
    // Index 4 is outside the four vertices; index 3 outside a declared range of three.
    EXPECT_EQ(indexed(0, 0, 5, 2, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(indexed(0, 0, 3, 1, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(indexed(-1, 0, 4, 0, 1), D3DERR_INVALIDCALL); // base vertex before the start
    EXPECT_EQ(indexed(0, 0, 4, 3, 1), D3DERR_INVALIDCALL);  // indices past the index buffer
    EXPECT_EQ(indexed(0, 0, 4, 0xffffffffu, 0xffffffffu), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    // Outside a scene nothing may be drawn.
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(indexed(0, 0, 4, 0, 1), D3DERR_INVALIDCALL);
    for (const Call& call : Log()) {
        EXPECT_EQ(call.drawn.has_value(), call.result == D3D_OK &&
                                              call.method.starts_with("Draw") &&
                                              call.args.back().UInt() != 0)
            << call.ToString();
    }
    indices->Release();
    buffer->Release();
}

} // namespace
} // namespace d3d9rec::testing
