// Shared by the shell tests: a working directory with two small levels, a recording device,
// the catalog and a silent sound player in the game-state globals, and a scripted keyboard.
#pragma once

#include "catalog/catalog.h"
#include "render/grid.h"
#include "shell/game_state.h"
#include "shell/load_level.h"
#include "shell/main_loop.h"
#include "sound/sound_player.h"
#include "world/level.h"

#include <d3d9_recording.h>
#include <key_state.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace shell_test {

// Level 0: the train on (2, 6) heading north on a 10 x 8 board, with a camera high above.
inline constexpr const char* kFirstLevel = R"(style base
height 8
width 10
camera_data
50 -40 60
0 0.6 0.8
0 0.8 -0.6
-1 0 0
objects 3
2 5 rails 1 90
2 4 rails 1 90
2 3 railscorner 1 270
start 2 6 n
finish 6 3 e
speed 2.5
)";

// Level 1: a 4 x 3 board looking straight down.
inline constexpr const char* kSecondLevel = R"(style base
height 3
width 4
camera_data
20 15 100
0 1 0
0 0 -1
1 0 0
objects 0
start 0 0 e
finish 3 0 e
speed 5
)";

inline HWND GameWindow() {
    return reinterpret_cast<HWND>(std::uintptr_t{0x4321});
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        previous_ = std::filesystem::current_path();
        root_ = std::filesystem::temp_directory_path() /
                ("rw_shell_" + std::to_string(getpid()) + "_" + std::to_string(++runs_));
        std::filesystem::create_directories(root_ / "levels");
        Write("levels.txt", "first.txt\nsecond.txt\n");
        Write("levels/first.txt", kFirstLevel);
        Write("levels/second.txt", kSecondLevel);
        std::filesystem::current_path(root_);

        d3d9rec::Reset();
        g_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.EnableAutoDepthStencil = TRUE;
        params.AutoDepthStencilFormat = D3DFMT_D24S8;
        ASSERT_EQ(g_pD3D->CreateDevice(0, D3DDEVTYPE_HAL, GameWindow(),
                                       D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_pDevice),
                  D3D_OK);
        D3DXMatrixIdentity(&g_matWorld);
        g_pSoundManager = new CSoundPlayer(nullptr);
        g_pCatalog = new CCatalog(g_pDevice, g_pSoundManager);
        g_nLevel = 0;
        ASSERT_EQ(LoadLevel(0), 0);
        g_bShowMenu = false;
        g_bShowIntroduction = g_bPaused = g_bMusicOff = false;
        g_bShowGrid = true;
        g_bShowClickVector = false;
        g_bKeyMDown = g_bKeyEscDown = g_bKeyGDown = g_bKeyVDown = false;
        g_bKeyPauseDown = g_bKeyEndDown = false;
        d3d9rec::ClearLog();
    }

    void TearDown() override {
        for (int key = 1; key < 256; ++key) {
            win32::RecordKeyEvent(key, false);
        }
        ReleaseGameObjects();
        Cleanup();
        EXPECT_EQ(d3d9rec::LiveObjects(), 0u) << "everything the game made is released";
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }

    void Write(const std::string& path, const std::string& text) {
        std::ofstream(root_ / path) << text;
    }

    static void Press(int key) { win32::RecordKeyEvent(key, true); }
    static void Release(int key) { win32::RecordKeyEvent(key, false); }

    std::filesystem::path previous_;
    std::filesystem::path root_;
    static inline int runs_ = 0;
};

} // namespace shell_test
