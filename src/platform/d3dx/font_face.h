// One installed font face opened at the size a font description asks for: the face chosen
// by fontconfig, sized the way the platform sizes it, glyphs rasterised by SDL2_ttf.
#pragma once

#include <d3dx9core.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace d3dx {

// One rasterised glyph: coverage 0..255 per pixel, rows top to bottom, placed `left` pixels
// right of the pen and `top` pixels below the top of the line (both may be negative).
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int advance = 0; // how far the pen moves after the glyph
    std::vector<std::uint8_t> coverage;
};

class FontFace {
public:
    // Largest |Height| and Width accepted: larger ones would need glyph textures beyond any
    // device's size.
    static constexpr int kMaxPixels = 256;

    // The face for `desc`, or nullopt when no face is installed or the sizes are out of range.
    // Height > 0 is the cell height (ascent + descent), < 0 the em height, 0 a 16-pixel cell;
    // Width > 0 the average character width (the face's OS/2 average, as the platform takes
    // it), reached by scaling the glyphs horizontally. Weight, Italic and FaceName choose
    // the face; character set, precisions, quality and pitch are not looked at.
    static std::unique_ptr<FontFace> Open(const D3DXFONT_DESCA& desc);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Ascent + descent in pixels: the distance between two lines.
    int CellHeight() const;

    // The glyph of Unicode code point `ch` (the face's missing-glyph shape when it has none);
    // nullopt when it cannot be rasterised.
    std::optional<GlyphBitmap> Render(std::uint32_t ch) const;

private:
    struct Handle;
    explicit FontFace(std::unique_ptr<Handle> handle);

    std::unique_ptr<Handle> handle_;
};

} // namespace d3dx
