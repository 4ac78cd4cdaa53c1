// kernel32 pieces: the module handle, the counter, the current directory, message boxes and
// program resources embedded by rw_embed_resources (see tests/CMakeLists.txt): the files
// data/win32/greeting.bin and the empty data/win32/empty.bin, as type "WAVE".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

TEST(ModuleTest, OnlyTheProgramItselfHasAHandle) {
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr));
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr);
}

TEST(PerformanceCounterTest, CountsForwardAtItsFrequency) {
    LARGE_INTEGER frequency{};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    EXPECT_GT(frequency.QuadPart, 0);
    LARGE_INTEGER before{};
    LARGE_INTEGER after{};
    ASSERT_TRUE(QueryPerformanceCounter(&before));
    Sleep(20);
    ASSERT_TRUE(QueryPerformanceCounter(&after));
    // At least the 20 ms slept (the counter never runs slow).
    EXPECT_GE((after.QuadPart - before.QuadPart) * 1000, 20 * frequency.QuadPart);
}

TEST(CurrentDirectoryTest, ReturnsTheLengthOrTheSizeNeeded) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                            ("rw_cwd_" + std::to_string(getpid()) + "_0123456789");
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);
    const std::string path = directory.string();
    const DWORD length = static_cast<DWORD>(path.size());

    char buffer[MAX_PATH * 4];
    // Exactly large enough (the path and its terminator) or larger: the path's length.
    for (DWORD size : {DWORD(sizeof(buffer)), length + 1}) {
        std::memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(GetCurrentDirectoryA(size, buffer), length);
        EXPECT_EQ(std::string(buffer), path);
    }

    // One too small, or none at all: the size needed, terminator included, and nothing written.
    for (DWORD size : {length, 1u, 0u}) {
        std::memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(GetCurrentDirectoryA(size, buffer), length + 1) << size;
        EXPECT_EQ(buffer[0], 'x') << size;
    }
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), length + 1);
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);
}

TEST(MessageBoxTest, WritesTheCaptionAndTextToStandardErrorAndAnswersOk) {
    // No dialog: nobody would close it under a test runner.
    setenv("RW_NO_DIALOGS", "1", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Could not create the device", "Error", MB_OK), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Could not create the device\n");
}

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

// Another name, type or module finds nothing; a handle that is no resource loads nothing.
TEST(ResourcesTest, WhatIsNotEmbeddedIsNotFound) {
    static char otherModule;
    EXPECT_EQ(FindResourceA(nullptr, "greetin", "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "greeting", "WAV"), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(1), "WAVE"), nullptr);
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&otherModule), "greeting", "WAVE"), nullptr);
    HRSRC bogus = reinterpret_cast<HRSRC>(&otherModule);
    EXPECT_EQ(LoadResource(nullptr, bogus), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, bogus), 0u);
}

} // namespace
