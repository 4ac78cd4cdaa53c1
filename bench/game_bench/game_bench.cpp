// Frames per second of the game in play on the largest level of the content in the working
// directory ("game"), or of a frame that only clears and presents on the same device set-up
// ("bare"), after starting exactly as railwright-windowed starts. Also prints the start-up
// time up to the first presented frame and the peak memory; scripts/run-game-bench runs
// both builds and compares them.
#include "bench_figures.h"
#include "bench_options.h"
#include "frame_loop.h"
#include "process_figures.h"

#include "catalog/catalog.h"
#include "render/device_setup.h"
#include "shell/frame_clock.h"
#include "shell/game_state.h"
#include "shell/load_level.h"
#include "shell/main_loop.h"
#include "shell/game_window.h"
#include "world/level.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

// Taken by the first static initialiser of the program: the start when the script gave no
// launch time.
const double kProgramStart = game_bench::WallSeconds();

constexpr const char* kUsage =
    "usage: game_bench game|bare [SECONDS [WARMUP_SECONDS]]\n"
    "  SECONDS 0.1 to 600 (default 5), WARMUP 0 to 60 (default 1); run in a content folder.\n"
    "  RW_BENCH_LAUNCH=$(date +%s.%N) set just before the launch times start-up from there.";

LONGLONG Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::string LevelPath(int index) {
    return "levels\\" + g_pCatalog->GetLevelFile(index);
}

// Reads every level of the list to find the largest board.
int LargestLevelIndex() {
    std::vector<game_bench::LevelSize> sizes;
    for (int i = 0; i < g_pCatalog->GetLevelCount(); ++i) {
        const CLevel level(g_pDevice, g_pCatalog, LevelPath(i));
        sizes.push_back({level.height, level.width, level.objects.size()});
    }
    return game_bench::LargestLevel(sizes).value_or(0);
}

// From the launch when the script gave its time, so that the loader's and Wine's own start
// count too; the part from the program's first initialiser follows for comparison.
void PrintStartup() {
    const double now = game_bench::WallSeconds();
    if (const auto launch = game_bench::ParseLaunchTime(std::getenv("RW_BENCH_LAUNCH"))) {
        std::printf("startup = %.3f s from launch, %.3f s from program start\n", now - *launch,
                    now - kProgramStart);
    } else {
        std::printf("startup = %.3f s from program start\n", now - kProgramStart);
    }
}

void PrintPeakMemory() {
    if (const auto megabytes = game_bench::PeakMemoryMegabytes()) {
        std::printf("peak memory = %.1f MB\n", *megabytes);
    } else {
        std::printf("peak memory unknown\n");
    }
}

// The timed frames of the chosen mode. A level that ends during the run ends it too: its
// frames would no longer be frames in play.
bool RunMode(const bench::Options& options) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    FrameClock clock(frequency.QuadPart, Counter());
    const std::function<bool()> game = [&clock] {
        if (!bench::PumpMessages()) {
            return false;
        }
        const float dt = clock.Tick(Counter());
        if (!RunFrame(dt, clock.Fps()) || !InPlay()) {
            std::fprintf(stderr, "game_bench: the game left play during the run\n");
            return false;
        }
        return true;
    };
    const std::function<bool()> bare = [] {
        return bench::PumpMessages() &&
               SUCCEEDED(g_pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER,
                                          0xFFFFFFFF, 1.0f, 0)) &&
               SUCCEEDED(g_pDevice->Present(nullptr, nullptr, nullptr, nullptr));
    };
    // Entering play as the space key on the title screen does: the level afresh (its camera
    // replaces the title pose), then no screen.
    LoadLevel(g_nLevel);
    g_bShowMenu = false;
    return bench::RunFrames(options, options.mode == "game" ? game : bare);
}

// Start-up as the game's WinMain does it, with the largest level instead of level 0, up to
// the first frame (the title screen) presented; then the timed run.
bool RunBenchmark(const bench::Options& options, HWND window) {
    if (InitD3D(window) < 0) {
        std::fprintf(stderr, "game_bench: device set-up failed\n");
        return false;
    }
    g_pCatalog = new CCatalog(g_pDevice, g_pSoundManager);
    g_nLevel = LargestLevelIndex();
    bool done = false;
    if (LoadLevel(g_nLevel) != 0) {
        std::fprintf(stderr, "game_bench: no levels in this folder's levels.txt\n");
    } else {
        ShowWindow(window, SW_SHOWDEFAULT);
        UpdateWindow(window);
        if (bench::PumpMessages() && RunFrame(0.0f, 0)) {
            PrintStartup();
            std::printf("level = %s (%d x %d, %lu objects)\n",
                        g_pCatalog->GetLevelFile(g_nLevel).c_str(), g_pLevel->height,
                        g_pLevel->width, static_cast<unsigned long>(g_pLevel->objects.size()));
            std::fflush(stdout);
            done = RunMode(options);
            PrintPeakMemory();
        }
    }
    ReleaseGameObjects();
    Cleanup();
    return done;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const auto options = bench::ParseOptions(commandLine ? commandLine : "");
    if (!options || (options->mode != "game" && options->mode != "bare")) {
        std::fprintf(stderr, "%s\n", kUsage);
        return 2;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND window = CreateGameWindow(instance);
    D3DXMatrixIdentity(&g_matWorld);
    const bool done = RunBenchmark(*options, window);
    std::fflush(stdout);
    UnregisterClassA(kGameWindowClass, instance);
    return done ? 0 : 1;
}
