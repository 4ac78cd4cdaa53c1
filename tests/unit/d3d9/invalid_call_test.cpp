// Arguments the real device refuses get D3DERR_INVALIDCALL and change nothing.
#include "recording_fixture.h"

namespace d3d9rec::testing {
namespace {

class InvalidCallTest : public RecordingTest {};

// An object of another implementation, as a test double of the game might pass.
struct ForeignTexture : IDirect3DTexture9 {
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return 1; }
    HRESULT GetLevelDesc(UINT, D3DSURFACE_DESC*) override { return E_NOTIMPL; }
    HRESULT LockRect(UINT, D3DLOCKED_RECT*, const RECT*, DWORD) override { return E_NOTIMPL; }
    HRESULT UnlockRect(UINT) override { return E_NOTIMPL; }
};

TEST_F(InvalidCallTest, ScenesPairAndClearAndPresentCheckTheirArguments) {
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);

    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3D_OK);
    EXPECT_EQ(device->Clear(2, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Clear(0, nullptr, 0, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.5f, 0), D3DERR_INVALIDCALL);
    // The fixture's D16 depth buffer has no stencil.
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_STENCIL, 0, 1.0f, 0), D3DERR_INVALIDCALL);

    D3DPRESENT_PARAMETERS params = WindowedParameters();
    params.EnableAutoDepthStencil = FALSE;
    IDirect3DDevice9* noDepth = OtherDevice(params);
    EXPECT_EQ(noDepth->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(noDepth->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK);
    noDepth->Release();

    // Present takes rectangles only from a copying swap chain.
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(device->Present(&rect, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(InvalidCallTest, StagesStreamsAndStatesOutOfRange) {
    EXPECT_EQ(device->SetTexture(16, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTexture(15, nullptr), D3D_OK);
    EXPECT_EQ(device->SetStreamSource(16, nullptr, 0, 12), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetStreamSource(1, nullptr, 0, 12), D3D_OK);
    EXPECT_EQ(device->SetTextureStageState(8, D3DTSS_COLOROP, D3DTOP_MODULATE), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTextureStageState(7, D3DTSS_TEXCOORDINDEX, 0), D3D_OK);
    EXPECT_EQ(device->SetSamplerState(0, D3DSAMPLERSTATETYPE(0), 0), D3DERR_INVALIDCALL);
    D3DLIGHT9 light{};
    EXPECT_EQ(device->SetLight(0, &light), D3DERR_INVALIDCALL); // type 0
    EXPECT_EQ(device->SetMaterial(nullptr), D3DERR_INVALIDCALL);
    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}});
    EXPECT_EQ(device->SetStreamSource(0, buffer, 12, 12), D3DERR_INVALIDCALL); // offset at end
    buffer->Release();
}

TEST_F(InvalidCallTest, ObjectsOfAnotherDeviceOrImplementationAreRefused) {
    ForeignTexture foreign;
    EXPECT_EQ(device->SetTexture(0, &foreign), D3DERR_INVALIDCALL);
    EXPECT_EQ(CallsNamed("SetTexture")[0].args[1].Object(), 0u);

    IDirect3DDevice9* other = OtherDevice();
    // Resources made on the fixture's device, offered to another one.
    IDirect3DTexture9* texture = MakeTexture(2, 2);
    IDirect3DVertexBuffer9* vertices = MakePositions({{0, 0, 0}});
    IDirect3DIndexBuffer9* indices = MakeIndices({0, 0, 0});
    EXPECT_EQ(other->SetTexture(0, texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(other->SetStreamSource(0, vertices, 0, 12), D3DERR_INVALIDCALL);
    EXPECT_EQ(other->SetIndices(indices), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTexture(0, texture), D3D_OK);
    indices->Release();
    vertices->Release();
    texture->Release();
    other->Release();
}

TEST_F(InvalidCallTest, CreatesRefuseEmptyUnsupportedAndOversizedResources) {
    IDirect3DVertexBuffer9* vb = nullptr;
    IDirect3DIndexBuffer9* ib = nullptr;
    IDirect3DTexture9* tex = nullptr;
    HANDLE shared = nullptr;
    auto vertexBuffer = [&](UINT length, DWORD fvf, D3DPOOL pool, HANDLE* handle = nullptr) {
        return device->CreateVertexBuffer(length, 0, fvf, pool, &vb, handle);
    };
    EXPECT_EQ(vertexBuffer(0, 0, D3DPOOL_MANAGED), D3DERR_INVALIDCALL);
    EXPECT_EQ(vertexBuffer(11, D3DFVF_XYZ, D3DPOOL_MANAGED), D3DERR_INVALIDCALL);
    EXPECT_EQ(vertexBuffer(12, D3DFVF_XYZ, D3DPOOL_SCRATCH), D3DERR_INVALIDCALL);
    EXPECT_EQ(vertexBuffer(12, D3DFVF_XYZ, D3DPOOL_MANAGED, &shared), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->CreateIndexBuffer(3, 0, D3DFMT_INDEX32, D3DPOOL_MANAGED, &ib, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device->CreateIndexBuffer(8, 0, D3DFMT_D16, D3DPOOL_MANAGED, &ib, nullptr),
              D3DERR_INVALIDCALL);
    auto texture = [&](UINT w, UINT h, UINT levels, D3DFORMAT format,
                       D3DPOOL pool = D3DPOOL_MANAGED, DWORD usage = 0) {
        return device->CreateTexture(w, h, levels, usage, format, pool, &tex, nullptr);
    };
    EXPECT_EQ(texture(4096 * 2, 4, 1, D3DFMT_A8R8G8B8), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture(4, 4, 4, D3DFMT_A8R8G8B8), D3DERR_INVALIDCALL); // chain has 3 levels
    EXPECT_EQ(texture(4, 4, 1, D3DFMT_D16), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture(4, 4, 1, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DUSAGE_RENDERTARGET),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(vb, nullptr);
    EXPECT_EQ(ib, nullptr);
    EXPECT_EQ(tex, nullptr);

    // Video memory runs out before a huge buffer is allocated.
    Settings().videoMemoryBytes = 1000;
    EXPECT_EQ(vertexBuffer(0xfffffff0u, 0, D3DPOOL_MANAGED), D3DERR_OUTOFVIDEOMEMORY);
    ASSERT_EQ(vertexBuffer(600, 0, D3DPOOL_MANAGED), D3D_OK);
    IDirect3DVertexBuffer9* first = vb;
    EXPECT_EQ(vertexBuffer(600, 0, D3DPOOL_MANAGED), D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(texture(16, 16, 0, D3DFMT_A8R8G8B8), D3DERR_OUTOFVIDEOMEMORY);
    // Sizes whose byte count would overflow never fit either.
    Settings().caps.MaxTextureWidth = Settings().caps.MaxTextureHeight = 0xffffffffu;
    EXPECT_EQ(texture(0xffffffffu, 0xffffffffu, 0, D3DFMT_A8R8G8B8), D3DERR_OUTOFVIDEOMEMORY);
    first->Release(); // gives its memory back
    ASSERT_EQ(vertexBuffer(600, 0, D3DPOOL_MANAGED), D3D_OK);
    vb->Release();
}

} // namespace
} // namespace d3d9rec::testing
