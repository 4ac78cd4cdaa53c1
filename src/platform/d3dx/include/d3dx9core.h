// The utility library's general-purpose buffer for the Linux build: a reference-counted
// block of bytes that meshes hand back (adjacency, materials, vertex remaps).
#pragma once

#include <windows.h>
#include <unknwn.h>

struct ID3DXBuffer : IUnknown {
    virtual LPVOID GetBufferPointer() = 0;
    virtual DWORD GetBufferSize() = 0;
};
typedef ID3DXBuffer* LPD3DXBUFFER;

extern "C" {

// A new buffer of NumBytes zeroed bytes with one reference. D3DERR_INVALIDCALL for a NULL
// ppBuffer, E_OUTOFMEMORY when the bytes cannot be had.
HRESULT WINAPI D3DXCreateBuffer(DWORD NumBytes, LPD3DXBUFFER* ppBuffer);

} // extern "C"
