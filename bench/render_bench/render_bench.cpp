// Frames per second of a scene like the game's busiest: 60 lit, textured meshes, a grid of
// lines and four lines of text. Each mode draws for a fixed time with no wait for vertical
// retrace and prints its figure; scripts/run-render-bench runs them all and compares.
#include "bench_options.h"
#include "device_bench.h"
#include "extra_modes.h"

#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    auto options = bench::ParseOptions(commandLine ? commandLine : "");
    if (!options) {
        std::fprintf(stderr, "%s\n", bench::kUsage);
        return 2;
    }
    bench::ModeResult result = bench::RunDeviceMode(*options);
    if (result == bench::ModeResult::kUnknown) {
        result = bench::RunExtraMode(*options);
    }
    if (result == bench::ModeResult::kUnknown) {
        std::fprintf(stderr, "render_bench: no mode \"%s\" in this build\n%s\n",
                     options->mode.c_str(), bench::kUsage);
        return 2;
    }
    return result == bench::ModeResult::kDone ? 0 : 1;
}
