// A folder of this test process's own (test processes run side by side), removed at exit.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace sound_test {

inline std::filesystem::path TestFolder() {
    // Kept on the heap so that it outlives the static destructors that run before atexit's.
    static const std::filesystem::path* folder = [] {
        auto* path = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                               ("rw_sound_" + std::to_string(getpid())));
        std::filesystem::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(TestFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

// The path of a file in the test folder, as a string ending the way the name does.
inline std::string TestPath(const std::string& name) {
    return (TestFolder() / name).string();
}

} // namespace sound_test
