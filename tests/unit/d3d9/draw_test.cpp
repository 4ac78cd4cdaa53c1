// The recorder: the log keeps every call in order, on its object, with copies of the
// arguments, and a test can choose the result of any call. Draws record what they read from
// the bound buffers and refuse to read outside them; buffers hold real memory, handed out
// by nested Locks; bindings keep resources alive.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

using DrawTest = RecordingTest;

TEST_F(DrawTest, CallsKeepCopiesOfTheirArgumentsInOrderOnTheirObjects) {
    D3DMATRIX world{};
    world._41 = 3.5f;
    D3DRECT rect{1, 2, 3, 4};
    IDirect3DTexture9* texture = MakeTexture(4, 4);
    device->SetTransform(D3DTS_WORLD, &world);
    world._41 = -1; // the log holds a copy, not the caller's memory
    device->Clear(1, &rect, D3DCLEAR_TARGET, 0xff102030, 1.0f, 0);
    device->SetTexture(0, texture);
    texture->Release();
    IDirect3DVertexBuffer9* buffer = MakePositions({{1, 2, 3}}); // Lock and Unlock on the buffer
    EXPECT_THAT(MethodNames(), ElementsAre("CreateTexture", "SetTransform", "Clear", "SetTexture",
                                           "CreateVertexBuffer", "Lock", "Unlock"));
    const auto& log = Log();
    EXPECT_EQ(log[1].args[1].As<D3DMATRIX>()._41, 3.5f);
    EXPECT_EQ(log[2].args[1].As<std::vector<D3DRECT>>().at(0).y2, 4);
    EXPECT_EQ(CallsOn(IdOf(buffer)).size(), 2u);
    EXPECT_EQ(log[3].ToString(), "SetTexture@" + std::to_string(IdOf(device)) + "(0, #" +
                                     std::to_string(IdOf(texture)) + ") -> D3D_OK");
    buffer->Release();
}

// A chosen failure holds until cleared, or for its count (one by default), and has no effect;
// a success code replaces only a success; Reset forgets them.
TEST_F(DrawTest, ChosenResultsReplaceTheRealOnes) {
    FailCall("Present", D3DERR_DEVICELOST);
    FailNextCalls("BeginScene", D3DERR_INVALIDCALL, 2);
    FailNextCalls("EndScene", E_FAIL);
    FailCall("SetRenderState", D3DERR_INVALIDCALL);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
        EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    }
    EXPECT_EQ(device->SetRenderState(D3DRS_LIGHTING, FALSE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->BeginScene(), D3D_OK) << "the failed ones opened no scene";
    EXPECT_EQ(device->EndScene(), E_FAIL);
    EXPECT_EQ(device->EndScene(), D3D_OK) << "the scene was still open";
    ClearFailure("Present");
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    DWORD lighting = 0;
    EXPECT_TRUE(device->GetRenderState(D3DRS_LIGHTING, &lighting) == D3D_OK && lighting == TRUE);

    FailCall("Clear", S_FALSE);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), S_FALSE);
    EXPECT_EQ(device->Clear(0, nullptr, 0, 0, 1, 0), D3DERR_INVALIDCALL);
    Reset();
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3D_OK);
    EXPECT_EQ(Log().size(), 1u);
}

TEST_F(DrawTest, DrawsRecordWhatTheyReadAndOnlyInsideTheBuffers) {
    IDirect3DVertexBuffer9* buffer = MakePositions({{9, 9, 9}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    IDirect3DIndexBuffer9* indices = MakeIndices({7, 2, 1, 0, 3});
    IDirect3DTexture9* texture = MakeTexture(2, 2);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    auto draw = [this](UINT first, UINT count) {
        return device->DrawPrimitive(D3DPT_TRIANGLELIST, first, count);
    };
    auto indexed = [this](INT base, UINT minIndex, UINT vertices, UINT start, UINT count = 1) {
        return device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, base, minIndex, vertices, start,
                                            count);
    };
    EXPECT_EQ(draw(0, 1), D3DERR_INVALIDCALL) << "no stream";
    ASSERT_EQ(device->SetStreamSource(0, buffer, 0, 12), D3D_OK);
    ASSERT_EQ(device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL), D3D_OK);
    EXPECT_EQ(draw(0, 1), D3DERR_INVALIDCALL) << "a stride shorter than the FVF";
    ASSERT_EQ(device->SetFVF(D3DFVF_XYZ), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    EXPECT_EQ(draw(1, 1), D3D_OK);
    EXPECT_EQ(draw(2, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(~0u, ~0u), D3DERR_INVALIDCALL);
    EXPECT_EQ(indexed(0, 0, 4, 0), D3DERR_INVALIDCALL) << "no index buffer";
    ASSERT_EQ(device->SetIndices(indices), D3D_OK);
    EXPECT_EQ(indexed(1, 0, 3, 1), D3D_OK) << "vertices from 1, indices from 1 (after the 7)";
    EXPECT_EQ(indexed(1, 0, 3, 2), D3DERR_INVALIDCALL) << "index 3 outside the three named";
    EXPECT_EQ(indexed(0, 0, 5, 0), D3DERR_INVALIDCALL) << "index 7 outside the buffer";
    EXPECT_EQ(indexed(2, 0, 3, 1), D3DERR_INVALIDCALL) << "vertex 2 + 2 outside the buffer";
    EXPECT_EQ(indexed(-1, 1, 3, 1), D3DERR_INVALIDCALL) << "base vertex before the start";
    EXPECT_EQ(indexed(0, 0, 4, 3), D3DERR_INVALIDCALL) << "indices past the index buffer";
    EXPECT_EQ(indexed(0, 0, 4, ~0u, ~0u), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(indexed(1, 0, 3, 1), D3DERR_INVALIDCALL) << "outside a scene";
    for (const Call& call : Log()) {
        EXPECT_EQ(call.drawn.has_value(), call.result == D3D_OK &&
                                              call.method.starts_with("Draw") &&
                                              call.args.back().UInt() != 0)
            << call.ToString();
    }
    const Drawn plain = *CallsNamed("DrawPrimitive")[2].drawn;
    EXPECT_THAT(plain.Vertices<Position>(),
                ElementsAre(Position{0, 0, 0}, Position{1, 0, 0}, Position{0, 1, 0}));
    EXPECT_EQ(plain.texture.id, IdOf(texture));
    const Drawn byIndex = *CallsNamed("DrawIndexedPrimitive")[1].drawn;
    EXPECT_THAT(byIndex.indices, ElementsAre(2u, 1u, 0u));
    EXPECT_THAT(byIndex.VerticesInDrawOrder<Position>(),
                ElementsAre(Position{0, 1, 0}, Position{1, 0, 0}, Position{0, 0, 0}));

    // Bound resources are held once, without counting as references, and outlive the
    // program's; the device frees them when it goes (checked by TearDown).
    EXPECT_EQ(RefCount(device), 4u) << "the fixture's and one for each resource";
    for (IUnknown* object : std::initializer_list<IUnknown*>{buffer, texture, indices}) {
        EXPECT_EQ(object->Release(), 0u);
    }
    EXPECT_EQ(LiveObjects(), 5u);
    ASSERT_EQ(device->SetTexture(0, nullptr), D3D_OK);
    EXPECT_EQ(LiveObjects(), 4u);
}

TEST_F(DrawTest, LocksHandOutTheMemoryOfTheirPart) {
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 1, 2, 3, 4, 5, 6, 7});
    void* whole = nullptr;
    void* part = reinterpret_cast<void*>(1);
    EXPECT_EQ(indices->Lock(16, 0, &part, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(part, nullptr);
    EXPECT_EQ(indices->Lock(1, ~0u, &part, 0), D3DERR_INVALIDCALL);
    ASSERT_EQ(indices->Lock(0, 0, &whole, 0), D3D_OK);
    ASSERT_EQ(indices->Lock(14, 0, &part, D3DLOCK_READONLY), D3D_OK) << "locks nest";
    EXPECT_TRUE(part == static_cast<BYTE*>(whole) + 14 && *static_cast<WORD*>(part) == 7);
    EXPECT_EQ(indices->Unlock(), D3D_OK);
    EXPECT_EQ(indices->Unlock(), D3D_OK);
    EXPECT_EQ(indices->Unlock(), D3DERR_INVALIDCALL);
    indices->Release();
}

} // namespace
} // namespace d3d9rec::testing
