// The steam locomotive. Its origin stands above the middle of its tile at the height the game
// places it (0.6 above the ground, the rails' top, so the wheels stand on the rails); its
// front points north (-y), the heading it is drawn for when not turned.
#pragma once

#include "meshes/mesh.h"

Mesh TrainMesh();
