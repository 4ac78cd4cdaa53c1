// OpenDataFile and OpenDataStream open the game's backslash-joined paths on this platform.
#include "data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(FILE* file) {
    std::string text(64, '\0');
    text.resize(file ? std::fread(text.data(), 1, 64, file) : 0);
    return file && std::fclose(file) == 0 ? text : "(not opened)";
}

// Backslash paths, relative, absolute (as sound paths, from the current directory) and plain,
// open files and streams; writing replaces; what cannot be opened gives null or a failure.
TEST(DataFileTest, OpensBackslashPathsReplacesOnWritingAndFailsCleanly) {
    const fs::path previous = fs::current_path();
    const fs::path root = fs::temp_directory_path() / ("rw_data_" + std::to_string(getpid()));
    fs::create_directories(root / "levels");
    fs::current_path(root);
    std::ofstream("levels/first.txt") << "level one\n";
    for (const std::string& path : std::initializer_list<std::string>{
             "levels\\first.txt", root.string() + "\\levels\\first.txt", "levels/first.txt"}) {
        EXPECT_EQ(ReadAll(OpenDataFile(path.c_str(), "rb")), "level one\n") << path;
        std::ifstream in;
        OpenDataStream(in, path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "level one\n") << path;
    }
    FILE* out = OpenDataFile("levels\\camera.txt", "w");
    ASSERT_NE(out, nullptr);
    std::fputs("first version, longer\n", out);
    std::fclose(out);
    std::ofstream stream;
    OpenDataStream(stream, "levels\\camera.txt");
    stream << "second\n" << std::flush;
    EXPECT_EQ(ReadAll(OpenDataFile("levels\\camera.txt", "r")), "second\n");

    EXPECT_EQ(OpenDataFile("levels\\missing.txt", "r"), nullptr);
    EXPECT_EQ(OpenDataFile("nowhere\\camera.txt", "w"), nullptr);
    EXPECT_EQ(OpenDataFile("levels", "r+"), nullptr) << "a directory";
    EXPECT_EQ(OpenDataFile(nullptr, "r"), nullptr);
    EXPECT_EQ(OpenDataFile("levels\\first.txt", nullptr), nullptr);
    std::ifstream missing;
    OpenDataStream(missing, "levels\\missing.txt");
    std::ofstream nowhere;
    OpenDataStream(nowhere, "nowhere\\camera.txt");
    EXPECT_TRUE(missing.fail() && nowhere.fail());
    fs::current_path(previous);
    fs::remove_all(root);
}

} // namespace
