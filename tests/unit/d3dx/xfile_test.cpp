// Reading .x text, and the files and calls the loader must refuse, with no mesh and nothing
// left on the device (the fixture checks for leaks). The conformance run compares the files
// under tests/conformance/data (a huge face count, too few material indices, numbers of every
// form, ...) with the platform's library.
#include "d3dx_test_support.h"

namespace d3dx_test {
namespace {

const std::string kTriangle =
    "Mesh M { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;; 1; 3; 0, 1, 2;; ";

class XFileLoad : public MeshTest {
protected:
    // Faces of what `text` loads to, or -1 when it does not load.
    int FacesOf(const std::string& text) {
        Loaded loaded;
        Load(text, loaded);
        return loaded.mesh ? int(loaded.mesh->GetNumFaces()) : -1;
    }
};

TEST_F(XFileLoad, NestingReferencesAndCopiesAreBounded) {
    // Frames nest 128 deep at most; references chain as deep and point back only (what follows a
    // bad one is lost); each frame placing the one before twice would make 2^40 triangles.
    std::string nested = kTriangle + "}", chain = kTriangle + "}\nFrame F0 { { M } }\n",
                doubling = chain;
    for (int i = 1; i < 128; ++i) {
        const std::string previous = " { F" + std::to_string(i - 1) + " } ";
        nested = "Frame {\n" + nested + "}";
        chain += i < 127 ? "Frame F" + std::to_string(i) + " {" + previous + "}\n" : "";
        doubling +=
            i <= 40 ? "Frame F" + std::to_string(i) + " {" + previous + previous + "}\n" : "";
    }
    EXPECT_EQ(FacesOf(XFile(nested)), 1);
    EXPECT_EQ(FacesOf(XFile(nested + "Frame A { { A } }\nFrame B { { C } }\n" + nested)), 1);
    EXPECT_EQ(FacesOf(XFile("Frame {\n" + nested + "}")), -1);
    EXPECT_EQ(FacesOf(XFile(chain)), 128); // the mesh and 127 frames placing it
    EXPECT_EQ(FacesOf(XFile(chain + "Frame F127 { { F126 } }\n")), 128);
    Loaded loaded;
    Load(XFile(doubling), loaded);
    EXPECT_EQ(loaded.hr, E_OUTOFMEMORY);
}

TEST_F(XFileLoad, BrokenFilesAreRefusedWithTheirCodes) {
    const std::string red = MaterialText(1, 0, 0), list = "MeshMaterialList { 1; 1; 0;; ";
    const std::pair<std::string, HRESULT> files[] = {
        {"Mesh M { 2147483647; 0.0; 0.0; 0.0;; 1; 3; 0, 1, 2;; }", E_FAIL},
        {"Mesh M { 4294967296; 0.0; 0.0; 0.0;; 1; 3; 0, 1, 2;; }", E_FAIL},
        {"Mesh M { 1; nan; 0.0; 1" + std::string(40, '0') + ".0;; 1; 3; 0, 0, 0;; }", E_FAIL},
        {"Mesh M { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;; 1; 2; 0, 1;; }", E_FAIL},
        {"Mesh M { 3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;; 0;; }", D3DERR_INVALIDCALL},
        {kTriangle + "7; }", E_FAIL},
        {kTriangle + "MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 4; 0, 0, 0, 0;; } }", E_FAIL},
        {kTriangle + "MeshTextureCoords { 2; 0.0; 0.0;, 1.0; 1.0;; } }", E_FAIL},
        {kTriangle + "MeshVertexColors { 1; 3; 1.0; 1.0; 1.0; 1.0;;; } }", E_FAIL},
        {kTriangle + list + red + red + "} }", E_FAIL},
        {kTriangle + list + MaterialText(1, 0, 0, "TextureFilename { a; }") + "} }", E_FAIL},
        {kTriangle + list + "{ Nowhere } } }", E_FAIL},
        {"Frame F { FrameTransformMatrix { 1.0, 0.0;; } " + kTriangle + "} }", E_FAIL},
        {"Header { 1; 0; 1; }\n" + red, E_FAIL},
        {kTriangle.substr(0, 40), E_FAIL},
        // A malformed object ends the document, and one at the start leaves no mesh.
        {"Mesh { 1.0 2.0 }\n" + kTriangle + "}", E_FAIL},
        {"template V { FLOAT x;\n", MAKE_HRESULT(1, 0x876, 866)}, // only a leading one fails
    };
    for (const auto& [text, expected] : files) {
        Loaded loaded;
        loaded.mesh = reinterpret_cast<ID3DXMesh*>(std::uintptr_t{1}); // must be cleared
        Load(XFile(text), loaded);
        EXPECT_EQ(loaded.hr, expected) << text;
        EXPECT_TRUE(!loaded.mesh && !loaded.adjacency && !loaded.materials) << text;
    }
    for (auto [header, expected] : {std::pair{"xof 0309txt 0032\n", MAKE_HRESULT(1, 0x876, 862)},
                                    {"xof 0302txt 0016\n", MAKE_HRESULT(1, 0x876, 863)}}) {
        Loaded loaded;
        Load(header + kTriangle + "}", loaded);
        EXPECT_EQ(loaded.hr, expected);
    }
}

TEST_F(XFileLoad, MissingArgumentsFoldersAndDeviceFailuresAreRefused) {
    const std::string text = XFile(kTriangle + "}");
    TempFile good(text);
    ID3DXMesh* mesh = nullptr;
    auto fromFile = [&](const char* path, DWORD options, IDirect3DDevice9* on, ID3DXMesh** out) {
        return D3DXLoadMeshFromXA(path, options, on, nullptr, nullptr, nullptr, nullptr, out);
    };
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_MANAGED, nullptr, &mesh), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_MANAGED, device, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(nullptr, D3DXMESH_MANAGED, device, &mesh), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_VB_SHARE, device, &mesh), D3DERR_INVALIDCALL);
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(fromFile(folder.c_str(), D3DXMESH_MANAGED, device, &mesh), D3DXERR_INVALIDDATA);
    auto fromMemory = [&](const void* data, std::size_t size) {
        return D3DXLoadMeshFromXInMemory(data, DWORD(size), D3DXMESH_MANAGED, device, nullptr,
                                         nullptr, nullptr, nullptr, &mesh);
    };
    EXPECT_EQ(fromMemory(text.data(), 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromMemory(nullptr, 10), D3DERR_INVALIDCALL);
    for (const char* method : {"CreateVertexBuffer", "CreateIndexBuffer", "Lock"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        EXPECT_EQ(fromMemory(text.data(), text.size()), D3DERR_OUTOFVIDEOMEMORY) << method;
        d3d9rec::ClearFailure(method);
    }
    EXPECT_EQ(mesh, nullptr);
}

} // namespace
} // namespace d3dx_test
