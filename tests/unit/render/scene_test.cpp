// What the scene draws: the overlay texts, the grid lines, and the camera it is seen from.
#include "render/scene.h"
#include "render/text_overlay.h"
#include "shell/game_state.h"
#include "world/level.h"
#include "render/grid.h"
#include "render/camera.h"

#include "../d3d9/recording_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using d3d9rec::testing::Position;

// A font that keeps what it was asked to draw as "text @ left,top,right,bottom", and checks
// that texts are drawn whole, unclipped and black.
struct RecordingFont : ID3DXFont {
    std::string drawn;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetDevice(LPDIRECT3DDEVICE9*) override { return E_NOTIMPL; }
    HRESULT GetDescA(D3DXFONT_DESCA*) override { return E_NOTIMPL; }
    INT DrawTextA(LPD3DXSPRITE sprite, LPCSTR text, INT count, LPRECT r, DWORD format,
                  D3DCOLOR colour) override {
        EXPECT_EQ(std::make_tuple(sprite, count, format, colour),
                  std::make_tuple(nullptr, -1, DWORD{DT_NOCLIP}, D3DCOLOR{0xFF000000}));
        drawn += std::string(text) + " @ " + std::to_string(r->left) + "," +
                 std::to_string(r->top) + "," + std::to_string(r->right) + "," +
                 std::to_string(r->bottom) + "; ";
        return 25;
    }
};

// The scene's texts (paused, score, frame rate, pointer readout) and its grid.
class SceneTest : public d3d9rec::testing::RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        D3DPRESENT_PARAMETERS params = d3d9rec::testing::WindowedParameters();
        params.AutoDepthStencilFormat = D3DFMT_D24S8; // the frame clears the stencil too
        ASSERT_EQ(d3d9rec::testing::CreateDeviceOn(d3d, params, &g_pDevice), D3D_OK);
        std::tie(g_pFont, g_bShowClickVector, g_bShowGrid, g_bPaused) =
            std::tuple(&font, false, false, false);
    }
    void TearDown() override {
        std::exchange(g_pDevice, nullptr)->Release();
        std::tie(g_pFont, g_pLevel) = std::tuple(nullptr, nullptr);
        RecordingTest::TearDown();
    }
    std::string TextsOfAFrame(int fps) {
        font.drawn.clear();
        RenderScene(0.01f, fps);
        return font.drawn;
    }
    // The line ends of the one line-list draw that Render made (none without a draw).
    std::vector<Position> DrawnLines(CGrid& grid) {
        d3d9rec::ClearLog();
        EXPECT_EQ(device->BeginScene(), D3D_OK);
        grid.Render();
        device->EndScene();
        const auto draws = d3d9rec::CallsNamed("DrawPrimitive");
        if (draws.empty()) {
            return {};
        }
        EXPECT_EQ(std::make_tuple(draws.size(), draws[0].args[0].Int(), draws[0].drawn->fvf),
                  std::make_tuple(std::size_t{1}, std::int64_t{D3DPT_LINELIST}, DWORD{D3DFVF_XYZ}));
        return draws[0].drawn->Vertices<Position>();
    }
    RecordingFont font;
};

TEST_F(SceneTest, TextsStandAtTheirRectangles) {
    EXPECT_EQ(TextsOfAFrame(5), "fps: 5 @ 0,0,500,100; ") << "no level";
    CLevel level(g_pDevice, nullptr, "no such level file");
    g_pLevel = &level;
    std::tie(level.score, g_bPaused, g_bShowClickVector) = std::tuple(150, true, true);
    g_vPointer = D3DXVECTOR3(123.4f, 3.14159f, -0.25f);
    EXPECT_EQ(TextsOfAFrame(1234),
              "Click Vector: \n1.2e+02 3.1 -0.25\n @ 0,40,100,80; PAUSED @ "
              "300,0,300,100; Score: 150 @ 500,0,100,100; fps: 1234 @ 0,0,500,100; ");
    level.gameOver = true;
    EXPECT_EQ(TextsOfAFrame(0), "fps: 0 @ 0,0,500,100; ");
    g_pFont = nullptr; // nothing without a font
    DrawScore();
    EXPECT_EQ(font.drawn, "fps: 0 @ 0,0,500,100; ");
}

// A level of 10 by 8 tiles: 11 lines along y, 9 along x, ten units apart, drawn black. A count
// of 1 or less (a board 0 or -5 tiles wide) gives one line at 0.
TEST_F(SceneTest, GridLinesStandOnEveryTileBorder) {
    for (const auto& [alongY, alongX] : {std::pair{11, 9}, {1, 2}, {-4, 2}, {2, 1}}) {
        CGrid grid(device, 10.0f * (alongX - 1), 10.0f * std::max(alongY - 1, 0), 0.0f, alongY,
                   alongX);
        const std::vector<Position> lines = DrawnLines(grid);
        const int ys = std::max(alongY, 1);
        ASSERT_EQ(lines.size(), 2u * (ys + alongX));
        for (int i = 0; i < ys + alongX; ++i) {
            const float at = 10.0f * (i < ys ? i : i - ys);
            const Position start = i < ys ? Position{at, 0, 0} : Position{0, at, 0};
            const Position end =
                i < ys ? Position{at, grid.m_yExtent, 0} : Position{grid.m_xExtent, at, 0};
            EXPECT_EQ(std::make_pair(lines[2 * i], lines[2 * i + 1]), std::make_pair(start, end));
        }
    }
    const D3DMATERIAL9 m = d3d9rec::CallsNamed("SetMaterial").at(0).args[0].As<D3DMATERIAL9>();
    EXPECT_EQ(std::make_tuple(m.Diffuse.r + m.Diffuse.g + m.Diffuse.b, m.Diffuse.a, m.Ambient.r),
              std::make_tuple(0.0f, 1.0f, 0.0f));
    // No lines without a buffer: none is made for absurd counts, or it cannot be had.
    CGrid huge(device, 1e9f, 1e9f, 0.0f, 2000000000, 2000000000);
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateVertexBuffer").empty()) << "no absurd buffer";
    EXPECT_TRUE(DrawnLines(huge).empty());
    for (const char* failing : {"CreateVertexBuffer", "Lock"}) {
        d3d9rec::FailCall(failing, D3DERR_INVALIDCALL);
        CGrid grid(device, 10.0f, 10.0f, 0.0f, 2, 2);
        d3d9rec::ClearFailure(failing);
        EXPECT_TRUE(grid.m_pVertexBuffer == nullptr && DrawnLines(grid).empty()) << failing;
    }
}

void ExpectNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, float tolerance = 1e-5f) {
    const D3DXVECTOR3 off = expected - actual;
    EXPECT_NEAR(D3DXVec3Length(&off), 0.0f, tolerance);
}

// Each turn rotates the other two axes about the named one, as that axis is now: yaw turns the
// view towards right, pitch tips it down, roll turns right onto up.
TEST(CameraTest, TurnsWorkInTheCamerasOwnFrame) {
    CCamera yawed(Free), pitched(Free), rolled(Free), both(Free);
    yawed.Yaw(1.5707963f);
    pitched.Pitch(1.5707963f);
    rolled.Roll(1.5707963f);
    both.Yaw(1.5707963f);
    both.Pitch(1.5707963f); // after a yaw, about right = -z
    for (const auto& [camera, right, up] :
         {std::tuple{yawed, D3DXVECTOR3(0, 0, -1), D3DXVECTOR3(0, 1, 0)},
          {pitched, {1, 0, 0}, {0, 0, 1}},
          {rolled, {0, 1, 0}, {-1, 0, 0}},
          {both, {0, 0, -1}, {1, 0, 0}}}) {
        D3DXVECTOR3 look;
        ExpectNear(*D3DXVec3Cross(&look, &right, &up), camera.look);
        ExpectNear(right, camera.right);
        ExpectNear(up, camera.up);
    }
    // The view matrix rebuilds up and right from look, which keeps its direction: skewed axes
    // that look along +z from the start position give the identity view.
    CCamera skewed(Free);
    std::tie(skewed.look, skewed.right, skewed.up) =
        std::tuple(D3DXVECTOR3(0, 0, 3), D3DXVECTOR3(1, 0, 0.5f), D3DXVECTOR3(0, 2, 0.25f));
    D3DXMATRIX view;
    EXPECT_TRUE(D3DXMatrixIsIdentity(&(skewed.GetViewMatrix(&view), view)));
}

// camera.txt: position, up, look, right, the floats widened to double first. A file that cannot
// be opened gets nothing.
TEST(CameraTest, SavesFourLinesOfTenSignificantDigits) {
    const std::filesystem::path previous = std::filesystem::current_path(),
                                root = std::filesystem::temp_directory_path() /
                                       ("rw_camera_" + std::to_string(getpid()));
    std::filesystem::create_directories(root);
    std::filesystem::current_path(root);
    std::ofstream("camera.txt") << "an older and much longer content that must go away\n";
    CCamera camera(Free);
    camera.position = D3DXVECTOR3(0.1f, 1e-7f, 123456789.0f);
    camera.up = D3DXVECTOR3(-2.5f, 1e20f, -0.0f);
    camera.SaveToFile();
    std::stringstream text;
    text << std::ifstream("camera.txt").rdbuf();
    EXPECT_EQ(text.str(), "0.1000000015 1.000000012e-07 123456792\n-2.5 1.00000002e+20 -0\n"
                          "0 0 1\n1 0 0\n");
    std::filesystem::remove("camera.txt");
    std::filesystem::create_directory("camera.txt");
    camera.SaveToFile();
    EXPECT_TRUE(std::filesystem::is_empty("camera.txt"));
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(root);
}

} // namespace
