// One frame: which of the two drawings runs, when the world moves, the frame rate, and the
// level loading the keys lead to.
#include "shell/frame_clock.h"
#include "shell/main_loop.h"

#include "shell_fixture.h"

#include "../sound/sound_test_util.h"
#include "sound/sound.h"

#include <filesystem>
#include <vector>

namespace {

using shell_test::ShellTest;

class FrameTest : public ShellTest {
protected:
    static std::vector<DWORD> ClearColours() {
        std::vector<DWORD> colours;
        for (const auto& call : d3d9rec::CallsNamed("Clear")) {
            colours.push_back(call.args[3].UInt());
        }
        return colours;
    }
};

TEST_F(FrameTest, TheStateDecidesWhatIsDrawnAndWhetherTheWorldMoves) {
    struct Case {
        bool* flag;
        DWORD clear; // white: the scene; black: a screen
        bool updates;
    };
    const Case cases[] = {
        {nullptr, 0xFFFFFFFF, true},
        {&g_bPaused, 0xFFFFFFFF, false},
        {&g_bShowMenu, 0xFF000000, false},
        {&g_bShowIntroduction, 0xFF000000, false},
        {&g_pLevel->complete, 0xFF000000, false},
        {&g_pLevel->gameOver, 0xFF000000, false},
    };
    for (const Case& c : cases) {
        if (c.flag != nullptr) {
            *c.flag = true;
        }
        d3d9rec::ClearLog();
        const float before = g_pLevel->stepTimer;
        EXPECT_TRUE(RunFrame(0.25f, 60));
        EXPECT_EQ(ClearColours(), std::vector<DWORD>{c.clear});
        EXPECT_EQ(d3d9rec::CallsNamed("Present").size(), 1u);
        EXPECT_EQ(g_pLevel->stepTimer - before, c.updates ? 0.25f : 0.0f);
        if (c.flag != nullptr) {
            *c.flag = false;
        }
    }
}

TEST_F(FrameTest, AFrameOfPlayDrawsInTheGamesOrder) {
    g_bShowClickVector = true;
    RunFrame(0.01f, 60);
    const std::vector<std::string> expected = {"Clear",          "SetRenderState", "SetRenderState",
                                               "SetRenderState", "SetRenderState", "SetRenderState",
                                               "SetTransform",   "SetTransform",   "BeginScene",
                                               "SetLight",       "LightEnable"};
    std::vector<std::string> calls = d3d9rec::MethodNames();
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + expected.size()), expected);
    EXPECT_EQ(calls[calls.size() - 2], "EndScene");
    EXPECT_EQ(calls.back(), "Present");
    // The grid is drawn lifted 0.1 above the ground as one line list of 20 lines.
    bool gridDrawn = false;
    for (const auto& draw : d3d9rec::CallsNamed("DrawPrimitive")) {
        if (draw.args[0].Int() == D3DPT_LINELIST && draw.args[2].Int() == 20) {
            gridDrawn = true;
            EXPECT_EQ(draw.drawn->world._43, 0.1f);
        }
    }
    EXPECT_TRUE(gridDrawn);
}

TEST_F(FrameTest, AFailedClearAbandonsTheFrameAndAFailedPresentIsReported) {
    d3d9rec::FailNextCalls("Clear", D3DERR_INVALIDCALL);
    ::testing::internal::CaptureStderr();
    RunFrame(0.01f, 60);
    RunFrame(0.01f, 60);
    d3d9rec::FailNextCalls("Present", D3DERR_DEVICELOST);
    RunFrame(0.01f, 60);
    const std::string shown = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, "Error: Error calling Clear: Invalid call.\n"
                     "Error: Error calling Present: Device was lost.\n");
    EXPECT_EQ(d3d9rec::CallsNamed("BeginScene").size(), 2u) << "the failed frame began nothing";
}

TEST_F(FrameTest, MusicRestartsWhenItEndsAndStartsFromItsBeginningWhenSwitchedOn) {
    // A fifth of a second of "blues" on OpenAL's null device, which plays in real time.
    std::filesystem::create_directories(root_ / "base" / "sounds");
    Write("styles.txt", "0 base\n");
    Write("base/sounds.txt", "blues blues.wav\n");
    riff::WriteFile((root_ / "base" / "sounds" / "blues.wav").string(),
                    riff::Wave(riff::PcmFormat(1, 44100, 16), std::string(17640, '\0')));
    ASSERT_TRUE(g_pSoundManager->IsReady());
    g_pCatalog->LoadStyles();
    g_pCatalog->LoadSounds(0);
    CSound* blues = g_pCatalog->GetSound("blues");
    ASSERT_NE(blues, nullptr);
    const auto position = [blues] { return sound_test::PlayPosition(blues->GetFreeBuffer()); };
    using sound_test::WaitFor;

    RunFrame(0.01f, 60);
    EXPECT_TRUE(g_pSoundManager->IsPlaying(blues));
    ASSERT_TRUE(WaitFor([&] { return position() > 0; }));

    // Switched off: stopped in the next frame and rewound.
    g_bMusicOff = true;
    RunFrame(0.01f, 60);
    EXPECT_FALSE(g_pSoundManager->IsPlaying(blues));
    EXPECT_EQ(position(), 0u);
    RunFrame(0.01f, 60);
    EXPECT_FALSE(g_pSoundManager->IsPlaying(blues)) << "stays off";

    // Switched on: plays again from its start; when it ends, the next frame starts it again.
    g_bMusicOff = false;
    RunFrame(0.01f, 60);
    EXPECT_TRUE(g_pSoundManager->IsPlaying(blues));
    ASSERT_TRUE(WaitFor([&] { return !g_pSoundManager->IsPlaying(blues); }));
    RunFrame(0.01f, 60);
    EXPECT_TRUE(g_pSoundManager->IsPlaying(blues));
}

TEST(FrameClock, RateIsFramesOverWholeSecondsRefreshedAboutOnceASecond) {
    FrameClock clock(1000, 0);
    EXPECT_EQ(clock.Tick(250), 0.25f);
    EXPECT_EQ(clock.Fps(), 0) << "nothing before the first whole second";
    clock.Tick(500);
    clock.Tick(999);
    EXPECT_EQ(clock.Fps(), 0);
    EXPECT_EQ(clock.Tick(1000), 0.001f);
    EXPECT_EQ(clock.Fps(), 4) << "four frames in the first second";
    clock.Tick(1500);
    EXPECT_EQ(clock.Fps(), 4) << "kept until the next whole second";
    EXPECT_EQ(clock.Tick(3600), 2.1f);
    EXPECT_EQ(clock.Fps(), 1) << "two frames over two whole seconds";
}

TEST_F(FrameTest, LoadingLevelsWrapsKeepsTheCameraWithoutOneAndReleasesTheOld) {
    const std::size_t live = d3d9rec::LiveObjects();
    for (int n = 0; n < 20; ++n) {
        ASSERT_EQ(LoadLevel(n % 3), 0);
    }
    EXPECT_EQ(d3d9rec::LiveObjects(), live) << "the replaced grids are released";
    g_nLevel = 1;
    EXPECT_EQ(LoadLevel(2), 0);
    EXPECT_EQ(g_nLevel, 0) << "past the last level: level 0";
    EXPECT_EQ(LoadLevel(-1), 0);
    EXPECT_EQ(g_pLevel->width, 10);

    // A level file that stops before its camera keeps the live camera.
    Write("levels/first.txt", "style base\nheight 4\nwidth 4\n");
    g_camera.position = D3DXVECTOR3(7.0f, 8.0f, 9.0f);
    ASSERT_EQ(LoadLevel(0), 0);
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(7.0f, 8.0f, 9.0f));
    EXPECT_EQ(g_pLevel->width, 4);

    g_bullets.resize(3);
    LoadLevel(1);
    EXPECT_TRUE(g_bullets.empty());
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(20.0f, 15.0f, 100.0f)) << "the level's own pose";
}

TEST_F(FrameTest, NoCatalogOrNoLevelsLoadsNothing) {
    CLevel* level = g_pLevel;
    CCatalog* catalog = g_pCatalog;
    g_pCatalog = nullptr;
    EXPECT_EQ(LoadLevel(0), 1);
    g_pCatalog = catalog;
    g_pCatalog->m_levels.clear();
    EXPECT_EQ(LoadLevel(0), 1);
    EXPECT_EQ(g_pLevel, level);
}

} // namespace
