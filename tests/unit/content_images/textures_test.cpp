// The model textures: seamless where they repeat, quiet where they cover the board, and coins
// that fill their square with the value upright in the middle.
#include "generated_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Mean difference, summed over the channels, between column a and column b.
double ColumnJump(const DecodedImage& image, int a, int b) {
    double sum = 0;
    for (int y = 0; y < image.height; ++y) {
        const Color p = image.At(a, y);
        const Color q = image.At(b, y);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / image.height;
}

double RowJump(const DecodedImage& image, int a, int b) {
    double sum = 0;
    for (int x = 0; x < image.width; ++x) {
        const Color p = image.At(x, a);
        const Color q = image.At(x, b);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / image.width;
}

// Where a texture repeats, its last column meets its first (and its last row its first):
// that step must look like any step between neighbours inside.
TEST(TileableTextures, WrapWithoutASeam) {
    for (const char* name : {"ground", "gravel", "wood", "brick", "roof"}) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_GT(image.width, 0);
        double largest_inside = 0;
        for (int x = 0; x + 1 < image.width; ++x) {
            largest_inside = std::max(largest_inside, ColumnJump(image, x, x + 1));
        }
        EXPECT_LE(ColumnJump(image, image.width - 1, 0), largest_inside * 1.1) << "left/right";
        largest_inside = 0;
        for (int y = 0; y + 1 < image.height; ++y) {
            largest_inside = std::max(largest_inside, RowJump(image, y, y + 1));
        }
        EXPECT_LE(RowJump(image, image.height - 1, 0), largest_inside * 1.1) << "top/bottom";
    }
}

// The meadow repeats across the whole board: it has to stay green and low in contrast.
TEST(GroundTexture, IsQuietGreen) {
    const DecodedImage& image = GeneratedImage("ground");
    ASSERT_GT(image.width, 0);
    double sum = 0;
    double sum_of_squares = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Color pixel = image.At(x, y);
            ASSERT_GT(pixel.g, pixel.r) << x << "," << y;
            ASSERT_GT(pixel.g, pixel.b) << x << "," << y;
            sum += Luma(pixel);
            sum_of_squares += Luma(pixel) * Luma(pixel);
        }
    }
    const double count = static_cast<double>(image.width) * image.height;
    const double mean = sum / count;
    EXPECT_LT(std::sqrt(sum_of_squares / count - mean * mean), 10.0);
}

bool IsMortar(const DecodedImage& image, int x, int y) {
    return Luma(image.At(x, y)) > 170;
}

// Courses 16 pixels high, bricks 32 long, each course shifted half a brick from the last.
TEST(BrickTexture, CoursesOfBricksOffsetByHalfABrick) {
    const DecodedImage& image = GeneratedImage("brick");
    ASSERT_EQ(image.width, 128);
    constexpr int kCourse = 16;
    constexpr int kBrick = 32;
    std::vector<int> joint_phase;
    for (int course = 0; course < image.height / kCourse; ++course) {
        // A row of the course that runs through the bricks, and the columns of its joints.
        const int middle = course * kCourse + kCourse / 2 - 2;
        std::vector<int> joints;
        for (int x = 0; x < image.width; ++x) {
            if (IsMortar(image, x, middle) && !IsMortar(image, (x + 1) % image.width, middle)) {
                joints.push_back(x);
            }
        }
        ASSERT_EQ(joints.size(), static_cast<std::size_t>(image.width / kBrick)) << course;
        for (std::size_t i = 1; i < joints.size(); ++i) {
            EXPECT_EQ(joints[i] - joints[i - 1], kBrick) << course;
        }
        joint_phase.push_back(joints[0] % kBrick);
        // Somewhere in each course lies a horizontal joint: a row of mortar right across.
        int mortar_rows = 0;
        for (int y = course * kCourse; y < (course + 1) * kCourse; ++y) {
            int mortar = 0;
            for (int x = 0; x < image.width; ++x) {
                mortar += IsMortar(image, x, y) ? 1 : 0;
            }
            mortar_rows += mortar == image.width ? 1 : 0;
        }
        EXPECT_GE(mortar_rows, 2) << course;
    }
    for (std::size_t course = 1; course < joint_phase.size(); ++course) {
        EXPECT_EQ((joint_phase[course] - joint_phase[course - 1] + kBrick) % kBrick, kBrick / 2)
            << course;
    }
}

bool IsInk(Color pixel) {
    return Luma(pixel) < 120;
}

struct InkBox {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
};

InkBox FindInk(const DecodedImage& image) {
    InkBox box;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (IsInk(image.At(x, y))) {
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x),
                       std::max(box.y1, y)};
            }
        }
    }
    return box;
}

constexpr const char* kCoins[] = {"coin50", "coin100"};

// Outside the circle the square is one plain gold; the rim reaches the middle of every edge.
TEST(CoinTextures, CircleTouchesTheEdgesWithPlainGoldOutside) {
    for (const char* name : kCoins) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_EQ(image.width, 128);
        const Color gold = image.At(0, 0);
        EXPECT_GT(gold.r, 180);
        EXPECT_GT(gold.r, gold.b + 80);
        for (const int cx : {0, 127}) {
            for (const int cy : {0, 127}) {
                for (int i = 0; i < 12; ++i) {
                    EXPECT_EQ(ChannelDistance(image.At(std::abs(cx - i), cy), gold), 0);
                    EXPECT_EQ(ChannelDistance(image.At(cx, std::abs(cy - i)), gold), 0);
                }
            }
        }
        for (const auto& [x, y] : {std::pair{63, 0}, {64, 127}, {0, 64}, {127, 63}}) {
            EXPECT_GT(ChannelDistance(image.At(x, y), gold), 20) << x << "," << y;
        }
    }
}

// The value is dark, set in the middle of the coin and big enough to read on the model.
TEST(CoinTextures, ValueIsDarkAndCentred) {
    for (const char* name : kCoins) {
        SCOPED_TRACE(name);
        const DecodedImage& image = GeneratedImage(name);
        ASSERT_EQ(image.width, 128);
        const InkBox ink = FindInk(image);
        ASSERT_GE(ink.x1, 0) << "no dark value";
        EXPECT_NEAR((ink.x0 + ink.x1) / 2.0, 63.5, 4);
        EXPECT_NEAR((ink.y0 + ink.y1) / 2.0, 63.5, 4);
        EXPECT_GE(ink.y1 - ink.y0, 30);
        EXPECT_GE(ink.x1 - ink.x0, 50);
        EXPECT_LE(ink.x1 - ink.x0, 104);
    }
}

// The middle row of the longest vertical run of ink in columns x0..x1.
double MiddleOfLongestInkRun(const DecodedImage& image, const InkBox& box, int x0, int x1) {
    int longest = 0;
    double middle = -1;
    for (int x = x0; x <= x1; ++x) {
        int run = 0;
        for (int y = box.y0; y <= box.y1 + 1; ++y) {
            if (y <= box.y1 && IsInk(image.At(x, y))) {
                ++run;
            } else {
                if (run > longest) {
                    longest = run;
                    middle = y - run / 2.0;
                }
                run = 0;
            }
        }
    }
    return middle;
}

// u runs right and v down: the 5 reads upright and unmirrored. Its stem runs down the left
// of its upper half, its belly down the right of its lower half.
TEST(CoinTextures, FiveStandsUpright) {
    const DecodedImage& image = GeneratedImage("coin50");
    ASSERT_EQ(image.width, 128);
    const InkBox ink = FindInk(image);
    ASSERT_GE(ink.x1, 0);
    const int five_right = (ink.x0 + ink.x1) / 2 - 4;
    const int quarter = (five_right - ink.x0) / 4;
    const double middle_y = (ink.y0 + ink.y1) / 2.0;
    EXPECT_LT(MiddleOfLongestInkRun(image, ink, ink.x0, ink.x0 + quarter), middle_y) << "stem";
    EXPECT_GT(MiddleOfLongestInkRun(image, ink, five_right - quarter, five_right), middle_y)
        << "belly";
}

} // namespace
