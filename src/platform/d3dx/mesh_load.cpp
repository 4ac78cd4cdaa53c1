// D3DXLoadMeshFromXA / D3DXLoadMeshFromXInMemory: header, document, scene, mesh, buffers.
#include <d3dx9mesh.h>

#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "file_read.h"
#include "mesh_object.h"
#include "mesh_scene.h"
#include "mesh_vertex.h"
#include "xfile/xfile_document.h"
#include "xfile/xfile_header.h"

namespace {

using d3dx::xfile::FileMaterial;

HRESULT MakeDwordBuffer(const std::vector<DWORD>& values, LPD3DXBUFFER* out) {
    HRESULT hr = D3DXCreateBuffer(static_cast<DWORD>(values.size() * sizeof(DWORD)), out);
    if (SUCCEEDED(hr) && !values.empty()) {
        std::memcpy((*out)->GetBufferPointer(), values.data(), values.size() * sizeof(DWORD));
    }
    return hr;
}

// D3DXMATERIAL records, then the texture names they point to, all in one buffer.
HRESULT MakeMaterialBuffer(const std::vector<FileMaterial>& materials, LPD3DXBUFFER* out) {
    std::size_t size = materials.size() * sizeof(D3DXMATERIAL);
    for (const FileMaterial& material : materials) {
        size += material.hasTexture ? material.texture.size() + 1 : 0;
    }
    if (size > 0xFFFFFFFFu) {
        return E_OUTOFMEMORY;
    }
    if (HRESULT hr = D3DXCreateBuffer(static_cast<DWORD>(size), out); FAILED(hr)) {
        return hr;
    }
    auto* records = static_cast<D3DXMATERIAL*>((*out)->GetBufferPointer());
    char* names = reinterpret_cast<char*>(records + materials.size());
    for (std::size_t i = 0; i < materials.size(); ++i) {
        records[i].MatD3D = materials[i].material;
        records[i].pTextureFilename = NULL;
        if (materials[i].hasTexture) {
            const std::string& name = materials[i].texture;
            std::memcpy(names, name.c_str(), name.size() + 1);
            records[i].pTextureFilename = names;
            names += name.size() + 1;
        }
    }
    return D3D_OK;
}

d3dx::MeshContents ContentsOf(const d3dx::LoadedScene& scene) {
    d3dx::MeshContents contents;
    contents.fvf = scene.fvf;
    contents.vertexCount = static_cast<DWORD>(scene.vertices.size());
    DWORD stride = d3dx::VertexStride(scene.fvf);
    contents.vertices.resize(scene.vertices.size() * stride);
    for (std::size_t i = 0; i < scene.vertices.size(); ++i) {
        d3dx::StoreVertex(scene.fvf, scene.vertices[i], contents.vertices.data() + i * stride);
    }
    contents.indices = scene.indices;
    contents.attributes = scene.attributes;
    return contents;
}

template <class T> void ReleaseIfSet(T*& object) {
    if (object) {
        object->Release();
        object = NULL;
    }
}

HRESULT LoadFromMemory(std::string_view file, DWORD options, LPDIRECT3DDEVICE9 device,
                       LPD3DXBUFFER* ppAdjacency, LPD3DXBUFFER* ppMaterials, DWORD* pNumMaterials,
                       LPD3DXMESH* ppMesh) {
    if (HRESULT hr = d3dx::xfile::CheckHeader(file); FAILED(hr)) {
        return hr;
    }
    d3dx::xfile::Document document;
    if (HRESULT hr = d3dx::xfile::ParseDocument(file.substr(d3dx::xfile::kHeaderSize), document);
        FAILED(hr)) {
        return hr;
    }
    d3dx::LoadedScene scene;
    if (HRESULT hr = d3dx::LoadScene(document, ppAdjacency != NULL, scene); FAILED(hr)) {
        return hr;
    }
    LPD3DXMESH mesh = NULL;
    LPD3DXBUFFER adjacency = NULL;
    LPD3DXBUFFER materials = NULL;
    HRESULT hr = d3dx::CreateMesh(device, options, ContentsOf(scene), &mesh);
    if (SUCCEEDED(hr) && ppAdjacency) {
        hr = MakeDwordBuffer(scene.adjacency, &adjacency);
    }
    if (SUCCEEDED(hr) && ppMaterials) {
        hr = MakeMaterialBuffer(scene.materials, &materials);
    }
    if (FAILED(hr)) {
        ReleaseIfSet(mesh);
        ReleaseIfSet(adjacency);
        ReleaseIfSet(materials);
        return hr;
    }
    *ppMesh = mesh;
    if (ppAdjacency) {
        *ppAdjacency = adjacency;
    }
    if (ppMaterials) {
        *ppMaterials = materials;
    }
    if (pNumMaterials) {
        *pNumMaterials = static_cast<DWORD>(scene.materials.size());
    }
    return D3D_OK;
}

} // namespace

extern "C" HRESULT WINAPI D3DXLoadMeshFromXInMemory(LPCVOID Memory, DWORD SizeOfMemory,
                                                    DWORD Options, LPDIRECT3DDEVICE9 pD3DDevice,
                                                    LPD3DXBUFFER* ppAdjacency,
                                                    LPD3DXBUFFER* ppMaterials,
                                                    LPD3DXBUFFER* ppEffectInstances,
                                                    DWORD* pNumMaterials, LPD3DXMESH* ppMesh) {
    for (LPD3DXBUFFER* out : {ppAdjacency, ppMaterials, ppEffectInstances}) {
        if (out) {
            *out = NULL;
        }
    }
    if (ppMesh) {
        *ppMesh = NULL;
    }
    if (!Memory || SizeOfMemory == 0 || !pD3DDevice || !ppMesh) {
        return D3DERR_INVALIDCALL;
    }
    try {
        return LoadFromMemory(std::string_view(static_cast<const char*>(Memory), SizeOfMemory),
                              Options, pD3DDevice, ppAdjacency, ppMaterials, pNumMaterials, ppMesh);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

extern "C" HRESULT WINAPI D3DXLoadMeshFromXA(LPCSTR pFilename, DWORD Options,
                                             LPDIRECT3DDEVICE9 pD3DDevice,
                                             LPD3DXBUFFER* ppAdjacency, LPD3DXBUFFER* ppMaterials,
                                             LPD3DXBUFFER* ppEffectInstances, DWORD* pNumMaterials,
                                             LPD3DXMESH* ppMesh) {
    if (ppMesh) {
        *ppMesh = NULL;
    }
    if (!pFilename) {
        return D3DERR_INVALIDCALL;
    }
    std::vector<char> file;
    try {
        if (HRESULT hr = d3dx::ReadWholeFile(pFilename, file); FAILED(hr)) {
            return hr;
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3DXLoadMeshFromXInMemory(file.data(), static_cast<DWORD>(file.size()), Options,
                                     pD3DDevice, ppAdjacency, ppMaterials, ppEffectInstances,
                                     pNumMaterials, ppMesh);
}
