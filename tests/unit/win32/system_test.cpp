// kernel32 pieces: module, counter, current directory, and the resources tests/CMakeLists.txt
// embeds: data/win32/greeting.bin and the empty data/win32/empty.bin, as type "WAVE".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(SystemTest, ModuleAndCounter) {
    EXPECT_EQ(GetModuleHandleA("user32.dll"), nullptr) << "only the program itself";
    LARGE_INTEGER frequency{}, before{}, after{};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency) && QueryPerformanceCounter(&before));
    Sleep(20);
    ASSERT_TRUE(QueryPerformanceCounter(&after));
    EXPECT_GE((after.QuadPart - before.QuadPart) * 1000, 20 * frequency.QuadPart) << "never slow";
}

// The length when the path and its terminator fit; else the size needed, nothing written.
TEST(SystemTest, CurrentDirectoryGivesTheLengthOrTheSizeNeeded) {
    const std::string path = std::filesystem::current_path().string();
    const DWORD length = DWORD(path.size());
    char buffer[MAX_PATH * 4];
    for (DWORD size : {DWORD(sizeof buffer), length + 1, length, 1u, 0u}) {
        std::memset(buffer, 'x', sizeof buffer);
        const bool fits = size > length;
        EXPECT_EQ(GetCurrentDirectoryA(size, buffer), fits ? length : length + 1) << size;
        EXPECT_EQ(std::string(buffer, fits ? length + 1 : 1), fits ? path + '\0' : "x") << size;
    }
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), length + 1);
}

// Found without case, with the exact bytes (none for the empty file); nothing else is found.
TEST(SystemTest, ResourcesAreTheEmbeddedFiles) {
    std::ifstream file(RW_TEST_DATA_DIR "/win32/greeting.bin", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(file), {}};
    HRSRC resource = FindResourceA(GetModuleHandleA(nullptr), "GREETING", "wave");
    ASSERT_TRUE(expected.size() > 20 && resource == FindResourceA(nullptr, "greeting", "WAVE"));
    ASSERT_EQ(SizeofResource(nullptr, resource), expected.size());
    EXPECT_EQ(std::memcmp(LockResource(LoadResource(nullptr, resource)), expected.data(),
                          expected.size()),
              0);
    HRSRC empty = FindResourceA(nullptr, "empty", "WAVE");
    EXPECT_TRUE(empty && SizeofResource(nullptr, empty) == 0 && LoadResource(nullptr, empty));
    static char other;
    EXPECT_EQ(FindResourceA(nullptr, "greeting", "WAV"), nullptr);
    EXPECT_EQ(FindResourceA(HMODULE(&other), "greeting", "WAVE"), nullptr);
    EXPECT_TRUE(LoadResource(nullptr, HRSRC(&other)) == nullptr &&
                !SizeofResource(nullptr, HRSRC(&other)));
}

} // namespace
