// Turns one Mesh object as written (polygons, per-corner normals) into triangles over
// vertices that each carry one normal.
#pragma once

#include <vector>

#include "mesh_vertex.h"
#include "xfile/xfile_mesh_reader.h"

namespace d3dx {

struct BuiltMesh {
    DWORD fvf = D3DFVF_XYZ;
    std::vector<MeshVertex> vertices;
    std::vector<DWORD> indices;    // three per triangle
    std::vector<DWORD> attributes; // material index of each triangle
    std::vector<xfile::FileMaterial> materials;

    DWORD FaceCount() const { return static_cast<DWORD>(attributes.size()); }
};

// The file's vertices stay first and in order; a vertex used with a second, different normal
// gets a copy (appended in corner order) for each further normal. Polygons are cut into fans
// (0,1,2), (0,2,3), ... With a material list, triangles are then stably sorted by material.
BuiltMesh BuildMesh(const xfile::FileMesh& mesh);

} // namespace d3dx
