// Scenery that levels place around the track: drawn, never hit by shots, and in the train's
// way like any object that is not a rail piece.
#pragma once

#include "meshes/mesh.h"

Mesh TreeMesh();
Mesh PineMesh();
Mesh RockMesh();
Mesh HouseMesh();
Mesh WaterTowerMesh();
// The end of the line: a stub of track from the west side to a buffer stop facing west, for
// the tile beyond the finish (turned to face the train).
Mesh BuffersMesh();
