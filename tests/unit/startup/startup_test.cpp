// The real start-up path: WinMain with its window, the recording device and the small test
// content, played by a key script that runs after each Present, and the ways start-up ends
// early.
#include "shell/game_state.h"

#include <d3d9_recording.h>
#include <key_state.h>
#include <sdl_window.h>
#include <windows.h>

#include <SDL.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

namespace fs = std::filesystem;

constexpr DWORD kBlack = 0xFF000000; // a full-screen picture: title, introduction, ...
constexpr DWORD kWhite = 0xFFFFFFFF; // the scene in play

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("RW_NO_DIALOGS", "1", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        previous_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("rw_startup_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::copy(RW_TEST_CONTENT_DIR, root_, fs::copy_options::recursive);
        fs::current_path(root_);
        d3d9rec::Reset();
    }

    void TearDown() override {
        d3d9rec::Reset();
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    // Runs the program and gives its exit code and what it wrote to standard error.
    static std::pair<int, std::string> Run() {
        ::testing::internal::CaptureStderr();
        const int code = WinMain(nullptr, nullptr, const_cast<LPSTR>(""), SW_SHOWDEFAULT);
        return {code, ::testing::internal::GetCapturedStderr()};
    }

    static std::vector<DWORD> ClearColours() {
        std::vector<DWORD> colours;
        for (const auto& call : d3d9rec::CallsNamed("Clear")) {
            colours.push_back(call.args[3].UInt());
        }
        return colours;
    }

    fs::path previous_;
    fs::path root_;
};

TEST_F(StartupTest, PlaysFromTheTitleAndQuitsWithEscapeOnTheTitle) {
    // After the n-th Present (the first is device set-up's) a key goes down or up: Space
    // starts level 0, Escape in play goes back to the title, Escape on the title quits.
    const std::map<int, std::pair<int, bool>> script = {
        {2, {VK_SPACE, true}},   {3, {VK_SPACE, false}}, {4, {VK_ESCAPE, true}},
        {5, {VK_ESCAPE, false}}, {7, {VK_ESCAPE, true}}, {8, {VK_ESCAPE, false}},
    };
    int presents = 0;
    d3d9rec::OnCall("Present", [&](const d3d9rec::Call&) {
        if (auto step = script.find(++presents); step != script.end()) {
            win32::RecordKeyEvent(step->second.first, step->second.second);
        }
    });

    const auto [code, shown] = Run();

    EXPECT_EQ(code, 0);
    EXPECT_EQ(shown, "") << "no error on the way";
    const auto created = d3d9rec::CallsNamed("CreateDevice");
    ASSERT_EQ(created.size(), 1u);
    EXPECT_EQ(created[0].args[4].As<D3DPRESENT_PARAMETERS>().Windowed, TRUE);
    EXPECT_FALSE(d3d9rec::CallsNamed("CreateTexture").empty()) << "the catalog loaded";
    EXPECT_FALSE(d3d9rec::CallsNamed("DrawIndexedPrimitive").empty()) << "models were drawn";
    // Device set-up clears once; then title, three frames of play (the last with Escape
    // down), and three of the title until Escape comes up there. No frame after the quit.
    EXPECT_EQ(ClearColours(),
              (std::vector<DWORD>{0, kBlack, kWhite, kWhite, kWhite, kBlack, kBlack, kBlack}));
    EXPECT_EQ(presents, 8);
    EXPECT_EQ(d3d9rec::LiveObjects(), 0u) << "everything made is released before the device";
    EXPECT_EQ(g_pDevice, nullptr);
    EXPECT_EQ(g_pD3D, nullptr);
}

TEST_F(StartupTest, TheWindowsCloseBoxEndsTheGameInPlay) {
    // Space on the title, then in play the close box: the window procedure's WM_DESTROY lets
    // the game's objects and then the device go, and the loop ends with WM_QUIT.
    int presents = 0;
    d3d9rec::OnCall("Present", [&](const d3d9rec::Call&) {
        ++presents;
        if (presents == 2 || presents == 3) {
            win32::RecordKeyEvent(VK_SPACE, presents == 2);
        } else if (presents == 5) {
            const auto window = d3d9rec::CallsNamed("CreateDevice").at(0).args[2].Int();
            SDL_Event close = {};
            close.type = SDL_WINDOWEVENT;
            close.window.event = SDL_WINDOWEVENT_CLOSE;
            close.window.windowID =
                SDL_GetWindowID(win32sdl::SdlWindowOf(reinterpret_cast<HWND>(window)));
            SDL_PushEvent(&close);
        }
    });

    const auto [code, shown] = Run();

    EXPECT_EQ(code, 0);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(ClearColours().back(), kWhite) << "closed in play";
    EXPECT_EQ(presents, 5) << "no frame after the close";
    EXPECT_EQ(d3d9rec::LiveObjects(), 0u);
}

TEST_F(StartupTest, FailedStartUpSaysWhyAndEndsBeforeTheFrameLoop) {
    struct Case {
        const char* name;
        void (*prepare)();
        const char* message;
    };
    const Case cases[] = {
        {"empty level list", [] { std::ofstream("levels.txt", std::ios::trunc); },
         "No levels found in levels.txt."},
        {"no level list", [] { fs::remove("levels.txt"); }, "No levels found in levels.txt."},
        {"no Direct3D", [] { d3d9rec::FailCall("Direct3DCreate9", E_FAIL); },
         "Error calling CreateDevices: Not available."},
        {"no device", [] { d3d9rec::FailCall("CreateDevice", D3DERR_OUTOFVIDEOMEMORY); },
         "Error calling CreateDevice: Out of video memory."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        d3d9rec::Reset();
        c.prepare();

        const auto [code, shown] = Run();

        EXPECT_EQ(code, 0);
        EXPECT_NE(shown.find(c.message), std::string::npos) << shown;
        EXPECT_LE(d3d9rec::CallsNamed("Present").size(), 1u) << "at most set-up's own frame";
        EXPECT_EQ(d3d9rec::LiveObjects(), 0u);
        fs::copy(RW_TEST_CONTENT_DIR "/levels.txt", "levels.txt",
                 fs::copy_options::overwrite_existing);
    }
}

} // namespace
