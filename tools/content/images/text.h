// Lines of text drawn with SDL2_ttf from the Liberation fonts, anti-aliased and optionally
// outlined so that they read on any background.
#pragma once

#include "images/canvas.h"

#include <string_view>

enum class Typeface { SansRegular, SansBold };

enum class Align { Left, Centre, Right };

struct TextStyle {
    Typeface face = Typeface::SansBold;
    int size = 32; // the em in pixels
    Color fill;
    Color outline;
    int outline_width = 0; // pixels around every glyph; 0 for none
};

struct TextBox {
    int x0, y0, x1, y1;
};

// The horizontal space a line takes, outline included.
int TextWidth(std::string_view text, const TextStyle& style);

// Draws one line (UTF-8) with its baseline at y; x is its left edge, centre or right edge as
// align says. Returns the box of the rendered line, outline included.
TextBox DrawText(Canvas& canvas, std::string_view text, const TextStyle& style, int x, int y,
                 Align align);
