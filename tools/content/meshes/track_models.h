// Rail pieces. A piece fills one 10-unit tile around its origin; both kinds keep the same
// cross-section (ballast, sleepers, two rails) so that pieces meet at every tile border.
#pragma once

#include "meshes/mesh.h"

// The rails' top, where the train's wheels stand.
inline constexpr double kRailTop = 0.6;

// Straight, along x: joins the west and east sides.
Mesh RailsMesh();
// A quarter turn joining the west and south sides (south is +y).
Mesh RailsCornerMesh();

// The straight track's parts between x0 and x1, added to another model (the buffer stop).
void AddStraightTrack(Mesh& mesh, const Transform& place, double x0, double x1);
