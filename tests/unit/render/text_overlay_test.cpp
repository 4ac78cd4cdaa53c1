// The overlay texts: their strings, rectangles, format and colour.
#include "render/scene.h"
#include "render/text_overlay.h"
#include "shell/game_state.h"
#include "world/level.h"

#include "../d3d9/recording_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A font that keeps what it was asked to draw.
struct RecordingFont : ID3DXFont {
    struct Text {
        std::string text;
        RECT rect;
        DWORD format;
        D3DCOLOR colour;
    };
    std::vector<Text> drawn;

    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetDevice(LPDIRECT3DDEVICE9*) override { return E_NOTIMPL; }
    HRESULT GetDescA(D3DXFONT_DESCA*) override { return E_NOTIMPL; }
    INT DrawTextA(LPD3DXSPRITE sprite, LPCSTR text, INT count, LPRECT rect, DWORD format,
                  D3DCOLOR colour) override {
        EXPECT_EQ(sprite, nullptr);
        EXPECT_EQ(count, -1);
        drawn.push_back({text, *rect, format, colour});
        return 25;
    }
};

class TextOverlayTest : public ::testing::Test {
protected:
    void SetUp() override { g_pFont = &font; }
    void TearDown() override {
        g_pFont = nullptr;
        g_pLevel = nullptr;
    }
    RecordingFont font;
};

TEST_F(TextOverlayTest, PointerReadoutShowsTwoSignificantDigits) {
    struct Case {
        D3DXVECTOR3 vector;
        const char* second;
    };
    for (const Case& c :
         {Case{{0.0f, 0.0f, 0.0f}, "0 0 0"}, Case{{45.27f, 3.14159f, 0.0f}, "45 3.1 0"},
          Case{{-3.5f, 55.0f, 0.0f}, "-3.5 55 0"},
          Case{{123.4f, 0.5f, -0.25f}, "1.2e+02 0.5 -0.25"}}) {
        EXPECT_EQ(LabelledVectorText("Click Vector", c.vector),
                  std::string("Click Vector: \n") + c.second + "\n");
    }
}

TEST_F(TextOverlayTest, TextsStandAtTheirRectanglesInBlackGivenAFontAndALevel) {
    DrawScore(); // nothing without a level
    CLevel level(nullptr, nullptr, "no such level file");
    g_pLevel = &level;
    DrawScore();
    level.score = 150;
    DrawScore();
    DrawLabelledVector("Click Vector", D3DXVECTOR3(45.0f, 55.0f, 0.0f));
    ASSERT_EQ(font.drawn.size(), 3u);
    EXPECT_EQ(font.drawn[0].text, "Score: 0");
    EXPECT_EQ(font.drawn[1].text, "Score: 150");
    const RECT score = font.drawn[1].rect;
    EXPECT_EQ((std::vector<LONG>{score.left, score.top, score.right, score.bottom}),
              (std::vector<LONG>{500, 0, 100, 100}));
    EXPECT_EQ(font.drawn[2].text, "Click Vector: \n45 55 0\n");
    const RECT readout = font.drawn[2].rect;
    EXPECT_EQ((std::vector<LONG>{readout.left, readout.top, readout.right, readout.bottom}),
              (std::vector<LONG>{0, 40, 100, 80}));
    for (const auto& text : font.drawn) {
        EXPECT_EQ(text.format, static_cast<DWORD>(DT_NOCLIP));
        EXPECT_EQ(text.colour, 0xFF000000u);
    }
    g_pFont = nullptr; // nor without a font
    DrawScore();
    DrawLabelledVector("Click Vector", D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(font.drawn.size(), 3u);
}

// The scene's own texts: "PAUSED" while paused, and the frame rate in every frame, also
// once the level is over.
class SceneTextTest : public d3d9rec::testing::RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        D3DPRESENT_PARAMETERS params = d3d9rec::testing::WindowedParameters();
        params.AutoDepthStencilFormat = D3DFMT_D24S8; // the frame clears the stencil too
        g_pDevice = OtherDevice(params);
        g_pFont = &font;
        g_bShowClickVector = g_bShowGrid = g_bPaused = false;
    }
    void TearDown() override {
        g_pDevice->Release();
        g_pDevice = nullptr;
        g_pFont = nullptr;
        g_pLevel = nullptr;
        RecordingTest::TearDown();
    }
    std::vector<std::string> TextsOfAFrame(int fps) {
        font.drawn.clear();
        RenderScene(0.01f, fps);
        std::vector<std::string> texts;
        for (const auto& text : font.drawn) {
            const RECT& r = text.rect;
            texts.push_back(text.text + " @ " + std::to_string(r.left) + "," +
                            std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                            std::to_string(r.bottom));
        }
        return texts;
    }
    RecordingFont font;
};

TEST_F(SceneTextTest, PausedAndTheFrameRateStandAtTheirRectangles) {
    CLevel level(g_pDevice, nullptr, "no such level file");
    g_pLevel = &level;
    EXPECT_EQ(TextsOfAFrame(60),
              (std::vector<std::string>{"Score: 0 @ 500,0,100,100", "fps: 60 @ 0,0,500,100"}));
    g_bPaused = true;
    EXPECT_EQ(TextsOfAFrame(1234),
              (std::vector<std::string>{"PAUSED @ 300,0,300,100", "Score: 0 @ 500,0,100,100",
                                        "fps: 1234 @ 0,0,500,100"}));
    level.gameOver = true;
    EXPECT_EQ(TextsOfAFrame(0), (std::vector<std::string>{"fps: 0 @ 0,0,500,100"}));
    for (const auto& text : font.drawn) {
        EXPECT_EQ(text.format, static_cast<DWORD>(DT_NOCLIP));
        EXPECT_EQ(text.colour, 0xFF000000u);
    }
}

} // namespace
