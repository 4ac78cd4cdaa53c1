#include "process_figures.h"

#include "bench_figures.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <fstream>
#include <sstream>
#include <time.h>
#endif

namespace game_bench {

#ifdef _WIN32

double WallSeconds() {
    // FILETIME counts 100 ns steps since 1601; 11644473600 s lie between 1601 and 1970.
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    ULARGE_INTEGER steps;
    steps.LowPart = now.dwLowDateTime;
    steps.HighPart = now.dwHighDateTime;
    return static_cast<double>(steps.QuadPart) / 1e7 - 11644473600.0;
}

std::optional<double> PeakMemoryMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        return std::nullopt;
    }
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

#else

double WallSeconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::optional<double> PeakMemoryMegabytes() {
    std::ifstream file("/proc/self/status");
    std::ostringstream text;
    text << file.rdbuf();
    return PeakMegabytesFromStatus(text.str());
}

#endif

} // namespace game_bench
