// The catalog: the styles and levels lists, lists that end early or are missing, lookups of
// absent keys; style 0's models (meshes, materials, texture names, spheres), textures and
// sounds, and the lists stopping at one that fails. Each test runs in a fresh, empty working
// directory with a recording device and a sound player.
#include "catalog/catalog.h"
#include "sound/sound_player.h"

#include "../d3d9/recording_fixture.h"
#include "../sound_support/riff_builder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A .x file of the square (0,0,0)..(2,2,0) in two triangles, with two materials (the first
// textured "red.bmp"), power 5, specular (0.1, 0.2, 0.3) and emissive (0.4, 0.5, 0.6).
inline const std::string kSquare =
    "xof 0302txt 0032\nMesh { 4; 0.0; 0.0; 0.0;, 2.0; 0.0; 0.0;, 2.0; 2.0; 0.0;, 0.0; 2.0; 0.0;;"
    " 2; 3; 0, 1, 2;, 3; 0, 2, 3;; MeshMaterialList { 2; 2; 0, 1;;"
    " Material { 1.0; 0.0; 0.0; 1.0;; 5.0; 0.1; 0.2; 0.3;; 0.4; 0.5; 0.6;;"
    " TextureFilename { \"red.bmp\"; } }"
    " Material { 0.0; 0.5; 1.0; 1.0;; 5.0; 0.1; 0.2; 0.3;; 0.4; 0.5; 0.6;; } } }\n";
// One triangle (0,0,0) (6,0,0) (0,6,0) without a material list.
inline const std::string kTriangle = "xof 0302txt 0032\nMesh { 3; 0.0; 0.0; 0.0;, 6.0; 0.0; 0.0;, "
                                     "0.0; 6.0; 0.0;; 1; 3; 0, 1, 2;; }\n";

class CatalogTest : public d3d9rec::testing::RecordingTest {
protected:
    void SetUp() override {
        RecordingTest::SetUp();
        std::filesystem::create_directories(root_);
        std::filesystem::current_path(root_);
        Write("styles.txt", "0 base\n");
        Write("base/models/square.x", kSquare);
        Write("base/models/triangle.x", kTriangle);
        Write("base/models/broken.x", "xof 0302txt 0032\nMesh { 3; 0.0; 0.0;");
        // A 2 x 2 24-bit BMP file, and a few 8-bit mono samples.
        Write("base/textures/red.bmp", "BM" + riff::Dword(70) + riff::Dword(0) + riff::Dword(54) +
                                           riff::Dword(40) + riff::Dword(2) + riff::Dword(2) +
                                           riff::Word(1) + riff::Word(24) + std::string(40, 0));
        Write("base/sounds/toot.wav", riff::Wave(riff::PcmFormat(1, 11025, 8), "\x80\x90\xA0\x90"));
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
        RecordingTest::TearDown();
    }
    void Write(const std::filesystem::path& path, const std::string& content) const {
        std::filesystem::create_directories((root_ / path).parent_path());
        std::ofstream(root_ / path, std::ios::binary) << content;
    }

    const std::filesystem::path previous_ = std::filesystem::current_path();
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() / ("rw_catalog_" + std::to_string(getpid()));
    // A ready player on OpenAL's silent null device (chosen before the process's first player).
    CSoundPlayer player_{(setenv("ALSOFT_DRIVERS", "null", 1), reinterpret_cast<HWND>(1))};
};

TEST_F(CatalogTest, StylesReadAsWhitespaceSeparatedRecordsUntilOneFails) {
    const std::pair<const char*, std::map<int, std::string>> cases[] = {
        {"0 base\n1 night\n\n\n   \t\n", {{0, "base"}, {1, "night"}}}, // trailing blanks
        {"0 base\n0 other\n", {{0, "other"}}},                         // later one replaces
        {"+3 plus -2 minus", {{0, ""}, {3, "plus"}, {-2, "minus"}}},   // signs; style 0 empty
        {"0 base\n1", {{0, "base"}}},                                  // ends mid-record
        {"0 base\nx night\n2 late\n", {{0, "base"}}},                  // not a number
        {"0 base\n99999999999 huge\n2 late\n", {{0, "base"}}},         // out of range
    };
    for (const auto& [text, styles] : cases) {
        Write("styles.txt", text);
        EXPECT_EQ(CCatalog(device, &player_).m_styles, styles) << text;
    }
}

TEST_F(CatalogTest, LevelsKeepTheirOrderAndRepeatsAndMissingListsLeaveAnEmptyCatalog) {
    Write("levels.txt", "first.txt\nsecond.txt  first.txt\n\n\n   ");
    CCatalog catalog(device, &player_);
    EXPECT_EQ(catalog.m_levels, (std::vector<std::string>{"first.txt", "second.txt", "first.txt"}));
    // Outside the list no file is named, and the list is not grown.
    EXPECT_EQ(std::make_tuple(catalog.GetLevelFile(0), catalog.GetLevelFile(1),
                              catalog.GetLevelFile(3), catalog.GetLevelFile(-1),
                              catalog.GetLevelCount()),
              std::make_tuple("first.txt", "second.txt", "", "", 3));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    CCatalog empty(device, &player_);
    EXPECT_TRUE(empty.m_models.empty() && empty.m_textures.empty() && empty.m_materials.empty() &&
                empty.m_sounds.empty() && empty.m_levels.empty());
    EXPECT_EQ(empty.m_styles, (std::map<int, std::string>{{0, ""}})) << "style 0, no folder";
    // A list that cannot be opened stops at once.
    EXPECT_EQ(std::make_tuple(empty.LoadModels(0), empty.LoadTextures(0), empty.LoadSounds(0),
                              empty.LoadStyles(), empty.LoadLevelList()),
              std::make_tuple(1, 1, 1, 0, 0));
}

TEST_F(CatalogTest, OnlyStyleZerosListsAreLoadedFromItsFolder) {
    Write("styles.txt", "1 night\n0 base\n");
    Write("base/textures.txt", "red.bmp\n");
    Write("night/models.txt", "square square.x\n");
    Write("textures.txt", "red.bmp\n");
    EXPECT_EQ(CCatalog(device, &player_).m_textures.count("red.bmp"), 1u);
    EXPECT_TRUE(CCatalog(device, &player_).m_models.empty());
    // Without style 0 the lists are looked for under "\", not the working directory.
    Write("styles.txt", "1 night\n");
    EXPECT_TRUE(CCatalog(device, &player_).m_textures.empty());
}

TEST_F(CatalogTest, LookupsOfAbsentKeysAddEmptyEntries) {
    CCatalog catalog(device, &player_);
    CModel& model = catalog.GetModel("nothing");
    model.radius = 2.5f; // the entry is the map's own; keys are case-sensitive
    EXPECT_EQ(std::make_tuple(model.pMesh, catalog.GetModel("nothing").radius,
                              catalog.GetModel("Nothing").radius, catalog.GetTexture("none.bmp"),
                              catalog.GetSound("toot"), catalog.GetStyleFolder(4)),
              std::make_tuple(nullptr, 2.5f, 0.0f, nullptr, nullptr, ""));
    const D3DMATERIAL9 zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &catalog.GetMaterial(7), sizeof zero));
    EXPECT_TRUE(catalog.m_materials.count(7) && catalog.m_textures.count("none.bmp") &&
                catalog.m_sounds.count("toot") && catalog.m_styles.count(4));
}

TEST_F(CatalogTest, SoundsLoadUntilOneFails) {
    Write("base/sounds/junk.wav", "RIFF....WAVEjunk");
    Write("base/sounds.txt", "toot toot.wav\nblues   toot.wav\nbad junk.wav\nlate toot.wav\n");
    ASSERT_TRUE(player_.IsReady());
    CCatalog catalog(device, &player_);
    EXPECT_EQ(catalog.m_sounds.size(), 2u) << "neither the failing name nor any after it";
    EXPECT_TRUE(catalog.m_sounds.at("toot") && catalog.m_sounds.at("blues") &&
                catalog.m_sounds.at("toot") != catalog.m_sounds.at("blues"));
    EXPECT_EQ(catalog.LoadSounds(0), 1);
    // A list read to its end (the last record incomplete) gives 0.
    Write("base/sounds.txt", "toot toot.wav\n\n  blues");
    EXPECT_EQ(catalog.LoadSounds(0), 0);
}

TEST_F(CatalogTest, ModelsGetMaterialsTextureNamesAndSpheres) {
    Write("base/models.txt", "square square.x\ntriangle   triangle.x\ntwice square.x\ntwice "
                             "triangle.x");
    CCatalog catalog(device, &player_);
    const CModel& square = catalog.m_models.at("square");
    DWORD ranges = 0;
    square.pMesh->GetAttributeTable(nullptr, &ranges);
    EXPECT_EQ(ranges, 2u) << "optimised: the attribute table is built";
    EXPECT_EQ(
        std::make_tuple(square.materialIds, square.textureNames, square.center.y, square.radius),
        std::make_tuple(std::vector{0, 1}, std::vector<std::string>{"red.bmp", ""}, 1.0f,
                        std::sqrt(2.0f)));
    // Without a material list: the loader's one default material, untextured.
    const CModel& triangle = catalog.m_models.at("triangle");
    EXPECT_EQ(std::make_tuple(triangle.materialIds, triangle.textureNames, triangle.radius),
              std::make_tuple(std::vector{2}, std::vector<std::string>{""}, std::sqrt(20.0f)));
    // A name listed twice takes the second mesh and sphere, and appends its materials.
    const CModel& twice = catalog.m_models.at("twice");
    EXPECT_EQ(std::make_tuple(twice.pMesh->GetNumFaces(), twice.materialIds, twice.radius),
              std::make_tuple(DWORD{1}, std::vector{3, 4, 5}, std::sqrt(20.0f)));
    // Materials keep the file's colours, with ambient made the diffuse.
    const D3DMATERIAL9& red = catalog.GetMaterial(0);
    EXPECT_EQ(std::make_tuple(red.Diffuse.r, red.Ambient.r, red.Specular.b, red.Emissive.g,
                              red.Power, catalog.GetMaterial(1).Ambient.g,
                              catalog.m_nextMaterialId),
              std::make_tuple(1.0f, 1.0f, 0.3f, 0.5f, 5.0f, 0.5f, 6));
}

TEST_F(CatalogTest, AFailingMeshEndsTheModelsButTexturesStillLoad) {
    for (const char* failing : {"broken.x", "absent.x", "square.x"}) {
        Write("base/models.txt",
              "square square.x\nbad " + std::string(failing) + "\ntriangle triangle.x\n");
        Write("base/textures.txt", "red.bmp\n");
        // A refused vertex-buffer lock ends the list too, after the model's materials.
        const bool lock = failing == std::string("square.x");
        d3d9rec::FailCall("Lock", lock ? S_FALSE : S_OK);
        CCatalog catalog(device, &player_);
        const CModel& square = catalog.m_models.at("square");
        EXPECT_EQ(std::make_tuple(square.pMesh != nullptr, square.materialIds.size(),
                                  catalog.m_models.count("bad"), catalog.m_models.count("triangle"),
                                  catalog.m_nextMaterialId),
                  std::make_tuple(true, 2u, std::size_t{!lock}, std::size_t{0}, 2))
            << failing;
        EXPECT_EQ(catalog.LoadModels(0), 1);
        d3d9rec::ClearFailure("Lock");
        EXPECT_NE(catalog.m_textures.at("red.bmp"), nullptr);
        catalog.ReleaseContent();
    }
    // A name loaded before and failing now keeps its ids, and its first mesh is released.
    Write("base/models.txt", "square square.x\nsquare broken.x\n");
    CCatalog catalog(device, &player_);
    EXPECT_EQ(std::make_pair(catalog.m_models.at("square").pMesh,
                             catalog.m_models.at("square").materialIds),
              std::make_pair(static_cast<ID3DXMesh*>(nullptr), std::vector{0, 1}));
}

TEST_F(CatalogTest, TexturesAreStoredUnderTheirNamesAsWritten) {
    Write("base/shared/other.bmp", "");
    std::filesystem::copy_file("base/textures/red.bmp", "base/shared/other.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    Write("base/textures/junk.bmp", "not an image at all");
    Write("base/textures.txt", "red.bmp missing.bmp\n..\\shared\\other.bmp junk.bmp\nred.bmp\n");
    CCatalog catalog(device, &player_);
    ASSERT_EQ(catalog.m_textures.size(), 4u);
    ASSERT_NE(catalog.GetTexture("red.bmp"), nullptr);
    D3DSURFACE_DESC desc{};
    ASSERT_EQ(catalog.GetTexture("red.bmp")->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 2u);
    // Missing and unreadable ones are kept as null (drawn untextured), as is a name no list has.
    EXPECT_EQ(std::make_tuple(catalog.GetTexture("missing.bmp"), catalog.GetTexture("junk.bmp"),
                              catalog.GetTexture("wood.bmp")),
              std::make_tuple(nullptr, nullptr, nullptr));
    EXPECT_NE(catalog.GetTexture("..\\shared\\other.bmp"), nullptr);
}

} // namespace
