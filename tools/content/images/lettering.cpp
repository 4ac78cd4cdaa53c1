#include "images/lettering.h"

#include "images/palette.h"
#include "images/shapes.h"

void DrawHeadline(Canvas& canvas, std::string_view text, int size, Color fill, int x, int y) {
    const int outline = size / 16 + 2;
    const int drop = size / 18 + 2;
    // The outlined text once more, lower right and all in ink, stands it off the background.
    const TextStyle shadow{Typeface::SansBold, size, palette::kInk, palette::kInk, outline};
    DrawText(canvas, text, shadow, x + drop, y + drop, Align::Centre);
    const TextStyle face{Typeface::SansBold, size, fill, palette::kInk, outline};
    DrawText(canvas, text, face, x, y, Align::Centre);
}

void DrawPanel(Canvas& canvas, int x0, int y0, int x1, int y1) {
    constexpr double kRadius = 18;
    constexpr int kBorder = 5;
    constexpr int kShadow = 8;
    FillRoundedRect(canvas, x0 + kShadow, y0 + kShadow, x1 + kShadow, y1 + kShadow, kRadius,
                    palette::kInk, 0.35f);
    FillRoundedRect(canvas, x0, y0, x1, y1, kRadius, palette::kPanelEdge);
    FillRoundedRect(canvas, x0 + kBorder, y0 + kBorder, x1 - kBorder, y1 - kBorder,
                    kRadius - kBorder, palette::kPanel);
}

TextStyle PanelText(int size, Typeface face) {
    return {face, size, palette::kInk, {}, 0};
}

TextStyle PanelHeading(int size) {
    return {Typeface::SansBold, size, palette::kHeading, {}, 0};
}

namespace {

int KeyCapPadding(int size) {
    return size * 2 / 5;
}

int KeyCapWidth(std::string_view label, int size) {
    return TextWidth(label, PanelText(size)) + 2 * KeyCapPadding(size);
}

} // namespace

int DrawKeyCap(Canvas& canvas, std::string_view label, int size, int x, int y) {
    const int padding = KeyCapPadding(size);
    const int right = x + KeyCapWidth(label, size);
    // The face sits evenly around the label's capitals (0.72 em tall); the key's darker body
    // shows below it.
    const double top = y - size * 0.72 - padding * 0.8;
    const double bottom = y + padding * 0.8;
    const double radius = size * 0.3;
    FillRoundedRect(canvas, x, top - 3, right, bottom + 6, radius, palette::kPanelEdge);
    FillRoundedRect(canvas, x + 3, top, right - 3, bottom, radius - 2, palette::kKeyTop);
    DrawText(canvas, label, PanelText(size), x + padding, y, Align::Left);
    return right;
}

void DrawKeyHints(Canvas& canvas, std::span<const KeyHint> hints, int size, int centre_x, int y) {
    const TextStyle action = PanelText(size, Typeface::SansRegular);
    const int after_cap = size / 3;
    const int between = size * 3 / 2;
    int total = between * static_cast<int>(hints.size() - 1);
    for (const KeyHint& hint : hints) {
        total += KeyCapWidth(hint.key, size) + after_cap + TextWidth(hint.action, action);
    }
    int x = centre_x - total / 2;
    for (const KeyHint& hint : hints) {
        x = DrawKeyCap(canvas, hint.key, size, x, y) + after_cap;
        x = DrawText(canvas, hint.action, action, x, y, Align::Left).x1 + between;
    }
}
