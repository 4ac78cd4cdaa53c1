// The generated files: the names and sizes the models and the game ask for, as RGB PNGs, the
// same on every run.
#include "generated_images.h"

#include "images/images.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct ExpectedImage {
    const char* name;
    int size;
};

const ExpectedImage kExpected[] = {
    {"ground", 256},        {"gravel", 128},    {"wood", 128},      {"brick", 128},
    {"roof", 128},          {"coin50", 128},    {"coin100", 128},   {"title", 1024},
    {"introduction", 1024}, {"complete", 1024}, {"gameover", 1024},
};

TEST(ImageFiles, EveryImageIsAnRgbPngOfItsSize) {
    for (const ExpectedImage& expected : kExpected) {
        SCOPED_TRACE(expected.name);
        const DecodedImage& image = GeneratedImage(expected.name);
        EXPECT_EQ(image.width, expected.size);
        EXPECT_EQ(image.height, expected.size);
        EXPECT_EQ(image.channels, 3);
    }
}

TEST(ImageFiles, NothingButTheExpectedImages) {
    std::set<std::string> paths;
    for (const ContentFile& file : GeneratedFiles()) {
        EXPECT_TRUE(paths.insert(file.path).second) << "twice: " << file.path;
    }
    std::set<std::string> expected;
    for (const ExpectedImage& image : kExpected) {
        expected.insert(std::string("textures/") + image.name + ".png");
    }
    EXPECT_EQ(paths, expected);
}

TEST(ImageFiles, EveryRunWritesTheSameBytes) {
    const std::vector<ContentFile> again = MakeTextures();
    ASSERT_EQ(again.size(), GeneratedFiles().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].path, GeneratedFiles()[i].path);
        EXPECT_TRUE(again[i].bytes == GeneratedFiles()[i].bytes) << again[i].path;
    }
}

} // namespace
