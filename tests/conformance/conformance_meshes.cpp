// Loading the .x files under data/ and optimising the meshes, printing everything that comes
// back. Lines starting "info " show a known difference from Wine and are not compared. (Wine
// has no vertex-cache order, so the game's D3DXMESHOPT_VERTEXCACHE is not compared here.)
#include "conformance_checks.h"
#include "conformance_output.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Every vertex as floats (all of GetNumBytesPerVertex) under vertexLabel, so that positions
// Wine is known to get wrong can be informational; then the 16-bit indices and the attributes.
void PrintMeshContents(const std::string& label, const std::string& vertexLabel, ID3DXMesh* mesh) {
    void* data = nullptr;
    HRESULT hr = mesh->LockVertexBuffer(D3DLOCK_READONLY, &data);
    OutputLine(vertexLabel + "/lock-vertices").Result(hr);
    const DWORD stride = mesh->GetNumBytesPerVertex();
    for (DWORD i = 0; SUCCEEDED(hr) && i < mesh->GetNumVertices(); ++i) {
        const auto* vertex = static_cast<const BYTE*>(data) + i * stride;
        OutputLine(vertexLabel + "/vertex" + std::to_string(i))
            .Floats(reinterpret_cast<const float*>(vertex), stride / sizeof(float));
    }
    if (SUCCEEDED(hr)) {
        mesh->UnlockVertexBuffer();
    }
    hr = mesh->LockIndexBuffer(D3DLOCK_READONLY, &data);
    OutputLine(label + "/lock-indices").Result(hr);
    if (SUCCEEDED(hr)) {
        const auto* indices = static_cast<const WORD*>(data);
        const std::vector<DWORD> wide(indices, indices + 3 * mesh->GetNumFaces());
        mesh->UnlockIndexBuffer();
        PrintDwords(label + "/indices", wide.data(), wide.size());
    }
    DWORD* attributes = nullptr;
    hr = mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes);
    OutputLine(label + "/lock-attributes").Result(hr);
    if (SUCCEEDED(hr)) {
        PrintDwords(label + "/attributes", attributes, mesh->GetNumFaces());
        mesh->UnlockAttributeBuffer();
    }
}

void PrintAttributeTable(const std::string& label, ID3DXMesh* mesh) {
    DWORD size = 0;
    const HRESULT hr = mesh->GetAttributeTable(nullptr, &size);
    OutputLine(label + "/attribute-table-size").Result(hr).Unsigned(size);
    if (FAILED(hr) || size == 0) {
        return;
    }
    std::vector<D3DXATTRIBUTERANGE> table(size);
    mesh->GetAttributeTable(table.data(), &size);
    for (DWORD i = 0; i < size; ++i) {
        const D3DXATTRIBUTERANGE& range = table[i];
        OutputLine line(label + "/attribute-range" + std::to_string(i));
        for (DWORD value : {range.AttribId, range.FaceStart, range.FaceCount, range.VertexStart,
                            range.VertexCount}) {
            line.Unsigned(value);
        }
    }
}

void PrintBoundingSphere(const std::string& label, ID3DXMesh* mesh) {
    void* data = nullptr;
    if (FAILED(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data))) {
        OutputLine(label + "/bounding-sphere").Text("lock-failed");
        return;
    }
    D3DXVECTOR3 center(0.0f, 0.0f, 0.0f);
    float radius = 0.0f;
    const HRESULT hr =
        D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(data), mesh->GetNumVertices(),
                                  mesh->GetNumBytesPerVertex(), &center, &radius);
    mesh->UnlockVertexBuffer();
    OutputLine(label + "/bounding-sphere").Result(hr).Vector(center).Float(radius);
}

// Wine offsets the load's adjacency of every mesh after the first wrongly, so that buffer is
// compared only for files of one mesh; it also bakes frames wrongly (nested frames outer first,
// normals moved), so the vertices and bounding spheres of files with frames are informational.
struct GoodFile {
    std::string name;
    bool oneMesh, framed;
};

GoodFile Describe(const std::string& dataDir, const std::string& name) {
    std::ifstream file(dataDir + "/" + name);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    // Templates named "Mesh" (not "MeshNormals" and the like, nor a word ending in Mesh).
    int meshes = 0;
    for (auto at = text.find("Mesh"); at != std::string::npos; at = text.find("Mesh", at + 1)) {
        const bool wordStart = at == 0 || !std::isalpha(static_cast<unsigned char>(text[at - 1]));
        const char next = at + 4 < text.size() ? text[at + 4] : '\0';
        meshes += wordStart && (next == ' ' || next == '{');
    }
    return {name, meshes == 1, text.find("Frame") != std::string::npos};
}

std::string VertexLabel(const GoodFile& file, const std::string& label) {
    return (file.framed ? "info " : "") + label;
}

struct LoadedMesh {
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer *adjacency = nullptr, *materials = nullptr;
    DWORD materialCount = 0;
    HRESULT hr = E_FAIL;
};

LoadedMesh Load(IDirect3DDevice9* device, const std::string& path) {
    LoadedMesh l;
    l.hr = D3DXLoadMeshFromXA(path.c_str(), D3DXMESH_MANAGED, device, &l.adjacency, &l.materials,
                              nullptr, &l.materialCount, &l.mesh);
    return l;
}

void Release(const std::string& label, LoadedMesh& loaded) {
    OutputLine line(label + "/release");
    for (IUnknown* object :
         {static_cast<IUnknown*>(loaded.adjacency), static_cast<IUnknown*>(loaded.materials),
          static_cast<IUnknown*>(loaded.mesh)}) {
        if (object) {
            line.Unsigned(object->Release());
        }
    }
}

void PrintMaterials(const std::string& label, const LoadedMesh& loaded) {
    const auto* materials = static_cast<const D3DXMATERIAL*>(
        loaded.materials ? loaded.materials->GetBufferPointer() : nullptr);
    for (DWORD i = 0; materials && i < loaded.materialCount; ++i) {
        const D3DMATERIAL9& m = materials[i].MatD3D;
        const char* texture = materials[i].pTextureFilename;
        // Diffuse, ambient, specular and emissive colours, then the power: 17 floats.
        OutputLine(label + "/material" + std::to_string(i))
            .Floats(&m.Diffuse.r, 17)
            .Text(texture ? std::string("\"") + texture + "\"" : "(null)");
    }
}

// The DWORDs a buffer holds, or "(no buffer)".
void PrintBuffer(const std::string& label, ID3DXBuffer* buffer) {
    if (!buffer) {
        OutputLine(label).Text("(no buffer)");
        return;
    }
    PrintDwords(label, static_cast<const DWORD*>(buffer->GetBufferPointer()),
                buffer->GetBufferSize() / sizeof(DWORD));
}

// Optimises in place with every output asked for, then prints the mesh again. Wine crashes
// writing the output adjacency of a mesh with open edges, so only closed meshes ask for it.
void OptimizeAndPrint(const GoodFile& file, const std::string& label, ID3DXMesh* mesh,
                      DWORD flags) {
    std::vector<DWORD> adjacencyIn(3 * mesh->GetNumFaces(), 0xdeadbeefu);
    OutputLine(label + "/generate-adjacency")
        .Result(mesh->GenerateAdjacency(0.0f, adjacencyIn.data()));
    PrintDwords(label + "/generated-adjacency", adjacencyIn.data(), adjacencyIn.size());
    const bool closed =
        std::find(adjacencyIn.begin(), adjacencyIn.end(), 0xffffffffu) == adjacencyIn.end();
    std::vector<DWORD> adjacencyOut(adjacencyIn.size(), 0xdeadbeefu);
    std::vector<DWORD> faceRemap(mesh->GetNumFaces(), 0xdeadbeefu);
    ID3DXBuffer* vertexRemap = nullptr;
    const HRESULT hr =
        mesh->OptimizeInplace(flags, adjacencyIn.data(), closed ? adjacencyOut.data() : nullptr,
                              faceRemap.data(), &vertexRemap);
    OutputLine(label + "/optimize")
        .Result(hr)
        .Unsigned(mesh->GetNumVertices())
        .Unsigned(mesh->GetNumFaces());
    if (FAILED(hr)) {
        return;
    }
    if (closed) {
        PrintDwords(label + "/adjacency-out", adjacencyOut.data(), adjacencyOut.size());
    }
    PrintDwords(label + "/face-remap", faceRemap.data(), faceRemap.size());
    PrintBuffer(label + "/vertex-remap", vertexRemap);
    if (vertexRemap) {
        vertexRemap->Release();
    }
    PrintAttributeTable(label, mesh);
    PrintMeshContents(label, VertexLabel(file, label), mesh);
    PrintBoundingSphere(VertexLabel(file, label), mesh);
}

// Gives the faces attribute ids out of order (7, 0, 2, 7, 0, 2, ...), so that sorting by
// attribute has to move faces.
void Reattribute(ID3DXMesh* mesh) {
    DWORD* attributes = nullptr;
    if (SUCCEEDED(mesh->LockAttributeBuffer(0, &attributes))) {
        for (DWORD face = 0; face < mesh->GetNumFaces(); ++face) {
            attributes[face] = face % 3 == 0 ? 7 : (face % 3 == 1 ? 0 : 2);
        }
        mesh->UnlockAttributeBuffer();
    }
}

void CheckGoodFile(IDirect3DDevice9* device, const std::string& dataDir, const GoodFile& file) {
    const std::string name = file.name;
    const std::string path = dataDir + "/" + name;
    LoadedMesh loaded = Load(device, path);
    const bool loads = SUCCEEDED(loaded.hr) && loaded.mesh;
    OutputLine(name + "/load").Result(loaded.hr).Bool(loaded.mesh != nullptr);
    if (loads) {
        // Materials, FVF, bytes per vertex, vertices, faces.
        OutputLine(name + "/summary")
            .Unsigned(loaded.materialCount)
            .Hex(loaded.mesh->GetFVF())
            .Unsigned(loaded.mesh->GetNumBytesPerVertex())
            .Unsigned(loaded.mesh->GetNumVertices())
            .Unsigned(loaded.mesh->GetNumFaces());
        PrintMeshContents(name, VertexLabel(file, name), loaded.mesh);
        PrintBuffer((file.oneMesh ? "" : "info ") + name + "/load-adjacency", loaded.adjacency);
        PrintMaterials(name, loaded);
        PrintAttributeTable(name, loaded.mesh);
        PrintBoundingSphere(VertexLabel(file, name), loaded.mesh);
    }
    Release(name, loaded);
    if (!loads) {
        return;
    }

    for (auto [suffix, reattribute, flags] :
         {std::tuple{"/attrsort", false, DWORD{D3DXMESHOPT_ATTRSORT}},
          {"/attrsort-compact", false, DWORD{D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_COMPACT}},
          {"/reattributed-attrsort", true, DWORD{D3DXMESHOPT_ATTRSORT}},
          {"/reattributed-attrsort-compact", true,
           DWORD{D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_COMPACT}}}) {
        const std::string label = name + suffix;
        loaded = Load(device, path);
        if (!loaded.mesh) {
            continue;
        }
        if (reattribute) {
            Reattribute(loaded.mesh);
        }
        OptimizeAndPrint(file, label, loaded.mesh, flags);
        Release(label, loaded);
    }
}

void CheckBadFile(IDirect3DDevice9* device, const std::string& dataDir, const std::string& name) {
    LoadedMesh loaded = Load(device, dataDir + "/" + name);
    OutputLine(name + "/load").Result(loaded.hr).Bool(loaded.mesh != nullptr);
    Release(name, loaded);
}

} // namespace

// Every .x file under data/ (those named bad_* must not load) and one that does not exist.
void RunMeshChecks(IDirect3DDevice9* device, const std::string& dataDir) {
    std::vector<std::string> names = {"does_not_exist.x"};
    for (const auto& entry : std::filesystem::directory_iterator(dataDir)) {
        if (entry.path().extension() == ".x") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (name.starts_with("bad_") || name == "does_not_exist.x") {
            CheckBadFile(device, dataDir, name);
        } else {
            CheckGoodFile(device, dataDir, Describe(dataDir, name));
        }
    }
}
