// Shared helpers of the sound tests: polling with a deadline, WAV files on disk, and a
// buffer's play cursor and bytes.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include <dsound.h>

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

// The play cursor of a buffer.
inline DWORD PlayPosition(LPDIRECTSOUNDBUFFER buffer) {
    DWORD play = 0;
    EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
    return play;
}

// The bytes a buffer holds, read through a lock of the whole buffer.
inline std::string Contents(LPDIRECTSOUNDBUFFER buffer) {
    void* part = nullptr;
    DWORD size = 0;
    EXPECT_EQ(buffer->Lock(0, 0, &part, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    std::string bytes(static_cast<char*>(part), size);
    buffer->Unlock(part, size, nullptr, 0);
    return bytes;
}

} // namespace sound_test
