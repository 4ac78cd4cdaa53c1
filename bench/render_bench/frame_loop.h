// Runs a frame function for the warm-up time, then for the timed seconds, and prints
// "MODE: N frames in T s = F fps".
#pragma once

#include "bench_options.h"

#include <functional>

namespace bench {

// `frame` draws and presents one frame; it returns false when drawing failed or the window
// went away, which ends the run. Returns whether every frame succeeded.
bool RunFrames(const Options& options, const std::function<bool()>& frame);

// Handles every queued window message; false once WM_QUIT arrives (the window was closed).
bool PumpMessages();

} // namespace bench
