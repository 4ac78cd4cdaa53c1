// D3DXCreateTextureFromFileA / D3DXCreateTextureFromFileInMemory: an image file made into a
// managed A8R8G8B8 texture with its full mipmap chain.
#include <d3dx9.h>

#include <cstring>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "com_holder.h"
#include "file_read.h"
#include "texture_image.h"

namespace {

// Copies `image` into mip `level` of `texture`, row by row at the locked pitch.
HRESULT FillLevel(IDirect3DTexture9* texture, UINT level, const d3dx::Image& image) {
    D3DLOCKED_RECT locked{};
    if (HRESULT hr = texture->LockRect(level, &locked, NULL, 0); FAILED(hr)) {
        return hr;
    }
    HRESULT result = D3D_OK;
    if (!locked.pBits || locked.Pitch < 0 ||
        std::size_t(locked.Pitch) < std::size_t{image.width} * sizeof(DWORD)) {
        result = E_FAIL;
    } else {
        for (UINT y = 0; y < image.height; ++y) {
            std::memcpy(static_cast<char*>(locked.pBits) + std::size_t{y} * locked.Pitch,
                        image.texels.data() + std::size_t{y} * image.width,
                        std::size_t{image.width} * sizeof(DWORD));
        }
    }
    HRESULT unlocked = texture->UnlockRect(level);
    return FAILED(result) ? result : unlocked;
}

// Level 0 from the image, every further level a box average of the one above.
HRESULT FillMipChain(IDirect3DTexture9* texture, d3dx::Image image) {
    DWORD levels = texture->GetLevelCount();
    for (DWORD level = 0; level < levels; ++level) {
        if (level > 0) {
            image = d3dx::HalveImage(image);
        }
        if (HRESULT hr = FillLevel(texture, level, image); FAILED(hr)) {
            return hr;
        }
    }
    return D3D_OK;
}

// The texture is created before the image is decoded, so that a header declaring a size the
// device refuses costs no decoding memory.
HRESULT CreateFromBytes(IDirect3DDevice9* device, const void* data, std::size_t size,
                        IDirect3DTexture9** out) {
    std::optional<d3dx::ImageSize> declared = d3dx::ReadImageSize(data, size);
    if (!declared) {
        return D3DXERR_INVALIDDATA;
    }
    IDirect3DTexture9* created = NULL;
    HRESULT hr = device->CreateTexture(declared->width, declared->height, 0, 0, D3DFMT_A8R8G8B8,
                                       D3DPOOL_MANAGED, &created, NULL);
    if (FAILED(hr) || !created) {
        return FAILED(hr) ? hr : E_FAIL;
    }
    d3dx::ComHolder<IDirect3DTexture9> texture(created);
    std::optional<d3dx::Image> image = d3dx::DecodeImage(data, size);
    if (!image) {
        return D3DXERR_INVALIDDATA;
    }
    if (hr = FillMipChain(texture.get(), std::move(*image)); FAILED(hr)) {
        return hr;
    }
    *out = texture.release();
    return D3D_OK;
}

} // namespace

extern "C" HRESULT WINAPI D3DXCreateTextureFromFileInMemory(LPDIRECT3DDEVICE9 pDevice,
                                                            LPCVOID pSrcData, UINT SrcDataSize,
                                                            LPDIRECT3DTEXTURE9* ppTexture) {
    if (ppTexture) {
        *ppTexture = NULL;
    }
    if (!pDevice || !pSrcData || !ppTexture) {
        return D3DERR_INVALIDCALL;
    }
    try {
        return CreateFromBytes(pDevice, pSrcData, SrcDataSize, ppTexture);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

extern "C" HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE9 pDevice, LPCSTR pSrcFile,
                                                     LPDIRECT3DTEXTURE9* ppTexture) {
    if (ppTexture) {
        *ppTexture = NULL;
    }
    if (!pDevice || !pSrcFile || !ppTexture) {
        return D3DERR_INVALIDCALL;
    }
    try {
        std::vector<char> file;
        if (HRESULT hr = d3dx::ReadWholeFile(pSrcFile, file); FAILED(hr)) {
            return hr;
        }
        return CreateFromBytes(pDevice, file.data(), file.size(), ppTexture);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
