// DrawText sets what text needs (alpha blending, the glyph cache on stage 0, pre-transformed
// vertices) and leaves the device as it found it; the glyph cache is made once, with the
// font, and never again.
#include "font_test_support.h"

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

TEST_F(DrawTextStateTest, DrawsBlendedWithTheCacheTextureAndTheTextFormat) {
    Draw("fps: 60", 0, 0);
    // The state in force at the first draw, from the calls before it.
    std::map<DWORD, DWORD> renderStates, stageStates;
    d3d9rec::ObjectId texture = 0;
    DWORD fvf = 0;
    for (const d3d9rec::Call& call : d3d9rec::Log()) {
        if (call.method == "DrawPrimitive") {
            EXPECT_EQ(call.drawn->texture.id, cacheTexture);
            break;
        }
        if (call.method == "SetRenderState") {
            renderStates[call.args[0].UInt()] = call.args[1].UInt();
        } else if (call.method == "SetTextureStageState") {
            stageStates[call.args[1].UInt()] = call.args[2].UInt();
        } else if (call.method == "SetTexture") {
            texture = call.args[1].Object();
        } else if (call.method == "SetFVF") {
            fvf = call.args[0].UInt();
        }
    }
    EXPECT_EQ(texture, cacheTexture);
    EXPECT_EQ(fvf, kTextFvf);
    EXPECT_EQ(renderStates[D3DRS_ALPHABLENDENABLE], DWORD{TRUE});
    EXPECT_EQ(renderStates[D3DRS_SRCBLEND], DWORD{D3DBLEND_SRCALPHA});
    EXPECT_EQ(renderStates[D3DRS_DESTBLEND], DWORD{D3DBLEND_INVSRCALPHA});
    EXPECT_EQ(renderStates[D3DRS_ZENABLE], DWORD{D3DZB_FALSE});
    EXPECT_EQ(stageStates[D3DTSS_COLOROP], DWORD{D3DTOP_MODULATE});
    EXPECT_EQ(stageStates[D3DTSS_COLORARG1], DWORD{D3DTA_TEXTURE});
    EXPECT_EQ(stageStates[D3DTSS_ALPHAOP], DWORD{D3DTOP_MODULATE});
    EXPECT_EQ(stageStates[D3DTSS_ALPHAARG1], DWORD{D3DTA_TEXTURE});
}

TEST_F(DrawTextStateTest, RenderStatesAreRestoredAndTheRestReset) {
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
    ASSERT_FALSE(d3d9rec::CallsNamed("DrawPrimitive").empty());
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
    const std::vector<d3d9rec::Call>& log = d3d9rec::Log();
    auto lastOf = [&log](const char* method) {
        for (auto it = log.rbegin(); it != log.rend(); ++it) {
            if (it->method == method) {
                return *it;
            }
        }
        ADD_FAILURE() << "no " << method;
        return d3d9rec::Call{};
    };
    EXPECT_EQ(lastOf("SetTexture").args[1].Object(), 0u);
    EXPECT_EQ(lastOf("SetStreamSource").args[1].Object(), 0u);
    EXPECT_EQ(lastOf("SetFVF").args[0].UInt(), 0u);
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
