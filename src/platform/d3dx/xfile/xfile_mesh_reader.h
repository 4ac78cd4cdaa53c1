// Gives meaning to the objects the mesh loader uses: Mesh and its MeshNormals,
// MeshTextureCoords, MeshVertexColors and MeshMaterialList (with inline or referenced
// Material objects and their TextureFilename), and FrameTransformMatrix.
//
// Every count is checked against the values that are really there before anything is sized
// from it. A mesh that contradicts itself (counts that do not match, indices out of range,
// values missing or left over) gives E_FAIL, as the platform does.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

#include <string>
#include <vector>

#include "xfile/xfile_document.h"

namespace d3dx::xfile {

struct FileMaterial {
    D3DMATERIAL9 material{};
    bool hasTexture = false;
    std::string texture;
};

// One Mesh object as written: polygons, not yet triangles.
struct FileMesh {
    std::vector<D3DXVECTOR3> positions;
    std::vector<DWORD> polygonSizes; // corners of each polygon, at least 3
    std::vector<DWORD> corners;      // vertex index of every corner, polygon after polygon

    bool hasNormals = false;
    std::vector<D3DXVECTOR3> normals; // unit length (or zero)
    std::vector<DWORD> normalCorners; // normal index of every corner

    std::vector<D3DXVECTOR2> texCoords; // one per vertex, or none
    std::vector<D3DCOLOR> colors;       // one per vertex, or none

    // From a MeshMaterialList with at least one material: the materials and one index into
    // them per polygon. Both empty otherwise.
    std::vector<FileMaterial> materials;
    std::vector<DWORD> polygonMaterials;
};

HRESULT ReadMesh(const Document& document, ObjectId mesh, FileMesh& out);
HRESULT ReadFrameTransform(const Document& document, ObjectId transform, D3DXMATRIX& out);

} // namespace d3dx::xfile
