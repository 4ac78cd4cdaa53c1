// Files and calls the loader must refuse: each gets the platform's result code, no mesh, and
// nothing left behind on the device (the fixture checks that no recording object leaks).
// The files under tests/conformance/data (a huge face count, too few material indices, ...)
// are compared with the real library there and not repeated here.
#include "mesh_test_support.h"

#include <filesystem>

namespace d3dx_test {
namespace {

constexpr HRESULT kBadFileType = MAKE_HRESULT(1, 0x876, 861);
constexpr HRESULT kBadFileVersion = MAKE_HRESULT(1, 0x876, 862);
constexpr HRESULT kBadFileFloatSize = MAKE_HRESULT(1, 0x876, 863);
constexpr HRESULT kParseError = MAKE_HRESULT(1, 0x876, 866);

struct BadFile {
    const char* name;
    std::string text;
    HRESULT expected = E_FAIL;
};

std::ostream& operator<<(std::ostream& out, const BadFile& file) {
    return out << file.name;
}

const std::string kThree = "3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;";
const std::string kOneFace = "1; 3; 0, 1, 2;;";
// A good mesh without the file header, to follow a broken one.
const std::string kBody = "Mesh M {\n" + kThree + "\n" + kOneFace + "\n}\n";
const std::string kRed = MaterialText(1, 0, 0);

// A mesh of `vertices` (text of its vertex list, count included) and `faces`.
std::string MeshText(std::string_view vertices, std::string_view faces = kOneFace,
                     std::string_view extra = "") {
    return XFile("Mesh M {\n" + std::string(vertices) + "\n" + std::string(faces) + "\n" +
                 std::string(extra) + "}\n");
}

// The good triangle with `extra` inside its mesh, or a material list of `list`.
std::string With(std::string_view extra) {
    return MeshText(kThree, kOneFace, extra);
}
std::string WithList(std::string_view list) {
    return With("MeshMaterialList { " + std::string(list) + " }");
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "Frame {\n";
    }
    return XFile(text + std::string(depth, '}'));
}

std::vector<BadFile> BadFiles() {
    return {
        {"VertexCountHuge", MeshText("2147483647; 0.0; 0.0; 0.0;;")},
        {"VertexCountBeyondDword", MeshText("99999999999; 0.0; 0.0; 0.0;;")},
        {"VertexCountNegative", MeshText("-3;" + kThree.substr(2))},
        {"PolygonOfTwoCorners", MeshText(kThree, "1; 2; 0, 1;;")},
        {"NoFaces", MeshText(kThree, "0;;"), D3DERR_INVALIDCALL},
        {"NoVertices", MeshText("0;;", "0;;"), D3DERR_INVALIDCALL},
        {"ValuesLeftOver", MeshText(kThree, "1; 3; 0, 1, 2;, 7;;")},
        {"NormalCornersMismatch", With("MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 4; 0, 0, 0, 0;; }")},
        {"TexCoordCountMismatch", With("MeshTextureCoords { 2; 0.0; 0.0;, 1.0; 1.0;; }")},
        {"ColourOfMissingVertex", With("MeshVertexColors { 1; 3; 1.0; 1.0; 1.0; 1.0;;; }")},
        {"MoreMaterialsThanDeclared", WithList("1; 1; 0;; " + kRed + kRed)},
        {"MaterialCountHuge", WithList("4294967295; 1; 0;;")},
        {"MaterialOfTenFloats", WithList("1; 1; 0;; Material { 1.0; 1.0; 1.0; 1.0;; 0.0; 0.0; "
                                         "0.0; 0.0;; 0.0; 0.0;; }")},
        {"TextureNameNotAString",
         WithList("1; 1; 0;; " + MaterialText(1, 0, 0, "TextureFilename { wood; }"))},
        {"UnknownReference", WithList("1; 1; 0;; { Nowhere }")},
        {"MatrixOfFifteen", XFile("Frame F { FrameTransformMatrix { 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, "
                                  "0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0;; } }\n" +
                                  kBody)},
        {"NoMesh", XFile("Header { 1; 0; 1; }\n" + kRed)},
        {"DeeplyNested", Nested(100000)},
        {"ShortHeader", "xof 0302txt", kBadFileType},
        {"BadVersion", "xof 0309txt 0032\n" + kBody, kBadFileVersion},
        {"BadFloatSize", "xof 0302txt 0016\n" + kBody, kBadFileFloatSize},
        {"BrokenLeadingTemplate",
         XFile("template Vector { <3D82AB5E-62DA-11CF-AB39-0020AF71E433>\n FLOAT x;\n"),
         kParseError},
    };
}

class MeshBadFile : public MeshTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(MeshBadFile, IsRefusedWithItsCode) {
    TempFile file(GetParam().text);
    Loaded loaded;
    loaded.mesh = reinterpret_cast<ID3DXMesh*>(std::uintptr_t{1}); // must be cleared
    loaded.hr = D3DXLoadMeshFromXA(file.Path(), D3DXMESH_MANAGED, device, &loaded.adjacency,
                                   &loaded.materials, nullptr, &loaded.materialCount, &loaded.mesh);
    EXPECT_EQ(loaded.hr, GetParam().expected);
    EXPECT_EQ(loaded.mesh, nullptr);
    EXPECT_EQ(loaded.adjacency, nullptr);
    EXPECT_EQ(loaded.materials, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Files, MeshBadFile, ::testing::ValuesIn(BadFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

using MeshBadCall = MeshTest;

TEST_F(MeshBadCall, MissingArgumentsFilesAndDeviceFailuresAreRefused) {
    TempFile good(XFile(kBody));
    ID3DXMesh* mesh = nullptr;
    auto fromFile = [](const char* path, DWORD options, IDirect3DDevice9* on, ID3DXMesh** out) {
        return D3DXLoadMeshFromXA(path, options, on, nullptr, nullptr, nullptr, nullptr, out);
    };
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_MANAGED, nullptr, &mesh), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_MANAGED, device, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(nullptr, D3DXMESH_MANAGED, device, &mesh), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromFile(good.Path(), D3DXMESH_VB_SHARE, device, &mesh), D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh, nullptr);
    // An empty file and a missing one are in the conformance run; a folder is no file either.
    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_EQ(fromFile(folder.c_str(), D3DXMESH_MANAGED, device, &mesh), D3DXERR_INVALIDDATA);
    EXPECT_EQ(mesh, nullptr);

    const std::string text = XFile(kBody);
    auto fromMemory = [&](const void* data, DWORD size) {
        return D3DXLoadMeshFromXInMemory(data, size, D3DXMESH_MANAGED, device, nullptr, nullptr,
                                         nullptr, nullptr, &mesh);
    };
    EXPECT_EQ(fromMemory(text.data(), 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(fromMemory(nullptr, 10), D3DERR_INVALIDCALL);
    for (const char* method : {"CreateVertexBuffer", "CreateIndexBuffer", "Lock"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        EXPECT_EQ(fromMemory(text.data(), DWORD(text.size())), D3DERR_OUTOFVIDEOMEMORY) << method;
        EXPECT_EQ(mesh, nullptr);
        d3d9rec::ClearFailure(method);
    }
}

TEST_F(MeshBadCall, ReferencesCannotMultiplyMeshesWithoutBound) {
    // Each frame places the one before it twice: 2^40 triangles if nothing stopped it.
    std::string text = kBody + "Frame F0 { { M } }\n";
    for (int i = 1; i <= 40; ++i) {
        std::string previous = "F" + std::to_string(i - 1);
        text += "Frame F" + std::to_string(i) + " { { " + previous + " } { " + previous + " } }\n";
    }
    Loaded loaded;
    Load(XFile(text), loaded);
    EXPECT_EQ(loaded.hr, E_OUTOFMEMORY);
    EXPECT_EQ(loaded.mesh, nullptr);
}

TEST_F(MeshBadCall, EveryCutOfAGoodFileLoadsOrFailsCleanly) {
    std::string text = XFile(R"(
Frame F {
  FrameTransformMatrix { 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 2.0, 0.0, 0.0, 1.0;; }
  Mesh M {
    4; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 0.0; 1.0; 0.0;;
    1; 4; 0, 1, 2, 3;;
    MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 4; 0, 0, 0, 0;; }
    MeshTextureCoords { 4; 0.0; 0.0;, 1.0; 0.0;, 1.0; 1.0;, 0.0; 1.0;; }
    MeshMaterialList { 1; 1; 0;; Material { 1.0; 1.0; 1.0; 1.0;; 0.0; 0.0; 0.0; 0.0;; 0.0; 0.0; 0.0;; TextureFilename { "a.bmp"; } } }
  }
}
)");
    for (std::size_t size = 1; size <= text.size(); ++size) {
        Loaded loaded;
        loaded.hr = D3DXLoadMeshFromXInMemory(
            text.data(), static_cast<DWORD>(size), D3DXMESH_MANAGED, device, &loaded.adjacency,
            &loaded.materials, nullptr, &loaded.materialCount, &loaded.mesh);
        if (SUCCEEDED(loaded.hr)) {
            EXPECT_EQ(loaded.mesh->GetNumFaces(), 2u) << size;
        } else {
            EXPECT_EQ(loaded.mesh, nullptr) << size;
        }
    }
}

} // namespace
} // namespace d3dx_test
