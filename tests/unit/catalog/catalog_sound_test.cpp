// Sounds of style 0, through a player without a sound device and one on OpenAL's silent
// null device.
#include "catalog_test_support.h"

#include "sound/sound.h"
#include "sound/sound_player.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace catalog_test {
namespace {

const HWND kWindow = reinterpret_cast<HWND>(std::uintptr_t{1});

class CatalogSoundTest : public CatalogDirTest {
protected:
    void SetUp() override {
        CatalogDirTest::SetUp();
        Write("styles.txt", "0 base\n");
        Write("base/sounds/toot.wav", TinyWav());
        Write("base/sounds/junk.wav", "RIFF....WAVEjunk");
    }
};

TEST_F(CatalogSoundTest, PlayerWithoutDeviceStopsTheSoundsAtTheFirst) {
    CSoundPlayer player(kWindow);
    if (player.IsReady()) {
        GTEST_SKIP() << "a sound device is there (a real one, or the null one of an earlier test)";
    }
    Write("base/sounds.txt", "toot toot.wav\nblues toot.wav\n");
    CCatalog catalog(device_, &player);
    EXPECT_TRUE(catalog.m_sounds.empty());
    EXPECT_EQ(1, catalog.LoadSounds(0));
    EXPECT_TRUE(catalog.m_sounds.empty());
}

// The null device makes a ready player. OpenAL reads its drivers once per process: these tests
// need a process where no player was made before (ctest gives each test its own).
class ReadyPlayerTest : public CatalogSoundTest {
protected:
    void SetUp() override {
        CatalogSoundTest::SetUp();
        setenv("ALSOFT_DRIVERS", "null", 1);
        player_ = std::make_unique<CSoundPlayer>(kWindow);
        if (!player_->IsReady()) {
            GTEST_SKIP() << "OpenAL chose its drivers earlier in this process; ctest runs each "
                            "test in a process of its own";
        }
    }
    void TearDown() override {
        player_.reset();
        CatalogSoundTest::TearDown();
    }

    std::unique_ptr<CSoundPlayer> player_;
};

TEST_F(ReadyPlayerTest, SoundsLoadUntilOneFails) {
    Write("base/sounds.txt", "toot toot.wav\nblues   toot.wav\nbad junk.wav\nlate toot.wav\n");
    CCatalog catalog(device_, player_.get());
    // The failing name is not stored, nor anything after it.
    EXPECT_EQ(2u, catalog.m_sounds.size());
    EXPECT_NE(nullptr, catalog.m_sounds.at("toot"));
    EXPECT_NE(nullptr, catalog.m_sounds.at("blues"));
    EXPECT_NE(catalog.m_sounds.at("toot"), catalog.m_sounds.at("blues"));
    catalog.ReleaseContent();

    Write("base/sounds.txt", "toot toot.wav\nmissing missing.wav\n");
    CCatalog second(device_, player_.get());
    EXPECT_EQ(1u, second.m_sounds.size());
    EXPECT_EQ(1, second.LoadSounds(0));
    second.ReleaseContent();

    // A list read to its end (the last record incomplete) gives 0.
    Write("base/sounds.txt", "toot toot.wav\n\n  blues");
    CCatalog third(device_, player_.get());
    EXPECT_EQ(1u, third.m_sounds.size());
    third.ReleaseContent();
    EXPECT_EQ(0, third.LoadSounds(0));
    third.ReleaseContent();
}

TEST_F(ReadyPlayerTest, FailingMeshLeavesSoundsLoading) {
    Write("base/models.txt", "bad broken.x\n");
    Write("base/models/broken.x", "xof 0302txt 0032\nMesh {");
    Write("base/sounds.txt", "toot toot.wav\n");
    CCatalog catalog(device_, player_.get());
    EXPECT_EQ(nullptr, catalog.m_models.at("bad").pMesh);
    EXPECT_NE(nullptr, catalog.m_sounds.at("toot"));
    catalog.ReleaseContent();
}

TEST_F(ReadyPlayerTest, CurrentDirectoryIsTakenAtItsFullLength) {
    // A working directory far longer than 259 characters.
    std::filesystem::path deep = root_;
    for (char letter : {'a', 'b', 'c'}) {
        deep /= std::string(120, letter);
    }
    std::filesystem::create_directories(deep);
    std::filesystem::current_path(deep);
    Write("styles.txt", "0 base\n");
    Write("base/sounds.txt", "toot toot.wav\n");
    Write("base/sounds/toot.wav", TinyWav());
    CCatalog catalog(device_, player_.get());
    EXPECT_NE(nullptr, catalog.GetSound("toot"));
    catalog.ReleaseContent();
}

TEST_F(ReadyPlayerTest, WithoutStyleZeroSoundsComeFromTheCurrentDirectory) {
    // Current directory + "\" + "" + "\" + "sounds.txt": the double separator is harmless.
    Write("styles.txt", "1 night\n");
    Write("sounds.txt", "toot toot.wav\n");
    Write("sounds/toot.wav", TinyWav());
    CCatalog catalog(device_, player_.get());
    EXPECT_NE(nullptr, catalog.GetSound("toot"));
    catalog.ReleaseContent();
}

} // namespace
} // namespace catalog_test
