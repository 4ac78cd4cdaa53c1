// Shared helpers of the sound tests: polling with a deadline, and WAV files on disk.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "../sound_support/riff_builder.h"
#include "../sound_support/test_folder.h"

namespace sound_test {

// Polls until the condition holds or the time is up; returns whether it held.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Writes the bytes to a file of that name in the test folder and returns its path.
inline std::string WriteTestFile(const std::string& name, const std::string& bytes) {
    std::string path = TestPath(name);
    riff::WriteFile(path, bytes);
    return path;
}

} // namespace sound_test
