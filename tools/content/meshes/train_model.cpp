#include "meshes/train_model.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"

namespace {

constexpr int kRound = 16; // segments of round parts

// Parts whose own z axis runs along +y (the boiler), along +x (the wheels), or whose own x, y
// and z run along y, z and x (a side profile drawn in y and z, extruded across the engine).
Transform AlongY(const Vec3& at) {
    return Transform::Translation(at) * Transform::RotationX(-90.0);
}
Transform AlongX(const Vec3& at) {
    return Transform::Translation(at) * Transform::RotationY(90.0);
}
Transform SideProfile() {
    return Transform::RotationZ(90.0) * Transform::RotationX(90.0);
}

} // namespace

Mesh TrainMesh() {
    Mesh mesh;
    const int black = mesh.UseMaterial(Paint({0.16, 0.17, 0.19}, 0.3));
    const int green = mesh.UseMaterial(Paint({0.1, 0.42, 0.22}, 0.25));
    const int red = mesh.UseMaterial(Paint({0.72, 0.12, 0.1}, 0.2));
    const int brass = mesh.UseMaterial(Paint({0.9, 0.72, 0.3}, 0.6));
    const int roof = mesh.UseMaterial(Paint({0.22, 0.22, 0.24}));
    const int window = mesh.UseMaterial(Paint({0.55, 0.75, 0.85}, 0.5));
    const int lamp = mesh.UseMaterial(Glow({1.0, 0.9, 0.55}));
    const Transform none;

    // Frame and buffer beam, red; the cowcatcher sloping down in front.
    AddBox(mesh, none, {-1.5, -4.2, 0.95}, {1.5, 4.3, 1.35}, red);
    AddBox(mesh, none, {-1.7, -4.5, 0.8}, {1.7, -4.2, 1.4}, red);
    AddPrism(mesh, SideProfile(), {{-4.5, 0.1}, {-4.5, 0.8}, {-5.0, 0.1}}, -1.4, 1.4, black, black);

    // Boiler with its smokebox at the front and brass bands; chimney, dome and whistle.
    AddFrustum(mesh, AlongY({0.0, -4.0, 2.45}), 1.15, 0.6, 1.15, 5.0, kRound, green, green);
    AddFrustum(mesh, AlongY({0.0, -4.0, 2.45}), 1.2, -0.2, 1.2, 0.6, kRound, black, black);
    for (const double along : {1.8, 3.4}) {
        AddFrustum(mesh, AlongY({0.0, -4.0, 2.45}), 1.2, along, 1.2, along + 0.15, kRound, brass,
                   brass);
    }
    AddFrustum(mesh, Transform::Translation({0.0, -3.6, 3.3}), 0.42, 0.0, 0.42, 1.1, 12, black,
               black);
    AddFrustum(mesh, Transform::Translation({0.0, -3.6, 4.4}), 0.42, 0.0, 0.65, 0.5, 12, black,
               black);
    AddFrustum(mesh, Transform::Translation({0.0, -1.2, 3.3}), 0.5, 0.0, 0.45, 0.6, 12, brass,
               brass);
    AddSphere(mesh, Transform::Translation({0.0, -1.2, 3.9}), 0.45, 4, 12, brass);
    AddFrustum(mesh, Transform::Translation({0.0, 0.4, 3.45}), 0.12, 0.0, 0.12, 0.7, 8, brass,
               brass);
    // The lamp on the smokebox door.
    AddBox(mesh, none, {-0.3, -4.45, 3.25}, {0.3, -4.15, 3.75}, lamp);

    // Cab: walls with windows, an overhanging roof.
    AddBox(mesh, none, {-1.55, 1.0, 1.35}, {1.55, 3.9, 4.4}, green);
    AddBox(mesh, none, {-1.57, 1.5, 2.9}, {-1.54, 2.9, 3.9}, window);
    AddBox(mesh, none, {1.54, 1.5, 2.9}, {1.57, 2.9, 3.9}, window);
    AddBox(mesh, none, {-0.9, 0.98, 3.0}, {0.9, 1.0, 3.9}, window);
    AddBox(mesh, none, {-1.8, 0.8, 4.4}, {1.8, 4.2, 4.65}, roof);

    // Three driving wheels a side with hub caps, and the coupling rods outside them.
    for (const double y : {-2.5, -0.5, 1.5}) {
        for (const double x : {-1.85, 1.55}) {
            AddFrustum(mesh, AlongX({x, y, 0.85}), 0.85, 0.0, 0.85, 0.3, kRound, red, red);
        }
        for (const double x : {-1.93, 1.85}) {
            AddFrustum(mesh, AlongX({x, y, 0.85}), 0.25, 0.0, 0.25, 0.08, 8, brass, brass);
        }
    }
    for (const double x : {-1.95, 1.95}) {
        AddBox(mesh, none, {x - 0.06, -2.7, 0.7}, {x + 0.06, 1.7, 0.9}, brass);
    }
    return mesh;
}
