// Shared by the utility-library tests: files under the temporary directory, a loaded mesh and
// readers of what it holds, on the recording device.
#pragma once

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "../d3d9/recording_fixture.h"

namespace d3dx_test {

using d3d9rec::testing::RecordingTest;
inline constexpr DWORD kNone = 0xFFFFFFFF;

// A file under the temporary directory holding `text`, removed when it goes.
struct TempFile {
    explicit TempFile(const std::string& text) {
        static int counter = 0;
        path_ = (std::filesystem::temp_directory_path() /
                 ("rw_d3dx_" + std::to_string(::getpid()) + "_" + std::to_string(counter++)))
                    .string();
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const char* Path() const { return path_.c_str(); }
    std::string path_;
};

// What D3DXLoadMeshFromXA returned; released when it goes.
struct Loaded {
    HRESULT hr = E_FAIL;
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;

    ~Loaded() {
        for (IUnknown* object : {static_cast<IUnknown*>(mesh), static_cast<IUnknown*>(adjacency),
                                 static_cast<IUnknown*>(materials)}) {
            if (object) {
                object->Release();
            }
        }
    }
    std::vector<DWORD> Adjacency() const {
        const auto* first = static_cast<const DWORD*>(adjacency->GetBufferPointer());
        return {first, first + adjacency->GetBufferSize() / sizeof(DWORD)};
    }
};

// The indices (16-bit unless the mesh has D3DXMESH_32BIT) and the attributes of a mesh.
inline std::vector<DWORD> Indices(ID3DXMesh* m) {
    void* data = nullptr;
    EXPECT_EQ(m->LockIndexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    const auto* narrow = static_cast<const WORD*>(data);
    const auto* wide = static_cast<const DWORD*>(data);
    std::vector<DWORD> out = m->GetOptions() & D3DXMESH_32BIT
                                 ? std::vector<DWORD>(wide, wide + 3 * m->GetNumFaces())
                                 : std::vector<DWORD>(narrow, narrow + 3 * m->GetNumFaces());
    m->UnlockIndexBuffer();
    return out;
}
inline std::vector<DWORD> Attributes(ID3DXMesh* m) {
    DWORD* data = nullptr;
    EXPECT_EQ(m->LockAttributeBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    std::vector<DWORD> out(data, data + m->GetNumFaces());
    m->UnlockAttributeBuffer();
    return out;
}

inline std::vector<DWORD> Generated(ID3DXMesh* m, float epsilon = 0.0f) {
    std::vector<DWORD> out(3 * m->GetNumFaces());
    EXPECT_EQ(m->GenerateAdjacency(epsilon, out.data()), D3D_OK);
    return out;
}

class MeshTest : public RecordingTest {
protected:
    // Loads `text` from a file with every optional output asked for.
    void Load(const std::string& text, Loaded& out, DWORD options = D3DXMESH_MANAGED) {
        TempFile file(text);
        out.hr = D3DXLoadMeshFromXA(file.Path(), options, device, &out.adjacency, &out.materials,
                                    nullptr, &out.materialCount, &out.mesh);
        ASSERT_EQ(out.hr == D3D_OK, out.mesh != nullptr);
    }
    void LoadOk(const std::string& text, Loaded& out, DWORD options = D3DXMESH_MANAGED) {
        Load(text, out, options);
        ASSERT_EQ(out.hr, D3D_OK);
    }
};

// Text of a .x file: the header and then `body`.
inline std::string XFile(const std::string& body) {
    return "xof 0302txt 0032\n" + body;
}

// A Material object of the given face colour, with `extra` inside it.
inline std::string MaterialText(int r, int g, int b, const std::string& extra = "") {
    return "Material { " + std::to_string(r) + ".0; " + std::to_string(g) + ".0; " +
           std::to_string(b) + ".0; 1.0;; 0.0; 0.0; 0.0; 0.0;; 0.0; 0.0; 0.0;; " + extra + "}\n";
}

} // namespace d3dx_test
