// The targets. Each stands in the middle of its tile, about as wide as half a tile and low,
// so that its bounding sphere (about its vertices' centre) is hit by a shot aimed at its tile
// from the next one, and stays clear of targets on the tiles beside it.
#pragma once

#include "meshes/mesh.h"

// Arrows on a disc, drawn for a track heading north (-y): a turn to the right (east), to the
// left (west), and straight on.
Mesh RightTurnMesh();
Mesh LeftTurnMesh();
Mesh StraightMesh();
// Gold coins showing their value.
Mesh Coin50Mesh();
Mesh Coin100Mesh();
// A lightning bolt: the train goes faster.
Mesh SpeedMesh();
// A short brick wall that only stops shots.
Mesh BlockMesh();
