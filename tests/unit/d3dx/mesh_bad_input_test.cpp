// Files and calls the loader must refuse: each gets the platform's result code, no mesh, and
// nothing left behind on the device (the fixture checks that no recording object leaks).
#include "mesh_test_support.h"

#include <chrono>
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
    HRESULT expected;
};

std::ostream& operator<<(std::ostream& out, const BadFile& file) {
    return out << file.name;
}

// A mesh of `vertices` (text of its vertex list, count included) and `faces`.
std::string MeshText(std::string_view vertices, std::string_view faces,
                     std::string_view extra = "") {
    return XFile("Mesh M {\n" + std::string(vertices) + "\n" + std::string(faces) + "\n" +
                 std::string(extra) + "}\n");
}

const std::string kThree = "3; 0.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;";
const std::string kOneFace = "1; 3; 0, 1, 2;;";

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "Frame {\n";
    }
    return XFile(text + std::string(depth, '}'));
}

std::vector<BadFile> BadFiles() {
    return {
        {"Truncated", MeshText(kThree, kOneFace).substr(0, 60), E_FAIL},
        {"MoreVerticesThanListed", MeshText("4;" + kThree.substr(2), kOneFace), E_FAIL},
        {"FaceIndexOutOfRange", MeshText(kThree, "1; 3; 0, 1, 3;;"), E_FAIL},
        {"FaceCountHuge", MeshText(kThree, "2147483647; 3; 0, 1, 2;;"), E_FAIL},
        {"VertexCountHuge", MeshText("2147483647; 0.0; 0.0; 0.0;;", kOneFace), E_FAIL},
        {"VertexCountTwoToThe31", MeshText("2147483648; 0.0; 0.0; 0.0;;", kOneFace), E_FAIL},
        {"VertexCountBeyondDword", MeshText("99999999999; 0.0; 0.0; 0.0;;", kOneFace), E_FAIL},
        {"VertexCountNegative", MeshText("-3;" + kThree.substr(2), kOneFace), E_FAIL},
        {"PolygonOfTwoCorners", MeshText(kThree, "1; 2; 0, 1;;"), E_FAIL},
        {"NoFaces", MeshText(kThree, "0;;"), D3DERR_INVALIDCALL},
        {"NoVertices", MeshText("0;;", "0;;"), D3DERR_INVALIDCALL},
        {"ValuesLeftOver", MeshText(kThree, "1; 3; 0, 1, 2;, 7;;"), E_FAIL},
        {"NaNText", MeshText("3; nan; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace),
         E_FAIL},
        {"PrintedNaN",
         MeshText("3; 1.#QNAN0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace), E_FAIL},
        {"FloatTooBig",
         MeshText("3; -1" + std::string(60, '0') + ".0; 0.0; 0.0;, 1.0; 0.0; 0.0;," +
                      " 0.0; 1.0; 0.0;;",
                  kOneFace),
         E_FAIL},
        {"IntegerForFloat", MeshText("3; 1; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace),
         E_FAIL},
        {"Exponent", MeshText("3; 1.5e1; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace),
         E_FAIL},
        {"LeadingPoint", MeshText("3; .5; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace),
         E_FAIL},
        {"Plus", MeshText("3; +1.0; 0.0; 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace), E_FAIL},
        {"NoSeparators", MeshText("3; 0.0 0.0 0.0;, 1.0; 0.0; 0.0;, 0.0; 1.0; 0.0;;", kOneFace),
         E_FAIL},
        {"FloatForCount", MeshText("3.0;" + kThree.substr(2), kOneFace), E_FAIL},
        {"NormalIndexOutOfRange",
         MeshText(kThree, kOneFace, "MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 3; 0, 1, 0;; }"), E_FAIL},
        {"NormalFacesMismatch",
         MeshText(kThree, kOneFace,
                  "MeshNormals { 1; 0.0; 0.0; 1.0;; 2; 3; 0, 0, 0;, 3; 0, 0, 0;; }"),
         E_FAIL},
        {"NormalCornersMismatch",
         MeshText(kThree, kOneFace, "MeshNormals { 1; 0.0; 0.0; 1.0;; 1; 4; 0, 0, 0, 0;; }"),
         E_FAIL},
        {"TexCoordCountMismatch",
         MeshText(kThree, kOneFace, "MeshTextureCoords { 2; 0.0; 0.0;, 1.0; 1.0;; }"), E_FAIL},
        {"ColourOfMissingVertex",
         MeshText(kThree, kOneFace, "MeshVertexColors { 1; 3; 1.0; 1.0; 1.0; 1.0;;; }"), E_FAIL},
        {"MaterialIndexOutOfRange",
         MeshText(kThree, kOneFace, "MeshMaterialList { 1; 1; 1;; " + MaterialText(1, 0, 0) + "}"),
         E_FAIL},
        {"FewerMaterialsThanDeclared",
         MeshText(kThree, kOneFace, "MeshMaterialList { 2; 1; 0;; " + MaterialText(1, 0, 0) + "}"),
         E_FAIL},
        {"MoreMaterialsThanDeclared",
         MeshText(kThree, kOneFace,
                  "MeshMaterialList { 1; 1; 0;; " + MaterialText(1, 0, 0) + MaterialText(0, 1, 0) +
                      "}"),
         E_FAIL},
        {"FewerMaterialIndicesThanFaces",
         MeshText(kThree, "2; 3; 0, 1, 2;, 3; 2, 1, 0;;",
                  "MeshMaterialList { 1; 1; 0;; " + MaterialText(1, 0, 0) + "}"),
         E_FAIL},
        {"MoreMaterialIndicesThanFaces",
         MeshText(kThree, kOneFace,
                  "MeshMaterialList { 1; 2; 0, 0;; " + MaterialText(1, 0, 0) + "}"),
         E_FAIL},
        {"MaterialCountHuge", MeshText(kThree, kOneFace, "MeshMaterialList { 4294967295; 1; 0;; }"),
         E_FAIL},
        {"MaterialOfTenFloats",
         MeshText(kThree, kOneFace,
                  "MeshMaterialList { 1; 1; 0;; Material { 1.0; 1.0; 1.0; 1.0;; 0.0; 0.0; 0.0; "
                  "0.0;; 0.0; 0.0;; } }"),
         E_FAIL},
        {"TextureNameNotAString",
         MeshText(kThree, kOneFace,
                  "MeshMaterialList { 1; 1; 0;; " +
                      MaterialText(1, 0, 0, "TextureFilename { wood; }") + "}"),
         E_FAIL},
        {"UnknownReference",
         MeshText(kThree, kOneFace, "MeshMaterialList { 1; 1; 0;; { Nowhere } }"), E_FAIL},
        {"MatrixOfFifteen",
         XFile("Frame F { FrameTransformMatrix { 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, "
               "1.0, 0.0, 0.0, 0.0, 0.0;; } }\n") +
             MeshText(kThree, kOneFace).substr(17),
         E_FAIL},
        {"UnterminatedString",
         MeshText(kThree, kOneFace,
                  "MeshMaterialList { 1; 1; 0;; " +
                      MaterialText(1, 0, 0, "TextureFilename { \"wood.bmp; }") + "}"),
         E_FAIL},
        {"NoMesh", XFile("Header { 1; 0; 1; }\n" + MaterialText(1, 0, 0)), E_FAIL},
        {"OnlyHeader", XFile(""), E_FAIL},
        {"DeeplyNested", Nested(100000), E_FAIL},
        {"BinaryJunkAfterTextHeader",
         XFile(std::string("\x01\x00\x12\x00\xff\xff\xff\x7f junk\x35\x12\xab\xcd", 17)), E_FAIL},
        {"NotAnXFile", "this is not an x file", kBadFileType},
        {"ShortHeader", "xof 0302txt", kBadFileType},
        {"BadVersion", "xof 0309txt 0032\n" + MeshText(kThree, kOneFace).substr(17),
         kBadFileVersion},
        {"BadFormat", "xof 0302abc 0032\n" + MeshText(kThree, kOneFace).substr(17), kBadFileType},
        {"BadFloatSize", "xof 0302txt 0016\n" + MeshText(kThree, kOneFace).substr(17),
         kBadFileFloatSize},
        {"BinaryFormat", std::string("xof 0302bin 0032\x01\x00\x12\x00\xff\xff\xff\x7f", 24),
         E_FAIL},
        {"CompressedFormat", "xof 0302tzip0032\x01\x02\x03", E_FAIL},
        {"BrokenLeadingTemplate",
         XFile("template Vector { <3D82AB5E-62DA-11CF-AB39-0020AF71E433>\n FLOAT x;\n"),
         kParseError},
        {"TemplateWithoutBrace",
         XFile("template Vector FLOAT x;\n") + MeshText(kThree, kOneFace).substr(17), kParseError},
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

TEST_F(MeshBadCall, MissingArgumentsAndFilesAreRefused) {
    TempFile good(MeshText(kThree, kOneFace));
    ID3DXMesh* mesh = nullptr;
    EXPECT_EQ(D3DXLoadMeshFromXA(good.Path(), D3DXMESH_MANAGED, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, &mesh),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh, nullptr);
    EXPECT_EQ(D3DXLoadMeshFromXA(good.Path(), D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                 nullptr, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXLoadMeshFromXA(nullptr, D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                 nullptr, &mesh),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXLoadMeshFromXA(good.Path(), D3DXMESH_VB_SHARE, device, nullptr, nullptr, nullptr,
                                 nullptr, &mesh),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh, nullptr);

    TempFile empty("");
    std::string missing = std::string(good.Path()) + ".missing";
    std::string folder = std::filesystem::temp_directory_path().string();
    for (const char* path : {empty.Path(), missing.c_str(), folder.c_str()}) {
        EXPECT_EQ(D3DXLoadMeshFromXA(path, D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                     nullptr, &mesh),
                  D3DXERR_INVALIDDATA)
            << path;
        EXPECT_EQ(mesh, nullptr);
    }

    std::string text = MeshText(kThree, kOneFace);
    EXPECT_EQ(D3DXLoadMeshFromXInMemory(text.data(), 0, D3DXMESH_MANAGED, device, nullptr, nullptr,
                                        nullptr, nullptr, &mesh),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXLoadMeshFromXInMemory(nullptr, 10, D3DXMESH_MANAGED, device, nullptr, nullptr,
                                        nullptr, nullptr, &mesh),
              D3DERR_INVALIDCALL);
}

TEST_F(MeshBadCall, DeviceFailuresComeBackWithNothingLeft) {
    std::string text = MeshText(kThree, kOneFace);
    for (const char* method : {"CreateVertexBuffer", "CreateIndexBuffer", "Lock"}) {
        d3d9rec::FailNextCalls(method, D3DERR_OUTOFVIDEOMEMORY);
        ID3DXMesh* mesh = nullptr;
        EXPECT_EQ(D3DXLoadMeshFromXInMemory(text.data(), static_cast<DWORD>(text.size()),
                                            D3DXMESH_MANAGED, device, nullptr, nullptr, nullptr,
                                            nullptr, &mesh),
                  D3DERR_OUTOFVIDEOMEMORY)
            << method;
        EXPECT_EQ(mesh, nullptr);
        d3d9rec::ClearFailure(method);
    }
}

TEST_F(MeshBadCall, ReferencesCannotMultiplyMeshesWithoutBound) {
    // Each frame places the one before it twice: 2^40 triangles if nothing stopped it.
    std::string text = "Mesh M0 {\n" + kThree + "\n" + kOneFace + "\n}\nFrame F0 { { M0 } }\n";
    for (int i = 1; i <= 40; ++i) {
        std::string previous = "F" + std::to_string(i - 1);
        text += "Frame F" + std::to_string(i) + " { { " + previous + " } { " + previous + " } }\n";
    }
    auto start = std::chrono::steady_clock::now();
    Loaded loaded;
    Load(XFile(text), loaded);
    EXPECT_EQ(loaded.hr, E_OUTOFMEMORY);
    EXPECT_EQ(loaded.mesh, nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
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
