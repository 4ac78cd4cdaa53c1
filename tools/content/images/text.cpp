#include "images/text.h"

#include <SDL_ttf.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

std::string FontPath(Typeface face) {
    const std::string folder = "/usr/share/fonts/truetype/liberation2/";
    switch (face) {
    case Typeface::SansRegular:
        return folder + "LiberationSans-Regular.ttf";
    case Typeface::SansBold:
        return folder + "LiberationSans-Bold.ttf";
    }
    throw std::logic_error("unknown typeface");
}

// SDL_ttf and one font at one size, for as long as this object lives.
class OpenFont {
public:
    explicit OpenFont(const TextStyle& style) {
        if (TTF_Init() != 0) {
            throw std::runtime_error(std::string("SDL_ttf does not start: ") + TTF_GetError());
        }
        const std::string path = FontPath(style.face);
        font_ = TTF_OpenFont(path.c_str(), style.size);
        if (font_ == nullptr) {
            const std::string error = TTF_GetError();
            TTF_Quit();
            throw std::runtime_error("cannot open the font " + path +
                                     " (install fonts-liberation2): " + error);
        }
    }
    ~OpenFont() {
        TTF_CloseFont(font_);
        TTF_Quit();
    }
    OpenFont(const OpenFont&) = delete;
    OpenFont& operator=(const OpenFont&) = delete;

    TTF_Font* get() const { return font_; }

private:
    TTF_Font* font_ = nullptr;
};

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// The text in white; its alpha channel is the glyphs' coverage.
Surface Render(const OpenFont& font, const std::string& text, int outline_width) {
    TTF_SetFontOutline(font.get(), outline_width);
    Surface surface(TTF_RenderUTF8_Blended(font.get(), text.c_str(), SDL_Color{255, 255, 255, 255}),
                    SDL_FreeSurface);
    if (!surface) {
        throw std::runtime_error("cannot render \"" + text + "\": " + TTF_GetError());
    }
    return surface;
}

// Blends color onto the canvas wherever the surface has coverage, its top left at (left, top).
void Composite(Canvas& canvas, SDL_Surface* surface, int left, int top, Color color) {
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(row[x], surface->format, &r, &g, &b, &a);
            canvas.Blend(left + x, top + y, color, a / 255.0f);
        }
    }
    SDL_UnlockSurface(surface);
}

int PlainWidth(const OpenFont& font, const std::string& text) {
    int width = 0;
    int height = 0;
    TTF_SetFontOutline(font.get(), 0);
    if (TTF_SizeUTF8(font.get(), text.c_str(), &width, &height) != 0) {
        throw std::runtime_error("cannot measure \"" + text + "\": " + TTF_GetError());
    }
    return width;
}

} // namespace

int TextWidth(std::string_view text, const TextStyle& style) {
    const OpenFont font(style);
    return PlainWidth(font, std::string(text)) + 2 * style.outline_width;
}

TextBox DrawText(Canvas& canvas, std::string_view text, const TextStyle& style, int x, int y,
                 Align align) {
    const OpenFont font(style);
    const std::string line(text);
    const int outline = style.outline_width;
    const int width = PlainWidth(font, line) + 2 * outline;
    int left = x;
    if (align == Align::Centre) {
        left = x - width / 2;
    } else if (align == Align::Right) {
        left = x - width;
    }
    const int top = y - TTF_FontAscent(font.get());
    if (outline > 0) {
        const Surface stroke = Render(font, line, outline);
        Composite(canvas, stroke.get(), left, top - outline, style.outline);
    }
    const Surface glyphs = Render(font, line, 0);
    Composite(canvas, glyphs.get(), left + outline, top, style.fill);
    return {left, top - outline, left + width, top + glyphs->h + outline};
}
