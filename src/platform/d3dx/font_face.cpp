#include "font_face.h"

#include <SDL2/SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace d3dx {
namespace {

constexpr int kDefaultCellHeight = 16;
constexpr int kRegularWeight = 400;

// A face file as fontconfig names it.
struct FaceFile {
    std::string path;
    int index = 0;
};

struct FontconfigFree {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
template <class T> using FontconfigHolder = std::unique_ptr<T, FontconfigFree>;

// A configuration of its own for each match, destroyed afterwards: fontconfig's shared one
// is never freed.
std::optional<FaceFile> MatchFace(const D3DXFONT_DESCA& desc) {
    FontconfigHolder<FcConfig> config(FcInitLoadConfigAndFonts());
    FontconfigHolder<FcPattern> pattern(FcPatternCreate());
    if (!config || !pattern) {
        return std::nullopt;
    }
    std::string family(desc.FaceName, strnlen(desc.FaceName, LF_FACESIZE));
    if (!family.empty()) {
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    // Windows weights run 1..1000 like OpenType's; 0 asks for the regular weight.
    int weight = desc.Weight == 0 ? kRegularWeight : int(std::min(desc.Weight, 1000u));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, desc.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FontconfigHolder<FcPattern> match(FcFontMatch(config.get(), pattern.get(), &result));
    FcChar8* file = nullptr;
    int index = 0;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        return std::nullopt;
    }
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    return FaceFile{reinterpret_cast<const char*>(file), index};
}

// What sizing needs from the face's tables, in font units.
struct FaceUnits {
    int unitsPerEm;
    int ascender;
    int cellHeight;       // ascender - descender
    int averageCharWidth; // OS/2 xAvgCharWidth; 0 when the face has none
};

std::optional<FaceUnits> ReadFaceUnits(const FaceFile& file) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        return std::nullopt;
    }
    std::optional<FaceUnits> units;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) == 0) {
        int cell = face->ascender - face->descender;
        if (FT_IS_SCALABLE(face) && face->units_per_EM > 0 && cell > 0) {
            auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
            units =
                FaceUnits{face->units_per_EM, face->ascender, cell,
                          os2 && os2->version != 0xFFFF ? std::max(0, int(os2->xAvgCharWidth)) : 0};
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return units;
}

// SDL2_ttf sizes glyphs as points at a resolution: the em is size * dpi / 72 pixels.
struct TtfSize {
    int points;
    unsigned horizontalDpi;
    unsigned verticalDpi;
};

// A cell height h is an em of h * unitsPerEm / cellHeight pixels: asked for as h points at
// 72 * unitsPerEm / cellHeight dpi. The average width then sets the horizontal resolution.
TtfSize SizeFor(const D3DXFONT_DESCA& desc, const FaceUnits& units) {
    TtfSize size{};
    if (desc.Height < 0) {
        size = {-desc.Height, 72, 72};
    } else {
        int cell = desc.Height == 0 ? kDefaultCellHeight : desc.Height;
        auto dpi = static_cast<unsigned>(
            std::max(1L, std::lround(72.0 * units.unitsPerEm / units.cellHeight)));
        size = {cell, dpi, dpi};
    }
    if (desc.Width > 0 && units.averageCharWidth > 0) {
        double emPixels = double(size.points) * size.verticalDpi / 72.0;
        double naturalWidth = units.averageCharWidth * emPixels / units.unitsPerEm;
        size.horizontalDpi = static_cast<unsigned>(
            std::max(1L, std::lround(size.verticalDpi * desc.Width / naturalWidth)));
    }
    return size;
}

// Moves a glyph up by `shift` rows: blank rows at its top are dropped, so the bitmap stays
// inside the line's cell; only ink above them moves the glyph's top above the cell.
void RaiseToPlatformBaseline(GlyphBitmap& glyph, int shift) {
    int blank = 0;
    while (blank < shift && blank < glyph.height &&
           std::all_of(glyph.coverage.begin() + std::ptrdiff_t(blank) * glyph.width,
                       glyph.coverage.begin() + std::ptrdiff_t(blank + 1) * glyph.width,
                       [](std::uint8_t c) { return c == 0; })) {
        ++blank;
    }
    glyph.coverage.erase(glyph.coverage.begin(),
                         glyph.coverage.begin() + std::ptrdiff_t(blank) * glyph.width);
    glyph.height -= blank;
    glyph.top -= shift - blank;
}

} // namespace

struct FontFace::Handle {
    TTF_Font* font = nullptr;
    // How far SDL2_ttf's baseline lies below the platform's: SDL2_ttf rounds the ascent up,
    // the platform takes the nearest pixel of the cell's share above the baseline.
    int baselineShift = 0;
};

std::unique_ptr<FontFace> FontFace::Open(const D3DXFONT_DESCA& desc) {
    if (desc.Height < -kMaxPixels || desc.Height > kMaxPixels || desc.Width > kMaxPixels) {
        return nullptr;
    }
    std::optional<FaceFile> file = MatchFace(desc);
    std::optional<FaceUnits> units = file ? ReadFaceUnits(*file) : std::nullopt;
    if (!units || TTF_Init() != 0) {
        return nullptr;
    }
    // From here TTF_Init is balanced by the destructor's TTF_Quit.
    auto handle = std::make_unique<Handle>();
    std::unique_ptr<FontFace> face(new FontFace(std::move(handle)));
    TtfSize size = SizeFor(desc, *units);
    face->handle_->font = TTF_OpenFontIndexDPI(file->path.c_str(), size.points, file->index,
                                               size.horizontalDpi, size.verticalDpi);
    if (!face->handle_->font) {
        return nullptr;
    }
    // The platform's text places glyphs by their advances alone.
    TTF_SetFontKerning(face->handle_->font, 0);
    const long platformAscent = std::lround(double(TTF_FontHeight(face->handle_->font)) *
                                            units->ascender / units->cellHeight);
    face->handle_->baselineShift = TTF_FontAscent(face->handle_->font) - int(platformAscent);
    return face;
}

FontFace::FontFace(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FontFace::~FontFace() {
    if (handle_->font) {
        TTF_CloseFont(handle_->font);
    }
    TTF_Quit();
}

int FontFace::CellHeight() const {
    return TTF_FontHeight(handle_->font);
}

std::optional<GlyphBitmap> FontFace::Render(std::uint32_t ch) const {
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(handle_->font, ch, &minX, &maxX, &minY, &maxY, &advance) != 0) {
        return std::nullopt;
    }
    GlyphBitmap glyph;
    glyph.advance = advance;
    SDL_Surface* rendered =
        TTF_RenderGlyph32_Blended(handle_->font, ch, SDL_Color{255, 255, 255, 255});
    if (!rendered) {
        return glyph; // nothing to draw (a space): the advance alone
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) {
        return std::nullopt;
    }
    // SDL2_ttf draws one glyph the way it draws a string of one: the pen starts at the
    // surface's left edge unless the glyph reaches left of it, the line's top at the
    // surface's top unless the glyph rises above the ascent.
    glyph.width = argb->w;
    glyph.height = argb->h;
    glyph.left = std::min(0, minX);
    glyph.top = std::min(0, TTF_FontAscent(handle_->font) - maxY);
    glyph.coverage.resize(std::size_t(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch;
        for (int x = 0; x < glyph.width; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + 4 * x, 4);
            glyph.coverage[std::size_t(y) * glyph.width + x] = std::uint8_t(pixel >> 24);
        }
    }
    SDL_FreeSurface(argb);
    RaiseToPlatformBaseline(glyph, handle_->baselineShift);
    return glyph;
}

} // namespace d3dx
