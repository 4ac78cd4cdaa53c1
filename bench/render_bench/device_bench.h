// The modes drawn through the platform's Direct3D 9: "device" (the whole scene) and "clear"
// (only Clear and Present, the floor any frame costs).
#pragma once

#include "bench_options.h"
#include "extra_modes.h"

namespace bench {

ModeResult RunDeviceMode(const Options& options);

} // namespace bench
