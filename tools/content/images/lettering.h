// The lettering of the full-screen pictures: big outlined headlines and cream panels with
// lines of text, in one style across all pictures.
#pragma once

#include "images/canvas.h"
#include "images/text.h"

#include <span>
#include <string_view>

// A headline centred on x with its baseline at y: fill colour inside a thick dark outline,
// with a soft drop shadow.
void DrawHeadline(Canvas& canvas, std::string_view text, int size, Color fill, int x, int y);

// A cream panel with a dark border and a shadow below it.
void DrawPanel(Canvas& canvas, int x0, int y0, int x1, int y1);

// The style of lines on panels: dark text of the given size.
TextStyle PanelText(int size, Typeface face = Typeface::SansBold);
// The style of headings on panels: bold and warm brown.
TextStyle PanelHeading(int size);

// A key of the keyboard with label on it, its left edge at x and the label's baseline at y.
// Returns its right edge.
int DrawKeyCap(Canvas& canvas, std::string_view label, int size, int x, int y);

// Keys and what they do in one centred row: [Space] next level   [Escape] title screen.
struct KeyHint {
    std::string_view key;
    std::string_view action;
};
void DrawKeyHints(Canvas& canvas, std::span<const KeyHint> hints, int size, int centre_x, int y);
