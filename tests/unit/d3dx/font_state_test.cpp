// DrawText sets what text needs (alpha blending, the glyph cache on stage 0, pre-transformed
// vertices) and leaves the device as it found it; the glyph cache is made once, with the
// font, and never again.
#include "font_test_support.h"

#include <algorithm>
#include <map>

namespace d3dx_test {
namespace {

using DrawTextStateTest = FontTest;

// The last value each (stage 0) texture stage state was set to in the log.
std::map<DWORD, DWORD> LastStageStates() {
    std::map<DWORD, DWORD> last;
    for (const d3d9rec::Call& call : d3d9rec::CallsNamed("SetTextureStageState")) {
        EXPECT_EQ(call.args[0].UInt(), 0u);
        last[call.args[1].UInt()] = call.args[2].UInt();
    }
    return last;
}

// The glyph cache texture and the text's vertex format at every draw are checked by
// DrawnQuads and the last test here.
TEST_F(DrawTextStateTest, DrawsBlendedThenRestoresRenderStatesAndResetsTheRest) {
    // The scene's own states, several unlike the defaults.
    const std::map<D3DRENDERSTATETYPE, DWORD> scene = {
        {D3DRS_ALPHABLENDENABLE, FALSE},      {D3DRS_SRCBLEND, D3DBLEND_ONE},
        {D3DRS_DESTBLEND, D3DBLEND_SRCCOLOR}, {D3DRS_ZENABLE, D3DZB_TRUE},
        {D3DRS_CULLMODE, D3DCULL_CW},         {D3DRS_LIGHTING, TRUE}};
    for (auto [state, value] : scene) {
        ASSERT_EQ(device->SetRenderState(state, value), D3D_OK);
    }
    d3d9rec::ClearLog();
    Draw("Score: 0", 500, 0);
    DrawnQuads();

    // The states in force at the first draw, from the calls before it.
    std::map<DWORD, DWORD> renderStates, stageStates;
    const std::vector<d3d9rec::Call>& log = d3d9rec::Log();
    for (auto call = log.begin(); call != log.end() && call->method != "DrawPrimitive"; ++call) {
        if (call->method == "SetRenderState") {
            renderStates[call->args[0].UInt()] = call->args[1].UInt();
        } else if (call->method == "SetTextureStageState") {
            stageStates[call->args[1].UInt()] = call->args[2].UInt();
        }
    }
    EXPECT_EQ(renderStates[D3DRS_ALPHABLENDENABLE], DWORD{TRUE});
    EXPECT_EQ(renderStates[D3DRS_SRCBLEND], DWORD{D3DBLEND_SRCALPHA});
    EXPECT_EQ(renderStates[D3DRS_DESTBLEND], DWORD{D3DBLEND_INVSRCALPHA});
    EXPECT_EQ(renderStates[D3DRS_ZENABLE], DWORD{D3DZB_FALSE});
    EXPECT_EQ(stageStates[D3DTSS_COLOROP], DWORD{D3DTOP_MODULATE});
    EXPECT_EQ(stageStates[D3DTSS_COLORARG1], DWORD{D3DTA_TEXTURE});
    EXPECT_EQ(stageStates[D3DTSS_ALPHAOP], DWORD{D3DTOP_MODULATE});
    EXPECT_EQ(stageStates[D3DTSS_ALPHAARG1], DWORD{D3DTA_TEXTURE});

    for (auto [state, value] : scene) {
        DWORD now = 0;
        ASSERT_EQ(device->GetRenderState(state, &now), D3D_OK);
        EXPECT_EQ(now, value) << "render state " << state;
    }
    // Stage states end at the platform's defaults.
    std::map<DWORD, DWORD> stages = LastStageStates();
    EXPECT_EQ(stages[D3DTSS_COLOROP], DWORD{D3DTOP_MODULATE});
    EXPECT_EQ(stages[D3DTSS_COLORARG1], DWORD{D3DTA_TEXTURE});
    EXPECT_EQ(stages[D3DTSS_COLORARG2], DWORD{D3DTA_CURRENT});
    EXPECT_EQ(stages[D3DTSS_ALPHAOP], DWORD{D3DTOP_SELECTARG1});
    EXPECT_EQ(stages[D3DTSS_ALPHAARG1], DWORD{D3DTA_TEXTURE});
    EXPECT_EQ(stages[D3DTSS_ALPHAARG2], DWORD{D3DTA_CURRENT});
    // Texture, stream and vertex format are left unset, as on a new device.
    auto last = [&log](const char* method) -> const d3d9rec::Call* {
        auto call = std::find_if(log.rbegin(), log.rend(),
                                 [method](const d3d9rec::Call& c) { return c.method == method; });
        return call == log.rend() ? nullptr : &*call;
    };
    ASSERT_TRUE(last("SetTexture") && last("SetStreamSource") && last("SetFVF"));
    EXPECT_EQ(last("SetTexture")->args[1].Object(), 0u);
    EXPECT_EQ(last("SetStreamSource")->args[1].Object(), 0u);
    EXPECT_EQ(last("SetFVF")->args[0].UInt(), 0u);
}

TEST_F(DrawTextStateTest, StatesAreRestoredWhenTheDrawFails) {
    ASSERT_EQ(device->EndScene(), D3D_OK); // drawing outside a scene is refused
    ASSERT_EQ(device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE), D3D_OK);
    EXPECT_EQ(Draw("fps: 0", 0, 0), 0);
    DWORD blend = TRUE;
    ASSERT_EQ(device->GetRenderState(D3DRS_ALPHABLENDENABLE, &blend), D3D_OK);
    EXPECT_EQ(blend, DWORD{FALSE});
    EXPECT_EQ(LastStageStates()[D3DTSS_ALPHAOP], DWORD{D3DTOP_SELECTARG1});
    ASSERT_EQ(device->BeginScene(), D3D_OK);
}

TEST_F(DrawTextStateTest, TheGlyphCacheIsMadeOnceForEveryDraw) {
    for (int frame = 0; frame < 100; ++frame) {
        std::string fps = "fps: " + std::to_string(frame);
        Draw(fps.c_str(), 0, 0);
        Draw("Score: 12345", 500, 0);
    }
    for (const char* creation : {"CreateTexture", "CreateVertexBuffer", "LockRect"}) {
        EXPECT_TRUE(d3d9rec::CallsNamed(creation).empty()) << creation;
    }
    auto draws = d3d9rec::CallsNamed("DrawPrimitive");
    ASSERT_EQ(draws.size(), 200u);
    for (const d3d9rec::Call& draw : draws) {
        EXPECT_EQ(draw.drawn->texture.id, cacheTexture);
    }
}

} // namespace
} // namespace d3dx_test
