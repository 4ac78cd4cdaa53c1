// Levels: reading level files (the example's known results, a station's blocked ring, where
// reading stops on every kind of bad input), where objects and the train stand, and drawing.
#include "world_test_support.h"

#include "render/camera.h"

#include "../d3d9/recording_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

// 10 by 8 tiles: a track from the train's tile (2, 6) north, a station and two targets.
const std::string EXAMPLE_LEVEL =
    "style base height 8 width 10 camera_data 50 -40 60 0 0.6 0.8 0 0.8 -0.6 -1 0 0\n"
    "objects 6 2 5 rails 1 90 2 4 rails 1 90 2 3 railscorner 1 270 8 6 station 1 0\n"
    "5 6 50pts 1 0 4 5 rturn 1 0 start 2 6 n finish 6 3 e speed 2.5\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// Reads the text into a fresh level: the result, then height width camera count records
// start finish speed track-end, and with objects every object as kind@x,y.
std::string Read(const std::string& text, bool objects = false) {
    CLevel l(nullptr, nullptr, "");
    std::istringstream input(text);
    std::ostringstream s;
    const auto dir = [](char c) { return c ? c : '-'; };
    s << l.ReadLevel(input) << ": " << l.height << ' ' << l.width << ' '
      << (l.camera ? "cam " : "- ") << l.objectCount << ' ' << l.objects.size() << ' ' << l.trainX
      << ',' << l.trainY << dir(l.trainDir) << ' ' << l.finishX << ',' << l.finishY
      << dir(l.finishDir) << ' ' << l.stepInterval << ' ' << l.trackEndX << ',' << l.trackEndY
      << dir(l.trackEndDir);
    for (const CLevelObject& o : l.objects) {
        s << (objects ? " " + o.kind + "@" + std::to_string(o.x) + "," + std::to_string(o.y) : "");
    }
    // Records are kept as read, never room made for a count.
    EXPECT_LE(l.objects.capacity(), 32u);
    return s.str();
}

TEST(LevelFile, ExampleGivesItsKnownResults) {
    // The station's ring of blocked tiles follows it: e, w, s, n, se, nw, ne, sw. Anything
    // after the speed number is ignored.
    EXPECT_EQ(Read(EXAMPLE_LEVEL + "speed 9 \x01", true),
              "0: 8 10 cam 6 14 2,6n 6,3e 2.5 2,3e rails@2,5 rails@2,4 railscorner@2,3 station@8,6 "
              "blocked@9,6 blocked@7,6 blocked@8,7 blocked@8,5 blocked@9,7 blocked@7,5 "
              "blocked@9,5 blocked@7,7 50pts@5,6 rturn@4,5");
    std::istringstream input(EXAMPLE_LEVEL);
    CLevel level(nullptr, nullptr, "levels\\absent.txt"); // a missing file reads nothing
    EXPECT_EQ(std::make_pair(level.camera == nullptr, level.ReadLevelFile("absent")),
              std::pair(true, 1));
    EXPECT_EQ(level.ReadLevel(input), 0);
    EXPECT_EQ(level.objects[0].angle, 1.5707964f); // nearest float to 90 x 3.1415927 / 180
    EXPECT_EQ(level.camera->right, D3DXVECTOR3(-1, 0, 0));
}

// Reading stops at the first bad token: what was read before stays, the rest keeps its start
// value, and the track is not traced. Negative numbers are read as written.
TEST(LevelFile, BadInputStopsReadingAndKeepsWhatWasRead) {
    const std::string example = EXAMPLE_LEVEL;
    const std::pair<std::string, const char*> cases[] = {
        {"", "1: 0 0 - 0 0 0,0- 0,0- 5 0,0-"},
        {std::string("\0\xff\x80style", 8), "1: 0 0 - 0 0 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "height", "Height"), "1: 0 0 - 0 0 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "width 10", "width ten"), "1: 8 0 - 0 0 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "0 0.8 -0.6", "0 up -0.6"), "1: 8 10 cam 0 0 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "2 4 rails", "2 four rails"), "1: 8 10 cam 6 1 0,0- 0,0- 5 0,0-"},
        {example.substr(0, example.find("1 270")), "1: 8 10 cam 6 2 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "2 6 n", "2 6 north"), "1: 8 10 cam 6 14 2,6n 0,0- 5 0,0-"},
        {example.substr(0, example.find("2.5")), "1: 8 10 cam 6 14 2,6n 6,3e 5 0,0-"},
        {Replaced(example, "objects 6", "objects 2147483647"),
         "1: 8 10 cam 2147483647 14 0,0- 0,0- 5 0,0-"},
        {Replaced(example, "objects 6", "objects 99999999999"), "1: 8 10 cam 0 0 0,0- 0,0- 5 0,0-"},
        {example.substr(0, example.find("objects")) + "objects -3 " +
             example.substr(example.find("start")),
         "0: 8 10 cam -3 0 2,6n 6,3e 2.5 2,6n"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Read(text), expected);
    }
}

using LevelRender = d3d9rec::testing::RecordingTest;

// Objects are scaled, turned and moved to their tile's centre; the train stands 0.6 above
// its tile's centre, its nose (+x) turned from +x to its heading.
TEST_F(LevelRender, EveryObjectButBlockedIsDrawnWhereItStandsThenTheTrain) {
    auto catalog = EmptyCatalog();
    const std::string triangle = "xof 0302txt 0032\nMesh T { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, "
                                 "0.0; 1.0; 0.0;; 1; 3; 0, 1, 2;; }\n";
    for (const char* name : {"rails", "train", "blocked"}) {
        CModel& model = catalog->m_models[name];
        ASSERT_EQ(D3DXLoadMeshFromXInMemory(triangle.data(), static_cast<DWORD>(triangle.size()),
                                            D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                            nullptr, &model.pMesh),
                  D3D_OK);
        DWORD adjacency[3]; // sorted as the catalog does, which makes the attribute table
        model.pMesh->GenerateAdjacency(0.0f, adjacency);
        model.pMesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency, nullptr, nullptr, nullptr);
        model.materialIds = {0};
        model.textureNames = {""};
    }
    CLevel level(device, catalog.get(), "no level file");
    level.objects = {Object("rails", 3, 4, 90), Object("blocked", 2, 2), Object("unknown", 3, 3)};
    level.objects[0].scale = 2.0f;
    level.trainX = level.trainY = 4;
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    d3d9rec::ClearLog();
    level.Render();
    // The rails and the train; "blocked" never; a kind without a model, nothing.
    const auto draws = d3d9rec::CallsNamed("DrawIndexedPrimitive");
    ASSERT_EQ(draws.size(), 2u);
    const D3DXMATRIX rails = draws[0].drawn->world, train = draws[1].drawn->world;
    EXPECT_EQ(std::make_tuple(rails._12, rails._33, rails._41, rails._42, train._41, train._43),
              std::make_tuple(2.0f, 2.0f, 35.0f, 45.0f, 45.0f, 0.6f));
    // Each object gets the four stage-0 states; the train none of its own.
    const auto stages = d3d9rec::CallsNamed("SetTextureStageState");
    EXPECT_EQ(stages.size() + d3d9rec::CallsNamed("SetTransform").size(), 4u * 2 + 3);
    for (const auto& call : stages) {
        EXPECT_EQ(call.args[0].UInt(), 0u);
    }
    for (const auto& [heading, noseX, noseY] :
         {std::tuple{'n', 1, 0}, {'e', 0, 1}, {'s', -1, 0}, {'w', 0, -1}, {'x', 1, 0}}) {
        level.trainDir = heading;
        const D3DXMATRIX m = level.GetTrainMatrix();
        EXPECT_NEAR(std::hypot(m._11 - noseX, m._12 - noseY), 0.0, 1e-6) << heading;
    }
}

} // namespace
