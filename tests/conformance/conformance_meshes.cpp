// Loading the .x files under data/ and optimising the meshes, printing everything that comes
// back. Lines starting "info " show a known difference from Wine and are not compared.
#include "conformance_checks.h"
#include "conformance_mesh_output.h"
#include "conformance_output.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Files that load. Wine offsets the load's adjacency of every mesh after the first wrongly,
// so that buffer is compared only for files of one mesh. Wine also bakes frames wrongly (nested
// frames outer first, normals moved by the translation); the stand-in follows the .x format,
// so the vertices and bounding spheres of files with frames are informational.
struct GoodFile {
    const char* name;
    bool oneMesh;
    bool framed = false;
};

const GoodFile kGoodFiles[] = {{"triangle.x", true},
                               {"polygons.x", true},
                               {"cube_face_normals.x", true},
                               {"cube_vertex_normals.x", true},
                               {"equal_normals.x", true},
                               {"texcoords.x", true},
                               {"materials_inline.x", true},
                               {"materials_by_name.x", true},
                               {"no_material_list.x", true},
                               {"two_meshes.x", false},
                               {"mixed_meshes.x", false},
                               {"frames.x", false, true},
                               {"frames_nested.x", false, true},
                               {"frames_normals.x", true, true},
                               {"templates_comments.x", true},
                               {"normals_texcoords.x", true},
                               {"unused_vertices.x", true},
                               {"number_forms.x", true}};

std::string VertexLabel(const GoodFile& file, const std::string& label) {
    return (file.framed ? "info " : "") + label;
}

const char* const kBadFiles[] = {"bad_truncated.x",
                                 "bad_vertex_count.x",
                                 "bad_face_index.x",
                                 "bad_face_count.x",
                                 "bad_empty.x",
                                 "does_not_exist.x",
                                 "bad_binary.x",
                                 "bad_material_index.x",
                                 "bad_normal_index.x",
                                 "bad_header.x",
                                 "bad_short_material_list.x",
                                 "bad_number_integer.x",
                                 "bad_number_exponent.x",
                                 "bad_number_leading_dot.x",
                                 "bad_number_plus.x",
                                 "bad_number_no_separator.x"};

struct LoadedMesh {
    HRESULT hr = E_FAIL;
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;
};

LoadedMesh Load(IDirect3DDevice9* device, const std::string& path) {
    LoadedMesh loaded;
    loaded.hr = D3DXLoadMeshFromXA(path.c_str(), D3DXMESH_MANAGED, device, &loaded.adjacency,
                                   &loaded.materials, nullptr, &loaded.materialCount, &loaded.mesh);
    return loaded;
}

void Release(const std::string& label, LoadedMesh& loaded) {
    OutputLine line(label + "/release");
    if (loaded.adjacency) {
        line.Unsigned(loaded.adjacency->Release());
    }
    if (loaded.materials) {
        line.Unsigned(loaded.materials->Release());
    }
    if (loaded.mesh) {
        line.Unsigned(loaded.mesh->Release());
    }
}

void PrintMaterials(const std::string& label, const LoadedMesh& loaded) {
    if (!loaded.materials) {
        OutputLine(label + "/materials").Text("(no buffer)");
        return;
    }
    const auto* materials = static_cast<const D3DXMATERIAL*>(loaded.materials->GetBufferPointer());
    for (DWORD i = 0; i < loaded.materialCount; ++i) {
        const D3DMATERIAL9& m = materials[i].MatD3D;
        const char* texture = materials[i].pTextureFilename;
        OutputLine(label + "/material" + std::to_string(i))
            .Text("diffuse")
            .Color(m.Diffuse)
            .Text("ambient")
            .Color(m.Ambient)
            .Text("specular")
            .Color(m.Specular)
            .Text("emissive")
            .Color(m.Emissive)
            .Text("power")
            .Float(m.Power)
            .Text(texture ? std::string("\"") + texture + "\"" : "(null)");
    }
}

std::vector<DWORD> GenerateAdjacency(const std::string& label, ID3DXMesh* mesh) {
    std::vector<DWORD> adjacency(3 * mesh->GetNumFaces(), 0xdeadbeefu);
    const HRESULT hr = mesh->GenerateAdjacency(0.0f, adjacency.data());
    OutputLine(label + "/generate-adjacency").Result(hr);
    PrintDwords(label + "/generated-adjacency", adjacency.data(), adjacency.size());
    return adjacency;
}

// Optimises in place with every output asked for, then prints the mesh again. Wine crashes
// writing the output adjacency of a mesh with open edges, so only closed meshes ask for it.
void OptimizeAndPrint(const GoodFile& file, const std::string& label, ID3DXMesh* mesh,
                      DWORD flags) {
    const std::vector<DWORD> adjacencyIn = GenerateAdjacency(label, mesh);
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
    if (vertexRemap) {
        PrintDwords(label + "/vertex-remap",
                    static_cast<const DWORD*>(vertexRemap->GetBufferPointer()),
                    vertexRemap->GetBufferSize() / sizeof(DWORD));
        vertexRemap->Release();
    } else {
        OutputLine(label + "/vertex-remap").Text("(no buffer)");
    }
    PrintAttributeTable(label, mesh);
    PrintMeshContents(label, VertexLabel(file, label), mesh);
    PrintBoundingSphere(VertexLabel(file, label), mesh);
}

void DrawEverySubset(const std::string& label, IDirect3DDevice9* device, ID3DXMesh* mesh) {
    device->BeginScene();
    OutputLine line(label + "/draw-subsets");
    for (DWORD id : {0u, 1u, 2u, 3u, 99u}) {
        line.Result(mesh->DrawSubset(id));
    }
    device->EndScene();
}

// Gives the faces attribute ids out of order (7, 0, 2, 7, 0, 2, ...), so that sorting by
// attribute has to move faces.
void Reattribute(ID3DXMesh* mesh) {
    DWORD* attributes = nullptr;
    if (FAILED(mesh->LockAttributeBuffer(0, &attributes))) {
        return;
    }
    const DWORD pattern[] = {7, 0, 2};
    for (DWORD i = 0; i < mesh->GetNumFaces(); ++i) {
        attributes[i] = pattern[i % 3];
    }
    mesh->UnlockAttributeBuffer();
}

void PrintLoadedMesh(const std::string& name, const GoodFile& file, const LoadedMesh& loaded) {
    ID3DXMesh* mesh = loaded.mesh;
    OutputLine(name + "/summary")
        .Text("materials")
        .Unsigned(loaded.materialCount)
        .Text("fvf")
        .Hex(mesh->GetFVF())
        .Text("bytes-per-vertex")
        .Unsigned(mesh->GetNumBytesPerVertex())
        .Text("vertices")
        .Unsigned(mesh->GetNumVertices())
        .Text("faces")
        .Unsigned(mesh->GetNumFaces());
    PrintMeshContents(name, VertexLabel(file, name), mesh);
    if (loaded.adjacency) {
        PrintDwords((file.oneMesh ? "" : "info ") + name + "/load-adjacency",
                    static_cast<const DWORD*>(loaded.adjacency->GetBufferPointer()),
                    loaded.adjacency->GetBufferSize() / sizeof(DWORD));
    } else {
        OutputLine(name + "/load-adjacency").Text("(no buffer)");
    }
    PrintMaterials(name, loaded);
    PrintAttributeTable(name, mesh);
    PrintBoundingSphere(VertexLabel(file, name), mesh);
}

// What the game asks for. Wine has no vertex-cache optimisation, answers E_NOTIMPL and
// leaves no attribute table, so these lines are informational only.
void PrintVertexCacheOptimization(const std::string& name, ID3DXMesh* mesh) {
    std::vector<DWORD> adjacency(3 * mesh->GetNumFaces());
    mesh->GenerateAdjacency(0.0f, adjacency.data());
    const HRESULT hr =
        mesh->OptimizeInplace(D3DXMESHOPT_COMPACT | D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_VERTEXCACHE,
                              adjacency.data(), nullptr, nullptr, nullptr);
    DWORD tableSize = 0;
    mesh->GetAttributeTable(nullptr, &tableSize);
    OutputLine("info " + name + "/optimize-vertexcache").Result(hr);
    OutputLine("info " + name + "/vertexcache-attribute-table-size").Unsigned(tableSize);
}

void CheckGoodFile(IDirect3DDevice9* device, const std::string& dataDir, const GoodFile& file) {
    const std::string name = file.name;
    const std::string path = dataDir + "/" + name;
    LoadedMesh loaded = Load(device, path);
    const bool loads = SUCCEEDED(loaded.hr) && loaded.mesh;
    OutputLine(name + "/load").Result(loaded.hr).Bool(loaded.mesh != nullptr);
    if (loads) {
        PrintLoadedMesh(name, file, loaded);
        DrawEverySubset(name + "/loaded", device, loaded.mesh);
    }
    Release(name, loaded);
    if (!loads) {
        return;
    }

    struct Variant {
        const char* label;
        bool reattribute;
        DWORD flags;
    };
    const Variant variants[] = {
        {"/attrsort", false, D3DXMESHOPT_ATTRSORT},
        {"/attrsort-compact", false, D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_COMPACT},
        {"/reattributed-attrsort", true, D3DXMESHOPT_ATTRSORT},
        {"/reattributed-attrsort-compact", true, D3DXMESHOPT_ATTRSORT | D3DXMESHOPT_COMPACT},
    };
    for (const Variant& variant : variants) {
        const std::string label = name + variant.label;
        loaded = Load(device, path);
        if (!loaded.mesh) {
            OutputLine(label + "/reload").Result(loaded.hr);
            continue;
        }
        if (variant.reattribute) {
            Reattribute(loaded.mesh);
        }
        OptimizeAndPrint(file, label, loaded.mesh, variant.flags);
        DrawEverySubset(label, device, loaded.mesh);
        Release(label, loaded);
    }

    loaded = Load(device, path);
    if (loaded.mesh) {
        PrintVertexCacheOptimization(name, loaded.mesh);
    }
    Release(name + "/vertexcache", loaded);
}

void CheckBadFile(IDirect3DDevice9* device, const std::string& dataDir, const std::string& name) {
    LoadedMesh loaded = Load(device, dataDir + "/" + name);
    OutputLine(name + "/load").Result(loaded.hr).Bool(loaded.mesh != nullptr);
    Release(name, loaded);
}

} // namespace

void RunMeshChecks(IDirect3DDevice9* device, const std::string& dataDir) {
    for (const GoodFile& file : kGoodFiles) {
        CheckGoodFile(device, dataDir, file);
    }
    for (const char* name : kBadFiles) {
        CheckBadFile(device, dataDir, name);
    }
}
