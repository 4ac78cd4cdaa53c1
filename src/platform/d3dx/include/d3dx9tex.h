// The utility library's texture loading for the Linux build: BMP, PNG, JPEG and TGA images
// made into A8R8G8B8 textures with their whole mipmap chain.
#pragma once

#include <d3d9.h>

extern "C" {

// A managed A8R8G8B8 texture of the image's own size (no rounding to powers of two) with
// every mip level down to 1 x 1, each a 2 x 2 box average of the level above. On failure
// *ppTexture is NULL and the result is D3DERR_INVALIDCALL for a NULL device, name or out
// pointer, D3DXERR_INVALIDDATA for a file that is missing, unreadable or not an image the
// loader knows (or sides above 16384), else the device's own CreateTexture / LockRect result.
HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE9 pDevice, LPCSTR pSrcFile,
                                          LPDIRECT3DTEXTURE9* ppTexture);

// The same from an image already in memory.
HRESULT WINAPI D3DXCreateTextureFromFileInMemory(LPDIRECT3DDEVICE9 pDevice, LPCVOID pSrcData,
                                                 UINT SrcDataSize, LPDIRECT3DTEXTURE9* ppTexture);

} // extern "C"
