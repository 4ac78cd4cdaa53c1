// libFuzzer target for the .x reader: the input is a whole file, loaded with every output
// asked for onto a recording device. A mesh that loads is then used the way the game uses
// one (adjacency, each kind of optimisation, drawing every subset) and released; any device
// object still alive afterwards counts as a crash.
#include "fuzz_device.h"

#include <d3d9_recording.h>
#include <d3dx9.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

IDirect3DDevice9* Device() {
    static IDirect3DDevice9* device = CreateFuzzDevice();
    return device;
}

void UseMesh(IDirect3DDevice9* device, ID3DXMesh* mesh, ID3DXBuffer* adjacency,
             DWORD materialCount) {
    std::vector<DWORD> generated(3 * std::size_t{mesh->GetNumFaces()});
    mesh->GenerateAdjacency(0.0f, generated.data());
    mesh->GenerateAdjacency(0.01f, generated.data());
    const DWORD* loadAdjacency = static_cast<const DWORD*>(adjacency->GetBufferPointer());
    std::vector<DWORD> adjacencyOut(generated.size());
    std::vector<DWORD> faceRemap(mesh->GetNumFaces());
    for (DWORD flags : {DWORD{D3DXMESHOPT_ATTRSORT}, DWORD{D3DXMESHOPT_COMPACT},
                        DWORD{D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_COMPACT}}) {
        mesh->GenerateAdjacency(0.0f, generated.data());
        ID3DXBuffer* vertexRemap = nullptr;
        mesh->OptimizeInplace(flags,
                              flags == D3DXMESHOPT_ATTRSORT ? loadAdjacency : generated.data(),
                              adjacencyOut.data(), faceRemap.data(), &vertexRemap);
        if (vertexRemap) {
            vertexRemap->Release();
        }
    }
    device->BeginScene();
    for (DWORD id = 0; id <= materialCount && id < 64; ++id) {
        mesh->DrawSubset(id);
    }
    device->EndScene();
    // The device holds what is bound to it: unbind so the mesh's buffers can go.
    device->SetStreamSource(0, nullptr, 0, 0);
    device->SetIndices(nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IDirect3DDevice9* device = Device();
    const std::size_t aliveBefore = d3d9rec::LiveObjects();
    d3d9rec::ClearLog(); // it would grow with every run
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    ID3DXBuffer* effects = nullptr;
    DWORD materialCount = 0;
    HRESULT hr = D3DXLoadMeshFromXInMemory(data, static_cast<DWORD>(size), D3DXMESH_MANAGED, device,
                                           &adjacency, &materials, &effects, &materialCount, &mesh);
    if (SUCCEEDED(hr)) {
        if (!mesh || !adjacency || !materials || effects || materialCount == 0) {
            std::abort();
        }
        UseMesh(device, mesh, adjacency, materialCount);
        mesh->Release();
        adjacency->Release();
        materials->Release();
    } else if (mesh || adjacency || materials) {
        std::abort();
    }
    if (d3d9rec::LiveObjects() != aliveBefore) {
        std::abort(); // a failed load or a released mesh left device objects behind
    }
    return 0;
}
