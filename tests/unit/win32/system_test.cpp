// kernel32 pieces: the module handle, the counter, the current directory and message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
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
    EXPECT_FALSE(QueryPerformanceCounter(nullptr));
    EXPECT_FALSE(QueryPerformanceFrequency(nullptr));
}

// Runs the test inside a fresh directory and goes back afterwards.
class CurrentDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        directory_ = std::filesystem::temp_directory_path() /
                     ("rw_cwd_" + std::to_string(getpid()) + "_0123456789");
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }

    std::filesystem::path previous_;
    std::filesystem::path directory_;
};

TEST_F(CurrentDirectoryTest, ReturnsTheLengthOrTheSizeNeeded) {
    const std::string path = directory_.string();
    const DWORD length = static_cast<DWORD>(path.size());

    char buffer[MAX_PATH * 4];
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(GetCurrentDirectoryA(sizeof(buffer), buffer), length);
    EXPECT_EQ(std::string(buffer), path);

    // Exactly large enough: the path and its terminator.
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(GetCurrentDirectoryA(length + 1, buffer), length);
    EXPECT_EQ(std::string(buffer), path);

    // One too small, or none at all: the size needed, terminator included, and nothing written.
    for (DWORD size : {length, 1u, 0u}) {
        std::memset(buffer, 'x', sizeof(buffer));
        EXPECT_EQ(GetCurrentDirectoryA(size, buffer), length + 1) << size;
        EXPECT_EQ(buffer[0], 'x') << size;
    }
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), length + 1);
}

TEST(MessageBoxTest, WritesTheCaptionAndTextToStandardErrorAndAnswersOk) {
    // No dialog: nobody would close it under a test runner.
    setenv("RW_NO_DIALOGS", "1", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Could not create the device", "Error", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_ICONERROR), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Could not create the device\nError: \n");
}

} // namespace
