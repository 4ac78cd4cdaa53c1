// The generated images: the names and sizes the models and the game ask for, as 8-bit RGB
// PNGs, the same on every run.
#include "images/images.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace {

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes.at(i));
    }
    return value;
}

TEST(ImageFiles, EveryImageIsAnRgbPngOfItsSizeTheSameOnEveryRun) {
    const std::map<std::string, std::uint32_t> expected = {
        {"ground", 256},    {"gravel", 128},        {"wood", 128},     {"brick", 128},
        {"roof", 128},      {"coin50", 128},        {"coin100", 128},  {"title", 1024},
        {"gameover", 1024}, {"introduction", 1024}, {"complete", 1024}};
    const std::vector<ContentFile> files = MakeTextures(), again = MakeTextures();
    ASSERT_EQ(files.size(), expected.size());
    std::set<std::string> names;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& bytes = files[i].bytes;
        const std::string name = files[i].path.substr(9, files[i].path.size() - 13);
        ASSERT_EQ("textures/" + name + ".png", files[i].path);
        ASSERT_TRUE(expected.contains(name) && names.insert(name).second) << name;
        // The signature, then the header chunk: width, height, 8 bits, colour type 2 (RGB).
        EXPECT_EQ(bytes.substr(0, 16), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)) << name;
        EXPECT_EQ(BigEndian(bytes, 16), expected.at(name)) << name;
        EXPECT_EQ(BigEndian(bytes, 20), expected.at(name)) << name;
        EXPECT_EQ(bytes.substr(24, 2), "\x08\x02") << name;
        EXPECT_TRUE(bytes == again[i].bytes) << name;
    }
}

} // namespace
