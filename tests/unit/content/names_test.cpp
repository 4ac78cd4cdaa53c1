// Everything the game asks the content for by name is there and loads.
#include "content_fixture.h"

#include "sound/sound.h"
#include "world/level.h"

#include <set>
#include <string>

namespace content_test {
namespace {

// What the game draws and plays by name, whatever the levels hold.
// clang-format off
const char* const kModels[] = {"menuIntro", "menuIntroduction", "menuComplete", "menuGameover",
    "floor", "pointer", "bullet", "train", "rails", "railscorner", "station", "rturn", "lturn",
    "rrecht", "50pts", "100pts", "speed", "block"};
// clang-format on
const char* const kSounds[] = {"blues", "steam", "toot", "coins", "rail", "explode"};

TEST_F(ContentTest, EveryModelTheGameOrALevelDrawsHasAMeshWithMaterialsAndTextures) {
    std::set<std::string> names(std::begin(kModels), std::end(kModels));
    for (const std::string& path : LevelPaths()) {
        CLevel level(device_, catalog_.get(), path);
        EXPECT_EQ(level.ReadLevelFile(path), 0) << path;
        for (const CLevelObject& object : level.objects) {
            if (object.kind != "blocked") {
                names.insert(object.kind);
            }
        }
    }
    for (const std::string& name : names) {
        const CModel& model = catalog_->GetModel(name);
        ASSERT_NE(model.pMesh, nullptr) << name;
        DWORD subsets = 0;
        model.pMesh->GetAttributeTable(nullptr, &subsets);
        EXPECT_GE(subsets, 1u) << name;
        EXPECT_GE(model.materialIds.size(), subsets) << name;
        for (const std::string& texture : model.textureNames) {
            if (!texture.empty()) {
                EXPECT_NE(catalog_->GetTexture(texture), nullptr) << name << ": " << texture;
            }
        }
    }
}

TEST_F(ContentTest, EveryListedTextureAndSoundLoads) {
    EXPECT_EQ(catalog_->m_styles.at(0), "meadow");
    ASSERT_FALSE(catalog_->m_textures.empty());
    for (const auto& [name, texture] : catalog_->m_textures) {
        EXPECT_NE(texture, nullptr) << name;
    }
    EXPECT_EQ(catalog_->m_sounds.size(), std::size(kSounds));
    for (const char* name : kSounds) {
        EXPECT_NE(catalog_->GetSound(name), nullptr) << name;
    }
}

} // namespace
} // namespace content_test
