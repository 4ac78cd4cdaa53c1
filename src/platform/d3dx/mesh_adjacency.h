// Which triangles share an edge.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

#include <vector>

namespace d3dx {

inline constexpr DWORD kNoNeighbour = 0xFFFFFFFF;

// Three entries per face: entry 3f+e is the face across edge e of face f (from corner e to
// corner (e+1) % 3), or kNoNeighbour. Two faces are neighbours across an edge that one runs
// a->b and the other b->a, where corners match when they are the same vertex or, for
// epsilon >= 0, their positions lie closer than epsilon (equal when epsilon is 0). Each
// edge has at most one neighbour and two faces neighbour each other at most once.
// `indices` must hold 3 * faceCount indices below positions.size().
std::vector<DWORD> ComputeAdjacency(const std::vector<D3DXVECTOR3>& positions,
                                    const std::vector<DWORD>& indices, float epsilon);

} // namespace d3dx
