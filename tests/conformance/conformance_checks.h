// The groups of checks the conformance program runs, in the order it prints them.
#pragma once

#include <d3dx9.h>

#include <string>

// sizeof and offsetof of the value types and the material record.
void RunLayoutChecks();
// Vector, matrix, plane and bounding-sphere functions.
void RunMathsChecks();
// C++ operators of D3DXVECTOR3, D3DXMATRIX, D3DXPLANE and D3DXCOLOR.
void RunOperatorChecks();
// Loads and optimises every .x file under dataDir.
void RunMeshChecks(IDirect3DDevice9* device, const std::string& dataDir);
