// The utility library's core objects for the Linux build: the general-purpose buffer that
// meshes hand back (adjacency, materials, vertex remaps) and the font that draws text.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <d3d9.h>

struct ID3DXBuffer : IUnknown {
    virtual LPVOID GetBufferPointer() = 0;
    virtual DWORD GetBufferSize() = 0;
};
typedef ID3DXBuffer* LPD3DXBUFFER;

// DrawText formats, with the values of the window system's DrawText (the window system
// headers may have defined them already).
#ifndef DT_NOCLIP
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#endif

#ifndef LF_FACESIZE
#define LF_FACESIZE 32
#endif

typedef struct _D3DXFONT_DESCA {
    INT Height; // > 0: cell height in pixels; < 0: character (em) height; 0: a default
    UINT Width; // average character width in pixels; 0: the face's own proportions
    UINT Weight;
    UINT MipLevels;
    BOOL Italic;
    BYTE CharSet;
    BYTE OutputPrecision;
    BYTE Quality;
    BYTE PitchAndFamily;
    CHAR FaceName[LF_FACESIZE];
} D3DXFONT_DESCA, *LPD3DXFONT_DESCA;

struct ID3DXSprite;
typedef ID3DXSprite* LPD3DXSPRITE;

struct ID3DXFont : IUnknown {
    virtual HRESULT GetDevice(LPDIRECT3DDEVICE9* ppDevice) = 0;
    virtual HRESULT GetDescA(D3DXFONT_DESCA* pDesc) = 0;
    // Draws Count characters of pString (all up to its NUL when Count is negative) in the
    // rectangle, one quad per glyph; returns the height of the text in pixels, 0 on failure.
    // pSprite must be NULL here.
    virtual INT DrawTextA(LPD3DXSPRITE pSprite, LPCSTR pString, INT Count, LPRECT pRect,
                          DWORD Format, D3DCOLOR Color) = 0;
};
typedef ID3DXFont* LPD3DXFONT;

extern "C" {

// A new buffer of NumBytes zeroed bytes with one reference. D3DERR_INVALIDCALL for a NULL
// ppBuffer, E_OUTOFMEMORY when the bytes cannot be had.
HRESULT WINAPI D3DXCreateBuffer(DWORD NumBytes, LPD3DXBUFFER* ppBuffer);

// A font for the device from its description: the face is the installed font that best
// matches FaceName, Weight and Italic. D3DERR_INVALIDCALL for NULL arguments, D3DXERR_INVALIDDATA
// when no usable face is installed, else the device's result when it cannot hold the glyphs.
HRESULT WINAPI D3DXCreateFontIndirectA(LPDIRECT3DDEVICE9 pDevice, const D3DXFONT_DESCA* pDesc,
                                       LPD3DXFONT* ppFont);
HRESULT WINAPI D3DXCreateFontA(LPDIRECT3DDEVICE9 pDevice, INT Height, UINT Width, UINT Weight,
                               UINT MipLevels, BOOL Italic, DWORD CharSet, DWORD OutputPrecision,
                               DWORD Quality, DWORD PitchAndFamily, LPCSTR pFaceName,
                               LPD3DXFONT* ppFont);

} // extern "C"
