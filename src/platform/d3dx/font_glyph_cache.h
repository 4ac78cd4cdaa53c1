// The glyphs of a font's character set, rasterised once into one texture on the device.
#pragma once

#include <d3d9.h>

#include <array>
#include <cstdint>

#include "com_holder.h"
#include "font_face.h"

namespace d3dx {

// Where one character's glyph lies in the cache texture and where it is drawn.
struct CachedGlyph {
    bool drawable = false; // false: the character only moves the pen (or not even that)
    int advance = 0;
    int left = 0; // glyph bitmap relative to the pen and the line's top, in pixels
    int top = 0;
    int width = 0;
    int height = 0;
    int textureX = 0; // the bitmap's top-left texel in the cache texture
    int textureY = 0;
};

class GlyphCache {
public:
    // Rasterises every character the font draws into a new A8R8G8B8 texture (one level,
    // managed, white with the glyph's coverage as alpha, one clear texel around each glyph).
    // The device's result when it cannot make or fill the texture; E_FAIL when the face
    // cannot rasterise.
    static HRESULT Build(IDirect3DDevice9* device, const FontFace& face, GlyphCache& out);

    // Characters are bytes of the platform's Western code page (1252); control characters
    // get nothing.
    const CachedGlyph& Glyph(unsigned char ch) const { return glyphs_[ch]; }
    IDirect3DTexture9* Texture() const { return texture_.get(); }
    int TextureWidth() const { return textureWidth_; }
    int TextureHeight() const { return textureHeight_; }

private:
    std::array<CachedGlyph, 256> glyphs_{};
    ComHolder<IDirect3DTexture9> texture_;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
};

} // namespace d3dx
