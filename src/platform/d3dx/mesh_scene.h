// Gathers every mesh of a .x document, placed by its frames, into one mesh.
#pragma once

#include <vector>

#include "mesh_vertex.h"
#include "xfile/xfile_document.h"
#include "xfile/xfile_mesh_reader.h"

namespace d3dx {

struct LoadedScene {
    DWORD fvf = D3DFVF_XYZ; // the union of the meshes' formats
    std::vector<MeshVertex> vertices;
    std::vector<DWORD> indices;                 // three per face
    std::vector<DWORD> attributes;              // one per face
    std::vector<DWORD> adjacency;               // three per face, when asked for
    std::vector<xfile::FileMaterial> materials; // never empty
};

// Takes the top-level Mesh objects and the meshes inside top-level Frames (nested frames
// included), in file order. A frame's FrameTransformMatrix places the meshes and frames that
// follow it in that frame, which the frames around it then place in turn (v * inner * outer);
// positions are transformed as points, normals by the matrix's upper 3x3. Each mesh's vertex
// indices, material indices and adjacency are shifted past those of the meshes before it.
// With no material at all, one default material is given.
//
// Where Wine's library differs (it composes nested frames outer first, moves normals by the
// translation too, and shifts later meshes' indices and adjacency by three per earlier
// triangle), this follows the meaning of the format instead.
//
// E_FAIL when there is no mesh or one is malformed; D3DERR_INVALIDCALL for a mesh without
// vertices or faces; E_OUTOFMEMORY when references would repeat meshes beyond sane sizes.
HRESULT LoadScene(const xfile::Document& document, bool withAdjacency, LoadedScene& scene);

} // namespace d3dx
