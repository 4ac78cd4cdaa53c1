// The station: a brick building on its own tile with a platform and canopy reaching south
// (+y) across the row of tiles the game keeps clear around it, up to the track beyond.
#pragma once

#include "meshes/mesh.h"

Mesh StationMesh();
