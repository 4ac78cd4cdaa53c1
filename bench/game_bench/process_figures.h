// What the benchmark asks of the operating system itself, the same on both builds: the wall
// clock and the process's peak memory.
#pragma once

#include <optional>

namespace game_bench {

// Seconds since 1970 from the system's wall clock, to the microsecond or better, so that a
// time taken by the script before the launch can be compared with it.
double WallSeconds();

// The most memory the process has held resident so far, in megabytes (MiB): VmHWM on Linux,
// the peak working set on Windows. Nothing when the system does not say.
std::optional<double> PeakMemoryMegabytes();

} // namespace game_bench
