#include "catalog/catalog.h"

#include "catalog/list_reading.h"
#include "data_file.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace {

// The buffers D3DXLoadMeshFromXA hands back besides the mesh.
struct LoadedBuffers {
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;

    ~LoadedBuffers() {
        if (adjacency != nullptr) {
            adjacency->Release();
        }
        if (materials != nullptr) {
            materials->Release();
        }
    }
};

// Puts a newly loaded mesh (or none) into the model, releasing the one it replaces.
void ReplaceMesh(CModel& model, ID3DXMesh* mesh) {
    if (model.pMesh != nullptr && model.pMesh != mesh) {
        model.pMesh->Release();
    }
    model.pMesh = mesh;
}

// Adjacency from the mesh itself (the loaded adjacency is not used), then the optimisation.
void OptimizeMesh(ID3DXMesh* mesh) {
    std::vector<DWORD> adjacency(3 * std::size_t{mesh->GetNumFaces()});
    mesh->GenerateAdjacency(0.0f, adjacency.data());
    const HRESULT optimised =
        mesh->OptimizeInplace(D3DXMESHOPT_COMPACT | D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_VERTEXCACHE,
                              adjacency.data(), nullptr, nullptr, nullptr);
    // Some versions of the utility library cannot order for the vertex cache and then leave
    // the mesh without an attribute table, so nothing of it would draw: sort and compact
    // alone then.
    if (FAILED(optimised)) {
        mesh->OptimizeInplace(D3DXMESHOPT_COMPACT | D3DXMESHOPT_ATTRSORT, adjacency.data(), nullptr,
                              nullptr, nullptr);
    }
}

// The bounding sphere of the vertex positions (the first element of every vertex). False when
// the vertex buffer cannot be locked; the sphere is then left as it was.
bool ComputeSphere(ID3DXMesh* mesh, CModel& model) {
    void* vertices = nullptr;
    if (mesh->LockVertexBuffer(D3DLOCK_READONLY, &vertices) != D3D_OK) {
        return false;
    }
    D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(vertices), mesh->GetNumVertices(),
                              mesh->GetNumBytesPerVertex(), &model.center, &model.radius);
    mesh->UnlockVertexBuffer();
    return true;
}

} // namespace

int CCatalog::LoadModels(int style) {
    const std::string folder = GetStyleFolder(style);
    std::ifstream list;
    OpenDataStream(list, folder + "\\models.txt");
    std::string name;
    std::string file;
    while (ReadListRecord(list, name, file)) {
        CModel& model = GetModel(name);
        LoadedBuffers loaded;
        ID3DXMesh* mesh = nullptr;
        const HRESULT loadResult = D3DXLoadMeshFromXA(
            (folder + "\\models\\" + file).c_str(), D3DXMESH_MANAGED, m_pDevice, &loaded.adjacency,
            &loaded.materials, nullptr, &loaded.materialCount, &mesh);
        if (loadResult != D3D_OK) {
            if (mesh != nullptr) {
                mesh->Release();
            }
            ReplaceMesh(model, nullptr); // the failing name keeps an entry without mesh
            return 1;
        }
        ReplaceMesh(model, mesh);
        OptimizeMesh(mesh);
        const bool sphereComputed = ComputeSphere(mesh, model);

        if (loaded.materials != nullptr && loaded.materialCount > 0) {
            // Never more records than the buffer holds.
            const DWORD count = std::min<DWORD>(
                loaded.materialCount,
                static_cast<DWORD>(loaded.materials->GetBufferSize() / sizeof(D3DXMATERIAL)));
            const auto* materials =
                static_cast<const D3DXMATERIAL*>(loaded.materials->GetBufferPointer());
            for (DWORD i = 0; i < count; ++i) {
                D3DMATERIAL9 material = materials[i].MatD3D;
                material.Ambient = material.Diffuse;
                m_materials[m_nextMaterialId] = material;
                model.materialIds.push_back(m_nextMaterialId);
                ++m_nextMaterialId;
                const char* texture = materials[i].pTextureFilename;
                model.textureNames.push_back(texture != nullptr ? texture : "");
            }
        }
        if (!sphereComputed) {
            return 1; // this model's materials are registered; its sphere is not
        }
    }
    return ListEndResult(list);
}
