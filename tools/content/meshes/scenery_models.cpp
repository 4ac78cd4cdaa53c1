#include "meshes/scenery_models.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"
#include "meshes/track_models.h"

#include <vector>

namespace {

const Colour kBark{0.42, 0.28, 0.16};
const Colour kLeaves{0.22, 0.55, 0.2};
const Colour kNeedles{0.1, 0.38, 0.2};

// Small fixed dents and swellings that make round shapes look grown rather than turned.
const std::vector<double> kBumps = {0.08,  -0.05, 0.12, 0.02,  -0.09, 0.06, -0.02, 0.1,
                                    -0.07, 0.04,  0.0,  -0.11, 0.09,  0.03, -0.04, 0.07};

// A profile drawn in y and z, extruded along x.
Transform ProfileAlongX() {
    return Transform::RotationZ(90.0) * Transform::RotationX(90.0);
}

Transform At(double x, double y, double z) {
    return Transform::Translation({x, y, z});
}

} // namespace

Mesh TreeMesh() {
    Mesh mesh;
    const int bark = mesh.UseMaterial(Paint(kBark));
    const int leaves = mesh.UseMaterial(Paint(kLeaves));
    AddFrustum(mesh, Transform(), 0.45, 0.0, 0.32, 3.4, 8, bark, bark);
    AddLumpySphere(mesh, At(0.0, 0.0, 5.2), 2.7, 6, 10, kBumps, leaves);
    AddLumpySphere(mesh, At(1.3, 0.9, 4.3), 1.8, 5, 8, kBumps, leaves);
    AddLumpySphere(mesh, At(-1.1, -1.0, 4.5), 1.7, 5, 8, kBumps, leaves);
    return mesh;
}

Mesh PineMesh() {
    Mesh mesh;
    const int bark = mesh.UseMaterial(Paint(kBark));
    const int needles = mesh.UseMaterial(Paint(kNeedles));
    AddFrustum(mesh, Transform(), 0.35, 0.0, 0.3, 1.6, 8, bark, bark);
    AddFrustum(mesh, Transform(), 2.6, 1.2, 0.0, 4.6, 12, needles, needles);
    AddFrustum(mesh, Transform(), 2.0, 3.2, 0.0, 6.3, 12, needles, needles);
    AddFrustum(mesh, Transform(), 1.4, 5.0, 0.0, 7.9, 12, needles, needles);
    return mesh;
}

Mesh RockMesh() {
    Mesh mesh;
    const int stone = mesh.UseMaterial(Paint({0.55, 0.54, 0.5}));
    AddLumpySphere(mesh, At(0.0, 0.0, 0.7), 2.2, 5, 9, kBumps, stone);
    AddLumpySphere(mesh, At(1.9, 1.2, 0.2), 1.1, 4, 7, kBumps, stone);
    return mesh;
}

Mesh HouseMesh() {
    Mesh mesh;
    const int wall = mesh.UseMaterial(Paint({0.92, 0.88, 0.78}));
    const int roof = mesh.UseMaterial(Textured("roof.png"));
    const int brick = mesh.UseMaterial(Textured("brick.png"));
    const int door = mesh.UseMaterial(Paint({0.45, 0.22, 0.12}));
    const int window = mesh.UseMaterial(Paint({0.55, 0.75, 0.85}, 0.5));
    AddBox(mesh, Transform(), {-4.0, -3.0, 0.0}, {4.0, 3.0, 4.0}, wall);
    AddPrism(mesh, ProfileAlongX(), {{-3.6, 4.0}, {3.6, 4.0}, {0.0, 6.8}}, -4.4, 4.4, roof, roof,
             4.0);
    AddBox(mesh, Transform(), {2.0, -1.5, 4.5}, {2.8, -0.7, 7.4}, brick, 3.0);
    AddBox(mesh, Transform(), {-0.7, 3.0, 0.0}, {0.7, 3.05, 2.5}, door);
    for (const double x : {-2.6, 2.6}) {
        AddBox(mesh, Transform(), {x - 0.7, 3.0, 1.5}, {x + 0.7, 3.05, 2.9}, window);
        AddBox(mesh, Transform(), {x - 0.7, -3.05, 1.5}, {x + 0.7, -3.0, 2.9}, window);
    }
    for (const double x : {-4.05, 4.0}) {
        AddBox(mesh, Transform(), {x, -0.7, 1.5}, {x + 0.05, 0.7, 2.9}, window);
    }
    return mesh;
}

Mesh WaterTowerMesh() {
    Mesh mesh;
    const int timber = mesh.UseMaterial(Textured("wood.png"));
    const int iron = mesh.UseMaterial(Paint({0.3, 0.3, 0.32}, 0.3));
    const int roof = mesh.UseMaterial(Paint({0.5, 0.2, 0.15}));
    for (const double x : {-1.7, 1.7}) {
        for (const double y : {-1.7, 1.7}) {
            AddBox(mesh, Transform(), {x - 0.2, y - 0.2, 0.0}, {x + 0.2, y + 0.2, 5.0}, iron);
        }
    }
    AddFrustum(mesh, Transform(), 2.5, 5.0, 2.5, 8.2, 16, timber, timber);
    for (const double z : {5.6, 7.6}) {
        AddFrustum(mesh, Transform(), 2.56, z, 2.56, z + 0.2, 16, iron, iron);
    }
    AddFrustum(mesh, Transform(), 2.8, 8.2, 0.0, 9.8, 16, roof, roof);
    // The spout that fills the engine, swung out towards the track.
    AddBox(mesh, Transform(), {2.4, -0.2, 5.6}, {4.6, 0.2, 6.0}, iron);
    return mesh;
}

Mesh BuffersMesh() {
    Mesh mesh;
    AddStraightTrack(mesh, Transform(), -5.0, 0.0);
    const int red = mesh.UseMaterial(Paint({0.8, 0.12, 0.1}));
    const int white = mesh.UseMaterial(Paint({0.95, 0.95, 0.92}));
    const int iron = mesh.UseMaterial(Paint({0.25, 0.25, 0.27}, 0.3));
    // The beam across the track, with white ends, on two raking struts.
    AddBox(mesh, Transform(), {-0.6, -1.9, 0.9}, {0.2, 1.9, 1.9}, red);
    for (const double y : {-2.5, 1.9}) {
        AddBox(mesh, Transform(), {-0.6, y, 0.9}, {0.2, y + 0.6, 1.9}, white);
    }
    for (const double y : {-1.5, 1.5}) {
        AddPrism(mesh, Transform::RotationX(90.0), {{0.2, 0.0}, {0.2, 1.9}, {2.6, 0.0}}, -y - 0.2,
                 -y + 0.2, iron, iron);
        // The buffers, facing the train coming from the west.
        AddFrustum(mesh, At(-0.6, y, 1.4) * Transform::RotationY(-90.0), 0.3, 0.0, 0.3, 0.7, 10,
                   iron, iron);
        AddFrustum(mesh, At(-1.3, y, 1.4) * Transform::RotationY(-90.0), 0.5, 0.0, 0.5, 0.12, 12,
                   iron, iron);
    }
    return mesh;
}
