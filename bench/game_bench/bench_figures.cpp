#include "bench_figures.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace game_bench {
namespace {

long long Tiles(const LevelSize& level) {
    if (level.height <= 0 || level.width <= 0) {
        return 0;
    }
    return static_cast<long long>(level.height) * level.width;
}

} // namespace

std::optional<int> LargestLevel(const std::vector<LevelSize>& levels) {
    std::optional<int> largest;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (!largest) {
            largest = static_cast<int>(i);
            continue;
        }
        const LevelSize& best = levels[static_cast<std::size_t>(*largest)];
        const LevelSize& level = levels[i];
        if (Tiles(level) > Tiles(best) ||
            (Tiles(level) == Tiles(best) && level.objects > best.objects)) {
            largest = static_cast<int>(i);
        }
    }
    return largest;
}

std::optional<double> ParseLaunchTime(const char* text) {
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    char* end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(seconds) || seconds <= 0.0) {
        return std::nullopt;
    }
    return seconds;
}

std::optional<double> PeakMegabytesFromStatus(const std::string& status) {
    std::istringstream lines(status);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("VmHWM:", 0) != 0) {
            continue;
        }
        std::istringstream fields(line.substr(6));
        double kilobytes = 0.0;
        std::string unit;
        if (!(fields >> kilobytes >> unit) || unit != "kB" || !(kilobytes >= 0.0)) {
            return std::nullopt;
        }
        return kilobytes / 1024.0;
    }
    return std::nullopt;
}

} // namespace game_bench
