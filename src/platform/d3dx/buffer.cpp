// ID3DXBuffer: a zeroed, 16-byte aligned block of bytes owned by its reference count.
#include <d3d9.h>
#include <d3dx9core.h>

#include <atomic>
#include <cstring>
#include <new>

namespace {

class Buffer final : public ID3DXBuffer {
public:
    Buffer(std::byte* bytes, DWORD size) : bytes_(bytes), size_(size) {}

    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    LPVOID GetBufferPointer() override { return bytes_; }
    DWORD GetBufferSize() override { return size_; }

private:
    ~Buffer() override { ::operator delete[](bytes_, std::align_val_t{16}); }

    std::byte* bytes_;
    DWORD size_;
    std::atomic<ULONG> refs_{1};
};

} // namespace

extern "C" HRESULT WINAPI D3DXCreateBuffer(DWORD NumBytes, LPD3DXBUFFER* ppBuffer) {
    if (!ppBuffer) {
        return D3DERR_INVALIDCALL;
    }
    *ppBuffer = NULL;
    // At least one byte, so even an empty buffer has a pointer of its own.
    auto* bytes = static_cast<std::byte*>(
        ::operator new[](NumBytes ? NumBytes : 1, std::align_val_t{16}, std::nothrow));
    if (!bytes) {
        return E_OUTOFMEMORY;
    }
    std::memset(bytes, 0, NumBytes);
    auto* buffer = new (std::nothrow) Buffer(bytes, NumBytes);
    if (!buffer) {
        ::operator delete[](bytes, std::align_val_t{16});
        return E_OUTOFMEMORY;
    }
    *ppBuffer = buffer;
    return D3D_OK;
}
