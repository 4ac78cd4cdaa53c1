// Helpers of the sound tests: polling with a deadline, and a buffer's play cursor and bytes.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <dsound.h>

#include "../sound_support/riff_builder.h"

namespace sound_test {

// Polls until the condition holds or the time is up; returns whether it held.
inline bool WaitFor(const std::function<bool()>& condition,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    bool held = condition();
    for (; !held && std::chrono::steady_clock::now() < deadline; held = condition()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return held;
}

inline DWORD PlayPosition(LPDIRECTSOUNDBUFFER buffer) {
    DWORD play = 0;
    EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
    return play;
}

inline std::string Contents(LPDIRECTSOUNDBUFFER buffer) {
    void* part = nullptr;
    DWORD size = 0;
    EXPECT_EQ(buffer->Lock(0, 0, &part, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    std::string bytes(static_cast<char*>(part), size);
    buffer->Unlock(part, size, nullptr, 0);
    return bytes;
}

} // namespace sound_test
