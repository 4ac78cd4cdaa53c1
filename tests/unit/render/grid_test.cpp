// The grid lines: one on every tile border, black, replaced cleanly by the next level's grid.
#include "render/grid.h"
#include "shell/game_state.h"

#include "../d3d9/recording_fixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using d3d9rec::testing::Position;

class GridTest : public d3d9rec::testing::RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        ASSERT_EQ(device->BeginScene(), D3D_OK);
    }

    // The line vertices of the one line-list draw that Render made.
    std::vector<Position> DrawnLines(CGrid& grid) {
        d3d9rec::ClearLog();
        grid.Render();
        auto draws = d3d9rec::CallsNamed("DrawPrimitive");
        EXPECT_EQ(draws.size(), 1u);
        if (draws.size() != 1 || !draws[0].drawn) {
            return {};
        }
        EXPECT_EQ(draws[0].args[0].Int(), D3DPT_LINELIST);
        EXPECT_EQ(draws[0].drawn->fvf, static_cast<DWORD>(D3DFVF_XYZ));
        return draws[0].drawn->Vertices<Position>();
    }
};

// The start grid (22 lines over 100 x 100) and a level's of 10 by 8 tiles (11 lines along y,
// 9 along x): one line on every tile border, ten units apart, drawn black.
TEST_F(GridTest, LinesStandOnEveryTileBorder) {
    struct Case {
        float yExtent, xExtent;
        int alongY, alongX;
    };
    for (const Case& c : {Case{100.0f, 100.0f, 11, 11}, Case{80.0f, 100.0f, 11, 9}}) {
        SCOPED_TRACE(c.alongX);
        CGrid grid(device, c.yExtent, c.xExtent, 0.0f, c.alongY, c.alongX);
        std::vector<Position> lines = DrawnLines(grid);
        ASSERT_EQ(lines.size(), 2u * (c.alongY + c.alongX));
        for (int i = 0; i < c.alongY; ++i) {
            EXPECT_EQ(lines[2 * i], (Position{10.0f * i, 0.0f, 0.0f})) << "along y " << i;
            EXPECT_EQ(lines[2 * i + 1], (Position{10.0f * i, c.yExtent, 0.0f}));
        }
        for (int j = 0; j < c.alongX; ++j) {
            EXPECT_EQ(lines[2 * (c.alongY + j)], (Position{0.0f, 10.0f * j, 0.0f}))
                << "along x " << j;
            EXPECT_EQ(lines[2 * (c.alongY + j) + 1], (Position{c.xExtent, 10.0f * j, 0.0f}));
        }
    }
    const D3DMATERIAL9 material =
        d3d9rec::CallsNamed("SetMaterial").at(0).args[0].As<D3DMATERIAL9>();
    for (const D3DCOLORVALUE& c :
         {material.Diffuse, material.Ambient, material.Specular, material.Emissive}) {
        EXPECT_EQ(std::make_pair(c.r + c.g + c.b, c.a), std::make_pair(0.0f, 1.0f));
    }
}

TEST_F(GridTest, DegenerateCountsDrawOneLineAtZero) {
    // Width 0 gives one line along y; width -5 asks for -4 lines.
    for (int count : {1, 0, -4}) {
        CGrid grid(device, 30.0f, 0.0f, 0.0f, count, 4);
        std::vector<Position> lines = DrawnLines(grid);
        ASSERT_EQ(lines.size(), 10u) << count;
        EXPECT_EQ(lines[0], (Position{0.0f, 0.0f, 0.0f}));
        EXPECT_EQ(lines[1], (Position{0.0f, 30.0f, 0.0f}));
        EXPECT_EQ(lines[8], (Position{0.0f, 30.0f, 0.0f}));
    }
}

TEST_F(GridTest, AFailedBuildDrawsNothing) {
    {
        CGrid huge(device, 1e9f, 1e9f, 0.0f, 2000000000, 2000000000);
        EXPECT_EQ(huge.m_pVertexBuffer, nullptr);
        EXPECT_TRUE(d3d9rec::CallsNamed("CreateVertexBuffer").empty()) << "no absurd buffer";
        d3d9rec::ClearLog();
        huge.Render();
        EXPECT_TRUE(d3d9rec::CallsNamed("DrawPrimitive").empty());
    }
    for (const char* failing : {"CreateVertexBuffer", "Lock"}) {
        d3d9rec::FailCall(failing, D3DERR_INVALIDCALL);
        CGrid grid(device, 10.0f, 10.0f, 0.0f, 2, 2);
        d3d9rec::ClearFailure(failing);
        EXPECT_EQ(grid.m_pVertexBuffer, nullptr) << failing;
        grid.Render();
        EXPECT_TRUE(d3d9rec::CallsNamed("DrawPrimitive").empty()) << failing;
    }
}

TEST_F(GridTest, ReplacingAGridReleasesTheOldOne) {
    auto* first = new CGrid(device, 100.0f, 100.0f, 0.0f, 11, 11);
    const std::size_t withOne = d3d9rec::LiveObjects();
    for (int level = 0; level < 5; ++level) {
        CGrid* next = new CGrid(device, 80.0f, 100.0f, 0.0f, 11, 9);
        delete first;
        first = next;
        EXPECT_EQ(g_pGridVB, next->m_pVertexBuffer) << "the newest grid's buffer stays";
        EXPECT_EQ(d3d9rec::LiveObjects(), withOne);
    }
    delete first;
    EXPECT_EQ(g_pGridVB, nullptr);
}

} // namespace
