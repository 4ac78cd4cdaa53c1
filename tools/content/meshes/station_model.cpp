#include "meshes/station_model.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"

namespace {

// A profile drawn in y and z, extruded along x.
Transform ProfileAlongX() {
    return Transform::RotationZ(90.0) * Transform::RotationX(90.0);
}

} // namespace

Mesh StationMesh() {
    Mesh mesh;
    const int brick = mesh.UseMaterial(Textured("brick.png"));
    const int roof = mesh.UseMaterial(Textured("roof.png"));
    const int platform = mesh.UseMaterial(Paint({0.66, 0.64, 0.6}));
    const int edge = mesh.UseMaterial(Paint({0.95, 0.9, 0.55}));
    const int canopy = mesh.UseMaterial(Paint({0.12, 0.38, 0.2}));
    const int post = mesh.UseMaterial(Paint({0.85, 0.83, 0.76}));
    const int door = mesh.UseMaterial(Paint({0.4, 0.24, 0.12}));
    const int window = mesh.UseMaterial(Paint({0.55, 0.75, 0.85}, 0.5));
    const int sign = mesh.UseMaterial(Paint({0.95, 0.93, 0.85}));
    const Transform none;

    // The platform, with a yellow line along its edge by the track.
    AddBox(mesh, none, {-14.5, 3.0, 0.0}, {14.5, 16.0, 0.9}, platform);
    AddBox(mesh, none, {-14.5, 15.2, 0.9}, {14.5, 15.6, 0.93}, edge);

    // The building and its gable roof.
    AddBox(mesh, none, {-7.0, -5.0, 0.0}, {7.0, 3.0, 6.0}, brick, 4.0);
    AddPrism(mesh, ProfileAlongX(), {{-5.8, 6.0}, {3.8, 6.0}, {-1.0, 9.5}}, -7.8, 7.8, roof, roof,
             4.0);
    AddBox(mesh, none, {-1.0, 3.0, 0.9}, {1.0, 3.05, 3.6}, door);
    for (const double x : {-4.5, 4.5}) {
        AddBox(mesh, none, {x - 1.0, 3.0, 2.4}, {x + 1.0, 3.05, 4.4}, window);
        AddBox(mesh, none, {x - 1.0, -5.05, 2.4}, {x + 1.0, -5.0, 4.4}, window);
    }

    // The canopy on its posts, with the station's name board hanging under it.
    AddBox(mesh, none, {-12.0, 3.0, 5.0}, {12.0, 11.5, 5.3}, canopy);
    for (const double x : {-10.0, -3.5, 3.5, 10.0}) {
        AddBox(mesh, none, {x - 0.2, 10.6, 0.9}, {x + 0.2, 11.0, 5.0}, post);
    }
    AddBox(mesh, none, {-2.5, 10.7, 4.0}, {2.5, 10.9, 4.9}, sign);
    return mesh;
}
