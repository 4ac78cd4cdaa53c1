// Modes only one build has: on Linux, "gl" draws the benchmark's frame with plain OpenGL.
#pragma once

#include "bench_options.h"

namespace bench {

enum class ModeResult { kDone, kFailed, kUnknown };

ModeResult RunExtraMode(const Options& options);

} // namespace bench
