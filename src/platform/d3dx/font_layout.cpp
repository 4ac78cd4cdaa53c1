#include "font_layout.h"

#include <algorithm>

namespace d3dx {
namespace {

std::vector<std::string_view> SplitLines(std::string_view text, bool singleLine) {
    std::vector<std::string_view> lines;
    if (singleLine) {
        if (!text.empty()) {
            lines.push_back(text);
        }
        return lines;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

Pixels LineWidth(std::string_view line, const GlyphCache& cache) {
    Pixels width = 0;
    for (char ch : line) {
        width += cache.Glyph(static_cast<unsigned char>(ch)).advance;
    }
    return width;
}

// Cuts `quad` to `rect`; false when nothing is left of it.
bool Clip(GlyphQuad& quad, const RECT& rect) {
    Pixels cutLeft = std::max<Pixels>(0, rect.left - quad.left);
    Pixels cutTop = std::max<Pixels>(0, rect.top - quad.top);
    quad.left += cutLeft;
    quad.textureLeft += cutLeft;
    quad.top += cutTop;
    quad.textureTop += cutTop;
    quad.right = std::min<Pixels>(quad.right, rect.right);
    quad.bottom = std::min<Pixels>(quad.bottom, rect.bottom);
    return quad.left < quad.right && quad.top < quad.bottom;
}

} // namespace

TextLayout LayOutText(std::string_view text, const RECT& rect, DWORD format,
                      const GlyphCache& cache, int lineHeight) {
    TextLayout layout;
    bool singleLine = format & DT_SINGLELINE;
    std::vector<std::string_view> lines = SplitLines(text, singleLine);
    if (lines.empty()) {
        return layout;
    }
    Pixels top = rect.top;
    if (singleLine && (format & DT_BOTTOM)) {
        top = Pixels{rect.bottom} - lineHeight;
    } else if (singleLine && (format & DT_VCENTER)) {
        top = rect.top + (Pixels{rect.bottom} - rect.top - lineHeight) / 2;
    }
    for (std::string_view line : lines) {
        Pixels width = LineWidth(line, cache);
        layout.widest = std::max(layout.widest, width);
        Pixels pen = rect.left;
        if (format & DT_RIGHT) {
            pen = Pixels{rect.right} - width;
        } else if (format & DT_CENTER) {
            pen = rect.left + (Pixels{rect.right} - rect.left - width) / 2;
        }
        for (char ch : line) {
            const CachedGlyph& glyph = cache.Glyph(static_cast<unsigned char>(ch));
            if (glyph.drawable) {
                GlyphQuad quad{pen + glyph.left,
                               top + glyph.top,
                               pen + glyph.left + glyph.width,
                               top + glyph.top + glyph.height,
                               glyph.textureX,
                               glyph.textureY};
                if ((format & DT_NOCLIP) || Clip(quad, rect)) {
                    layout.quads.push_back(quad);
                }
            }
            pen += glyph.advance;
        }
        top += lineHeight;
    }
    layout.height = top - rect.top;
    return layout;
}

} // namespace d3dx
