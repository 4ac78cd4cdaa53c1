// Models and textures of style 0: meshes with their materials, texture names and bounding
// spheres, and the lists stopping at a mesh that fails.
#include "catalog_test_support.h"

#include "sound/sound_player.h"

#include <d3d9_recording.h>

#include <cmath>
#include <cstdint>

namespace catalog_test {
namespace {

class CatalogModelTest : public CatalogDirTest {
protected:
    void SetUp() override {
        CatalogDirTest::SetUp();
        Write("styles.txt", "0 base\n");
        Write("base/models/square.x",
              SquareMesh(MaterialObject(1, 0, 0, "red.bmp") + MaterialObject(0, 0.5f, 1, ""), 2));
        Write("base/models/triangle.x", TriangleMesh());
        Write("base/models/broken.x", "xof 0302txt 0032\nMesh { 3; 0.0; 0.0;");
        Write("base/textures/red.bmp", TinyBmp());
    }

    static DWORD AttributeRanges(ID3DXMesh* mesh) {
        DWORD count = 0;
        mesh->GetAttributeTable(nullptr, &count);
        return count;
    }

    CSoundPlayer player_{reinterpret_cast<HWND>(std::uintptr_t{1})};
};

void ExpectColour(const D3DCOLORVALUE& expected, const D3DCOLORVALUE& actual) {
    EXPECT_FLOAT_EQ(expected.r, actual.r);
    EXPECT_FLOAT_EQ(expected.g, actual.g);
    EXPECT_FLOAT_EQ(expected.b, actual.b);
    EXPECT_FLOAT_EQ(expected.a, actual.a);
}

TEST_F(CatalogModelTest, ModelsGetMaterialsTextureNamesAndSpheres) {
    Write("base/models.txt", "square square.x\ntriangle   triangle.x");
    CCatalog catalog(device_, &player_);

    const CModel& square = catalog.m_models.at("square");
    ASSERT_NE(nullptr, square.pMesh);
    EXPECT_EQ(2u, AttributeRanges(square.pMesh)); // optimised: the table is built
    EXPECT_EQ((std::vector<int>{0, 1}), square.materialIds);
    EXPECT_EQ((std::vector<std::string>{"red.bmp", ""}), square.textureNames);
    EXPECT_FLOAT_EQ(1.0f, square.center.y);
    EXPECT_FLOAT_EQ(std::sqrt(2.0f), square.radius);

    // No material list: the loader's one default material, without texture.
    const CModel& triangle = catalog.m_models.at("triangle");
    ASSERT_NE(nullptr, triangle.pMesh);
    EXPECT_EQ((std::vector<int>{2}), triangle.materialIds);
    EXPECT_EQ((std::vector<std::string>{""}), triangle.textureNames);
    EXPECT_FLOAT_EQ(std::sqrt(20.0f), triangle.radius);

    EXPECT_EQ(3, catalog.m_nextMaterialId);
    ASSERT_EQ(3u, catalog.m_materials.size());
    for (const auto& [id, material] : catalog.m_materials) {
        ExpectColour(material.Diffuse, material.Ambient);
    }
    const D3DMATERIAL9& red = catalog.GetMaterial(0);
    ExpectColour({1, 0, 0, 1}, red.Diffuse);
    ExpectColour({0.1f, 0.2f, 0.3f, 1}, red.Specular);
    ExpectColour({0.4f, 0.5f, 0.6f, 1}, red.Emissive);
    EXPECT_FLOAT_EQ(5.0f, red.Power);
    ExpectColour({0, 0.5f, 1, 1}, catalog.GetMaterial(1).Diffuse);
    catalog.ReleaseContent();
}

TEST_F(CatalogModelTest, ModelListedTwiceKeepsTheFirstMeshsListsFirst) {
    Write("base/models.txt", "twice square.x\ntwice triangle.x\n");
    CCatalog catalog(device_, &player_);
    const CModel& twice = catalog.m_models.at("twice");
    ASSERT_NE(nullptr, twice.pMesh);
    EXPECT_EQ(1u, twice.pMesh->GetNumFaces()); // the second mesh
    EXPECT_EQ((std::vector<int>{0, 1, 2}), twice.materialIds);
    EXPECT_EQ((std::vector<std::string>{"red.bmp", "", ""}), twice.textureNames);
    EXPECT_FLOAT_EQ(std::sqrt(20.0f), twice.radius);
    catalog.ReleaseContent(); // the fixture then finds the first mesh released as well
}

TEST_F(CatalogModelTest, FailingMeshEndsTheModelsButTexturesStillLoad) {
    for (const char* failing : {"broken.x", "absent.x"}) {
        Write("base/models.txt",
              std::string("square square.x\nbad ") + failing + "\ntriangle triangle.x\n");
        Write("base/textures.txt", "red.bmp\n");
        CCatalog catalog(device_, &player_);
        EXPECT_NE(nullptr, catalog.m_models.at("square").pMesh) << failing;
        ASSERT_EQ(1u, catalog.m_models.count("bad")) << failing;
        EXPECT_EQ(nullptr, catalog.m_models.at("bad").pMesh);
        EXPECT_TRUE(catalog.m_models.at("bad").materialIds.empty());
        EXPECT_EQ(0u, catalog.m_models.count("triangle"));
        EXPECT_EQ(2, catalog.m_nextMaterialId);
        EXPECT_NE(nullptr, catalog.m_textures.at("red.bmp"));
        EXPECT_EQ(1, catalog.LoadModels(0));
        catalog.ReleaseContent();
    }
    // A name loaded before and failing now keeps its ids, and its first mesh is released.
    Write("base/models.txt", "square square.x\nsquare broken.x\n");
    CCatalog catalog(device_, &player_);
    EXPECT_EQ(nullptr, catalog.m_models.at("square").pMesh);
    EXPECT_EQ((std::vector<int>{0, 1}), catalog.m_models.at("square").materialIds);
    catalog.ReleaseContent();
}

// Every buffer Lock answers S_FALSE: the utility library takes it as success, the catalog
// (which asks for D3D_OK) as the sphere's lock refused, the last step of a model's loading.
TEST_F(CatalogModelTest, VertexBufferThatCannotBeLockedEndsTheModelsAfterItsMaterials) {
    Write("base/textures.txt", "red.bmp\n");
    CCatalog catalog(device_, &player_); // before the list exists: only LoadModels locks
    Write("base/models.txt", "first square.x\nsecond square.x\n");
    d3d9rec::FailCall("Lock", S_FALSE);
    EXPECT_EQ(1, catalog.LoadModels(0));
    d3d9rec::ClearFailure("Lock");
    const CModel& first = catalog.m_models.at("first");
    EXPECT_NE(nullptr, first.pMesh);
    EXPECT_EQ((std::vector<int>{0, 1}), first.materialIds);
    EXPECT_EQ((std::vector<std::string>{"red.bmp", ""}), first.textureNames);
    EXPECT_EQ(0.0f, first.radius);
    EXPECT_EQ(0u, catalog.m_models.count("second"));
    EXPECT_EQ(2, catalog.m_nextMaterialId);
    catalog.ReleaseContent();
}

TEST_F(CatalogModelTest, TexturesAreStoredUnderTheirNamesAsWritten) {
    Write("base/shared/other.bmp", TinyBmp());
    Write("base/textures/junk.bmp", "not an image at all");
    Write("base/textures.txt", "red.bmp missing.bmp\n..\\shared\\other.bmp junk.bmp\nred.bmp\n");
    CCatalog catalog(device_, &player_);
    ASSERT_EQ(4u, catalog.m_textures.size());
    IDirect3DTexture9* red = catalog.m_textures.at("red.bmp");
    ASSERT_NE(nullptr, red);
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(D3D_OK, red->GetLevelDesc(0, &desc));
    EXPECT_EQ(2u, desc.Width);
    EXPECT_EQ(nullptr, catalog.m_textures.at("missing.bmp"));
    EXPECT_EQ(nullptr, catalog.m_textures.at("junk.bmp"));
    EXPECT_NE(nullptr, catalog.m_textures.at("..\\shared\\other.bmp"));
    EXPECT_EQ(red, catalog.GetTexture("red.bmp"));
    // A texture a material names but the list does not: drawn untextured.
    EXPECT_EQ(nullptr, catalog.GetTexture("wood.bmp"));
    catalog.ReleaseContent(); // the fixture then finds the first red.bmp released as well
}

} // namespace
} // namespace catalog_test
