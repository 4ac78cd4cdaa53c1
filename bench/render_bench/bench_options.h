// The benchmark's command line: MODE [SECONDS [WARMUP]].
#pragma once

#include <optional>
#include <string>

namespace bench {

struct Options {
    std::string mode;
    double seconds = 5.0; // timed
    double warmup = 1.0;  // drawn first, not timed
};

constexpr const char* kUsage = "usage: render_bench device|clear|gl [SECONDS [WARMUP_SECONDS]]\n"
                               "  SECONDS 0.1 to 600 (default 5), WARMUP 0 to 60 (default 1)";

// The options from the program's command line, or nothing when it is malformed: a missing
// mode, a time that is not a number in range, or extra words. The mode itself is checked by
// whoever runs it.
std::optional<Options> ParseOptions(const std::string& commandLine);

} // namespace bench
