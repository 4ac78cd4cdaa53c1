// The full-screen pictures as the game shows them: the outer columns are stretched into the
// margins of wide screens, rows at the top and bottom may be cut off, and the text in between
// has to stand out.
#include "generated_images.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kSize = 1024;
constexpr int kSideBand = 48;
constexpr int kSafeTop = 32;
constexpr int kSafeBottom = 992;
constexpr int kSafeLeft = 16;
constexpr int kSafeRight = 1008;

const char* const kPictures[] = {"title", "introduction", "complete", "gameover"};

// Across each side band every row is one colour, so the stretched margins continue it.
TEST(Pictures, SideBandsVaryOnlyWithY) {
    for (const char* name : kPictures) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_EQ(image.width, kSize);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 1; x < kSideBand; ++x) {
                ASSERT_LE(ChannelDistance(image.At(x, y), image.At(0, y)), 1) << x << "," << y;
                const int mirrored = kSize - 1 - x;
                ASSERT_LE(ChannelDistance(image.At(mirrored, y), image.At(kSize - 1, y)), 1)
                    << mirrored << "," << y;
            }
        }
    }
}

// The rows that may be cut off hold nothing but the background's gradient.
TEST(Pictures, RowsOutsideTheSafeAreaArePlainBackground) {
    for (const char* name : kPictures) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_EQ(image.width, kSize);
        for (int y = 0; y < kSize; ++y) {
            if (y >= kSafeTop && y < kSafeBottom) {
                continue;
            }
            for (int x = 1; x < kSize; ++x) {
                ASSERT_LE(ChannelDistance(image.At(x, y), image.At(0, y)), 1) << x << "," << y;
            }
        }
    }
}

// Lettering with dark outlines around light or bright fills makes many sharp light-dark steps
// (measured across two pixels, as anti-aliasing softens each edge over one); a picture whose
// text went missing or lost its outline has far fewer. Each picture must keep about half of
// the steps its lettering and scenery make together, well above what its scenery alone makes.
TEST(Pictures, CarryHighContrastTextInTheSafeArea) {
    const std::pair<const char*, int> least_sharp_steps[] = {
        {"title", 6000}, {"introduction", 30000}, {"complete", 12000}, {"gameover", 5000}};
    for (const auto& [name, least] : least_sharp_steps) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_EQ(image.width, kSize);
        int sharp_steps = 0;
        for (int y = kSafeTop; y < kSafeBottom; ++y) {
            for (int x = kSafeLeft; x + 2 < kSafeRight; ++x) {
                if (std::abs(Luma(image.At(x, y)) - Luma(image.At(x + 2, y))) > 100) {
                    ++sharp_steps;
                }
            }
        }
        EXPECT_GT(sharp_steps, least);
    }
}

} // namespace
