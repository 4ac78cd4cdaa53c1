// The styles and levels lists, lists that end early, and lookups of absent keys.
#include "catalog_test_support.h"

#include "sound/sound_player.h"

#include <cstdint>
#include <tuple>

namespace catalog_test {
namespace {

template <typename Map> std::vector<std::string> Keys(const Map& map) {
    std::vector<std::string> keys;
    for (const auto& entry : map) {
        keys.push_back(entry.first);
    }
    return keys;
}

class CatalogListTest : public CatalogDirTest {
protected:
    // A player without a sound device: every sound fails, which these tests do not look at.
    CSoundPlayer player_{reinterpret_cast<HWND>(std::uintptr_t{1})};
};

TEST_F(CatalogListTest, StylesReadAsWhitespaceSeparatedRecords) {
    struct Case {
        const char* text;
        std::map<int, std::string> expected;
    };
    const Case cases[] = {
        {"0 base\n1 night\n", {{0, "base"}, {1, "night"}}},
        {"0 base\n1 night\n\n\n   \t\n", {{0, "base"}, {1, "night"}}}, // trailing blanks
        {"0\nbase\n\n1\tnight", {{0, "base"}, {1, "night"}}},          // split over lines
        {"0 base 1 night", {{0, "base"}, {1, "night"}}},               // one line
        {"0 base\n0 other\n", {{0, "other"}}},                         // later one replaces
        {"+3 plus -2 minus", {{3, "plus"}, {-2, "minus"}}},            // signs
        {"0 base\n1", {{0, "base"}}},                                  // ends mid-record
        {"0 base\nx night\n2 late\n", {{0, "base"}}},                  // not a number: ends
        {"0 base\n99999999999 huge\n2 late\n", {{0, "base"}}},         // out of range: ends
        {"", {}},
    };
    for (const Case& c : cases) {
        Write("styles.txt", c.text);
        CCatalog catalog(device_, &player_);
        // Loading style 0 adds its entry, empty when the list has none.
        std::map<int, std::string> expected = c.expected;
        expected.try_emplace(0, "");
        EXPECT_EQ(expected, catalog.m_styles) << c.text;
    }
}

TEST_F(CatalogListTest, LevelsKeepTheirOrderAndRepeats) {
    Write("levels.txt", "first.txt\nsecond.txt  first.txt\n\n\n   ");
    CCatalog catalog(device_, &player_);
    EXPECT_EQ((std::vector<std::string>{"first.txt", "second.txt", "first.txt"}), catalog.m_levels);
    EXPECT_EQ("second.txt", catalog.GetLevelFile(1));
    // Outside the list no file is named, and the list is not grown.
    EXPECT_EQ("", catalog.GetLevelFile(3));
    EXPECT_EQ("", catalog.GetLevelFile(-1));
    EXPECT_EQ(3, catalog.GetLevelCount());
}

TEST_F(CatalogListTest, MissingListsLeaveAnEmptyCatalog) {
    CCatalog catalog(device_, &player_);
    EXPECT_TRUE(catalog.m_models.empty() && catalog.m_textures.empty() &&
                catalog.m_materials.empty() && catalog.m_sounds.empty() &&
                catalog.m_levels.empty());
    // No style 0: its folder is the empty name.
    EXPECT_EQ((std::map<int, std::string>{{0, ""}}), catalog.m_styles);
    // A list that cannot be opened stops at once.
    EXPECT_EQ(std::make_tuple(1, 1, 1, 0, 0),
              std::make_tuple(catalog.LoadModels(0), catalog.LoadTextures(0), catalog.LoadSounds(0),
                              catalog.LoadStyles(), catalog.LoadLevelList()));
}

TEST_F(CatalogListTest, OnlyStyleZerosListsAreLoadedFromItsFolder) {
    Write("styles.txt", "1 night\n0 base\n");
    Write("base/textures.txt", "day.bmp\n");
    Write("night/textures.txt", "night.bmp\n");
    Write("night/models.txt", "moon moon.x\n");
    Write("textures.txt", "here.bmp\n");
    {
        CCatalog catalog(device_, &player_);
        EXPECT_EQ((std::vector<std::string>{"day.bmp"}), Keys(catalog.m_textures));
        EXPECT_TRUE(catalog.m_models.empty());
    }
    // Without style 0 the lists are looked for under "\", not the working directory.
    Write("styles.txt", "1 night\n");
    CCatalog catalog(device_, &player_);
    EXPECT_EQ("", catalog.m_styles.at(0));
    EXPECT_TRUE(catalog.m_textures.empty());
}

TEST_F(CatalogListTest, IncompleteLastRecordAddsNothing) {
    Write("styles.txt", "0 base\n");
    Write("base/textures.txt", "");
    Write("base/models.txt", "square square.x\ntriangle");
    Write("base/models/square.x", SquareMesh(MaterialObject(1, 0, 0, ""), 1));
    CCatalog catalog(device_, &player_);
    EXPECT_EQ(1u, catalog.m_models.size());
    EXPECT_NE(nullptr, catalog.m_models["square"].pMesh);
    // Read to its end: the list's result is 0, and reading it again appends the same.
    EXPECT_EQ(0, catalog.LoadModels(0));
    EXPECT_EQ(0, catalog.LoadTextures(0));
    EXPECT_EQ((std::vector<int>{0, 1}), catalog.m_models["square"].materialIds);
    catalog.ReleaseContent();
}

TEST_F(CatalogListTest, LookupsOfAbsentKeysAddEmptyEntries) {
    CCatalog catalog(device_, &player_);
    catalog.m_styles.clear();

    CModel& model = catalog.GetModel("nothing");
    EXPECT_TRUE(model.pMesh == nullptr && model.materialIds.empty());
    model.radius = 2.5f; // the entry is the map's own; keys are case-sensitive
    EXPECT_EQ(2.5f, catalog.GetModel("nothing").radius);
    EXPECT_EQ(0.0f, catalog.GetModel("Nothing").radius);
    const D3DMATERIAL9 zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &catalog.GetMaterial(7), sizeof zero));
    EXPECT_EQ(0, catalog.m_nextMaterialId); // a lookup hands out no id
    EXPECT_TRUE(catalog.GetTexture("none.bmp") == nullptr && catalog.GetSound("toot") == nullptr);
    EXPECT_EQ("", catalog.GetStyleFolder(4));
    EXPECT_TRUE(catalog.m_materials.count(7) && catalog.m_textures.count("none.bmp") &&
                catalog.m_sounds.count("toot") && catalog.m_styles.count(4));
}

} // namespace
} // namespace catalog_test
