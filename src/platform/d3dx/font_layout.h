// Where DrawText puts each glyph: lines, alignment in the rectangle and clipping to it.
#pragma once

#include <d3dx9core.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "font_glyph_cache.h"

namespace d3dx {

// Pixel positions, wide enough that no text and no rectangle overflows them.
using Pixels = std::int64_t;

// One glyph to draw: a rectangle of whole pixels on the target and the same-sized rectangle
// of texels in the cache texture.
struct GlyphQuad {
    Pixels left, top, right, bottom;
    Pixels textureLeft, textureTop;
};

struct TextLayout {
    std::vector<GlyphQuad> quads;
    Pixels widest = 0; // the longest line's width
    Pixels height = 0; // DrawText's result: from the rectangle's top to the text's bottom
};

// Lines end at "\r\n", "\n" or "\r" (not with DT_SINGLELINE); a break at the very end starts
// no further line. Lines stack `lineHeight` apart from the rectangle's top, or sit centred
// (DT_VCENTER) or at the bottom (DT_BOTTOM) with DT_SINGLELINE; each line starts at the
// left, or is centred (DT_CENTER) or right-aligned (DT_RIGHT). Glyphs are cut to the
// rectangle unless DT_NOCLIP. DT_WORDBREAK is not done: lines are only broken where the
// text breaks them.
TextLayout LayOutText(std::string_view text, const RECT& rect, DWORD format,
                      const GlyphCache& cache, int lineHeight);

} // namespace d3dx
