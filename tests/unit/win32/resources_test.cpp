// Program resources embedded by rw_embed_resources (see tests/CMakeLists.txt): the files
// data/win32/greeting.bin and the empty data/win32/empty.bin, as type "WAVE".
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string FileBytes(const std::string& name) {
    std::ifstream file(std::string(RW_TEST_DATA_DIR) + "/win32/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ResourceBytes(HMODULE module, HRSRC resource) {
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = LockResource(loaded);
    return {static_cast<const char*>(bytes), SizeofResource(module, resource)};
}

TEST(ResourcesTest, AnEmbeddedFileIsFoundWithItsExactBytes) {
    const std::string expected = FileBytes("greeting.bin");
    ASSERT_GT(expected.size(), 20u);
    for (HMODULE module : {static_cast<HMODULE>(nullptr), GetModuleHandleA(nullptr)}) {
        HRSRC resource = FindResourceA(module, "greeting", "WAVE");
        ASSERT_NE(resource, nullptr);
        EXPECT_EQ(SizeofResource(module, resource), expected.size());
        EXPECT_EQ(ResourceBytes(module, resource), expected);
    }
    EXPECT_EQ(FindResourceA(nullptr, "GREETING", "wave"),
              FindResourceA(nullptr, "greeting", "WAVE"))
        << "names and types compare without case";
}

TEST(ResourcesTest, AnEmptyFileIsAResourceOfSizeZero) {
    HRSRC resource = FindResourceA(nullptr, "empty", "WAVE");
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(SizeofResource(nullptr, resource), 0u);
    EXPECT_NE(LoadResource(nullptr, resource), nullptr);
}

TEST(ResourcesTest, WhatIsNotEmbeddedIsNotFound) {
    EXPECT_EQ(FindResourceA(nullptr, "missing", "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "greeting", "WAV"), nullptr) << "another type";
    EXPECT_EQ(FindResourceA(nullptr, "greetin", "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(1), "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "greeting", RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, nullptr, "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "greeting", nullptr), nullptr);
    static char otherModule;
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&otherModule), "greeting", "WAVE"), nullptr);
}

TEST(ResourcesTest, HandlesThatAreNotResourcesGiveNothing) {
    static char notAResource;
    HRSRC bogus = reinterpret_cast<HRSRC>(&notAResource);
    EXPECT_EQ(LoadResource(nullptr, bogus), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, bogus), 0u);
    EXPECT_EQ(LoadResource(nullptr, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    static char otherModule;
    HRSRC resource = FindResourceA(nullptr, "greeting", "WAVE");
    EXPECT_EQ(LoadResource(reinterpret_cast<HMODULE>(&otherModule), resource), nullptr);
}

} // namespace
