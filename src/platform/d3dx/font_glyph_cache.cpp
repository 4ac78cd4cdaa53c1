#include "font_glyph_cache.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace d3dx {
namespace {

constexpr int kPadding = 1;
constexpr int kMinTextureWidth = 256;

// Unicode code points of the code page's bytes 0x80..0x9F (0: no character).
constexpr std::uint32_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code point of a byte of text, or 0 for a control character or a hole in the page.
std::uint32_t CodePoint(unsigned char ch) {
    if (ch < 0x20 || ch == 0x7F) {
        return 0;
    }
    return ch >= 0x80 && ch < 0xA0 ? kWindows1252High[ch - 0x80] : ch;
}

int NextPowerOfTwo(int value) {
    int power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

struct Placed {
    unsigned char ch;
    GlyphBitmap bitmap;
};

// Shelf packing: glyphs left to right in rows as tall as their tallest glyph. Returns the
// height used.
int Pack(std::vector<Placed>& glyphs, std::array<CachedGlyph, 256>& table, int textureWidth) {
    int x = 0, y = 0, rowHeight = 0;
    for (const Placed& placed : glyphs) {
        int w = placed.bitmap.width + 2 * kPadding, h = placed.bitmap.height + 2 * kPadding;
        if (x + w > textureWidth) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        CachedGlyph& glyph = table[placed.ch];
        glyph.textureX = x + kPadding;
        glyph.textureY = y + kPadding;
        x += w;
        rowHeight = std::max(rowHeight, h);
    }
    return y + rowHeight;
}

} // namespace

HRESULT GlyphCache::Build(IDirect3DDevice9* device, const FontFace& face, GlyphCache& out) {
    std::vector<Placed> drawable;
    int widest = 0;
    for (int ch = 0; ch < 256; ++ch) {
        std::uint32_t codePoint = CodePoint(static_cast<unsigned char>(ch));
        if (codePoint == 0) {
            continue;
        }
        std::optional<GlyphBitmap> bitmap = face.Render(codePoint);
        if (!bitmap) {
            return E_FAIL;
        }
        CachedGlyph& glyph = out.glyphs_[ch];
        glyph.advance = bitmap->advance;
        bool empty = std::all_of(bitmap->coverage.begin(), bitmap->coverage.end(),
                                 [](std::uint8_t c) { return c == 0; });
        if (!empty) {
            glyph = CachedGlyph{
                true, bitmap->advance, bitmap->left, bitmap->top, bitmap->width, bitmap->height, 0,
                0};
            widest = std::max(widest, bitmap->width + 2 * kPadding);
            drawable.push_back(Placed{static_cast<unsigned char>(ch), std::move(*bitmap)});
        }
    }
    int width = NextPowerOfTwo(std::max(kMinTextureWidth, widest));
    int height = NextPowerOfTwo(std::max(1, Pack(drawable, out.glyphs_, width)));

    IDirect3DTexture9* created = nullptr;
    HRESULT hr = device->CreateTexture(UINT(width), UINT(height), 1, 0, D3DFMT_A8R8G8B8,
                                       D3DPOOL_MANAGED, &created, nullptr);
    if (FAILED(hr) || !created) {
        return FAILED(hr) ? hr : E_FAIL;
    }
    out.texture_.reset(created);
    out.textureWidth_ = width;
    out.textureHeight_ = height;

    D3DLOCKED_RECT locked{};
    if (hr = created->LockRect(0, &locked, nullptr, 0); FAILED(hr)) {
        return hr;
    }
    if (!locked.pBits || locked.Pitch < width * 4) {
        created->UnlockRect(0);
        return E_FAIL;
    }
    auto* texels = static_cast<std::uint8_t*>(locked.pBits);
    for (int y = 0; y < height; ++y) {
        auto* row = texels + std::size_t(y) * locked.Pitch;
        for (int x = 0; x < width; ++x) {
            const DWORD clearWhite = 0x00FFFFFF;
            std::memcpy(row + 4 * x, &clearWhite, 4);
        }
    }
    for (const Placed& placed : drawable) {
        const CachedGlyph& glyph = out.glyphs_[placed.ch];
        for (int y = 0; y < glyph.height; ++y) {
            auto* row = texels + std::size_t(glyph.textureY + y) * locked.Pitch;
            for (int x = 0; x < glyph.width; ++x) {
                // The coverage is the alpha byte of a little-endian 0xAARRGGBB texel.
                row[4 * (glyph.textureX + x) + 3] =
                    placed.bitmap.coverage[std::size_t(y) * glyph.width + x];
            }
        }
    }
    return created->UnlockRect(0);
}

} // namespace d3dx
