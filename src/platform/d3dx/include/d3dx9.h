// The subset of the Direct3D 9 utility library the game uses, for the Linux build.
#pragma once

#include <d3d9.h>

#include "d3dx9math.h"
#include "d3dx9core.h"
#include "d3dx9mesh.h"
#include "d3dx9tex.h"
