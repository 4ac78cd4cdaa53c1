// Text on the canvas: where a line lands for each alignment, and its outline.
#include "images/text.h"

#include <gtest/gtest.h>

namespace {

const Color kWhite{255, 255, 255};
const Color kRed{255, 0, 0};
const Color kBlue{0, 0, 255};

struct Ink {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1; // inclusive
};

// The box of the pixels that text changed from the white background.
Ink FindInk(const Canvas& canvas) {
    Ink ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.At(x, y).g < 128) {
                ink = {std::min(ink.x0, x), std::min(ink.y0, y), std::max(ink.x1, x),
                       std::max(ink.y1, y)};
            }
        }
    }
    return ink;
}

const TextStyle kPlain{Typeface::SansBold, 40, kRed, {}, 0};

// Capitals sit on the baseline and stand about 0.72 em tall.
TEST(Text, CapitalsStandOnTheBaseline) {
    Canvas canvas(300, 100, kWhite);
    DrawText(canvas, "HEH", kPlain, 20, 70, Align::Left);
    const Ink ink = FindInk(canvas);
    EXPECT_NEAR(ink.y1, 69, 1);
    EXPECT_NEAR(ink.y0, 70 - 0.72 * 40, 2);
    EXPECT_NEAR(ink.x0, 20, 4);
}

TEST(Text, AlignsOnTheGivenX) {
    for (const Align align : {Align::Left, Align::Centre, Align::Right}) {
        Canvas canvas(400, 100, kWhite);
        const TextBox box = DrawText(canvas, "Railway", kPlain, 200, 70, align);
        const Ink ink = FindInk(canvas);
        EXPECT_EQ(box.x1 - box.x0, TextWidth("Railway", kPlain));
        EXPECT_GE(ink.x0, box.x0);
        EXPECT_LE(ink.x1, box.x1);
        EXPECT_GE(ink.y0, box.y0);
        EXPECT_LE(ink.y1, box.y1);
        if (align == Align::Left) {
            EXPECT_NEAR(ink.x0, 200, 4);
        } else if (align == Align::Centre) {
            EXPECT_NEAR((ink.x0 + ink.x1) / 2.0, 200, 3);
        } else {
            EXPECT_NEAR(ink.x1, 199, 4);
        }
    }
}

// The outline surrounds the fill evenly and widens the line by its width on each side.
TEST(Text, OutlineSurroundsTheFill) {
    const TextStyle outlined{Typeface::SansBold, 40, kRed, kBlue, 5};
    Canvas plain(400, 100, kWhite);
    DrawText(plain, "Rail", kPlain, 200, 70, Align::Centre);
    Canvas canvas(400, 100, kWhite);
    const TextBox box = DrawText(canvas, "Rail", outlined, 200, 70, Align::Centre);
    EXPECT_EQ(box.x1 - box.x0, TextWidth("Rail", kPlain) + 10);
    const Ink fill = FindInk(plain);
    const Ink ink = FindInk(canvas);
    EXPECT_NEAR(fill.x0 - ink.x0, 5, 1);
    EXPECT_NEAR(ink.x1 - fill.x1, 5, 1);
    EXPECT_NEAR(fill.y0 - ink.y0, 5, 1);
    EXPECT_NEAR(ink.y1 - fill.y1, 5, 1);
    // Inside the outline, exactly where the plain text has its fill, the fill shows.
    int fill_pixels = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (plain.At(x, y).g == 0) {
                ++fill_pixels;
                EXPECT_EQ(canvas.At(x, y).r, 255) << x << "," << y;
                EXPECT_EQ(canvas.At(x, y).b, 0) << x << "," << y;
            }
        }
    }
    EXPECT_GT(fill_pixels, 500);
}

} // namespace
