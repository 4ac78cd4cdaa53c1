// The groups of checks the conformance program runs, in the order it prints them.
#pragma once

#include <d3dx9.h>

#include <string>

// The value types: layout, vector, matrix, plane and bounding-sphere functions, operators.
void RunValueChecks();
// Loads and optimises every .x file under dataDir.
void RunMeshChecks(IDirect3DDevice9* device, const std::string& dataDir);
