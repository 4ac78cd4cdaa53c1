// Materials: inline, referenced by name, the default one, texture names, face material
// indices and the sort of faces by material that loading does.
#include "mesh_test_support.h"

#include <cstdint>

namespace d3dx_test {
namespace {

using MeshMaterials = MeshTest;

// Four triangles side by side; `list` is placed inside the mesh.
std::string FourTriangles(std::string_view list) {
    return R"(
Mesh Strip {
  6;
  0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 2.0; 0.0; 0.0;, 2.0; 1.0; 0.0;;
  4;
  3; 0, 1, 2;, 3; 2, 1, 3;, 3; 2, 3, 4;, 3; 4, 3, 5;;
)" + std::string(list) +
           "}\n";
}

bool SameColour(const D3DCOLORVALUE& c, float r, float g, float b, float a) {
    return c.r == r && c.g == g && c.b == b && c.a == a;
}

TEST_F(MeshMaterials, InlineMaterialsKeepTheirValuesAndFacesAreSortedByThem) {
    Loaded loaded;
    LoadOk(XFile(FourTriangles(R"(
  MeshMaterialList {
    4; 4; 2, 0, 3, 2;;
    Material {
      0.25; 0.5; 0.75; 0.125;;
      12.5;
      0.1; 0.2; 0.3;;
      0.4; 0.5; 0.6;;
    })" + MaterialText(0, 1, 0) +
                               MaterialText(0, 0, 1) + MaterialText(1, 1, 0) + "  }\n")),
           loaded);
    ASSERT_EQ(loaded.materialCount, 4u);
    std::vector<D3DXMATERIAL> materials = loaded.Materials();
    const D3DMATERIAL9& first = materials[0].MatD3D;
    EXPECT_TRUE(SameColour(first.Diffuse, 0.25f, 0.5f, 0.75f, 0.125f));
    EXPECT_TRUE(SameColour(first.Ambient, 0, 0, 0, 1));
    EXPECT_TRUE(SameColour(first.Specular, 0.1f, 0.2f, 0.3f, 1));
    EXPECT_TRUE(SameColour(first.Emissive, 0.4f, 0.5f, 0.6f, 1));
    EXPECT_EQ(first.Power, 12.5f);
    EXPECT_EQ(materials[0].pTextureFilename, nullptr);
    EXPECT_TRUE(SameColour(materials[2].MatD3D.Diffuse, 0, 0, 1, 1));

    // Material indices 2, 0, 3, 2: the faces are stably sorted to 0, 2, 2, 3.
    EXPECT_EQ(Attributes(loaded.mesh), (std::vector<DWORD>{0, 2, 2, 3}));
    EXPECT_EQ(Indices(loaded.mesh), (std::vector<DWORD>{2, 1, 3, 0, 1, 2, 4, 3, 5, 2, 3, 4}));
    EXPECT_TRUE(Table(loaded.mesh).empty());
}

TEST_F(MeshMaterials, MaterialsMayBeNamedAndReferred) {
    Loaded loaded;
    LoadOk(XFile("Material Red {\n 1.0; 0.0; 0.0; 1.0;;\n 0.0;\n 0.0; 0.0; 0.0;;\n"
                 " 0.0; 0.0; 0.0;;\n}\n"
                 "Material Blue {\n 0.0; 0.0; 1.0; 1.0;;\n 0.0;\n 0.0; 0.0; 0.0;;\n"
                 " 0.0; 0.0; 0.0;;\n}\n" +
                 FourTriangles("MeshMaterialList { 3; 4; 0, 1, 2, 0;;\n { Blue }\n" +
                               MaterialText(0, 1, 0) + "{Red}\n}\n")),
           loaded);
    ASSERT_EQ(loaded.materialCount, 3u);
    std::vector<D3DXMATERIAL> materials = loaded.Materials();
    EXPECT_TRUE(SameColour(materials[0].MatD3D.Diffuse, 0, 0, 1, 1));
    EXPECT_TRUE(SameColour(materials[1].MatD3D.Diffuse, 0, 1, 0, 1));
    EXPECT_TRUE(SameColour(materials[2].MatD3D.Diffuse, 1, 0, 0, 1));
    EXPECT_EQ(Attributes(loaded.mesh), (std::vector<DWORD>{0, 0, 1, 2}));
}

TEST_F(MeshMaterials, WithoutAListThereIsOneDefaultMaterial) {
    for (std::string_view list :
         {std::string_view{}, std::string_view{"MeshMaterialList { 0; }"}}) {
        Loaded loaded;
        LoadOk(XFile(FourTriangles(list)), loaded);
        ASSERT_EQ(loaded.materialCount, 1u) << list;
        D3DXMATERIAL material = loaded.Materials()[0];
        EXPECT_TRUE(SameColour(material.MatD3D.Diffuse, 0.5f, 0.5f, 0.5f, 0));
        EXPECT_TRUE(SameColour(material.MatD3D.Ambient, 0, 0, 0, 0));
        EXPECT_TRUE(SameColour(material.MatD3D.Specular, 0.5f, 0.5f, 0.5f, 0));
        EXPECT_TRUE(SameColour(material.MatD3D.Emissive, 0, 0, 0, 0));
        EXPECT_EQ(material.MatD3D.Power, 0.0f);
        EXPECT_EQ(material.pTextureFilename, nullptr);
        EXPECT_EQ(Attributes(loaded.mesh), (std::vector<DWORD>{0, 0, 0, 0}));
    }
}

TEST_F(MeshMaterials, TextureNamesFollowTheRecordsInTheSameBuffer) {
    Loaded loaded;
    LoadOk(XFile(FourTriangles(
               "MeshMaterialList { 3; 4; 0, 1, 2, 1;;\n" +
               MaterialText(1, 1, 1, "TextureFilename { \"textures\\\\brick.png\"; }\n") +
               MaterialText(1, 1, 1) +
               MaterialText(1, 1, 1, "TextureFilename {\n\"wood.bmp\";\n}\n") + "}\n")),
           loaded);
    ASSERT_EQ(loaded.materialCount, 3u);
    std::vector<D3DXMATERIAL> materials = loaded.Materials();
    ASSERT_NE(materials[0].pTextureFilename, nullptr);
    EXPECT_STREQ(materials[0].pTextureFilename, "textures\\\\brick.png") << "kept as written";
    EXPECT_EQ(materials[1].pTextureFilename, nullptr);
    EXPECT_STREQ(materials[2].pTextureFilename, "wood.bmp");

    auto* begin = static_cast<char*>(loaded.materials->GetBufferPointer());
    char* names = begin + 3 * sizeof(D3DXMATERIAL);
    EXPECT_EQ(materials[0].pTextureFilename, names);
    EXPECT_EQ(materials[2].pTextureFilename, names + sizeof("textures\\\\brick.png"));
    EXPECT_EQ(loaded.materials->GetBufferSize(),
              3 * sizeof(D3DXMATERIAL) + sizeof("textures\\\\brick.png") + sizeof("wood.bmp"));
}

TEST_F(MeshMaterials, UnusedMaterialsAreKept) {
    Loaded loaded;
    LoadOk(XFile(FourTriangles("MeshMaterialList { 3; 4; 2, 2, 2, 2;;\n" + MaterialText(1, 0, 0) +
                               MaterialText(0, 1, 0) + MaterialText(0, 0, 1) + "}\n")),
           loaded);
    EXPECT_EQ(loaded.materialCount, 3u);
    EXPECT_EQ(Attributes(loaded.mesh), (std::vector<DWORD>{2, 2, 2, 2}));
}

} // namespace
} // namespace d3dx_test
