#include "meshes/track_models.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"

#include <numbers>

namespace {

constexpr double kHalfGauge = 1.5; // the rails' centre lines lie this far from the middle
constexpr double kRailHalfWidth = 0.15;
constexpr double kBallastHalfWidth = 3.0;
constexpr double kBallastTop = 0.06;
constexpr double kSleeperTop = 0.3;
constexpr double kSleeperHalfLength = 2.6;
constexpr double kSleeperHalfWidth = 0.6;
constexpr double kCurveSleeperHalfWidth = 0.45;
constexpr double kSleeperSpacing = 2.0; // along the track, first one 1 unit from the border

struct TrackMaterials {
    int ballast, sleeper, rail;
};

TrackMaterials Materials(Mesh& mesh) {
    return {mesh.UseMaterial(Textured("gravel.png")), mesh.UseMaterial(Textured("wood.png")),
            mesh.UseMaterial(Paint({0.55, 0.55, 0.6}, 0.35))};
}

} // namespace

void AddStraightTrack(Mesh& mesh, const Transform& place, double x0, double x1) {
    const TrackMaterials m = Materials(mesh);
    AddBox(mesh, place, {x0, -kBallastHalfWidth, 0.0}, {x1, kBallastHalfWidth, kBallastTop},
           m.ballast, 4.0);
    for (double x = x0 + kSleeperSpacing / 2.0; x < x1; x += kSleeperSpacing) {
        AddBox(mesh, place, {x - kSleeperHalfWidth, -kSleeperHalfLength, kBallastTop},
               {x + kSleeperHalfWidth, kSleeperHalfLength, kSleeperTop}, m.sleeper, 2.0);
    }
    for (const double side : {-kHalfGauge, kHalfGauge}) {
        AddBox(mesh, place, {x0, side - kRailHalfWidth, kSleeperTop},
               {x1, side + kRailHalfWidth, kRailTop}, m.rail);
    }
}

Mesh RailsMesh() {
    Mesh mesh;
    AddStraightTrack(mesh, Transform(), -5.0, 5.0);
    return mesh;
}

Mesh RailsCornerMesh() {
    Mesh mesh;
    const TrackMaterials m = Materials(mesh);
    // A quarter circle about the tile's south-west corner, from the middle of the west side
    // (angle -90) to the middle of the south side (angle 0).
    const Transform aboutCorner = Transform::Translation({-5.0, 5.0, 0.0});
    const double middle = 5.0;
    AddArcBar(mesh, aboutCorner, middle - kBallastHalfWidth, middle + kBallastHalfWidth, -90.0, 0.0,
              0.0, kBallastTop, 12, m.ballast, 4.0);
    const double arc = middle * std::numbers::pi / 2.0;
    const int sleepers = 4;
    const double spacing = (arc - kSleeperSpacing) / (sleepers - 1);
    for (int i = 0; i < sleepers; ++i) {
        const double along = kSleeperSpacing / 2.0 + spacing * i;
        const double degrees = -90.0 + along / middle * 180.0 / std::numbers::pi;
        // A sleeper lies across the track, along the radius at its angle; narrower and
        // shorter on the inside than on the straight, where the tight curve crowds them.
        AddBox(mesh, aboutCorner * Transform::RotationZ(degrees),
               {middle - kSleeperHalfLength + 0.3, -kCurveSleeperHalfWidth, kBallastTop},
               {middle + kSleeperHalfLength, kCurveSleeperHalfWidth, kSleeperTop}, m.sleeper, 2.0);
    }
    for (const double side : {-kHalfGauge, kHalfGauge}) {
        AddArcBar(mesh, aboutCorner, middle + side - kRailHalfWidth, middle + side + kRailHalfWidth,
                  -90.0, 0.0, kSleeperTop, kRailTop, 16, m.rail);
    }
    return mesh;
}
