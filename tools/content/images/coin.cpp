#include "images/coin.h"

#include "images/palette.h"
#include "images/text.h"
#include "images/textures.h"

#include <algorithm>
#include <cmath>

void DrawCoinFace(Canvas& canvas, Point centre, double radius, std::string_view value) {
    const double bevel = radius * 0.05;
    FillCircle(canvas, centre, radius, palette::kGoldShadow);
    FillCircle(canvas, {centre.x - bevel, centre.y - bevel}, radius - bevel * 1.5,
               palette::kGoldLight);
    FillCircle(canvas, centre, radius - bevel * 2, palette::kGold);
    // The field lies lower than the rim: its upper left edge is in the rim's shadow.
    const double field = radius * 0.8;
    FillCircle(canvas, centre, field, palette::kGoldShadow);
    FillCircle(canvas, {centre.x + bevel * 0.8, centre.y + bevel * 0.8}, field - bevel * 0.8,
               palette::kGoldField);

    TextStyle style{Typeface::SansBold, static_cast<int>(radius * 0.9), palette::kGoldInk, {}, 0};
    style.size =
        std::min(style.size, static_cast<int>(style.size * radius * 1.3 / TextWidth(value, style)));
    const int x = static_cast<int>(std::lround(centre.x));
    // Digits stand about 0.72 em tall on the baseline; centre them on the coin.
    const int baseline = static_cast<int>(std::lround(centre.y + style.size * 0.36));
    const int relief = std::max(1, static_cast<int>(std::lround(bevel * 0.6)));
    TextStyle highlight = style;
    highlight.fill = palette::kGoldLight;
    DrawText(canvas, value, highlight, x + relief, baseline + relief, Align::Centre);
    DrawText(canvas, value, style, x, baseline, Align::Centre);
}

Canvas PaintCoinTexture(std::string_view value) {
    constexpr int kSize = 128;
    Canvas canvas(kSize, kSize, palette::kGold);
    DrawCoinFace(canvas, {kSize / 2.0, kSize / 2.0}, kSize / 2.0, value);
    return canvas;
}
