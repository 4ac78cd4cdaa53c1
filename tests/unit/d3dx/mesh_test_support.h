// Shared by the mesh tests: a recording device, .x text loaded through a temporary file, and
// readers for what a loaded mesh holds.
#pragma once

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "../d3d9/recording_fixture.h"

namespace d3dx_test {

struct Vec3 {
    float x, y, z;
    bool operator==(const Vec3&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Vec3& v) {
    return out << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

// One vertex read back in whatever parts the mesh's FVF stores.
struct ReadVertex {
    Vec3 position{};
    Vec3 normal{};
    D3DCOLOR color = 0;
    float u = 0, v = 0;
};

// What D3DXLoadMeshFromXA returned; releases it all when it goes.
struct Loaded {
    HRESULT hr = E_FAIL;
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;

    Loaded() = default;
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    ~Loaded() {
        for (IUnknown* object : {static_cast<IUnknown*>(mesh), static_cast<IUnknown*>(adjacency),
                                 static_cast<IUnknown*>(materials)}) {
            if (object) {
                object->Release();
            }
        }
    }

    std::vector<DWORD> Adjacency() const {
        const DWORD* first = static_cast<const DWORD*>(adjacency->GetBufferPointer());
        return {first, first + adjacency->GetBufferSize() / sizeof(DWORD)};
    }
};

// A file under the temporary directory holding `text`, removed when it goes.
class TempFile {
public:
    explicit TempFile(std::string_view text) {
        static int counter = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("rw_mesh_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + ".x"))
                    .string();
        std::ofstream(path_, std::ios::binary).write(text.data(), std::streamsize(text.size()));
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { std::remove(path_.c_str()); }

    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};

// Readers of what a mesh holds.
inline std::vector<ReadVertex> Vertices(ID3DXMesh* mesh) {
    DWORD fvf = mesh->GetFVF();
    DWORD stride = mesh->GetNumBytesPerVertex();
    void* data = nullptr;
    EXPECT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    std::vector<ReadVertex> out(mesh->GetNumVertices());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char* at = static_cast<const char*>(data) + i * stride;
        auto take = [&at](auto& part) {
            std::memcpy(&part, at, sizeof(part));
            at += sizeof(part);
        };
        take(out[i].position);
        if (fvf & D3DFVF_NORMAL) {
            take(out[i].normal);
        }
        if (fvf & D3DFVF_DIFFUSE) {
            take(out[i].color);
        }
        if (fvf & D3DFVF_TEX1) {
            take(out[i].u);
            take(out[i].v);
        }
    }
    EXPECT_EQ(mesh->UnlockVertexBuffer(), D3D_OK);
    return out;
}

inline std::vector<Vec3> Positions(ID3DXMesh* mesh) {
    std::vector<Vec3> out;
    for (const ReadVertex& v : Vertices(mesh)) {
        out.push_back(v.position);
    }
    return out;
}

inline std::vector<DWORD> Indices(ID3DXMesh* mesh) {
    void* data = nullptr;
    EXPECT_EQ(mesh->LockIndexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    std::vector<DWORD> out(3 * mesh->GetNumFaces());
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = (mesh->GetOptions() & D3DXMESH_32BIT) ? static_cast<const DWORD*>(data)[i]
                                                       : static_cast<const WORD*>(data)[i];
    }
    EXPECT_EQ(mesh->UnlockIndexBuffer(), D3D_OK);
    return out;
}

inline std::vector<DWORD> Attributes(ID3DXMesh* mesh) {
    DWORD* data = nullptr;
    EXPECT_EQ(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    std::vector<DWORD> out(data, data + mesh->GetNumFaces());
    EXPECT_EQ(mesh->UnlockAttributeBuffer(), D3D_OK);
    return out;
}

inline std::vector<D3DXATTRIBUTERANGE> Table(ID3DXMesh* mesh) {
    DWORD size = 0;
    EXPECT_EQ(mesh->GetAttributeTable(nullptr, &size), D3D_OK);
    std::vector<D3DXATTRIBUTERANGE> out(size);
    EXPECT_EQ(mesh->GetAttributeTable(out.data(), &size), D3D_OK);
    return out;
}

inline std::vector<DWORD> Generated(ID3DXMesh* mesh, float epsilon = 0.0f) {
    std::vector<DWORD> out(3 * mesh->GetNumFaces());
    EXPECT_EQ(mesh->GenerateAdjacency(epsilon, out.data()), D3D_OK);
    return out;
}

class MeshTest : public d3d9rec::testing::RecordingTest {
protected:
    // Loads `text` from a file with every optional output asked for.
    void Load(std::string_view text, Loaded& out, DWORD options = D3DXMESH_MANAGED) {
        TempFile file(text);
        out.hr = D3DXLoadMeshFromXA(file.Path(), options, device, &out.adjacency, &out.materials,
                                    nullptr, &out.materialCount, &out.mesh);
    }

    // Loads `text` and expects it to work.
    void LoadOk(std::string_view text, Loaded& out, DWORD options = D3DXMESH_MANAGED) {
        Load(text, out, options);
        ASSERT_EQ(out.hr, D3D_OK);
        ASSERT_NE(out.mesh, nullptr);
    }
};

// Text of a .x file: the header and then `body`.
inline std::string XFile(std::string_view body) {
    return "xof 0302txt 0032\n" + std::string(body);
}

// Text of a Material object with the given face colour.
inline std::string MaterialText(float r, float g, float b, std::string_view extra = "") {
    return "Material {\n " + std::to_string(r) + "; " + std::to_string(g) + "; " +
           std::to_string(b) + "; 1.0;;\n 0.0;\n 0.0; 0.0; 0.0;;\n 0.0; 0.0; 0.0;;\n" +
           std::string(extra) + "}\n";
}

inline constexpr DWORD kNone = 0xFFFFFFFF;

} // namespace d3dx_test
