// ID3DXFont: text drawn as one textured quad per glyph from the font's glyph cache, with
// pre-transformed vertices, alpha blending and the colour in the vertices.
#include <d3dx9.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "com_holder.h"
#include "font_face.h"
#include "font_glyph_cache.h"
#include "font_layout.h"

namespace {

using d3dx::ComHolder;
using d3dx::GlyphQuad;

struct TextVertex {
    float x, y, z, rhw;
    D3DCOLOR color;
    float u, v;
};
constexpr DWORD kTextFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// Glyphs drawn per DrawPrimitive: the vertex buffer holds this many quads.
constexpr UINT kBatchGlyphs = 128;
constexpr UINT kVerticesPerGlyph = 6;

// Render states the text needs; DrawText puts back what it found.
struct RenderStateValue {
    D3DRENDERSTATETYPE state;
    DWORD value;
};
constexpr RenderStateValue kTextRenderStates[] = {
    {D3DRS_ALPHABLENDENABLE, TRUE},          {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
    {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}, {D3DRS_ZENABLE, D3DZB_FALSE},
    {D3DRS_CULLMODE, D3DCULL_NONE},          {D3DRS_LIGHTING, FALSE}};

// Stage 0 for text: colour = the vertex colour (the cache is white), alpha = the vertex
// alpha times the glyph's coverage. The device offers no way to read stage states back, so
// afterwards they are set to the platform's defaults.
struct StageStateValue {
    D3DTEXTURESTAGESTATETYPE type;
    DWORD text;
    DWORD platformDefault;
};
constexpr StageStateValue kStageStates[] = {{D3DTSS_COLOROP, D3DTOP_MODULATE, D3DTOP_MODULATE},
                                            {D3DTSS_COLORARG1, D3DTA_TEXTURE, D3DTA_TEXTURE},
                                            {D3DTSS_COLORARG2, D3DTA_CURRENT, D3DTA_CURRENT},
                                            {D3DTSS_ALPHAOP, D3DTOP_MODULATE, D3DTOP_SELECTARG1},
                                            {D3DTSS_ALPHAARG1, D3DTA_TEXTURE, D3DTA_TEXTURE},
                                            {D3DTSS_ALPHAARG2, D3DTA_CURRENT, D3DTA_CURRENT}};

class Font final : public ID3DXFont {
public:
    Font(IDirect3DDevice9* device, const D3DXFONT_DESCA& desc, int lineHeight,
         d3dx::GlyphCache&& cache, ComHolder<IDirect3DVertexBuffer9> vertices)
        : device_(device), desc_(desc), lineHeight_(lineHeight), cache_(std::move(cache)),
          vertices_(std::move(vertices)) {
        device_->AddRef();
    }

    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT GetDevice(LPDIRECT3DDEVICE9* ppDevice) override {
        if (!ppDevice) {
            return D3DERR_INVALIDCALL;
        }
        device_->AddRef();
        *ppDevice = device_.get();
        return D3D_OK;
    }

    HRESULT GetDescA(D3DXFONT_DESCA* pDesc) override {
        if (!pDesc) {
            return D3DERR_INVALIDCALL;
        }
        *pDesc = desc_;
        return D3D_OK;
    }

    INT DrawTextA(LPD3DXSPRITE pSprite, LPCSTR pString, INT Count, LPRECT pRect, DWORD Format,
                  D3DCOLOR Color) override;

private:
    ~Font() override = default;

    HRESULT DrawQuads(const std::vector<GlyphQuad>& quads, D3DCOLOR color);
    HRESULT DrawBatch(const GlyphQuad* quads, UINT count, D3DCOLOR color);

    std::atomic<ULONG> refs_{1};
    ComHolder<IDirect3DDevice9> device_;
    D3DXFONT_DESCA desc_;
    int lineHeight_;
    d3dx::GlyphCache cache_;
    ComHolder<IDirect3DVertexBuffer9> vertices_;
};

// A negative count reads up to the NUL; a count never reads past one.
std::string_view TextOf(LPCSTR string, INT count) {
    return count < 0 ? std::string_view(string)
                     : std::string_view(string, strnlen(string, std::size_t(count)));
}

INT Font::DrawTextA(LPD3DXSPRITE pSprite, LPCSTR pString, INT Count, LPRECT pRect, DWORD Format,
                    D3DCOLOR Color) {
    if (pSprite || !pString) {
        return 0; // drawing through a sprite is not part of this library
    }
    RECT whole{0, 0, 0, 0};
    RECT& rect = pRect ? *pRect : whole;
    d3dx::TextLayout layout;
    try {
        layout = d3dx::LayOutText(TextOf(pString, Count), rect, Format, cache_, lineHeight_);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    INT height = static_cast<INT>(std::clamp<d3dx::Pixels>(layout.height, 0, INT_MAX));
    if (Format & DT_CALCRECT) {
        rect.right = static_cast<LONG>(
            std::clamp<d3dx::Pixels>(rect.left + layout.widest, INT_MIN, INT_MAX));
        rect.bottom =
            static_cast<LONG>(std::clamp<d3dx::Pixels>(rect.top + layout.height, INT_MIN, INT_MAX));
        return height;
    }
    if (layout.quads.empty()) {
        return height;
    }
    return SUCCEEDED(DrawQuads(layout.quads, Color)) ? height : 0;
}

HRESULT Font::DrawQuads(const std::vector<GlyphQuad>& quads, D3DCOLOR color) {
    IDirect3DDevice9* device = device_.get();
    DWORD saved[std::size(kTextRenderStates)];
    bool read[std::size(kTextRenderStates)];
    for (std::size_t i = 0; i < std::size(kTextRenderStates); ++i) {
        read[i] = SUCCEEDED(device->GetRenderState(kTextRenderStates[i].state, &saved[i]));
        device->SetRenderState(kTextRenderStates[i].state, kTextRenderStates[i].value);
    }
    for (const StageStateValue& stage : kStageStates) {
        device->SetTextureStageState(0, stage.type, stage.text);
    }
    device->SetTexture(0, cache_.Texture());
    device->SetFVF(kTextFvf);
    HRESULT hr = device->SetStreamSource(0, vertices_.get(), 0, sizeof(TextVertex));
    for (std::size_t first = 0; SUCCEEDED(hr) && first < quads.size(); first += kBatchGlyphs) {
        UINT count = static_cast<UINT>(std::min<std::size_t>(kBatchGlyphs, quads.size() - first));
        hr = DrawBatch(quads.data() + first, count, color);
    }
    // What was found is put back; the texture, stream 0 and vertex format cannot be read
    // back from the device, so they are left unset as on a new device (the game sets all three
    // before it draws anything of its own).
    device->SetStreamSource(0, nullptr, 0, 0);
    device->SetFVF(0);
    device->SetTexture(0, nullptr);
    for (const StageStateValue& stage : kStageStates) {
        device->SetTextureStageState(0, stage.type, stage.platformDefault);
    }
    for (std::size_t i = 0; i < std::size(kTextRenderStates); ++i) {
        if (read[i]) {
            device->SetRenderState(kTextRenderStates[i].state, saved[i]);
        }
    }
    return hr;
}

// Two clockwise triangles per glyph. The platform puts pixel centres at whole coordinates,
// so a quad's edges lie half a pixel before them and every pixel takes exactly one texel.
HRESULT Font::DrawBatch(const GlyphQuad* quads, UINT count, D3DCOLOR color) {
    void* data = nullptr;
    HRESULT hr =
        vertices_->Lock(0, count * kVerticesPerGlyph * sizeof(TextVertex), &data, D3DLOCK_DISCARD);
    if (FAILED(hr) || !data) {
        return FAILED(hr) ? hr : E_FAIL;
    }
    auto* out = static_cast<TextVertex*>(data);
    const float texelWidth = 1.0f / float(cache_.TextureWidth());
    const float texelHeight = 1.0f / float(cache_.TextureHeight());
    for (UINT i = 0; i < count; ++i) {
        const GlyphQuad& q = quads[i];
        float left = float(q.left) - 0.5f, right = float(q.right) - 0.5f;
        float top = float(q.top) - 0.5f, bottom = float(q.bottom) - 0.5f;
        float u0 = float(q.textureLeft) * texelWidth;
        float v0 = float(q.textureTop) * texelHeight;
        float u1 = float(q.textureLeft + (q.right - q.left)) * texelWidth;
        float v1 = float(q.textureTop + (q.bottom - q.top)) * texelHeight;
        TextVertex topLeft{left, top, 0.0f, 1.0f, color, u0, v0};
        TextVertex topRight{right, top, 0.0f, 1.0f, color, u1, v0};
        TextVertex bottomLeft{left, bottom, 0.0f, 1.0f, color, u0, v1};
        TextVertex bottomRight{right, bottom, 0.0f, 1.0f, color, u1, v1};
        TextVertex corners[kVerticesPerGlyph] = {topLeft,    topRight, bottomLeft,
                                                 bottomLeft, topRight, bottomRight};
        std::memcpy(out + i * kVerticesPerGlyph, corners, sizeof(corners));
    }
    if (hr = vertices_->Unlock(); FAILED(hr)) {
        return hr;
    }
    return device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, count * 2);
}

HRESULT MakeFont(IDirect3DDevice9* device, const D3DXFONT_DESCA& desc, LPD3DXFONT* out) {
    std::unique_ptr<d3dx::FontFace> face = d3dx::FontFace::Open(desc);
    if (!face) {
        return D3DXERR_INVALIDDATA;
    }
    d3dx::GlyphCache cache;
    if (HRESULT hr = d3dx::GlyphCache::Build(device, *face, cache); FAILED(hr)) {
        return hr;
    }
    IDirect3DVertexBuffer9* created = nullptr;
    HRESULT hr = device->CreateVertexBuffer(kBatchGlyphs * kVerticesPerGlyph * sizeof(TextVertex),
                                            D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY, kTextFvf,
                                            D3DPOOL_DEFAULT, &created, nullptr);
    if (FAILED(hr) || !created) {
        return FAILED(hr) ? hr : E_FAIL;
    }
    *out = new Font(device, desc, face->CellHeight(), std::move(cache),
                    ComHolder<IDirect3DVertexBuffer9>(created));
    return D3D_OK;
}

} // namespace

extern "C" HRESULT WINAPI D3DXCreateFontIndirectA(LPDIRECT3DDEVICE9 pDevice,
                                                  const D3DXFONT_DESCA* pDesc, LPD3DXFONT* ppFont) {
    if (ppFont) {
        *ppFont = NULL;
    }
    if (!pDevice || !pDesc || !ppFont) {
        return D3DERR_INVALIDCALL;
    }
    try {
        return MakeFont(pDevice, *pDesc, ppFont);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

extern "C" HRESULT WINAPI D3DXCreateFontA(LPDIRECT3DDEVICE9 pDevice, INT Height, UINT Width,
                                          UINT Weight, UINT MipLevels, BOOL Italic, DWORD CharSet,
                                          DWORD OutputPrecision, DWORD Quality,
                                          DWORD PitchAndFamily, LPCSTR pFaceName,
                                          LPD3DXFONT* ppFont) {
    D3DXFONT_DESCA desc{Height,
                        Width,
                        Weight,
                        MipLevels,
                        Italic,
                        static_cast<BYTE>(CharSet),
                        static_cast<BYTE>(OutputPrecision),
                        static_cast<BYTE>(Quality),
                        static_cast<BYTE>(PitchAndFamily),
                        {}};
    if (pFaceName) {
        std::strncpy(desc.FaceName, pFaceName, LF_FACESIZE - 1);
    }
    return D3DXCreateFontIndirectA(pDevice, &desc, ppFont);
}
