// Where level objects and the train stand when drawn, and what the level draws.
#include "world_test_support.h"

#include "../d3d9/recording_fixture.h"

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

D3DXVECTOR3 Moved(const D3DXMATRIX& world, float x, float y, float z) {
    const D3DXVECTOR3 point(x, y, z);
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &point, &world);
    return out;
}

void ExpectNear(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(Placement, ObjectsAreScaledTurnedAndCentredOnTheirTile) {
    CLevelObject object = Object("rails", 3, 4, 90);
    object.scale = 2.0f;
    const D3DXMATRIX world = object.GetWorldMatrix();
    ExpectNear(Moved(world, 0, 0, 0), D3DXVECTOR3(35.0f, 45.0f, 0.0f));
    // Doubled in size, +x turned onto +y.
    ExpectNear(Moved(world, 1, 0, 0), D3DXVECTOR3(35.0f, 47.0f, 0.0f));
    ExpectNear(Moved(world, 0, 0, 1), D3DXVECTOR3(35.0f, 45.0f, 2.0f));

    // Far off, the centre is rounded to a float once: 10 x 16777217 + 5 is 167772175, whose
    // nearest float is 167772176 (a float product of the tile number would give 167772160).
    EXPECT_EQ(Object("rails", 16777217, 0, 0).GetWorldMatrix()._41, 167772176.0f);
}

TEST(Placement, TheTrainFacesItsHeadingAboveItsTile) {
    auto level = UnreadLevel();
    struct Case {
        char heading;
        D3DXVECTOR3 nose; // where the model's +x ends up
    };
    for (const Case& c : {Case{'e', {5.0f, 6.0f, 0.6f}}, Case{'n', {6.0f, 5.0f, 0.6f}},
                          Case{'s', {4.0f, 5.0f, 0.6f}}, Case{'w', {5.0f, 4.0f, 0.6f}},
                          Case{'x', {6.0f, 5.0f, 0.6f}}}) {
        level->trainDir = c.heading;
        const D3DXMATRIX world = level->GetTrainMatrix();
        ExpectNear(Moved(world, 0, 0, 0), D3DXVECTOR3(5.0f, 5.0f, 0.6f));
        ExpectNear(Moved(world, 1, 0, 0), c.nose);
    }
}

class LevelRender : public d3d9rec::testing::RecordingTest {
protected:
    // One triangle with one material: the smallest model that draws (the catalog that holds
    // it releases it).
    ID3DXMesh* Triangle() {
        const std::string text = "xof 0302txt 0032\nMesh T { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, "
                                 "0.0; 1.0; 0.0;; 1; 3; 0, 1, 2;; }\n";
        ID3DXMesh* mesh = nullptr;
        EXPECT_EQ(D3DXLoadMeshFromXInMemory(text.data(), static_cast<DWORD>(text.size()),
                                            D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                            nullptr, &mesh),
                  D3D_OK);
        // Sorted as the catalog does, which gives the mesh its attribute table.
        DWORD adjacency[3];
        mesh->GenerateAdjacency(0.0f, adjacency);
        mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, adjacency, nullptr, nullptr, nullptr);
        return mesh;
    }
};

TEST_F(LevelRender, EveryObjectButBlockedIsDrawnThenTheTrain) {
    auto catalog = EmptyCatalog();
    for (const char* name : {"rails", "train", "blocked"}) {
        catalog->m_models[name].pMesh = Triangle();
        catalog->m_models[name].materialIds = {0};
        catalog->m_models[name].textureNames = {""};
    }
    CLevel level(device, catalog.get(), "no level file");
    level.objects = {Object("rails", 1, 1), Object("blocked", 2, 2), Object("unknown", 3, 3)};
    level.trainX = 4;
    level.trainY = 4;
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    d3d9rec::ClearLog();
    level.Render();

    // Drawn: the rails and the train; "blocked" never; a kind without a model, nothing.
    const auto draws = d3d9rec::CallsNamed("DrawIndexedPrimitive");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].drawn->world._41, 15.0f);
    EXPECT_EQ(draws[1].drawn->world._41, 45.0f);
    EXPECT_EQ(draws[1].drawn->world._43, 0.6f);
    // Each object gets the four stage-0 states; the train none of its own.
    EXPECT_EQ(d3d9rec::CallsNamed("SetTextureStageState").size(), 4u * 2);
    EXPECT_EQ(d3d9rec::CallsNamed("SetTransform").size(), 3u);
}

} // namespace
