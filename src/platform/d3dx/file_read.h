// Reading a whole content file into memory, shared by the mesh and texture loaders.
#pragma once

#include <windows.h>

#include <vector>

namespace d3dx {

// The whole of a regular, non-empty file, by a path that may join its parts with backslashes
// as the game's paths do: D3DXERR_INVALIDDATA when there is none (missing, unreadable, a
// directory, empty), E_OUTOFMEMORY when it is larger than 1 GiB.
HRESULT ReadWholeFile(const char* path, std::vector<char>& bytes);

} // namespace d3dx
