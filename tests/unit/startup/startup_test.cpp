// The real start-up path: WinMain with its window, the recording device and the small test
// content, played by a script that runs after each Present, and the ways start-up ends early.
#include "shell/game_state.h"

#include <d3d9_recording.h>
#include <key_state.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

namespace fs = std::filesystem;

constexpr DWORD kBlack = 0xFF000000, kWhite = 0xFFFFFFFF; // a full-screen picture; play

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        fs::remove_all(root_);
        fs::copy(RW_TEST_CONTENT_DIR, root_, fs::copy_options::recursive);
        fs::current_path(root_);
    }
    void TearDown() override {
        d3d9rec::Reset();
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    // Runs the program: its exit code; it said `error` (or nothing) and left nothing alive.
    static int Run(const std::string& error = "") {
        ::testing::internal::CaptureStderr();
        const int code = WinMain(nullptr, nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
        const std::string shown = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(error.empty() ? shown.empty() : shown.find(error) != std::string::npos)
            << shown;
        EXPECT_EQ(d3d9rec::LiveObjects(), 0u) << "everything made is released";
        EXPECT_TRUE(g_pDevice == nullptr && g_pD3D == nullptr);
        return code;
    }

    fs::path previous_ = fs::current_path();
    fs::path root_ = fs::temp_directory_path() / ("rw_startup_" + std::to_string(getpid()));
};

// After the n-th Present (the first is device set-up's) a key goes down (+) or up (-): Space
// starts level 0, Escape in play goes back to the title, Escape on the title quits.
TEST_F(StartupTest, PlaysFromTheTitleAndQuitsWithEscapeOnTheTitle) {
    const std::map<int, int> script = {{2, VK_SPACE},   {3, -VK_SPACE}, {4, VK_ESCAPE},
                                       {5, -VK_ESCAPE}, {7, VK_ESCAPE}, {8, -VK_ESCAPE}};
    int presents = 0;
    d3d9rec::OnCall("Present", [&](const d3d9rec::Call&) {
        if (const auto step = script.find(++presents); step != script.end()) {
            win32::RecordKeyEvent(std::abs(step->second), step->second > 0);
        }
    });
    EXPECT_EQ(Run(), 0);
    // Device set-up clears once; then the title, three frames of play (the last with Escape
    // down), and three of the title until Escape comes up there. No frame after the quit.
    std::vector<DWORD> clears;
    for (const auto& call : d3d9rec::CallsNamed("Clear")) {
        clears.push_back(call.args[3].UInt());
    }
    EXPECT_EQ(clears,
              (std::vector<DWORD>{0, kBlack, kWhite, kWhite, kWhite, kBlack, kBlack, kBlack}));
    EXPECT_EQ(presents, 8);
    const auto created = d3d9rec::CallsNamed("CreateDevice");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].args[4].As<D3DPRESENT_PARAMETERS>().Windowed, TRUE);
    EXPECT_FALSE(d3d9rec::CallsNamed("DrawIndexedPrimitive").empty()) << "models were drawn";
}

TEST_F(StartupTest, FailedStartUpSaysWhyAndEndsBeforeTheFrameLoop) {
    const std::pair<void (*)(), const char*> cases[] = {
        {[] { std::ofstream("levels.txt", std::ios::trunc); }, "No levels found in levels.txt."},
        {[] { fs::remove("levels.txt"); }, "No levels found in levels.txt."},
        {[] { d3d9rec::FailCall("Direct3DCreate9", E_FAIL); },
         "Error calling CreateDevices: Not available."},
        {[] { d3d9rec::FailCall("CreateDevice", D3DERR_OUTOFVIDEOMEMORY); },
         "Error calling CreateDevice: Out of video memory."},
    };
    for (const auto& [prepare, message] : cases) {
        d3d9rec::Reset();
        prepare();
        EXPECT_EQ(Run(message), 0);
        EXPECT_LE(d3d9rec::CallsNamed("Present").size(), 1u) << "at most set-up's own frame";
        fs::copy(RW_TEST_CONTENT_DIR "/levels.txt", "levels.txt",
                 fs::copy_options::overwrite_existing);
    }
}

} // namespace
