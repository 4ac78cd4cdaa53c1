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

TEST_F(DataFileTest, BackslashesSeparateTheParts) {
    FILE* relative = OpenDataFile("levels\\first.txt", "r");
    ASSERT_NE(relative, nullptr);
    EXPECT_EQ(ReadAll(relative), "level one\n");

    // The sound paths start with the current directory, itself with forward slashes.
    const std::string absolute = root_.string() + "\\levels\\first.txt";
    FILE* full = OpenDataFile(absolute.c_str(), "rb");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(ReadAll(full), "level one\n");

    FILE* plain = OpenDataFile("levels/first.txt", "r");
    ASSERT_NE(plain, nullptr);
    std::fclose(plain);
}

TEST_F(DataFileTest, WritingReplacesTheOldContent) {
    for (const char* text : {"first version, longer\n", "second\n"}) {
        FILE* out = OpenDataFile("camera.txt", "w");
        ASSERT_NE(out, nullptr);
        std::fputs(text, out);
        std::fclose(out);
    }
    EXPECT_EQ(ReadAll(OpenDataFile("camera.txt", "r")), "second\n");
}

TEST_F(DataFileTest, StreamsOpenTheSamePaths) {
    std::ifstream in;
    OpenDataStream(in, "levels\\first.txt");
    std::string first, second;
    in >> first >> second;
    EXPECT_EQ(first + " " + second, "level one");

    for (const char* text : {"first version, longer\n", "second\n"}) {
        std::ofstream out;
        OpenDataStream(out, "camera.txt");
        ASSERT_TRUE(out.is_open());
        out << text;
    }
    EXPECT_EQ(ReadAll(OpenDataFile("camera.txt", "r")), "second\n");

    std::ifstream missing;
    OpenDataStream(missing, "levels\\missing.txt");
    EXPECT_FALSE(missing.is_open());
    EXPECT_TRUE(missing.fail());
    std::ofstream nowhere;
    OpenDataStream(nowhere, "nowhere\\camera.txt");
    EXPECT_TRUE(nowhere.fail());
}

TEST_F(DataFileTest, WhatCannotBeOpenedGivesNull) {
    EXPECT_EQ(OpenDataFile("levels\\missing.txt", "r"), nullptr);
    EXPECT_EQ(OpenDataFile("nowhere\\camera.txt", "w"), nullptr);
    EXPECT_EQ(OpenDataFile("levels", "r+"), nullptr) << "a directory";
    EXPECT_EQ(OpenDataFile(nullptr, "r"), nullptr);
    EXPECT_EQ(OpenDataFile("levels\\first.txt", nullptr), nullptr);
    EXPECT_EQ(OpenDataFile("", "r"), nullptr);
}

} // namespace
