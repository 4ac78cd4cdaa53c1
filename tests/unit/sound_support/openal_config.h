// Points OpenAL Soft at a configuration of the test's own, before the library first starts
// (it reads its configuration once per process). Used from a static initialiser.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "test_folder.h"

namespace openal_test {

// The file the wave backend writes everything played to (int16 stereo at 44.1 kHz).
inline std::filesystem::path CaptureFile() {
    return sound_test::TestFolder() / "capture.wav";
}

inline bool UseConfig(const std::string& text) {
    auto path = sound_test::TestFolder() / "alsoft.conf";
    std::ofstream(path) << text;
    setenv("ALSOFT_CONF", path.c_str(), 1);
    unsetenv("ALSOFT_DRIVERS");
    return true;
}

inline bool UseWaveCapture() {
    return UseConfig("[general]\ndrivers=wave\nsample-type=int16\nfrequency=44100\n"
                     "channels=stereo\n[wave]\nfile=" +
                     CaptureFile().string() + "\n");
}

inline bool UseNoDevice() {
    return UseConfig("[general]\ndrivers=no-such-driver\n");
}

} // namespace openal_test
