#include "frame_loop.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

bool RunFrames(const Options& options, const std::function<bool()>& frame) {
    for (auto start = Clock::now(); SecondsSince(start) < options.warmup;) {
        if (!frame()) {
            return false;
        }
    }
    long frames = 0;
    auto start = Clock::now();
    double elapsed = 0.0;
    while (elapsed < options.seconds) {
        if (!frame()) {
            return false;
        }
        ++frames;
        elapsed = SecondsSince(start);
    }
    std::printf("%s: %ld frames in %.2f s = %.1f fps\n", options.mode.c_str(), frames, elapsed,
                double(frames) / elapsed);
    std::fflush(stdout);
    return true;
}

bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

} // namespace bench
