// A device in front of the recording device whose vertex buffers can refuse one read-only
// Lock: the catalog's bounding-sphere lock comes after the loader's and optimiser's own locks
// of the same buffer, so a counted lock is the way to make exactly that one fail.
#include "catalog_test_support.h"

namespace catalog_test {

namespace {

// Passes a device call on to the recording device unchanged.
#define PASS_ON(method, params, args)                                                              \
    HRESULT method params override {                                                               \
        return inner_->method args;                                                                \
    }

class LockCountingDeviceImpl final : public IDirect3DDevice9 {
public:
    LockCountingDeviceImpl(IDirect3DDevice9* inner, int failAt) : inner_(inner), failAt_(failAt) {
        inner_->AddRef();
    }

    // Counts one read-only lock; true when it is the one to refuse.
    bool RefuseReadOnlyLock() { return ++readOnlyLocks_ == failAt_; }
    int ReadOnlyLocks() const { return readOnlyLocks_; }

    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            inner_->Release();
            delete this;
        }
        return left;
    }
    PASS_ON(GetDirect3D, (IDirect3D9 * *d3d), (d3d))
    PASS_ON(Clear, (DWORD n, const D3DRECT* r, DWORD f, D3DCOLOR c, float z, DWORD s),
            (n, r, f, c, z, s))
    PASS_ON(Present, (const RECT* s, const RECT* d, HWND w, const RGNDATA* r), (s, d, w, r))
    PASS_ON(BeginScene, (), ())
    PASS_ON(EndScene, (), ())
    PASS_ON(SetRenderState, (D3DRENDERSTATETYPE s, DWORD v), (s, v))
    PASS_ON(GetRenderState, (D3DRENDERSTATETYPE s, DWORD* v), (s, v))
    PASS_ON(SetTransform, (D3DTRANSFORMSTATETYPE s, const D3DMATRIX* m), (s, m))
    PASS_ON(GetTransform, (D3DTRANSFORMSTATETYPE s, D3DMATRIX* m), (s, m))
    PASS_ON(SetViewport, (const D3DVIEWPORT9* v), (v))
    PASS_ON(GetViewport, (D3DVIEWPORT9 * v), (v))
    PASS_ON(SetLight, (DWORD i, const D3DLIGHT9* l), (i, l))
    PASS_ON(LightEnable, (DWORD i, BOOL e), (i, e))
    PASS_ON(SetMaterial, (const D3DMATERIAL9* m), (m))
    PASS_ON(SetTexture, (DWORD s, IDirect3DBaseTexture9* t), (s, t))
    PASS_ON(SetTextureStageState, (DWORD s, D3DTEXTURESTAGESTATETYPE t, DWORD v), (s, t, v))
    PASS_ON(SetSamplerState, (DWORD s, D3DSAMPLERSTATETYPE t, DWORD v), (s, t, v))
    PASS_ON(CreateTexture,
            (UINT w, UINT h, UINT l, DWORD u, D3DFORMAT f, D3DPOOL p, IDirect3DTexture9** t,
             HANDLE* s),
            (w, h, l, u, f, p, t, s))
    PASS_ON(CreateIndexBuffer,
            (UINT l, DWORD u, D3DFORMAT f, D3DPOOL p, IDirect3DIndexBuffer9** b, HANDLE* s),
            (l, u, f, p, b, s))
    PASS_ON(SetIndices, (IDirect3DIndexBuffer9 * i), (i))
    PASS_ON(SetFVF, (DWORD f), (f))
    PASS_ON(DrawPrimitive, (D3DPRIMITIVETYPE t, UINT s, UINT c), (t, s, c))
    PASS_ON(DrawIndexedPrimitive, (D3DPRIMITIVETYPE t, INT b, UINT m, UINT n, UINT s, UINT c),
            (t, b, m, n, s, c))
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** buffer, HANDLE* shared) override;
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer9* data, UINT offset,
                            UINT stride) override;

private:
    IDirect3DDevice9* inner_;
    int failAt_;
    int readOnlyLocks_ = 0;
    ULONG references_ = 1;
};

#undef PASS_ON

class CountingVertexBuffer final : public IDirect3DVertexBuffer9 {
public:
    CountingVertexBuffer(LockCountingDeviceImpl* device, IDirect3DVertexBuffer9* inner)
        : device_(device), inner_(inner) {
        device_->AddRef();
    }

    IDirect3DVertexBuffer9* Inner() const { return inner_; }

    ULONG AddRef() override { return ++references_; }
    ULONG Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            inner_->Release();
            device_->Release();
            delete this;
        }
        return left;
    }
    HRESULT GetDevice(IDirect3DDevice9** device) override {
        if (device == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        device_->AddRef();
        *device = device_;
        return D3D_OK;
    }
    D3DRESOURCETYPE GetType() override { return inner_->GetType(); }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override {
        if ((flags & D3DLOCK_READONLY) != 0 && device_->RefuseReadOnlyLock()) {
            return D3DERR_INVALIDCALL;
        }
        return inner_->Lock(offset, size, data, flags);
    }
    HRESULT Unlock() override { return inner_->Unlock(); }
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override { return inner_->GetDesc(desc); }

private:
    LockCountingDeviceImpl* device_;
    IDirect3DVertexBuffer9* inner_;
    ULONG references_ = 1;
};

HRESULT LockCountingDeviceImpl::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf,
                                                   D3DPOOL pool, IDirect3DVertexBuffer9** buffer,
                                                   HANDLE* shared) {
    IDirect3DVertexBuffer9* made = nullptr;
    const HRESULT hr = inner_->CreateVertexBuffer(length, usage, fvf, pool, &made, shared);
    if (buffer != nullptr) {
        *buffer = made != nullptr ? new CountingVertexBuffer(this, made) : nullptr;
    }
    return hr;
}

HRESULT LockCountingDeviceImpl::SetStreamSource(UINT stream, IDirect3DVertexBuffer9* data,
                                                UINT offset, UINT stride) {
    auto* counted = static_cast<CountingVertexBuffer*>(data);
    return inner_->SetStreamSource(stream, counted != nullptr ? counted->Inner() : nullptr, offset,
                                   stride);
}

} // namespace

IDirect3DDevice9* CreateLockCountingDevice(IDirect3DDevice9* inner, int failAt) {
    return new LockCountingDeviceImpl(inner, failAt);
}

int ReadOnlyVertexLocks(IDirect3DDevice9* lockCountingDevice) {
    return static_cast<LockCountingDeviceImpl*>(lockCountingDevice)->ReadOnlyLocks();
}

} // namespace catalog_test
