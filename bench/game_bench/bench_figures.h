// The benchmark's pure parts: which level is the largest, the launch time handed over by the
// script, and the peak memory line of a Linux process status.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace game_bench {

// A level's board and what stands on it, as read from its file.
struct LevelSize {
    int height = 0;
    int width = 0;
    std::size_t objects = 0;
};

// The index of the level with the most tiles; more objects decide between equal boards, and
// the first of equals wins. A negative side counts as no tiles. Nothing for an empty list.
std::optional<int> LargestLevel(const std::vector<LevelSize>& levels);

// The launch time in seconds since 1970 as the script writes it (`date +%s.%N`): nothing
// unless the whole text is one finite, positive number.
std::optional<double> ParseLaunchTime(const char* text);

// The peak resident size in megabytes (MiB) from the text of /proc/self/status (its "VmHWM:"
// line, in kB); nothing when the line is missing or unreadable.
std::optional<double> PeakMegabytesFromStatus(const std::string& status);

} // namespace game_bench
