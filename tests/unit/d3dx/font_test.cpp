// Fonts: made with one glyph cache texture; DrawText placing glyph quads from the rectangle
// with texels one to one, its formats, and the device's states put back afterwards.
#include "d3dx_test_support.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace d3dx_test {
namespace {

// The game's description: "Times New Roman", height 25, width 12, weight 500.
D3DXFONT_DESCA GameFont() {
    D3DXFONT_DESCA desc{25, 12, 500, 0, FALSE, 1, 0, 0, 0, {}};
    std::strcpy(desc.FaceName, "Times New Roman");
    return desc;
}

// One drawn glyph: its left, top, right and bottom on the target.
using Quad = std::vector<float>;

class Font : public RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        D3DXFONT_DESCA desc = GameFont();
        ASSERT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3D_OK);
        const d3d9rec::Call created = d3d9rec::CallsNamed("CreateTexture").at(0);
        cacheSize = {float(created.args[0].UInt()), float(created.args[1].UInt())};
        ASSERT_EQ(device->BeginScene(), D3D_OK);
        d3d9rec::ClearLog();
    }
    void TearDown() override {
        font->Release();
        RecordingTest::TearDown();
    }
    INT Draw(const char* text, RECT rect, DWORD format = DT_NOCLIP, D3DCOLOR color = 0xFF000000) {
        return font->DrawTextA(nullptr, text, -1, &rect, format, color);
    }
    LONG Width(const char* text) {
        RECT rect{0, 0, 0, 0};
        font->DrawTextA(nullptr, text, -1, &rect, DT_CALCRECT, 0);
        return rect.right;
    }
    // Every glyph drawn since the log was cleared, in order; then clears the log. Each is two
    // triangles of pre-transformed vertices of one colour, edges on half pixels, each pixel
    // one whole texel of the glyph cache.
    std::vector<Quad> Quads(D3DCOLOR color = 0xFF000000) {
        struct Vertex {
            float xyzw[4];
            D3DCOLOR color;
            float uv[2];
        };
        std::vector<Quad> quads;
        for (const d3d9rec::Call& call : d3d9rec::CallsNamed("DrawPrimitive")) {
            EXPECT_EQ(call.drawn->fvf, DWORD{D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1});
            const auto v = call.drawn->Vertices<Vertex>();
            for (std::size_t k = 0; k < v.size(); ++k) {
                const Vertex& first = v[k - k % 6]; // the quad's top left corner
                if (k % 6 == 0) {
                    quads.push_back({first.xyzw[0], first.xyzw[1], first.xyzw[0], first.xyzw[1]});
                }
                for (int c = 0; c < 2; ++c) {
                    quads.back()[c] = std::min(quads.back()[c], v[k].xyzw[c]);
                    quads.back()[2 + c] = std::max(quads.back()[2 + c], v[k].xyzw[c]);
                    EXPECT_EQ(v[k].uv[c] * cacheSize[c], std::round(v[k].uv[c] * cacheSize[c]));
                    EXPECT_EQ(v[k].xyzw[c] + 0.5f, std::round(v[k].xyzw[c] + 0.5f));
                    EXPECT_EQ((v[k].uv[c] - first.uv[c]) * cacheSize[c],
                              v[k].xyzw[c] - first.xyzw[c]);
                }
                EXPECT_EQ(std::tuple(v[k].xyzw[2], v[k].xyzw[3], v[k].color),
                          std::tuple(0, 1, color));
            }
        }
        d3d9rec::ClearLog();
        return quads;
    }

    ID3DXFont* font = nullptr;
    std::vector<float> cacheSize;
};

using FontCreate = RecordingTest;

TEST_F(FontCreate, UnterminatedNamesGetAFaceAndFailuresLeaveNothing) {
    D3DXFONT_DESCA desc = GameFont();
    auto create = [this](const D3DXFONT_DESCA* with) {
        auto* made = reinterpret_cast<ID3DXFont*>(std::uintptr_t{8});
        const HRESULT hr = D3DXCreateFontIndirectA(device, with, &made);
        EXPECT_EQ(made, nullptr);
        EXPECT_EQ(d3d9rec::LiveObjects(), 2u); // the Direct3D object and the device
        return hr;
    };
    EXPECT_EQ(create(nullptr), D3DERR_INVALIDCALL);
    std::memset(desc.FaceName, 'Q', sizeof desc.FaceName); // unterminated, yet a face is found
    ID3DXFont* font = nullptr;
    ASSERT_EQ(D3DXCreateFontIndirectA(device, &desc, &font), D3D_OK);
    font->Release();
    d3d9rec::ClearLog();
    // Sizes no device could hold the glyphs of are refused before any texture is asked for.
    for (auto [height, width] : {std::pair{-100000, 12u}, {257, 12u}, {25, 0xFFFFFFFFu}}) {
        desc = GameFont();
        desc.Height = height, desc.Width = width;
        EXPECT_EQ(create(&desc), D3DXERR_INVALIDDATA) << height;
    }
    EXPECT_TRUE(d3d9rec::CallsNamed("CreateTexture").empty());
    desc = GameFont();
    for (const char* method : {"CreateTexture", "LockRect", "CreateVertexBuffer"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        EXPECT_EQ(create(&desc), D3DERR_OUTOFVIDEOMEMORY) << method;
    }
}

TEST_F(Font, GlyphsArePlacedFromTheRectangleOrCutToIt) {
    const RECT at{0, 0, 100, 100};
    EXPECT_EQ(Draw("Click Vector: \n45 55 0\n", at), 50); // a final break adds no line
    EXPECT_EQ(Draw("a\r\nb\rc\n\nd", at) + Draw("", at), 125);
    EXPECT_EQ(Draw("a\t\x01\x1b\x7f", at), 25); // control characters take no room
    EXPECT_EQ(Width("a\t\x01\x1b\x7f"), Width("a"));
    // Widths follow the description's average character width.
    EXPECT_NEAR(double(Width("The quick brown fox jumps over the lazy dog")) / 43, 10.0, 2.5);
    Quads();

    ASSERT_EQ(Draw("Score: 10\nWg", at), 50);
    const std::vector<Quad> origin = Quads();
    Draw("Score: 10\nWg", {500, 40, 600, 140}, DT_NOCLIP, 0x80FF2010);
    const std::vector<Quad> moved = Quads(0x80FF2010);
    ASSERT_EQ(origin.size(), 10u); // the space draws nothing
    ASSERT_EQ(moved.size(), origin.size());
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_EQ(moved[i], (Quad{origin[i][0] + 500, origin[i][1] + 40, origin[i][2] + 500,
                                  origin[i][3] + 40}));
        EXPECT_GT(origin[i][0], i % 8 == 0 ? -3.0f : origin[i - 1][0]); // left to right
    }
    // Each glyph lies in its line's cell, lines 25 pixels apart, each from the left.
    EXPECT_TRUE(origin[0][1] >= -0.5f && origin[0][3] <= 24.5f);
    EXPECT_EQ(origin[8][1] - origin[0][1], 25.0f);
    EXPECT_LT(origin[8][0], 3.0f);
    // Without DT_NOCLIP glyphs are cut to the rectangle; one that holds them all cuts none.
    Draw("Score: 10\nWg", at, DT_LEFT);
    EXPECT_EQ(Quads(), origin);
    Draw("Score: 10\nWg", {5, 5, 30, 30}, DT_LEFT);
    const std::vector<Quad> cut = Quads();
    ASSERT_FALSE(cut.empty());
    EXPECT_LT(cut.size(), origin.size());
    for (const Quad& q : cut) {
        EXPECT_TRUE(q[0] >= 4.5f && q[1] >= 4.5f && q[2] <= 29.5f && q[3] <= 29.5f);
    }
    // Long text goes in batches; through a sprite (not offered) nothing is drawn; any bytes
    // in any rectangle are safe.
    EXPECT_EQ(Draw(std::string(1000, 'x').c_str(), at), 25);
    EXPECT_EQ(Quads().size(), 1000u);
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(font->DrawTextA(reinterpret_cast<ID3DXSprite*>(8), "a", -1, &rect, DT_NOCLIP, 0), 0);
    std::string bytes;
    for (int ch = 255; ch > 0; --ch) {
        bytes += char(ch);
    }
    Draw(bytes.c_str(), {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, DT_LEFT);
    Draw(bytes.c_str(), {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}, DT_LEFT);
    Draw(bytes.c_str(), {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN});
}

// The last value each render state and stage 0 texture stage state was set to, and the last
// arguments of the other calls, up to the first draw or in the whole log.
std::map<std::string, std::vector<std::int64_t>> Last(bool beforeFirstDraw = false) {
    std::map<std::string, std::vector<std::int64_t>> last;
    for (const d3d9rec::Call& call : d3d9rec::Log()) {
        if (beforeFirstDraw && call.method == "DrawPrimitive") {
            break;
        }
        std::vector<std::int64_t> args;
        for (const d3d9rec::Value& arg : call.args) {
            args.push_back(arg.Is<std::int64_t>()         ? arg.Int()
                           : arg.Is<d3d9rec::ObjectRef>() ? arg.Object()
                                                          : -1);
        }
        const bool state = call.method.starts_with("Set") && call.method.ends_with("State");
        last[call.method + (state ? std::to_string(args.end()[-2]) : "")] = args;
    }
    return last;
}

TEST_F(Font, DrawTextBlendsThenPutsTheDeviceBack) {
    using Args = std::vector<std::int64_t>;
    const std::pair<D3DRENDERSTATETYPE, DWORD> scene[] = {
        {D3DRS_SRCBLEND, D3DBLEND_ONE}, {D3DRS_ZENABLE, D3DZB_TRUE}, {D3DRS_ALPHABLENDENABLE, 0}};
    auto expectSceneStates = [&] {
        for (auto [state, value] : scene) {
            DWORD now = 0;
            ASSERT_EQ(device->GetRenderState(state, &now), D3D_OK);
            EXPECT_EQ(now, value) << "render state " << state;
        }
        EXPECT_EQ(Last()["SetTextureStageState" + std::to_string(D3DTSS_ALPHAOP)],
                  (Args{0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1}));
    };
    for (auto [state, value] : scene) {
        ASSERT_EQ(device->SetRenderState(state, value), D3D_OK);
    }
    d3d9rec::ClearLog();
    Draw("Score: 0", {500, 0, 600, 100});
    auto draw = Last(true), end = Last();
    // The glyph cache, made with the font, is all that is drawn from; nothing more is made.
    for (const char* made : {"CreateTexture", "CreateVertexBuffer", "LockRect"}) {
        EXPECT_EQ(draw.count(made) + end.count(made), 0u) << made;
    }
    for (auto [state, value] : {std::pair{D3DRS_SRCBLEND, DWORD{D3DBLEND_SRCALPHA}},
                                {D3DRS_DESTBLEND, DWORD{D3DBLEND_INVSRCALPHA}},
                                {D3DRS_ZENABLE, DWORD{D3DZB_FALSE}},
                                {D3DRS_ALPHABLENDENABLE, DWORD{TRUE}}}) {
        EXPECT_EQ(draw["SetRenderState" + std::to_string(state)], (Args{state, value}));
    }
    expectSceneStates();
    // Stage 0 modulates by the glyph cache at the draw, and ends at the platform's defaults;
    // texture, stream and vertex format end unset, as on a new device.
    for (auto [stage, atDraw, atEnd] :
         {std::tuple{D3DTSS_COLOROP, DWORD{D3DTOP_MODULATE}, DWORD{D3DTOP_MODULATE}},
          {D3DTSS_COLORARG1, DWORD{D3DTA_TEXTURE}, DWORD{D3DTA_TEXTURE}},
          {D3DTSS_ALPHAOP, DWORD{D3DTOP_MODULATE}, DWORD{D3DTOP_SELECTARG1}},
          {D3DTSS_ALPHAARG1, DWORD{D3DTA_TEXTURE}, DWORD{D3DTA_TEXTURE}}}) {
        const std::string key = "SetTextureStageState" + std::to_string(stage);
        EXPECT_EQ(draw[key], (Args{0, stage, atDraw}));
        EXPECT_EQ(end[key], (Args{0, stage, atEnd}));
    }
    EXPECT_EQ(end["SetTexture"], (Args{0, 0}));
    EXPECT_EQ(end["SetStreamSource"], (Args{0, 0, 0, 0}));
    EXPECT_EQ(end["SetFVF"], (Args{0}));

    // Outside a scene the draw is refused, and the states still put back.
    ASSERT_EQ(device->EndScene(), D3D_OK);
    d3d9rec::ClearLog();
    EXPECT_EQ(Draw("fps: 0", {0, 0, 100, 100}), 0);
    expectSceneStates();
    ASSERT_EQ(device->BeginScene(), D3D_OK);
}

} // namespace
} // namespace d3dx_test
