// The generated models: faces wound to face where their normals point, unit normals, the
// sizes the game relies on, and the same bytes on every run.
#include "meshes/models.h"
#include "meshes/scene_models.h"
#include "meshes/scenery_models.h"
#include "meshes/shapes.h"
#include "meshes/station_model.h"
#include "meshes/target_models.h"
#include "meshes/track_models.h"
#include "meshes/train_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct NamedMesh {
    const char* name;
    Mesh (*make)();
};

const NamedMesh kMeshes[] = {
    {"floor", FloorMesh},
    {"pointer", PointerMesh},
    {"bullet", BulletMesh},
    {"train", TrainMesh},
    {"rails", RailsMesh},
    {"railscorner", RailsCornerMesh},
    {"station", StationMesh},
    {"rturn", RightTurnMesh},
    {"lturn", LeftTurnMesh},
    {"rrecht", StraightMesh},
    {"50pts", Coin50Mesh},
    {"100pts", Coin100Mesh},
    {"speed", SpeedMesh},
    {"block", BlockMesh},
    {"tree", TreeMesh},
    {"pine", PineMesh},
    {"rock", RockMesh},
    {"house", HouseMesh},
    {"watertower", WaterTowerMesh},
    {"buffers", BuffersMesh},
};

// The largest |x| and |y| of a mesh's vertices.
double HalfExtent(const Mesh& mesh) {
    double extent = 0.0;
    for (const Vertex& v : mesh.Vertices()) {
        extent = std::max({extent, std::fabs(v.position.x), std::fabs(v.position.y)});
    }
    return extent;
}

TEST(Models, EveryFaceIsWoundTowardsItsNormals) {
    for (const NamedMesh& named : kMeshes) {
        const Mesh mesh = named.make();
        ASSERT_FALSE(mesh.Triangles().empty()) << named.name;
        for (const Triangle& t : mesh.Triangles()) {
            const Vertex& a = mesh.Vertices()[t.a];
            const Vertex& b = mesh.Vertices()[t.b];
            const Vertex& c = mesh.Vertices()[t.c];
            const Vec3 facing = Cross(b.position - a.position, c.position - a.position);
            for (const Vertex* v : {&a, &b, &c}) {
                EXPECT_NEAR(Length(v->normal), 1.0, 1e-9) << named.name;
                if (Length(facing) > 1e-9) {
                    EXPECT_GT(Dot(facing, v->normal), 0.0) << named.name << " triangle " << t.a;
                }
            }
            EXPECT_LT(static_cast<std::size_t>(t.material), mesh.Materials().size());
        }
    }
}

TEST(Models, TrackAndTrainFitOneTileAndTheTrainFacesNorth) {
    for (const auto make : {RailsMesh, RailsCornerMesh, TrainMesh}) {
        EXPECT_LE(HalfExtent(make()), 5.0 + 1e-9);
    }
    // The chimney stands in the front half, which is north (-y).
    const Mesh train = TrainMesh();
    double chimneyY = 0.0, top = -1.0;
    for (const Vertex& v : train.Vertices()) {
        if (v.position.z > top) {
            top = v.position.z;
            chimneyY = v.position.y;
        }
    }
    EXPECT_LT(chimneyY, -2.0);
}

TEST(Models, PicturesCoverTheirSquareAndWideBandsBesideIt) {
    const Mesh mesh = PictureMesh("title.png");
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const Vertex& v : mesh.Vertices()) {
        left = std::min(left, v.position.x);
        right = std::max(right, v.position.x);
        top = std::min(top, v.position.y);
        bottom = std::max(bottom, v.position.y);
        EXPECT_EQ(v.position.z, 0.0);
        // The top row of the image lies towards -y, where the title camera's up points.
        EXPECT_EQ(v.v, v.position.y < kPictureCentreY ? 0.0 : 1.0);
    }
    EXPECT_DOUBLE_EQ(right - left, kPictureWidth);
    EXPECT_DOUBLE_EQ(bottom - top, kPictureSide);
    EXPECT_EQ(mesh.Materials().at(0).texture, "title.png");
}

TEST(Shapes, PrismCapsCoverExactlyTheOutlineOfAnyWinding) {
    // An L-shaped outline: its area is 3, and every reflex corner must be clipped right.
    std::vector<Point2> outline = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
    for (int winding = 0; winding < 2; ++winding) {
        Mesh mesh;
        AddPrism(mesh, Transform(), outline, 0.0, 1.0, 0, 0);
        double top = 0.0;
        for (const Triangle& t : mesh.Triangles()) {
            const Vec3& a = mesh.Vertices()[t.a].position;
            const Vec3 facing =
                Cross(mesh.Vertices()[t.b].position - a, mesh.Vertices()[t.c].position - a);
            if (a.z == 1.0 && facing.z > 0.0 && std::fabs(facing.x) + std::fabs(facing.y) == 0) {
                top += facing.z / 2.0;
            }
        }
        EXPECT_DOUBLE_EQ(top, 3.0);
        std::reverse(outline.begin(), outline.end());
    }
}

TEST(Models, TheSameBytesOnEveryRun) {
    const std::vector<ModelFile> first = MakeModels();
    const std::vector<ModelFile> second = MakeModels();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].file.bytes, second[i].file.bytes) << first[i].name;
    }
    // The four pictures come first: a model that fails to load ends the list.
    EXPECT_EQ(first.at(0).name, "menuIntro");
    EXPECT_EQ(first.at(3).name, "menuGameover");
}

} // namespace
