// OpenDataFile opens the game's backslash-joined paths on this platform.
#include "data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        root_ = std::filesystem::temp_directory_path() / ("rw_data_" + std::to_string(getpid()));
        std::filesystem::create_directories(root_ / "levels");
        std::ofstream(root_ / "levels" / "first.txt") << "level one\n";
        std::filesystem::current_path(root_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

    static std::string ReadAll(FILE* file) {
        std::string text;
        char chunk[64];
        size_t read;
        while ((read = std::fread(chunk, 1, sizeof(chunk), file)) > 0) {
            text.append(chunk, read);
        }
        std::fclose(file);
        return text;
    }

    std::filesystem::path previous_;
    std::filesystem::path root_;
};

// Relative and absolute (the sound paths start with the current directory, itself with
// forward slashes) backslash paths, and plain ones, open for files and streams alike.
TEST_F(DataFileTest, BackslashesSeparateTheParts) {
    const std::string absolute = root_.string() + "\\levels\\first.txt";
    for (const std::string& path :
         {std::string("levels\\first.txt"), absolute, std::string("levels/first.txt")}) {
        FILE* file = OpenDataFile(path.c_str(), "rb");
        ASSERT_NE(file, nullptr) << path;
        EXPECT_EQ(ReadAll(file), "level one\n");
        std::ifstream in;
        OpenDataStream(in, path.c_str());
        std::string first, second;
        in >> first >> second;
        EXPECT_EQ(first + " " + second, "level one") << path;
    }
}

TEST_F(DataFileTest, WritingReplacesTheOldContent) {
    for (bool stream : {false, true}) {
        for (const char* text : {"first version, longer\n", "second\n"}) {
            if (stream) {
                std::ofstream out;
                OpenDataStream(out, "camera.txt");
                out << text;
            } else {
                FILE* out = OpenDataFile("camera.txt", "w");
                ASSERT_NE(out, nullptr);
                std::fputs(text, out);
                std::fclose(out);
            }
        }
        EXPECT_EQ(ReadAll(OpenDataFile("camera.txt", "r")), "second\n") << stream;
        std::filesystem::remove("camera.txt");
    }
}

TEST_F(DataFileTest, WhatCannotBeOpenedGivesNullOrAFailedStream) {
    EXPECT_EQ(OpenDataFile("levels\\missing.txt", "r"), nullptr);
    EXPECT_EQ(OpenDataFile("nowhere\\camera.txt", "w"), nullptr);
    EXPECT_EQ(OpenDataFile("levels", "r+"), nullptr) << "a directory";
    EXPECT_EQ(OpenDataFile(nullptr, "r"), nullptr);
    std::ifstream missing;
    OpenDataStream(missing, "levels\\missing.txt");
    EXPECT_TRUE(!missing.is_open() && missing.fail());
    std::ofstream nowhere;
    OpenDataStream(nowhere, "nowhere\\camera.txt");
    EXPECT_TRUE(nowhere.fail());
}

} // namespace
