// The full-screen pictures: which one is up, the title pose, and the frame around them.
#include "shell/main_loop.h"
#include "shell/screens.h"

#include "shell_fixture.h"

#include <bit>
#include <cstdint>

namespace {

using shell_test::ShellTest;

struct Corner {
    float x, y, z;
};

class ScreensTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // One textured-less triangle per picture, told apart by where it stands.
        const char* pictures[] = {"menuIntro", "menuIntroduction", "menuComplete", "menuGameover"};
        for (int i = 0; i < 4; ++i) {
            const std::string text = "xof 0302txt 0032\nMesh P { 3; " + std::to_string(i) +
                                     ".0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;; 1; 3; 0, "
                                     "1, 2;; }\n";
            ID3DXMesh* mesh = nullptr;
            ASSERT_EQ(D3DXLoadMeshFromXInMemory(text.data(), static_cast<DWORD>(text.size()),
                                                D3DXMESH_MANAGED, g_pDevice, nullptr, nullptr,
                                                nullptr, nullptr, &mesh),
                      D3D_OK);
            DWORD adjacency[3];
            mesh->GenerateAdjacency(0.0f, adjacency);
            mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency, nullptr, nullptr, nullptr);
            CModel& model = g_pCatalog->m_models[pictures[i]];
            model.pMesh = mesh;
            model.materialIds = {0};
            model.textureNames = {""};
        }
        d3d9rec::ClearLog();
    }

    // The picture drawn by one frame: the x of its first corner, or -1 for none.
    static int PictureDrawn() {
        RenderScreens(0.0f, 0);
        const auto draws = d3d9rec::CallsNamed("DrawIndexedPrimitive");
        d3d9rec::ClearLog();
        if (draws.empty()) {
            return -1;
        }
        return static_cast<int>(draws[0].drawn->Vertex<Corner>(0).x);
    }
};

TEST_F(ScreensTest, ThePictureFollowsTheScreensPrecedence) {
    g_bShowMenu = true;
    g_pLevel->complete = true;
    EXPECT_EQ(PictureDrawn(), 0) << "the title wins over a complete level";
    g_bShowMenu = false;
    g_bShowIntroduction = true;
    g_pLevel->gameOver = true;
    EXPECT_EQ(PictureDrawn(), 1) << "the introduction wins over a lost level";
    g_bShowIntroduction = false;
    EXPECT_EQ(PictureDrawn(), 2) << "complete before game over";
    g_pLevel->complete = false;
    EXPECT_EQ(PictureDrawn(), 3);
    g_pLevel->gameOver = false;
    EXPECT_EQ(PictureDrawn(), -1) << "no screen up: nothing";

    // A picture missing from the catalog leaves the screen cleared to black.
    g_bShowMenu = true;
    g_pCatalog->m_models["menuIntro"].pMesh->Release();
    g_pCatalog->m_models.erase("menuIntro");
    EXPECT_EQ(PictureDrawn(), -1);
}

TEST_F(ScreensTest, TheTitlePoseIsWrittenEveryFrameUnlessPaused) {
    g_bShowMenu = true;
    RenderScreens(0.0f, 0);
    // The position to the bit; the axes as the view matrix leaves them, re-orthonormalised.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(g_camera.position.x), 0x3ED3EA61u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(g_camera.position.y), 0x4036B3F2u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(g_camera.position.z), 0x428455EEu);
    EXPECT_NEAR(g_camera.right.x, std::bit_cast<float>(0x3F7FFFDCu), 1e-6f);
    EXPECT_NEAR(g_camera.up.y, std::bit_cast<float>(0xBF7FFFD3u), 1e-6f);
    EXPECT_NEAR(g_camera.look.z, std::bit_cast<float>(0xBF7FFFF6u), 1e-6f);

    // A screen reached from a paused game is seen from the paused camera.
    g_bPaused = true;
    g_camera.position = D3DXVECTOR3(1.0f, 2.0f, 3.0f);
    RenderScreens(0.0f, 0);
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(1.0f, 2.0f, 3.0f));

    // Starting the level gives the camera its own pose again.
    g_bPaused = false;
    LoadLevel(0);
    EXPECT_EQ(g_camera.position, D3DXVECTOR3(50.0f, -40.0f, 60.0f));
}

TEST_F(ScreensTest, AScreenFrameIsClearedBlackLitAndLeavesNoTexture) {
    g_bShowMenu = true;
    RenderScreens(0.0f, 0);
    const auto clear = d3d9rec::CallsNamed("Clear").at(0);
    EXPECT_EQ(clear.args[2].UInt(), 7u);
    EXPECT_EQ(clear.args[3].UInt(), 0xFF000000u);
    EXPECT_EQ(d3d9rec::CallsNamed("SetLight").size(), 1u);
    const auto textures = d3d9rec::CallsNamed("SetTexture");
    ASSERT_FALSE(textures.empty());
    EXPECT_EQ(textures.back().args[1].Object(), 0u) << "texture stage 0 cleared at the end";
    const std::vector<std::string> calls = d3d9rec::MethodNames();
    EXPECT_EQ(calls.back(), "Present");
}

} // namespace
