// The generated models: faces wound to face where their normals point, unit normals, and the
// same bytes on every run.
#include "meshes/models.h"
#include "meshes/scene_models.h"
#include "meshes/scenery_models.h"
#include "meshes/station_model.h"
#include "meshes/target_models.h"
#include "meshes/track_models.h"
#include "meshes/train_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The front of each face is where its normals point, so culling the back leaves it visible.
TEST(Models, EveryFaceIsWoundTowardsItsNormals) {
    for (const auto make :
         {FloorMesh,       PointerMesh, BulletMesh,    TrainMesh,      RailsMesh,
          RailsCornerMesh, StationMesh, RightTurnMesh, LeftTurnMesh,   StraightMesh,
          Coin50Mesh,      Coin100Mesh, SpeedMesh,     BlockMesh,      TreeMesh,
          PineMesh,        RockMesh,    HouseMesh,     WaterTowerMesh, BuffersMesh}) {
        const Mesh mesh = make();
        ASSERT_FALSE(mesh.Triangles().empty());
        for (const Triangle& t : mesh.Triangles()) {
            const Vertex& a = mesh.Vertices()[t.a];
            const Vertex& b = mesh.Vertices()[t.b];
            const Vertex& c = mesh.Vertices()[t.c];
            const Vec3 facing = Cross(b.position - a.position, c.position - a.position);
            for (const Vertex* v : {&a, &b, &c}) {
                EXPECT_NEAR(Length(v->normal), 1.0, 1e-9);
                if (Length(facing) > 1e-9) {
                    ASSERT_GT(Dot(facing, v->normal), 0.0) << "triangle " << t.a;
                }
            }
            EXPECT_LT(static_cast<std::size_t>(t.material), mesh.Materials().size());
        }
    }
}

// The four pictures come first: a model that fails to load ends the list.
TEST(Models, TheSameBytesOnEveryRunPicturesFirst) {
    const std::vector<ModelFile> first = MakeModels(), second = MakeModels();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(first[i].file.bytes == second[i].file.bytes) << first[i].name;
    }
    EXPECT_EQ(first.at(0).name, "menuIntro");
    EXPECT_EQ(first.at(3).name, "menuGameover");
}

} // namespace
