// Shared by the shell tests: a working directory with two small levels, a recording device,
// the catalog and a silent sound player in the game-state globals, and a scripted keyboard.
#pragma once

#include "catalog/catalog.h"
#include "shell/game_state.h"
#include "shell/load_level.h"
#include "shell/main_loop.h"
#include "sound/sound_player.h"
#include "world/level.h"

#include "../d3d9/recording_fixture.h"
#include <key_state.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace shell_test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        std::filesystem::create_directories(root_ / "levels");
        Write("levels.txt", "first.txt\nsecond.txt\n");
        // Level 0: the train on (2, 6) heading north on a 10 x 8 board, the camera high above;
        // level 1: a 4 x 3 board seen straight down.
        Write("levels/first.txt", "style base height 8 width 10 camera_data 50 -40 60 0 0.6 0.8 "
                                  "0 0.8 -0.6 -1 0 0 objects 3 2 5 rails 1 90 2 4 rails 1 90 "
                                  "2 3 railscorner 1 270 start 2 6 n finish 6 3 e speed 2.5");
        Write("levels/second.txt", "style base height 3 width 4 camera_data 20 15 100 0 1 0 0 0 "
                                   "-1 1 0 0 objects 0 start 0 0 e finish 3 0 e speed 5");
        std::filesystem::current_path(root_);

        d3d9rec::Reset();
        g_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = d3d9rec::testing::WindowedParameters();
        params.AutoDepthStencilFormat = D3DFMT_D24S8; // frames clear the stencil too
        ASSERT_EQ(d3d9rec::testing::CreateDeviceOn(g_pD3D, params, &g_pDevice), D3D_OK);
        D3DXMatrixIdentity(&g_matWorld);
        g_pSoundManager = new CSoundPlayer(nullptr);
        g_pCatalog = new CCatalog(g_pDevice, g_pSoundManager);
        g_nLevel = 0;
        ASSERT_EQ(LoadLevel(0), 0);
        g_bShowMenu = g_bShowIntroduction = g_bPaused = g_bMusicOff = g_bShowClickVector = false;
        g_bShowGrid = true;
        g_bKeyMDown = g_bKeyEscDown = g_bKeyGDown = g_bKeyVDown = false;
        g_bKeyPauseDown = g_bKeyEndDown = false;
        d3d9rec::ClearLog();
    }

    void TearDown() override {
        for (int key = 1; key < 256; ++key) {
            win32::RecordKeyEvent(key, false);
            GetAsyncKeyState(key); // and forget presses no frame polled
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

    const std::filesystem::path previous_ = std::filesystem::current_path();
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() /
        ("rw_shell_" + std::to_string(getpid()) + "_" + std::to_string(++runs_));
    static inline int runs_ = 0;
};

} // namespace shell_test
