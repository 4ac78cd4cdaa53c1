// One frame: which drawing runs and which picture it shows, when the world moves, failures,
// the title pose, the frame rate, and loading levels.
#include "shell/frame_clock.h"
#include "shell/screens.h"

#include "shell_fixture.h"

#include <array>
#include <bit>

namespace {

using FrameTest = shell_test::ShellTest;

// The frame's clear colour, its Present calls, whether the train gathered time, and the
// models asked of the catalog.
std::string Frame() {
    g_pCatalog->m_models.clear();
    d3d9rec::ClearLog();
    const float before = g_pLevel->stepTimer;
    EXPECT_TRUE(RunFrame(0.25f, 60));
    std::ostringstream s;
    s << std::hex << d3d9rec::CallsNamed("Clear").at(0).args[3].UInt() << ' '
      << d3d9rec::CallsNamed("Present").size() << (g_pLevel->stepTimer > before ? " moved" : "");
    for (const auto& [name, model] : g_pCatalog->m_models) {
        s << " " << name;
    }
    return s.str();
}

TEST_F(FrameTest, TheStateDecidesWhatIsDrawnAndWhetherTheWorldMoves) {
    EXPECT_EQ(Frame(), "ffffffff 1 moved floor pointer rails railscorner train");
    g_bShowMenu = g_pLevel->complete = true;
    EXPECT_EQ(Frame(), "ff000000 1 menuIntro") << "the title wins over a complete level";
    // The title's pose to the bit: almost straight down from 66.17 units above the origin.
    EXPECT_EQ(std::bit_cast<D3DXVECTOR3>(std::array{0x3ED3EA61u, 0x4036B3F2u, 0x428455EEu}),
              g_camera.position);
    // Paused, the world stands still and screens are seen from the paused camera.
    g_camera.position = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    std::tie(g_bPaused, g_bShowMenu, g_bShowIntroduction, g_pLevel->gameOver) =
        std::tuple(true, false, true, true);
    EXPECT_EQ(Frame(), "ff000000 1 menuIntroduction") << "the introduction wins over the end";
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(1.0f, 2.0f, 3.0f));
    g_bShowIntroduction = false;
    EXPECT_EQ(Frame(), "ff000000 1 menuComplete") << "complete before game over";
    g_pLevel->complete = false;
    EXPECT_EQ(Frame(), "ff000000 1 menuGameover");
    g_pLevel->gameOver = false;
    EXPECT_EQ(Frame(), "ffffffff 1 floor pointer rails railscorner train");
}

TEST_F(FrameTest, AFailedClearAbandonsTheFrameAndAFailedPresentIsReported) {
    d3d9rec::FailNextCalls("Clear", D3DERR_INVALIDCALL);
    ::testing::internal::CaptureStderr();
    RunFrame(0.01f, 60);
    d3d9rec::FailNextCalls("Present", D3DERR_DEVICELOST);
    RunFrame(0.01f, 60);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error: Error calling Clear: Invalid call.\n"
              "Error: Error calling Present: Device was lost.\n");
    EXPECT_EQ(d3d9rec::CallsNamed("BeginScene").size(), 1u) << "the failed frame began nothing";
}

TEST(FrameClock, RateIsFramesOverWholeSecondsRefreshedAboutOnceASecond) {
    FrameClock clock(1000, 0);
    EXPECT_EQ(clock.Tick(250), 0.25f);
    clock.Tick(999);
    EXPECT_EQ(clock.Fps(), 0) << "nothing before the first whole second";
    clock.Tick(1000);
    EXPECT_EQ(clock.Fps(), 3) << "three frames in the first second";
    clock.Tick(1500);
    EXPECT_EQ(clock.Fps(), 3) << "kept until the next whole second";
    clock.Tick(3600);
    EXPECT_EQ(clock.Fps(), 1) << "two frames over two whole seconds";
}

TEST_F(FrameTest, LoadingLevelsWrapsClearsTheShotsAndKeepsTheCameraWithoutOne) {
    g_bullets.resize(3);
    g_nLevel = 1;
    EXPECT_EQ(LoadLevel(2), 0);
    EXPECT_EQ(std::make_tuple(g_nLevel, g_pLevel->width, g_bullets.size()),
              std::make_tuple(0, 10, std::size_t{0})); // past the last level: level 0
    EXPECT_EQ(LoadLevel(1), 0);
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(20.0f, 15.0f, 100.0f)) << "the level's own pose";
    Write("levels/first.txt", "style base height 4 width 4");
    EXPECT_EQ(LoadLevel(-1), 0);
    EXPECT_EQ(g_pLevel->width, 4);
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(20.0f, 15.0f, 100.0f)) << "a level without one";
    // Without a catalog or without levels nothing is loaded.
    CCatalog* catalog = std::exchange(g_pCatalog, nullptr);
    EXPECT_EQ(LoadLevel(0), 1);
    (g_pCatalog = catalog)->m_levels.clear();
    EXPECT_EQ(std::make_pair(LoadLevel(0), g_pLevel->width), std::make_pair(1, 4));
}

} // namespace
